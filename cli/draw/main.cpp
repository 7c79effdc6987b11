// qel-cli-draw: the subcommands of qel-cli that draw pages, with the drawing libraries that only
// they need. qel-cli hands them here with the arguments it was given.
#include "cli/draw/drawing_commands.h"

int main(int argc, char** argv) {
  using namespace qel;
  static const CliCommand kDrawing[] = {
      {"pages", RunPages},
      {"render", RunRender},
      {"report", RunReport},
      {"verify", RunVerifyDrawingPdf},
  };
  return RunCommandLine(argc, argv, kDrawing);
}
