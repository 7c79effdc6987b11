// Reading and safely writing the program's text files.
#include "base/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>

#include "base/cp932.h"
#include "base/text_encoding.h"

namespace qel {

namespace fs = std::filesystem;

std::optional<std::string> ReadFileBytes(const std::string& path, FileReadError* error) {
  auto fail = [error](FileReadError why) -> std::optional<std::string> {
    if (error) *error = why;
    return std::nullopt;
  };
  if (error) *error = FileReadError::None;
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer for ever. It has
  // no effect on the regular files that are read below.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    if (errno == EACCES || errno == EPERM) return fail(FileReadError::NotPermitted);
    if (errno == ELOOP) return fail(FileReadError::LinkLoop);
    return fail(FileReadError::CannotOpen);
  }
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  struct stat info;
  if (::fstat(fd, &info) != 0) return fail(FileReadError::CannotOpen);
  if (!S_ISREG(info.st_mode)) return fail(FileReadError::NotRegularFile);
  if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > kLargestReadableFile)
    return fail(FileReadError::TooLarge);
  std::string content;
  content.reserve(static_cast<std::size_t>(info.st_size));
  // The file may grow while it is read: one byte more than the limit tells.
  char buffer[65536];
  while (content.size() <= kLargestReadableFile) {
    ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      return fail(FileReadError::CannotOpen);
    }
    if (got == 0) break;
    content.append(buffer, static_cast<std::size_t>(got));
  }
  if (content.size() > kLargestReadableFile) return fail(FileReadError::TooLarge);
  return content;
}

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) {
      lines.emplace_back(bytes.substr(start));
      break;
    }
    std::size_t contentEnd = end;
    if (contentEnd > start && bytes[contentEnd - 1] == '\r') --contentEnd;
    lines.emplace_back(bytes.substr(start, contentEnd - start));
    start = end + 1;
  }
  return lines;
}

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path, FileReadError* error,
                                                      std::size_t maxLines) {
  std::optional<std::string> bytes = ReadFileBytes(path, error);
  if (!bytes) return std::nullopt;
  std::string_view text = WithoutByteOrderMark(*bytes);
  TextDecoder decoder(DetectTextEncoding(*bytes));
  std::vector<std::string> lines;
  ForEachLine(text, [&](std::string_view line) {
    if (lines.size() >= maxLines) return false;
    lines.push_back(decoder.Decode(line));
    return true;
  });
  return lines;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

WriteOutcome WriteTextFileSafely(const std::string& path, std::string_view text) {
  Cp932Encoding encoded = EncodeCp932(text);
  if (!encoded.ok) {
    WriteOutcome outcome;
    outcome.badCharacter = encoded.badCharacter;
    outcome.codePoint = encoded.codePoint;
    outcome.error = "character " + encoded.codePoint + " cannot be written in CP932";
    return outcome;
  }
  return WriteFileSafely(path, encoded.bytes);
}

}  // namespace qel
