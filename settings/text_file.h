// Reading and safely writing the program's text files (CP932, CR LF line ends).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qel {

// The whole content of a file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Splits bytes into lines at each line feed; a carriage return just before the line feed goes
// with it. Lines are kept whole, however long. A last line without a line end is kept as it is.
std::vector<std::string> SplitLines(std::string_view bytes);

// Reads a CP932 text file as UTF-8 lines without their line ends; nothing when it cannot be
// opened.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);

struct WriteOutcome {
  bool ok = false;
  // When the text holds a character that CP932 cannot store: the character and "U+XXXX".
  std::string badCharacter;
  std::string codePoint;
  // A description of a system failure (for logs and tests), when there was one.
  std::string error;
};

// Writes `bytes` to `path` through a temporary file in the same folder, renamed over the target
// only after a complete write, flush and close; on any failure the old file is left as it was.
WriteOutcome WriteFileSafely(const std::string& path, std::string_view bytes);

// Encodes UTF-8 `text` to CP932 and writes it with WriteFileSafely. A character CP932 cannot
// hold refuses the whole write.
WriteOutcome WriteTextFileSafely(const std::string& path, std::string_view text);

// Joins lines with CR LF after each.
std::string JoinCrLf(const std::vector<std::string>& lines);

}  // namespace qel
