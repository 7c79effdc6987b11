// Reading and writing the settings file (Sys.ndx) and the five font files, and where a run
// keeps them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/text_file.h"
#include "settings/system_settings.h"

namespace qel {

class SystemPaths;

// Which of the first settings load's one-time steps have run in this process.
struct SettingsLoadFlags {
  bool folderResolved = false;
  bool systemFileRead = false;
  bool fontsRead = false;
};

// Where this run keeps its settings files, and how far their first reading went: the state of
// the run beside the settings values, of which nothing is saved. The application (or a qel-cli
// session) owns one for the whole run; tests make their own.
struct SettingsFiles {
  // The folder Sys.ndx, the font files and FileV.ndx are read from and saved in: named
  // beforehand (qel-cli --data-folder), or resolved by the first load.
  std::string dataFolder;
  SettingsLoadFlags loaded;

  // Files in `folder` whose first reading has not happened yet; the folder is not resolved.
  static SettingsFiles In(const std::string& folder);
};

std::string SystemFilePath(const std::string& dataFolder);
// The font file of slot 1..5.
std::string FontFilePath(const std::string& dataFolder, int index);

// Something the first settings load could not do as asked; the load went on without it.
struct SettingsLoadProblem {
  enum class Kind {
    DataFolderUnusable,  // the data folder could not be made or filled: shipped files were read
    FileUnreadable,      // Sys.ndx or a font file could not be read
  };
  Kind kind = Kind::FileUnreadable;
  std::string path;      // the data folder, or the file that could not be read
  std::string readFrom;  // DataFolderUnusable: the folder of shipped files read instead
  FileReadError error = FileReadError::None;  // FileUnreadable: why
  bool operator==(const SettingsLoadProblem&) const = default;
};

// The message that tells the user of `problem`.
std::string SettingsLoadProblemText(const SettingsLoadProblem& problem);
// The messages of `problems`, in order, for the start-up and the commands that ran a load to
// tell; the load itself shows nothing.
std::vector<std::string> SettingsLoadProblemTexts(const std::vector<SettingsLoadProblem>& problems);

// What a settings load gave besides the settings themselves.
struct SettingsLoad {
  // The settings as Sys.ndx gave them, before the clamps, from the load that read it: the
  // document then takes its style defaults from them (ApplyStyleDefaults). Nothing otherwise.
  std::optional<SystemSettings> asRead;
  // What the first load could not do, in the order it happened; later loads have none.
  std::vector<SettingsLoadProblem> problems;
};

// Loads the system settings. The first call of a run resolves the data folder of `files`
// (unless it was named beforehand), reads Sys.ndx and reads the font files; every call clamps
// the settings.
SettingsLoad LoadSystemSettings(SettingsFiles& files, SystemSettings& settings, FontSlots& fonts,
                                const SystemPaths& paths);

// Applies the lines of a settings file (the version line first) to `settings`.
void ApplySystemSettingsLines(const std::vector<std::string>& lines, SystemSettings& settings);

// Reads the font files of `folder` into `fonts`, with the size checks and the default face.
// Returns the files that could not be read and should have been: a missing first file, or any
// file that is there but refused unread.
std::vector<SettingsLoadProblem> ReadFontFiles(const std::string& folder, FontSlots& fonts);

// Writes Sys.ndx: the version line and 80 setting lines. False when it could not be written.
bool SaveSystemSettings(const std::string& path, const SystemSettings& settings,
                        WriteOutcome* outcome = nullptr);

// Writes one font file: size "%.1f", face, colour "%ld", underline "%d".
bool WriteFontFile(const std::string& path, const FontSlot& font, WriteOutcome* outcome = nullptr);

}  // namespace qel
