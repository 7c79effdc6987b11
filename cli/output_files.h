// What qel-cli checks of an output path before it writes: its kind by extension, and that it
// is not the file the command reads.
#pragma once

#include <string>

namespace qel {

// Whether `path` ends in ".pdf", in any case.
bool EndsInPdf(const std::string& path);

// Whether the two paths name one existing regular file (the same device and inode, every link
// followed): a hard link or a symbolic link to a file is that file.
bool IsSameFile(const std::string& a, const std::string& b);

// True, with the reason on standard error, when writing `output` would replace `input`; the
// command then exits kExitFailure before it writes anything.
bool OutputWouldReplaceInput(const std::string& input, const std::string& output);

}  // namespace qel
