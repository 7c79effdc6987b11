// The program without a window: start-up, document loading and saving.
#include "cli/cli_session.h"

#include "document/data_file.h"
#include "document/document_save.h"
#include "document/style_defaults.h"
#include "platform/messages.h"
#include "settings/settings_files.h"

namespace qel {

CliSession::CliSession(const std::optional<std::string>& dataFolder) {
  if (dataFolder) state_.settingsFiles = SettingsFiles::In(*dataFolder);
}

void CliSession::Start() {
  if (state_.settingsFiles.loaded.systemFileRead) return;
  ShowEach(prompts_,
           SettingsLoadProblemTexts(LoadSettingsWithStyleDefaults(
               state_.settingsFiles, state_.settings, state_.fonts, state_.document, paths_)));
}

bool CliSession::Open(const std::string& path) {
  Start();
  DataFileFindings findings;
  const ReadStatus status = OpenDataFile(path, state_.document, &findings);
  if (status == ReadStatus::Ok) {
    ShowEach(prompts_, DataFileFindingTexts(findings, path));
    return true;
  }
  std::string text = ReadFailureText(status, path);
  // Standard error has no window title to say which file was refused.
  if (status == ReadStatus::NotADataFile) text += " ( " + path + " )";
  prompts_.Show(text, PromptButtons::Ok);
  return false;
}

bool CliSession::SaveAs(const std::string& path) {
  const SaveOutcome outcome =
      SaveDocument(path, state_.document, state_.results, state_.circleMethod, state_.settings);
  if (!outcome) prompts_.Show(outcome.message, PromptButtons::Ok);
  return outcome.saved;
}

}  // namespace qel
