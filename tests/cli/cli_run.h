// Runs the real qel-cli for the command-line tests, in a temporary data folder of its own.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/test_files.h"

namespace qel {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs qel-cli (or the `program` given) with `arguments` (shell words), feeding `input` on
// standard input, with the `environment` (shell assignments) added to its own.
inline CliRun RunCli(const std::string& arguments, const std::string& input = "",
                     const std::string& environment = "",
                     const std::string& program = QEL_CLI_PATH) {
  test::TempFolder folder;
  test::WriteBytes(folder.File("in"), input);
  std::string command = environment + " " + program + " " + arguments + " < " + folder.File("in") +
                        " 2>" + folder.File("err");
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    run.out.append(buffer, n);
  int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = test::ReadBytes(folder.File("err"));
  return run;
}

class CliTest : public ::testing::Test {
 protected:
  CliTest() {
    // A data folder with the shipped settings, so the user's own folder is never touched.
    for (auto& entry : std::filesystem::directory_iterator(std::string(QEL_SOURCE_DIR) + "/data"))
      std::filesystem::copy(entry.path(), folder.File(entry.path().filename().string()));
  }
  std::string DataFolder() const { return " --data-folder " + folder.path(); }
  std::string Example(const std::string& name) const {
    return std::string(QEL_SOURCE_DIR) + "/examples/" + name;
  }
  test::TempFolder folder;
};

}  // namespace qel
