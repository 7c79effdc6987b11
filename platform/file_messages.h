// The messages for files that could not be read or written, in the program's words.
#pragma once

#include <string>

#include "base/safe_file_writer.h"
#include "base/text_file.h"

namespace qel {

// The message for a file that could not be read: not found (4008), not permitted, a loop of
// links, not a regular file (4110) or too large (4111).
std::string FileReadErrorText(FileReadError error, const std::string& path);

// The message for a write that failed: the character that cannot be stored, a pipe nobody
// reads, or the reason the system gave (disk full, no permission, an I/O error, or its own
// words for anything else).
std::string SaveFailureText(const WriteOutcome& outcome, const std::string& path);

}  // namespace qel
