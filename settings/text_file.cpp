// Reading and safely writing the program's text files.
#include "settings/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>

#include "settings/cp932.h"

namespace qel {

namespace fs = std::filesystem;

std::optional<std::string> ReadFileBytes(const std::string& path) {
  std::error_code error;
  if (fs::is_directory(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(content).str();
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

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
  std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  std::vector<std::string> lines = SplitLines(*bytes);
  for (std::string& line : lines)
    line = DecodeCp932(line);
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

// The permission bits for a new file: 0666 less the process umask.
static mode_t NewFileMode() {
  static std::mutex mutex;
  std::lock_guard<std::mutex> lock(mutex);
  mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

static WriteOutcome Failure(const std::string& what) {
  WriteOutcome outcome;
  outcome.error = what + ": " + std::strerror(errno);
  return outcome;
}

WriteOutcome WriteFileSafely(const std::string& requestedPath, std::string_view bytes) {
  std::error_code error;
  fs::path path(requestedPath);
  // Write through a symbolic link to the file it names, so the link survives.
  if (fs::is_symlink(path, error)) {
    fs::path target = fs::weakly_canonical(path, error);
    if (!error) path = target;
  }
  fs::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  mode_t mode = NewFileMode();
  struct stat existing;
  if (::stat(path.c_str(), &existing) == 0) {
    if (S_ISDIR(existing.st_mode)) {
      errno = EISDIR;
      return Failure(path.string());
    }
    mode = existing.st_mode & 07777;
  }

  std::string temporary = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
  int fd = ::mkstemp(temporary.data());
  if (fd < 0) return Failure("create " + temporary);

  auto abandon = [&](const std::string& what) {
    WriteOutcome outcome = Failure(what);
    ::close(fd);
    ::unlink(temporary.c_str());
    return outcome;
  };
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    ssize_t written = ::write(fd, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return abandon("write " + temporary);
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  if (::fchmod(fd, mode) != 0) return abandon("chmod " + temporary);
  if (::fsync(fd) != 0) return abandon("sync " + temporary);
  if (::close(fd) != 0) {
    WriteOutcome outcome = Failure("close " + temporary);
    ::unlink(temporary.c_str());
    return outcome;
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    WriteOutcome outcome = Failure("rename to " + path.string());
    ::unlink(temporary.c_str());
    return outcome;
  }
  WriteOutcome outcome;
  outcome.ok = true;
  return outcome;
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
