// Reading and writing the settings file (Sys.ndx) and the five font files.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/system_settings.h"
#include "settings/text_file.h"

namespace qel {

class SystemPaths;
class PromptService;

std::string SystemFilePath(const SystemSettings& settings);
// The font file of slot 1..5.
std::string FontFilePath(const SystemSettings& settings, int index);

// Loads the system settings. The first call of a process resolves the data folder (unless it
// was set beforehand), reads Sys.ndx and reads the font files; every call clamps the settings.
// The call that read Sys.ndx returns the settings as the file gave them, before clamping: the
// document then takes its style defaults from them (ApplyStyleDefaults). Other calls return
// nothing.
std::optional<SystemSettings> LoadSystemSettings(SystemSettings& settings, FontSlots& fonts,
                                                 const SystemPaths& paths, PromptService& prompts);

// Applies the lines of a settings file (the version line first) to `settings`.
void ApplySystemSettingsLines(const std::vector<std::string>& lines, SystemSettings& settings);

// Reads the font files into `fonts`, with the size checks and the default face.
void ReadFontFiles(const SystemSettings& settings, FontSlots& fonts, PromptService& prompts);

// Writes Sys.ndx: the version line and 80 setting lines. False when it could not be written.
bool SaveSystemSettings(const std::string& path, const SystemSettings& settings,
                        WriteOutcome* outcome = nullptr);

// Writes one font file: size "%.1f", face, colour "%ld", underline "%d".
bool WriteFontFile(const std::string& path, const FontSlot& font, WriteOutcome* outcome = nullptr);

}  // namespace qel
