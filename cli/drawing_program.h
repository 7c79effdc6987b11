// The drawing program: the part of qel-cli that links the drawing libraries, and how qel-cli
// hands it a command.
#pragma once

#include <string>
#include <vector>

namespace qel {

// The file name of the drawing program.
inline constexpr char kDrawingProgramName[] = "qel-cli-draw";

// Where the drawing program is looked for, in order, given the folder of the running qel-cli and
// the library-executables folder of an installation relative to its programs' folder: beside
// qel-cli (the build tree), then in that folder.
std::vector<std::string> DrawingProgramCandidates(const std::string& programFolder,
                                                  const std::string& libexecFromPrograms);

// Replaces this process by the drawing program running `command` with `words`, the same
// arguments qel-cli was given. Returns only when it cannot: kExitFailure, with the reason and the
// places looked in on standard error.
int RunDrawingProgram(const std::string& command, const std::vector<std::string>& words);

}  // namespace qel
