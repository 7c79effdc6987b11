// The model of the help dialog.
#include "dialogs/help_model.h"

#include <filesystem>
#include <optional>

#include "platform/file_opener.h"
#include "platform/messages.h"
#include "platform/prompts.h"
#include "settings/text_file.h"

namespace qel {

HelpModel::HelpModel(const std::string& dataFolder, PromptService& prompts)
    : path_(dataFolder + "/" + kHelpFileName) {
  // One line more than the list takes tells that there were too many.
  FileReadError error = FileReadError::None;
  std::optional<std::vector<std::string>> text = ReadTextLines(path_, &error, kMostHelpLines + 1);
  if (!text) {
    prompts.Show(FileReadErrorText(error, path_), PromptButtons::Ok);
    return;
  }
  for (const std::string& line : *text) {
    if (lines_.size() == kMostHelpLines) {
      prompts.Show(MessageText(MessageId::TooMuchData), PromptButtons::Ok);
      break;
    }
    // Lines keep their ends off and get one blank in front, as a margin in the list.
    lines_.push_back(" " + line);
  }
}

bool HelpModel::OpenForPrinting(FileOpener& opener, PromptService& prompts) const {
  // The file may have gone since the dialog opened; no program is asked to open nothing.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path_, error)) {
    prompts.Show(MessageText(MessageId::HelpFileMissing, path_), PromptButtons::Ok);
    return false;
  }
  if (opener.Open(path_)) return true;
  prompts.Show(MessageText(MessageId::NoProgramForText, path_), PromptButtons::Ok);
  return false;
}

}  // namespace qel
