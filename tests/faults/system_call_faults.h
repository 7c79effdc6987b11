// Failures of write, fsync and friends on demand, for the tests of safe writing: this test
// program's own definitions of those calls stand in front of the C library's.
#pragma once

#include <string>
#include <vector>

namespace qel::test {

// Which calls fail (with that errno) while the plan is armed; 0 means the call works. Only calls
// on files and folders inside `folder` are touched.
struct FaultPlan {
  std::string folder;
  int writeError = 0;       // write() to a file
  int fileSyncError = 0;    // fsync() of a file
  int folderSyncError = 0;  // fsync() of a folder
};

// A fsync of a folder, and the bytes of `watchedFile` at that moment.
struct FolderSync {
  std::string folder;
  std::string watchedFileBytes;
};

// Arms `plan` for the lifetime of the object; folder syncs are recorded meanwhile.
class ArmedFaults {
 public:
  ArmedFaults(const FaultPlan& plan, const std::string& watchedFile);
  ~ArmedFaults();
  ArmedFaults(const ArmedFaults&) = delete;
  ArmedFaults& operator=(const ArmedFaults&) = delete;
  std::vector<FolderSync> folderSyncs() const;
};

}  // namespace qel::test
