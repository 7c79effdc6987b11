// qel-cli: the program's core without a window, for scripts, tests and batch work. It computes
// and writes text itself and hands the commands that draw pages to the drawing program, so that
// it loads no drawing library.
#include "cli/commands.h"

int main(int argc, char** argv) {
  return qel::RunCommandLine(argc, argv, {});
}
