// The model of the help dialog.
#include "dialogs/help_model.h"
#include "platform/file_messages.h"

#include <filesystem>
#include <optional>
#include <utility>

#include "base/text_file.h"
#include "platform/file_opener.h"
#include "platform/messages.h"
#include "platform/prompts.h"

namespace qel {

HelpText ReadHelpText(const std::string& dataFolder) {
  HelpText text;
  text.path = dataFolder + "/" + kHelpFileName;
  // One line more than the list takes tells that there were too many.
  std::optional<std::vector<std::string>> lines =
      ReadTextLines(text.path, &text.error, kMostHelpLines + 1);
  if (!lines) return text;
  text.lines = std::move(*lines);
  if (text.lines.size() > kMostHelpLines) {
    text.lines.resize(kMostHelpLines);
    text.cut = true;
  }
  return text;
}

std::vector<std::string> HelpTextMessages(const HelpText& text) {
  if (text.error != FileReadError::None) return {FileReadErrorText(text.error, text.path)};
  if (text.cut) return {MessageText(MessageId::TooMuchData)};
  return {};
}

HelpModel::HelpModel(const HelpText& text) : path_(text.path) {
  lines_.reserve(text.lines.size());
  for (const std::string& line : text.lines)
    lines_.push_back(" " + line);
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
