// The program without a window: the same start-up, document loading and saving as the desktop
// program, driven from the command line.
#pragma once

#include <optional>
#include <string>

#include "cli/stderr_prompts.h"
#include "platform/system_paths.h"
#include "view/application_state.h"

namespace qel {

class CliSession {
 public:
  // `dataFolder`: use this folder's settings and fonts instead of the resolved data folder.
  explicit CliSession(const std::optional<std::string>& dataFolder);

  // Loads the settings as the program's start does: the first call of the session only.
  void Start();
  // Opens a data file as the program does when it is named on its command line (after Start):
  // false, with a message on standard error, when it cannot be read or is not a data file.
  bool Open(const std::string& path);
  // Writes the document as the save command does; false, with a message, on failure.
  bool SaveAs(const std::string& path);

  ApplicationState& state() { return state_; }
  PromptService& prompts() { return prompts_; }

 private:
  ApplicationState state_;
  StderrPrompts prompts_;
  EnvironmentSystemPaths paths_;
};

}  // namespace qel
