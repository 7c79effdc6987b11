// What qel-cli checks of an output path before it writes: its kind by extension, and that it
// is not the file the command reads.
#pragma once

#include <string>

namespace qel {

// Whether `path` ends in ".pdf", in any case.
bool EndsInPdf(const std::string& path);

// True, with the reason on standard error (the same message the desktop shows), when writing
// `output` would replace `input`; the command then exits kExitFailure before it writes anything. A
// hard link or a symbolic link to the input is the input.
bool OutputWouldReplaceInput(const std::string& input, const std::string& output);

}  // namespace qel
