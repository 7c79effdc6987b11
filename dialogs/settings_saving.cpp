// Saving the system settings or a font file after a settings dialog was confirmed.
#include "dialogs/settings_saving.h"

#include "platform/messages.h"
#include "platform/prompts.h"
#include "settings/settings_files.h"

namespace qel {

namespace {

// Says that `path` could not be written, naming the character when Shift-JIS cannot hold one.
void ReportUnsaved(const std::string& path, const WriteOutcome& outcome, PromptService& prompts) {
  const std::string why =
      outcome.badCharacter.empty()
          ? MessageText(MessageId::CannotSave)
          : MessageText(MessageId::UnencodableCharacter, outcome.badCharacter, outcome.codePoint);
  prompts.Show(why + "\n( " + path + " )", PromptButtons::Ok);
}

}  // namespace

bool SaveSettingsFile(const SystemSettings& settings, PromptService& prompts) {
  const std::string path = SystemFilePath(settings);
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
