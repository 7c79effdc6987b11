// Writing one output file so that a failure never damages what was at its path.
#pragma once

#include <sys/stat.h>

#include <chrono>
#include <string>
#include <string_view>

namespace qel {

struct WriteOutcome {
  bool ok = false;
  // When the text holds a character that CP932 cannot store: the character and "U+XXXX".
  std::string badCharacter;
  std::string codePoint;
  // A description of a system failure (for logs and tests), when there was one.
  std::string error;
  // The errno of that failure (ENOSPC, EACCES, EIO, ...); 0 when there was none.
  int systemError = 0;
  // The path is a pipe (FIFO) that no process had open for reading.
  bool noReader = false;
};

// How long a write to a pipe waits for a reader to open it before it fails.
inline constexpr std::chrono::milliseconds kPipeReaderGrace{1000};

// One file written from start to end. What happens depends on what is at the path (links
// followed):
// - nothing, or a regular file: the bytes go to a temporary file beside it, renamed over it only
//   after a complete write, flush and close; the folder is then flushed too. A file the user
//   could not write in place is refused; the owner, group and mode of a replaced file are kept.
//   A link keeps being a link: its target is replaced.
// - a regular file whose owner cannot be kept, or whose folder takes no new file: it is
//   overwritten in place, after the whole content was gathered and its room reserved.
// - a device, a pipe or a socket (/dev/stdout, a FIFO): written in place, as a shell would; a
//   FIFO that no process opens for reading within kPipeReaderGrace fails (noReader) instead of
//   waiting for one for ever.
// - a folder: refused.
// Nothing but the temporary file this writer made is ever removed.
class SafeFileWriter {
 public:
  SafeFileWriter() = default;
  ~SafeFileWriter();
  SafeFileWriter(const SafeFileWriter&) = delete;
  SafeFileWriter& operator=(const SafeFileWriter&) = delete;

  // Prepares the write; false, with the reason in outcome(), when `path` cannot be written.
  bool Open(const std::string& path);
  // Appends bytes; the first failure is kept and every later call fails.
  bool Write(std::string_view bytes);
  // Finishes the file; its outcome says whether it is complete where it belongs.
  WriteOutcome Commit();
  // The first failure so far, if any.
  const WriteOutcome& outcome() const { return outcome_; }

 private:
  enum class Mode { Closed, Temporary, InPlaceFile, Stream };
  bool Fail(const std::string& what);
  bool Fail(const std::string& what, int error);
  bool OpenRegularFile(const std::string& target, const struct stat* existing);
  bool OpenInPlace();
  bool OpenPipe(const std::string& path);
  bool WriteAll(std::string_view bytes);
  void Abandon();
  bool CommitTemporary();
  bool CommitInPlace();

  Mode mode_ = Mode::Closed;
  int fd_ = -1;
  bool failed_ = false;
  std::string target_;     // the file written, all links followed
  std::string temporary_;  // beside it, in Mode::Temporary
  std::string gathered_;   // the content, in Mode::InPlaceFile
  mode_t permissions_ = 0;
  WriteOutcome outcome_;
};

// The whole of `bytes` through a SafeFileWriter.
WriteOutcome WriteFileSafely(const std::string& path, std::string_view bytes);

}  // namespace qel
