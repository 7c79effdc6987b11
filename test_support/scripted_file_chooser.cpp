// A file chooser for tests: answers from a script and records every dialog it was asked for.
#include "test_support/scripted_file_chooser.h"

namespace qel {

std::optional<std::string> ScriptedFileChooser::Choose(const FileDialogRequest& request) {
  requests_.push_back(request);
  if (answers_.empty()) return std::nullopt;
  std::optional<std::string> answer = answers_.front();
  answers_.pop_front();
  return answer;
}

}  // namespace qel
