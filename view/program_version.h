// The program's version, as the build names it.
#pragma once

namespace qel {

// "6.1.0": the version of the project the program was built from.
const char* ProgramVersion();

}  // namespace qel
