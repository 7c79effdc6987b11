// Fuzz target: any bytes as Sys.ndx, loaded as the program's first settings load does. The
// clamps hold afterwards, the document's grid stays within the page width as read, and the
// settings saved and loaded again are the same.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/c_locale.h"
#include "base/text_encoding.h"
#include "base/text_file.h"
#include "document/document_tables.h"
#include "document/style_defaults.h"
#include "fuzz/fuzz_support.h"
#include "settings/settings_files.h"
#include "settings/system_settings.h"
#include "test_support/fixed_system_paths.h"

namespace {

using namespace qel;

// The settings of Sys.ndx in `folder`, loaded as at start-up; what the file gave before the
// clamps in `asRead`.
SystemSettings Load(const std::string& folder, std::optional<SystemSettings>& asRead,
                    DocumentTables& tables) {
  SystemSettings settings;
  SettingsFiles files = SettingsFiles::In(folder);
  FontSlots fonts;
  FixedSystemPaths paths;
  asRead = LoadSystemSettings(files, settings, fonts, paths).asRead;
  if (asRead) ApplyStyleDefaults(*asRead, tables);
  return settings;
}

void RequireClamped(const SystemSettings& s) {
  for (int scale : {s.stripFigureDefault.scaleX, s.stripFigureDefault.scaleY,
                    s.rectFigureDefault.scaleX, s.rectFigureDefault.scaleY})
    fuzz::Require(scale >= 1, "scales are at least 1");
  for (int range : {s.stripFigureDefault.rangeX, s.stripFigureDefault.rangeY,
                    s.rectFigureDefault.rangeX, s.rectFigureDefault.rangeY})
    fuzz::Require(range >= 1, "ranges are at least 1");
  fuzz::Require(!(s.stripFigureDefault.topY < -100) && !(s.rectFigureDefault.topY < -100),
                "top Y is not below -100");
  fuzz::Require(s.marginLeft >= 0 && s.marginTop >= 0, "margins are not negative");
  fuzz::Require(s.enterKeyMode >= 0 && s.enterKeyMode <= 2, "an Enter-key mode of 0..2");
}

bool SameDouble(double a, double b) {
  return (std::isnan(a) && std::isnan(b)) || a == b;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string folder = fuzz::ScratchFolder() + "/read";
  const std::string savedFolder = fuzz::ScratchFolder() + "/saved";
  std::filesystem::create_directories(folder);
  std::filesystem::create_directories(savedFolder);
  fuzz::WriteFile(folder + "/Sys.ndx", bytes);

  std::optional<SystemSettings> asRead;
  DocumentTables tables;
  const SystemSettings settings = Load(folder, asRead, tables);
  RequireClamped(settings);
  if (!asRead) return 0;
  // The document's grid ends left of the page width the file gave (in 64 bits: INT_MIN too).
  for (Problem problem : {Problem::Strip, Problem::RectCircle}) {
    const long rangeX = asRead->figureDefault(problem).rangeX;
    const std::string& gridToX =
        tables.settingLines[setting_line::Style(problem, setting_line::kGridToX)];
    fuzz::Require(ToLong(gridToX) < rangeX || ToInt(gridToX) < rangeX,
                  "the grid ends left of the page width");
  }

  // Saved and loaded again: the same settings (two decimals for the two doubles).
  WriteOutcome outcome;
  if (!SaveSystemSettings(savedFolder + "/Sys.ndx", settings, &outcome)) {
    fuzz::Require(!outcome.badCharacter.empty(), "only a character Shift-JIS lacks stops a save");
    return 0;
  }
  std::optional<SystemSettings> reread;
  DocumentTables rereadTables;
  SystemSettings loaded = Load(savedFolder, reread, rereadTables);
  fuzz::Require(reread.has_value(), "the saved settings file can be read");
  fuzz::Require(DetectTextEncoding(*ReadFileBytes(savedFolder + "/Sys.ndx")) == TextEncoding::Cp932,
                "a saved settings file reads as Shift-JIS");
  SystemSettings original = settings;
  for (int k = 0; k <= kLastSettingLine; ++k) {
    SettingField a = SettingAtLine(original, k), b = SettingAtLine(loaded, k);
    switch (a.kind) {
      case SettingField::Kind::Int:
        fuzz::Require(*a.intValue == *b.intValue, "an int setting reads back the same");
        break;
      case SettingField::Kind::Double:
        fuzz::Require(SameDouble(ToDouble(FormatC("%.2f", *a.doubleValue)), *b.doubleValue),
                      "a double setting reads back to two decimals");
        break;
      case SettingField::Kind::Text:
        fuzz::Require(*a.textValue == *b.textValue, "a text setting reads back the same");
        break;
      case SettingField::Kind::None:
        break;
    }
  }
  return 0;
}
