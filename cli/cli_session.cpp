// The program without a window: start-up, document loading and saving.
#include "cli/cli_session.h"

#include "document/data_file.h"
#include "document/document_save.h"
#include "document/style_defaults.h"
#include "platform/messages.h"
#include "settings/settings_files.h"
#include "settings/text_file.h"

namespace qel {

CliSession::CliSession(const std::optional<std::string>& dataFolder) {
  if (dataFolder) state_.settingsFiles = SettingsFiles::In(*dataFolder);
}

void CliSession::LoadSettings() {
  ShowSettingsLoadProblems(LoadSettingsWithStyleDefaults(state_.settingsFiles, state_.settings,
                                                         state_.fonts, state_.document, paths_),
                           prompts_);
}

void CliSession::Start() {
  LoadSettings();
}

bool CliSession::Open(const std::string& path) {
  // Loading a document starts with a settings load, and the view's update after it another.
  LoadSettings();
  switch (OpenDataFile(path, state_.document, &prompts_)) {
    case ReadStatus::CannotOpen:
      prompts_.Show(MessageText(MessageId::FileNotFound, path), PromptButtons::Ok);
      return false;
    case ReadStatus::NotADataFile:
      prompts_.Show(MessageText(MessageId::NotADataFile) + " ( " + path + " )", PromptButtons::Ok);
      return false;
    case ReadStatus::NotRegularFile:
      prompts_.Show(FileReadErrorText(FileReadError::NotRegularFile, path), PromptButtons::Ok);
      return false;
    case ReadStatus::TooLarge:
      prompts_.Show(FileReadErrorText(FileReadError::TooLarge, path), PromptButtons::Ok);
      return false;
    case ReadStatus::NotPermitted:
      prompts_.Show(FileReadErrorText(FileReadError::NotPermitted, path), PromptButtons::Ok);
      return false;
    case ReadStatus::LinkLoop:
      prompts_.Show(FileReadErrorText(FileReadError::LinkLoop, path), PromptButtons::Ok);
      return false;
    case ReadStatus::Ok:
      break;
  }
  LoadSettings();
  return true;
}

bool CliSession::SaveAs(const std::string& path) {
  return SaveDocument(path, state_.document.cells(), state_.results, state_.settings, prompts_);
}

}  // namespace qel
