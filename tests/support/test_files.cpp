// Temporary folders and small file helpers shared by the tests.
#include "support/test_files.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace qel::test {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "qel-test-XXXXXX").string();
  char* made = mkdtemp(pattern.data());
  if (!made) ADD_FAILURE() << "cannot create a temporary folder";
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) ADD_FAILURE() << "cannot write " << path;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::string Fixture(const std::string& name) {
  return std::string(QEL_TEST_FIXTURES) + "/" + name;
}

bool RunningAsRoot() {
  return ::geteuid() == 0;
}

int RunUnprivileged(const std::function<int()>& work) {
  if (!RunningAsRoot()) return work();
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child < 0) return -1;
  if (child == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(kUnprivilegedId) != 0 ||
        ::setuid(kUnprivilegedId) != 0)
      ::_exit(127);
    ::_exit(work());
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace qel::test
