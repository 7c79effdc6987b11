// Saving the system settings or a font file after a settings dialog was confirmed.
#include "dialogs/settings_saving.h"

#include "platform/messages.h"
#include "platform/prompts.h"
#include "settings/settings_files.h"
#include "settings/text_file.h"

namespace qel {

namespace {

// Says that `path` could not be written: the character Shift-JIS cannot hold, or the reason
// the system gave (which names the file).
void ReportUnsaved(const std::string& path, const WriteOutcome& outcome, PromptService& prompts) {
  if (outcome.badCharacter.empty() && outcome.systemError != 0) {
    prompts.Show(SaveFailureText(outcome, path), PromptButtons::Ok);
    return;
  }
  prompts.Show(SaveFailureText(outcome, path) + "\n( " + path + " )", PromptButtons::Ok);
}

}  // namespace

bool SaveSettingsFile(const std::string& dataFolder, const SystemSettings& settings,
                      PromptService& prompts) {
  const std::string path = SystemFilePath(dataFolder);
  WriteOutcome outcome;
  if (SaveSystemSettings(path, settings, &outcome)) return true;
  ReportUnsaved(path, outcome, prompts);
  return false;
}

bool SaveFontFile(const std::string& path, const FontSlot& font, PromptService& prompts) {
  WriteOutcome outcome;
  if (WriteFontFile(path, font, &outcome)) return true;
  ReportUnsaved(path, outcome, prompts);
  return false;
}

}  // namespace qel
