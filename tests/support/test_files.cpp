// Temporary folders and small file helpers shared by the tests.
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <stdlib.h>

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

}  // namespace qel::test
