// Reading and writing the settings file and the font files.
#include "settings/settings_files.h"
#include "platform/file_messages.h"

#include <utility>

#include "base/c_locale.h"
#include "base/text_fields.h"
#include "platform/messages.h"
#include "platform/system_paths.h"
#include "settings/data_folder.h"
#include "settings/system_settings.h"

namespace qel {

inline constexpr const char* kSystemFileVersionLine = "400 ;ver";
inline constexpr int kSystemFileSettingLines = 80;
inline constexpr const char* kDefaultFace = "ＭＳ 明朝";

SettingsFiles SettingsFiles::In(const std::string& folder) {
  SettingsFiles files;
  files.dataFolder = folder;
  files.loaded.folderResolved = true;
  return files;
}

std::string SystemFilePath(const std::string& dataFolder) {
  return dataFolder + "/Sys.ndx";
}

std::string FontFilePath(const std::string& dataFolder, int index) {
  return dataFolder + "/Font" + std::to_string(index) + ".ndx";
}

std::string SettingsLoadProblemText(const SettingsLoadProblem& problem) {
  if (problem.kind == SettingsLoadProblem::Kind::DataFolderUnusable)
    return MessageText(MessageId::DataFolderUnusable, problem.path, problem.readFrom);
  return FileReadErrorText(problem.error, problem.path);
}

std::vector<std::string> SettingsLoadProblemTexts(
    const std::vector<SettingsLoadProblem>& problems) {
  std::vector<std::string> texts;
  for (const SettingsLoadProblem& problem : problems)
    texts.push_back(SettingsLoadProblemText(problem));
  return texts;
}

namespace {

SettingsLoadProblem Unreadable(const std::string& path, FileReadError error) {
  SettingsLoadProblem problem;
  problem.path = path;
  problem.error = error;
  return problem;
}

}  // namespace

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

std::vector<SettingsLoadProblem> ReadFontFiles(const std::string& folder, FontSlots& fonts) {
  std::vector<SettingsLoadProblem> problems;
  for (int i = 1; i <= FontSlots::kCount; ++i) {
    FontSlot& font = fonts[i];
    font.colour = 0;
    font.underline = 0;
    std::string path = FontFilePath(folder, i);
    FileReadError error = FileReadError::None;
    std::optional<std::vector<std::string>> lines = ReadTextLines(path, &error, 4);
    if (lines) {
      const std::vector<std::string>& l = *lines;
      if (l.size() > 0) font.size = ToDouble(l[0]);
      if (l.size() > 1) font.faceName = l[1];
      if (l.size() > 2) font.colour = ToLong(l[2]);
      if (l.size() > 3) font.underline = ToInt(l[3]);
    } else if (i == 1 || error != FileReadError::CannotOpen) {
      // The spare slots may have no file; the first, and a file refused unread, are told.
      problems.push_back(Unreadable(path, error));
    }
    const double largest = i == 5 ? 100.0 : 200.0;
    if (!(font.size > 1 && font.size <= largest)) font.size = i == 5 ? 8.0 : 10.0;
    if (font.faceName.size() <= 1) font.faceName = kDefaultFace;
  }
  return problems;
}

SettingsLoad LoadSystemSettings(SettingsFiles& files, SystemSettings& settings, FontSlots& fonts,
                                const SystemPaths& paths) {
  SettingsLoad load;
  // Where this first load reads the settings and fonts: the data folder, or the shipped files
  // when the data folder cannot be made (a read-only parent, a file in the way). Settings
  // dialogs still save to the data folder, and say so when they cannot.
  std::string readFolder = files.dataFolder;
  if (!files.loaded.folderResolved) {
    files.loaded.folderResolved = true;
    files.dataFolder = ResolveDataFolder(paths);
    readFolder = files.dataFolder;
    const std::string shipped = paths.ShippedDataFolder();
    if (!PopulateDataFolder(files.dataFolder, shipped) && !shipped.empty()) {
      SettingsLoadProblem unusable;
      unusable.kind = SettingsLoadProblem::Kind::DataFolderUnusable;
      unusable.path = files.dataFolder;
      unusable.readFrom = shipped;
      load.problems.push_back(unusable);
      readFolder = shipped;
    }
  }
  if (!files.loaded.systemFileRead) {
    files.loaded.systemFileRead = true;
    const std::string path = SystemFilePath(readFolder);
    FileReadError error = FileReadError::None;
    // The version line and the setting lines; later lines are never used.
    std::optional<std::vector<std::string>> lines =
        ReadTextLines(path, &error, static_cast<std::size_t>(kLastSettingLine) + 2);
    if (!lines) {
      load.problems.push_back(Unreadable(path, error));
    } else {
      ApplySystemSettingsLines(*lines, settings);
      load.asRead = settings;
    }
  }
  if (!files.loaded.fontsRead) {
    files.loaded.fontsRead = true;
    for (SettingsLoadProblem& problem : ReadFontFiles(readFolder, fonts))
      load.problems.push_back(std::move(problem));
  }
  ClampSettings(settings);
  return load;
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
