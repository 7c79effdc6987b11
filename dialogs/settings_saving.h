// Saving the system settings or a font file after a settings dialog was confirmed.
#pragma once

#include <optional>
#include <string>

#include "settings/system_settings.h"

namespace qel {

// Writes Sys.ndx in `dataFolder`. A file that cannot be written gives the notice that says so,
// since the choices would otherwise be lost at the next start without a word; the settings in
// memory stay. Nothing when the file was written.
std::optional<std::string> SaveSettingsFile(const std::string& dataFolder,
                                            const SystemSettings& settings);

// Writes one font file at `path` in the same way: a failure gives its notice and the font in
// memory stays.
std::optional<std::string> SaveFontFile(const std::string& path, const FontSlot& font);

}  // namespace qel
