// Saving the system settings or a font file after a settings dialog was confirmed.
#pragma once

#include <string>

#include "settings/system_settings.h"

namespace qel {

class PromptService;

// Writes Sys.ndx in `dataFolder`. A file that cannot be written is said, since the choices
// would otherwise be lost at the next start without a word; the settings in memory stay.
bool SaveSettingsFile(const std::string& dataFolder, const SystemSettings& settings,
                      PromptService& prompts);

// Writes one font file at `path` in the same way: a failure is said and the font in memory
// stays.
bool SaveFontFile(const std::string& path, const FontSlot& font, PromptService& prompts);

}  // namespace qel
