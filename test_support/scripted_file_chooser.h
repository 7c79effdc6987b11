// A file chooser for tests: answers from a script and records every dialog it was asked for.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_chooser.h"

namespace qel {

class ScriptedFileChooser : public FileChooser {
 public:
  // Queues the path chosen in the next dialog.
  void ChooseNext(const std::string& path) { answers_.emplace_back(path); }
  // Queues a cancelled dialog. When the script runs out, dialogs are cancelled.
  void CancelNext() { answers_.emplace_back(std::nullopt); }

  std::optional<std::string> Choose(const FileDialogRequest& request) override;

  const std::vector<FileDialogRequest>& requests() const { return requests_; }
  // Answers queued but not asked for yet.
  std::size_t pending() const { return answers_.size(); }

 private:
  std::deque<std::optional<std::string>> answers_;
  std::vector<FileDialogRequest> requests_;
};

}  // namespace qel
