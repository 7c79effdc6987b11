// Saving the system settings after a settings dialog was confirmed.
#include "dialogs/settings_saving.h"

#include "platform/messages.h"
#include "platform/prompts.h"
#include "settings/settings_files.h"

namespace qel {

bool SaveSettingsFile(const SystemSettings& settings, PromptService& prompts) {
  const std::string path = SystemFilePath(settings);
  if (SaveSystemSettings(path, settings)) return true;
  prompts.Show(MessageText(MessageId::CannotSave) + "\n( " + path + " )", PromptButtons::Ok);
  return false;
}

}  // namespace qel
