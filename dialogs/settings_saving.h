// Saving the system settings after a settings dialog was confirmed.
#pragma once

#include "settings/system_settings.h"

namespace qel {

class PromptService;

// Writes Sys.ndx in the data folder. A file that cannot be written is said, since the choices
// would otherwise be lost at the next start without a word; the settings in memory stay.
bool SaveSettingsFile(const SystemSettings& settings, PromptService& prompts);

}  // namespace qel
