// Reading and safely writing the program's text files (CP932, CR LF line ends).
#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/safe_file_writer.h"

namespace qel {

// The largest file the program reads. A data file is a few kilobytes and the settings files
// less; anything near this size is not one of the program's files, and reading it whole would
// only tie up memory.
inline constexpr std::size_t kLargestReadableFile = 64 * 1024 * 1024;
inline constexpr int kLargestReadableFileMegabytes = 64;

// Why a file's bytes could not be read.
enum class FileReadError {
  None,
  CannotOpen,      // missing
  NotPermitted,    // the user may not read it
  LinkLoop,        // symbolic links that lead round in a circle
  NotRegularFile,  // a folder, a FIFO, a device: it might block or never end
  TooLarge,        // over kLargestReadableFile
};

// The whole content of a regular file of at most kLargestReadableFile bytes; nothing otherwise,
// with the reason in `error` when one is given. Opening never blocks, even on a FIFO.
std::optional<std::string> ReadFileBytes(const std::string& path, FileReadError* error = nullptr);

// Splits bytes into lines at each line feed; a carriage return just before the line feed goes
// with it. Lines are kept whole, however long. A last line without a line end is kept as it is.
std::vector<std::string> SplitLines(std::string_view bytes);

// Calls `visit(line)` for each line SplitLines would give, without copying the lines; stops
// early when `visit` returns false.
template <typename Visit>
void ForEachLine(std::string_view bytes, Visit&& visit) {
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) {
      visit(bytes.substr(start));
      return;
    }
    std::size_t contentEnd = end;
    if (contentEnd > start && bytes[contentEnd - 1] == '\r') --contentEnd;
    if (!visit(bytes.substr(start, contentEnd - start))) return;
    start = end + 1;
  }
}

// Reads a text file (CP932, or UTF-8 when DetectTextEncoding says so) as UTF-8 lines without
// their line ends, at most `maxLines` of them; nothing when it cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(
    const std::string& path, FileReadError* error = nullptr,
    std::size_t maxLines = std::numeric_limits<std::size_t>::max());

// Encodes UTF-8 `text` to CP932 and writes it with WriteFileSafely. A character CP932 cannot
// hold refuses the whole write.
WriteOutcome WriteTextFileSafely(const std::string& path, std::string_view text);

// Joins lines with CR LF after each.
std::string JoinCrLf(const std::vector<std::string>& lines);

}  // namespace qel
