// How qel-cli finds the drawing program and hands it a command.
#include "cli/drawing_program.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "cli/commands.h"

namespace qel {

namespace fs = std::filesystem;

std::vector<std::string> DrawingProgramCandidates(const std::string& programFolder,
                                                  const std::string& libexecFromPrograms) {
  const fs::path folder(programFolder);
  std::vector<std::string> candidates{(folder / kDrawingProgramName).lexically_normal().string()};
  if (!libexecFromPrograms.empty()) {
    const std::string installed =
        (folder / libexecFromPrograms / kDrawingProgramName).lexically_normal().string();
    if (std::find(candidates.begin(), candidates.end(), installed) == candidates.end())
      candidates.push_back(installed);
  }
  return candidates;
}

int RunDrawingProgram(const std::string& command, const std::vector<std::string>& words) {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  const std::vector<std::string> candidates =
      error ? std::vector<std::string>{}
            : DrawingProgramCandidates(self.parent_path().string(), QEL_LIBEXEC_FROM_BINDIR);

  std::vector<char*> argv;
  argv.push_back(nullptr);  // the candidate's path, below
  argv.push_back(const_cast<char*>(command.c_str()));
  for (const std::string& word : words)
    argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);

  // Nothing written so far may be lost or written twice by the program that takes over.
  std::fflush(nullptr);
  std::string looked;
  for (const std::string& candidate : candidates) {
    argv[0] = const_cast<char*>(candidate.c_str());
    ::execv(candidate.c_str(), argv.data());
    const int reason = errno;
    if (reason != ENOENT && reason != ENOTDIR) {
      std::fprintf(stderr, "qel-cli: ページを描くプログラム %s を起動できません: %s\n",
                   candidate.c_str(), std::strerror(reason));
      return kExitFailure;
    }
    looked += looked.empty() ? candidate : ", " + candidate;
  }
  std::fprintf(stderr, "qel-cli: ページを描くプログラム %s が見つかりません（探した場所: %s）\n",
               kDrawingProgramName, looked.empty() ? "なし" : looked.c_str());
  return kExitFailure;
}

}  // namespace qel
