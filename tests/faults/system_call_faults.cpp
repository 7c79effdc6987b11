// write and fsync that fail on demand, in front of the C library's.
#include "faults/system_call_faults.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <fstream>
#include <mutex>
#include <sstream>

namespace qel::test {

namespace {

std::mutex mutex;
bool armed = false;
FaultPlan plan;
std::string watched;
std::vector<FolderSync> syncs;

// The path an open descriptor names.
std::string PathOf(int fd) {
  char link[64];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  char target[PATH_MAX];
  ssize_t length = ::readlink(link, target, sizeof target - 1);
  return length < 0 ? std::string() : std::string(target, static_cast<std::size_t>(length));
}

bool InPlanFolder(int fd) {
  std::string path = PathOf(fd);
  return !plan.folder.empty() && path.rfind(plan.folder, 0) == 0;
}

std::string BytesOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

template <typename Function>
Function Real(const char* name) {
  return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

ArmedFaults::ArmedFaults(const FaultPlan& faults, const std::string& watchedFile) {
  std::lock_guard<std::mutex> lock(mutex);
  plan = faults;
  watched = watchedFile;
  syncs.clear();
  armed = true;
}

ArmedFaults::~ArmedFaults() {
  std::lock_guard<std::mutex> lock(mutex);
  armed = false;
}

std::vector<FolderSync> ArmedFaults::folderSyncs() const {
  std::lock_guard<std::mutex> lock(mutex);
  return syncs;
}

}  // namespace qel::test

using namespace qel::test;

extern "C" ssize_t write(int fd, const void* data, size_t size) {
  static const auto real = Real<ssize_t (*)(int, const void*, size_t)>("write");
  {
    std::lock_guard<std::mutex> lock(mutex);
    if (armed && plan.writeError != 0 && fd > 2 && InPlanFolder(fd)) {
      errno = plan.writeError;
      return -1;
    }
  }
  return real(fd, data, size);
}

extern "C" int fsync(int fd) {
  static const auto real = Real<int (*)(int)>("fsync");
  {
    std::lock_guard<std::mutex> lock(mutex);
    struct stat info;
    if (armed && InPlanFolder(fd) && ::fstat(fd, &info) == 0) {
      const bool folder = S_ISDIR(info.st_mode);
      if (folder) syncs.push_back({PathOf(fd), BytesOf(watched)});
      const int error = folder ? plan.folderSyncError : plan.fileSyncError;
      if (error != 0) {
        errno = error;
        return -1;
      }
    }
  }
  return real(fd);
}
