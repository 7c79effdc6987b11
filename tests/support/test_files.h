// Temporary folders and small file helpers shared by the tests.
#pragma once

#include <functional>
#include <string>

namespace qel::test {

// A fresh empty folder under the system's temporary folder, removed with the object.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }
  // path() + "/" + name
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Writes bytes to a file, replacing it; fails the test when that is not possible.
void WriteBytes(const std::string& path, const std::string& bytes);
// The bytes of a file; empty when it cannot be read.
std::string ReadBytes(const std::string& path);
// A file under tests/fixtures.
std::string Fixture(const std::string& name);

// The user and group the unprivileged runs take ("nobody").
inline constexpr unsigned kUnprivilegedId = 65534;
bool RunningAsRoot();
// The exit status of `work` run as a user without privileges: in a child process that drops to
// kUnprivilegedId when the tests run as root, or as it is otherwise. -1 when it could not run.
int RunUnprivileged(const std::function<int()>& work);

}  // namespace qel::test
