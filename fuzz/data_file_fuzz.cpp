// Fuzz target: any bytes read as a data file. What was read stays within the tables' limits, a
// save of it writes every section at its size, and a saved document reads back as it was
// saved and saves again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "document/circle_rows.h"
#include "document/data_file.h"
#include "document/lattice_points.h"
#include "document/rectangle_rows.h"
#include "document/strip_pieces.h"
#include "fuzz/fuzz_support.h"
#include "settings/cp932.h"
#include "settings/system_settings.h"
#include "settings/text_encoding.h"
#include "settings/text_file.h"

namespace {

using namespace qel;

void RequireWithinRowLimits(const DocumentTables& tables) {
  fuzz::Require(CountStripRows(tables, 1) <= kStripRows, "load set 1 has at most 20 rows");
  fuzz::Require(CountStripRows(tables, 2) <= kStripRows, "load set 2 has at most 20 rows");
  fuzz::Require(CountRectRows(tables) <= kRectRows, "at most 40 rectangles");
  fuzz::Require(CountCircleRows(tables) <= kCircleRows, "at most 40 circles");
  for (int column = 1; column <= 3; ++column)
    fuzz::Require(CountGridValues(tables, column) <= kGridRows, "at most 12 lattice values");
}

// The lines of each section of a saved file: "$$Z" 110, "$$K1"/"$$K2" at most 20, "$$OXZ" 10,
// "$$RECT"/"$$CIRC" at most 40, "$$OXYZ" 12, and the result listing its header and at most
// 12 x 12 x 12 points.
void RequireSectionSizes(std::string_view saved) {
  std::string section;
  int lines = 0;
  auto close = [&] {
    if (section == "Z") fuzz::Require(lines == kSettingLines, "110 setting lines");
    if (section == "K1" || section == "K2") fuzz::Require(lines <= kStripRows, "<= 20 pieces");
    if (section == "OXZ") fuzz::Require(lines == kStripPointRows, "10 strip point rows");
    if (section == "RECT" || section == "CIRC") fuzz::Require(lines <= kRectRows, "<= 40 loads");
    if (section == "OXYZ") fuzz::Require(lines == kGridRows, "12 lattice rows");
    if (section == "SOL") fuzz::Require(lines <= 1 + 12 * 12 * 12, "<= 1728 result lines");
  };
  bool first = true;
  ForEachLine(saved, [&](std::string_view line) {
    if (first) {
      first = false;
      return true;  // the version line
    }
    static constexpr std::string_view kMarkers[] = {"$$Z",    "$$K1",   "$$K2",  "$$OXZ", "$$RECT",
                                                    "$$CIRC", "$$OXYZ", "$$FIG", "$$SOL"};
    for (std::string_view marker : kMarkers) {
      if (line == marker) {
        close();
        section = std::string(marker.substr(2));
        lines = 0;
        return true;
      }
    }
    ++lines;
    return true;
  });
  close();
}

// The bytes a save writes for the document, or nothing when a character cannot be stored.
std::optional<std::string> Saved(DocumentTables& tables, const SystemSettings& settings) {
  SettingsToLines(settings, tables);
  Cp932Encoding encoded = EncodeCp932(FormatDataFile(tables, ResultsGrid{}, settings.stressDigits));
  if (!encoded.ok) return std::nullopt;
  return encoded.bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  DocumentTables read;
  SystemSettings settings;
  DataFileFindings findings;
  if (ReadDataBytes(bytes, read, settings, &findings) != ReadStatus::Ok) return 0;
  RequireWithinRowLimits(read);
  fuzz::Require(findings.overlongLines >= 0, "a count of lines");

  // A first save writes what the format can hold of the document (a setting line holding "$$"
  // reads back as a section marker, rows after a gap are not written, ...).
  std::optional<std::string> firstSave = Saved(read, settings);
  if (!firstSave) return 0;
  RequireSectionSizes(*firstSave);
  // Shift-JIS that happens to be valid UTF-8 with a character of three bytes reads as UTF-8:
  // the one file a save can write that does not read back as saved (see text_encoding.h).
  if (DetectTextEncoding(*firstSave) != TextEncoding::Cp932) return 0;

  DocumentTables saved;
  SystemSettings savedSettings;
  DataFileFindings savedFindings;
  fuzz::Require(ReadDataBytes(*firstSave, saved, savedSettings, &savedFindings) == ReadStatus::Ok,
                "a saved file is a data file");
  fuzz::Require(!savedFindings.endsEarly && !savedFindings.readAsUtf8,
                "a saved file is complete Shift-JIS");
  RequireWithinRowLimits(saved);

  std::optional<std::string> secondSave = Saved(saved, savedSettings);
  fuzz::Require(secondSave.has_value(), "what was saved can be saved again");
  DocumentTables again;
  SystemSettings againSettings;
  fuzz::Require(ReadDataBytes(*secondSave, again, againSettings) == ReadStatus::Ok,
                "a file saved twice is a data file");
  fuzz::Require(fuzz::SameTables(saved, again), "a saved document reads back as it was saved");
  fuzz::Require(Saved(again, againSettings) == secondSave, "and saves to the same bytes");
  return 0;
}
