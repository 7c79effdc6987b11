// Saving the system settings or a font file after a settings dialog was confirmed.
#include "dialogs/settings_saving.h"
#include "platform/file_messages.h"

#include "base/text_file.h"
#include "platform/messages.h"
#include "settings/settings_files.h"

namespace qel {

namespace {

// Says that `path` could not be written: the character Shift-JIS cannot hold, or the reason
// the system gave (which names the file).
std::string UnsavedNotice(const std::string& path, const WriteOutcome& outcome) {
  if (outcome.badCharacter.empty() && outcome.systemError != 0)
    return SaveFailureText(outcome, path);
  return SaveFailureText(outcome, path) + "\n( " + path + " )";
}

}  // namespace

std::optional<std::string> SaveSettingsFile(const std::string& dataFolder,
                                            const SystemSettings& settings) {
  const std::string path = SystemFilePath(dataFolder);
  WriteOutcome outcome;
  if (SaveSystemSettings(path, settings, &outcome)) return std::nullopt;
  return UnsavedNotice(path, outcome);
}

std::optional<std::string> SaveFontFile(const std::string& path, const FontSlot& font) {
  WriteOutcome outcome;
  if (WriteFontFile(path, font, &outcome)) return std::nullopt;
  return UnsavedNotice(path, outcome);
}

}  // namespace qel
