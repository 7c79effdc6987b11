// Writing one output file so that a failure never damages what was at its path.
#include "base/safe_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>

namespace qel {

namespace {

// The permission bits for a new file: 0666 less the process umask.
mode_t NewFileMode() {
  static std::mutex mutex;
  std::lock_guard<std::mutex> lock(mutex);
  mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The path a chain of links ends at when its last target does not exist yet: writing there
// creates the file the link names and leaves the link as it is.
bool FollowLinksToNothing(std::string& path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
    char target[PATH_MAX];
    const ssize_t length = ::readlink(path.c_str(), target, sizeof target - 1);
    if (length < 0) return false;
    const std::string link(target, static_cast<std::size_t>(length));
    path = link[0] == '/' ? link : FolderOf(path) + "/" + link;
  }
  errno = ELOOP;
  return false;
}

}  // namespace

SafeFileWriter::~SafeFileWriter() {
  Abandon();
}

bool SafeFileWriter::Fail(const std::string& what) {
  return Fail(what, errno);
}

bool SafeFileWriter::Fail(const std::string& what, int error) {
  if (!failed_) {
    failed_ = true;
    outcome_.ok = false;
    outcome_.systemError = error;
    outcome_.error = what + ": " + std::strerror(error);
  }
  return false;
}

void SafeFileWriter::Abandon() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
  mode_ = Mode::Closed;
}

bool SafeFileWriter::Open(const std::string& path) {
  Abandon();
  failed_ = false;
  outcome_ = WriteOutcome();
  gathered_.clear();
  struct stat existing;
  if (::stat(path.c_str(), &existing) == 0) {
    if (S_ISDIR(existing.st_mode)) return Fail(path, EISDIR);
    if (S_ISFIFO(existing.st_mode)) return OpenPipe(path);
    if (!S_ISREG(existing.st_mode)) {
      // A device or socket takes the bytes as they come; replacing it with a file would
      // destroy it.
      fd_ = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
      if (fd_ < 0) return Fail("open " + path);
      target_ = path;
      mode_ = Mode::Stream;
      return true;
    }
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) return Fail("resolve " + path);
    const std::string target(resolved);
    std::free(resolved);
    return OpenRegularFile(target, &existing);
  }
  if (errno != ENOENT) return Fail("open " + path);
  std::string target = path;
  if (!FollowLinksToNothing(target)) return Fail("follow the links of " + path);
  return OpenRegularFile(target, nullptr);
}

bool SafeFileWriter::OpenPipe(const std::string& path) {
  // Opened without waiting: a plain open would wait for a reader for ever. A reader started
  // just before the write (`cat fifo &`) is given a moment to open its end.
  const auto giveUp = std::chrono::steady_clock::now() + kPipeReaderGrace;
  while ((fd_ = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK)) < 0) {
    const int error = errno;
    if (error != ENXIO || std::chrono::steady_clock::now() >= giveUp) {
      outcome_.noReader = error == ENXIO;
      return Fail("open " + path, error);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  // The writes themselves wait for the reader to take the bytes, as a shell's would.
  const int flags = ::fcntl(fd_, F_GETFL);
  if (flags < 0 || ::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK) != 0) return Fail("open " + path);
  target_ = path;
  mode_ = Mode::Stream;
  return true;
}

bool SafeFileWriter::OpenInPlace() {
  fd_ = ::open(target_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (fd_ < 0) return Fail("open " + target_);
  mode_ = Mode::InPlaceFile;
  return true;
}

bool SafeFileWriter::OpenRegularFile(const std::string& target, const struct stat* existing) {
  target_ = target;
  permissions_ = existing ? existing->st_mode & 07777 : NewFileMode();
  // A file the user could not write in place is not replaced either: its protection stands.
  // Asking does not open it, so nothing watching the file sees a write that never happened.
  if (existing && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
    return Fail("open " + target);
  const std::string folder = FolderOf(target);
  // A short name, so that a file name near the system's limit still has room beside it.
  temporary_ = folder + "/.qel-XXXXXX";
  fd_ = ::mkstemp(temporary_.data());
  if (fd_ < 0) {
    const int error = errno;
    temporary_.clear();
    // The folder takes no new file, but the file itself may be written.
    if (existing && (error == EACCES || error == EPERM)) return OpenInPlace();
    return Fail("create a temporary file in " + folder, error);
  }
  mode_ = Mode::Temporary;
  if (!existing) return true;
  struct stat made;
  const bool sameOwner = ::fstat(fd_, &made) == 0 && made.st_uid == existing->st_uid &&
                         made.st_gid == existing->st_gid;
  if (!sameOwner && ::fchown(fd_, existing->st_uid, existing->st_gid) != 0) {
    // The replacement could not belong to the file's owner: the file itself is written.
    Abandon();
    return OpenInPlace();
  }
  return true;
}

bool SafeFileWriter::WriteAll(std::string_view bytes) {
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd_, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return Fail("write " + target_);
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  return true;
}

bool SafeFileWriter::Write(std::string_view bytes) {
  if (failed_) return false;
  switch (mode_) {
    case Mode::Closed:
      return Fail("write " + target_, EBADF);
    case Mode::InPlaceFile:
      gathered_.append(bytes);
      return true;
    case Mode::Temporary:
    case Mode::Stream:
      break;
  }
  return WriteAll(bytes);
}

// Flushes the folder's entries, so that a rename into it is on the disk before the write
// counts as done. File systems that cannot flush a folder (EINVAL) have nothing to flush, and a
// folder that cannot be opened for it is left as it is: the rename itself succeeded.
static bool SyncFolder(const std::string& folder, std::string& failure) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return true;
  const bool synced = ::fsync(fd) == 0 || errno == EINVAL || errno == EOPNOTSUPP;
  if (!synced) failure = "sync folder " + folder;
  const int error = errno;
  ::close(fd);
  errno = error;
  return synced;
}

bool SafeFileWriter::CommitTemporary() {
  if (::fchmod(fd_, permissions_) != 0) return Fail("chmod " + temporary_);
  if (::fsync(fd_) != 0) return Fail("sync " + temporary_);
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) return Fail("close " + temporary_);
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) return Fail("rename to " + target_);
  temporary_.clear();
  std::string failure;
  if (!SyncFolder(FolderOf(target_), failure)) return Fail(failure);
  return true;
}

bool SafeFileWriter::CommitInPlace() {
  const off_t size = static_cast<off_t>(gathered_.size());
  // Room for the whole content first: a full disk is found before a byte of the file changes.
  if (size > 0 && ::fallocate(fd_, FALLOC_FL_KEEP_SIZE, 0, size) != 0 && errno != EOPNOTSUPP &&
      errno != ENOSYS)
    return Fail("reserve room in " + target_);
  if (::lseek(fd_, 0, SEEK_SET) != 0) return Fail("seek " + target_);
  if (!WriteAll(gathered_)) return false;
  if (::ftruncate(fd_, size) != 0) return Fail("truncate " + target_);
  if (::fsync(fd_) != 0) return Fail("sync " + target_);
  return true;
}

WriteOutcome SafeFileWriter::Commit() {
  if (!failed_) {
    switch (mode_) {
      case Mode::Closed:
        Fail("write " + target_, EBADF);
        break;
      case Mode::Temporary:
        CommitTemporary();
        break;
      case Mode::InPlaceFile:
        CommitInPlace();
        break;
      case Mode::Stream:
        break;
    }
  }
  if (fd_ >= 0) {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) Fail("close " + target_);
  }
  Abandon();
  if (!failed_) outcome_.ok = true;
  return outcome_;
}

WriteOutcome WriteFileSafely(const std::string& path, std::string_view bytes) {
  SafeFileWriter writer;
  if (!writer.Open(path)) return writer.outcome();
  writer.Write(bytes);
  return writer.Commit();
}

}  // namespace qel
