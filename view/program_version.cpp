// The program's version, as the build names it.
#include "view/program_version.h"

namespace qel {

const char* ProgramVersion() {
  return QEL_PROGRAM_VERSION;
}

}  // namespace qel
