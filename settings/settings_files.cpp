// Reading and writing the settings file and the font files.
#include "settings/settings_files.h"

#include "platform/messages.h"
#include "platform/prompts.h"
#include "platform/system_paths.h"
#include "settings/c_locale.h"
#include "settings/data_folder.h"
#include "settings/system_settings.h"
#include "settings/text_fields.h"

namespace qel {

inline constexpr const char* kSystemFileVersionLine = "400 ;ver";
inline constexpr int kSystemFileSettingLines = 80;
inline constexpr const char* kDefaultFace = "ＭＳ 明朝";

std::string SystemFilePath(const SystemSettings& settings) {
  return settings.dataFolder + "/Sys.ndx";
}

std::string FontFilePath(const SystemSettings& settings, int index) {
  return settings.dataFolder + "/Font" + std::to_string(index) + ".ndx";
}

void ApplySystemSettingsLines(const std::vector<std::string>& lines, SystemSettings& settings) {
  for (std::size_t i = 1; i < lines.size(); ++i) {
    int k = static_cast<int>(i) - 1;
    if (k > kLastSettingLine) break;
    const std::string& line = lines[i];
    SettingField field = SettingAtLine(settings, k);
    switch (field.kind) {
      case SettingField::Kind::Int:
        if (IsPresent(line))
          *field.intValue = ToInt(line);
        else
          *field.intValue = (k == kEnterKeyModeLine) ? 1 : 0;
        break;
      case SettingField::Kind::Double:
        *field.doubleValue = ToDouble(line);
        break;
      case SettingField::Kind::Text:
        *field.textValue = line;
        break;
      case SettingField::Kind::None:
        break;
    }
  }
}

void ReadFontFiles(const SystemSettings& settings, FontSlots& fonts, PromptService& prompts) {
  for (int i = 1; i <= FontSlots::kCount; ++i) {
    FontSlot& font = fonts[i];
    font.colour = 0;
    font.underline = 0;
    std::string path = FontFilePath(settings, i);
    std::optional<std::vector<std::string>> lines = ReadTextLines(path);
    if (lines) {
      const std::vector<std::string>& l = *lines;
      if (l.size() > 0) font.size = ToDouble(l[0]);
      if (l.size() > 1) font.faceName = l[1];
      if (l.size() > 2) font.colour = ToLong(l[2]);
      if (l.size() > 3) font.underline = ToInt(l[3]);
    } else if (i == 1) {
      prompts.Show(MessageText(MessageId::FileNotFound, path), PromptButtons::Ok);
    }
    const double largest = i == 5 ? 100.0 : 200.0;
    if (!(font.size > 1 && font.size <= largest)) font.size = i == 5 ? 8.0 : 10.0;
    if (font.faceName.size() <= 1) font.faceName = kDefaultFace;
  }
}

std::optional<SystemSettings> LoadSystemSettings(SystemSettings& settings, FontSlots& fonts,
                                                 const SystemPaths& paths, PromptService& prompts) {
  std::optional<SystemSettings> asRead;
  if (!settings.loaded.folderResolved) {
    settings.loaded.folderResolved = true;
    settings.dataFolder = ResolveDataFolder(paths);
    PopulateDataFolder(settings.dataFolder, paths.ShippedDataFolder());
  }
  if (!settings.loaded.systemFileRead) {
    settings.loaded.systemFileRead = true;
    std::string path = SystemFilePath(settings);
    std::optional<std::vector<std::string>> lines = ReadTextLines(path);
    if (!lines) {
      prompts.Show(MessageText(MessageId::FileNotFound, path), PromptButtons::Ok);
    } else {
      ApplySystemSettingsLines(*lines, settings);
      asRead = settings;
    }
  }
  if (!settings.loaded.fontsRead) {
    settings.loaded.fontsRead = true;
    ReadFontFiles(settings, fonts, prompts);
  }
  ClampSettings(settings);
  return asRead;
}

static bool Finish(const WriteOutcome& result, WriteOutcome* outcome) {
  if (outcome) *outcome = result;
  return result.ok;
}

bool SaveSystemSettings(const std::string& path, const SystemSettings& settings,
                        WriteOutcome* outcome) {
  // SettingAtLine hands out pointers into the settings; a copy keeps `settings` const.
  SystemSettings copy = settings;
  std::vector<std::string> lines{kSystemFileVersionLine};
  for (int k = 0; k < kSystemFileSettingLines; ++k) {
    SettingField field = SettingAtLine(copy, k);
    switch (field.kind) {
      case SettingField::Kind::Int:
        lines.push_back(FormatC("%d", *field.intValue));
        break;
      case SettingField::Kind::Double:
        lines.push_back(FormatC("%.2f", *field.doubleValue));
        break;
      case SettingField::Kind::Text:
        lines.push_back(*field.textValue);
        break;
      case SettingField::Kind::None:
        lines.emplace_back();
        break;
    }
  }
  return Finish(WriteTextFileSafely(path, JoinCrLf(lines)), outcome);
}

bool WriteFontFile(const std::string& path, const FontSlot& font, WriteOutcome* outcome) {
  std::vector<std::string> lines{FormatC("%.1f", font.size), font.faceName,
                                 FormatC("%ld", font.colour), FormatC("%d", font.underline)};
  return Finish(WriteTextFileSafely(path, JoinCrLf(lines)), outcome);
}

}  // namespace qel
