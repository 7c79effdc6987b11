// Fuzz target: any bytes read as a data file. What was read stays within the tables' limits, a
// save of it writes every section at its size and in its order and keeps the figure options,
// and a saved document reads back as it was saved and saves again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "base/cp932.h"
#include "base/text_encoding.h"
#include "base/text_file.h"
#include "document/circle_rows.h"
#include "document/data_file.h"
#include "document/figure_options.h"
#include "document/marker_text.h"
#include "document/point_values.h"
#include "document/rectangle_rows.h"
#include "document/strip_pieces.h"
#include "fuzz/fuzz_support.h"
#include "settings/system_settings.h"

namespace {

using namespace qel;

void RequireWithinRowLimits(const DocumentTables& tables) {
  fuzz::Require(CountStripRows(tables, 1) <= kStripRows, "load set 1 has at most 20 rows");
  fuzz::Require(CountStripRows(tables, 2) <= kStripRows, "load set 2 has at most 20 rows");
  fuzz::Require(CountRectRows(tables) <= kRectRows, "at most 40 rectangles");
  fuzz::Require(CountCircleRows(tables) <= kCircleRows, "at most 40 circles");
  for (int column = point_col::kGridX; column <= point_col::kGridZ; ++column)
    fuzz::Require(PresentPointValues(tables, true, column).size() <= std::size_t{kGridRows},
                  "at most 12 lattice values");
}

// The most lines the figure section can have: one for each option, all differing from their
// defaults.
int MostFigureLines() {
  FigureOptions every;
  every.stripNotes = !every.stripNotes;
  every.rectNotes = !every.rectNotes;
  for (IsobarOptions* isobars : {&every.stripIsobars, &every.planIsobars}) {
    isobars->shown = !isobars->shown;
    isobars->fill = !isobars->fill;
    isobars->levels = {1.0};
  }
  every.planDepth = 1.0;
  every.section.axis =
      every.section.axis == SectionAxis::kAtX ? SectionAxis::kAtY : SectionAxis::kAtX;
  every.section.at = 1.0;
  return static_cast<int>(FigureOptionLines(every).size());
}

// The lines of each section of a saved file: "$$Z" 110, "$$K1"/"$$K2" at most 20, "$$OXZ" 10,
// "$$RECT"/"$$CIRC" at most 40, "$$OXYZ" 12, "$$FIG" one for each option that differs from its
// default and one for each line of it that was kept unread (never empty: it is written only
// then), "$$SOIL" the soil lines read and "$$OBS" the settlement plates' lines read (never empty
// either), and the result listing its header and at most 12 x 12 x 12 points. Every section
// comes once, in this order.
void RequireSectionSizes(std::string_view saved, std::size_t unreadFigureLines,
                         std::size_t soilLines, std::size_t obsLines) {
  static const int mostFigureLines = MostFigureLines();
  static constexpr std::string_view kMarkers[] = {"$$Z",    "$$K1",   "$$K2",   "$$OXZ",
                                                  "$$RECT", "$$CIRC", "$$OXYZ", "$$FIG",
                                                  "$$SOIL", "$$OBS",  "$$SOL"};
  // The sections a save writes only when they have lines.
  auto writtenWhenNotEmpty = [](std::string_view marker) {
    return marker == "$$FIG" || marker == "$$SOIL" || marker == "$$OBS";
  };
  std::string section;
  int lines = 0;
  std::size_t next = 0;  // the marker expected next
  auto close = [&] {
    if (section == "Z") fuzz::Require(lines == kSettingLines, "110 setting lines");
    if (section == "K1" || section == "K2") fuzz::Require(lines <= kStripRows, "<= 20 pieces");
    if (section == "OXZ") fuzz::Require(lines == kStripPointRows, "10 strip point rows");
    if (section == "RECT" || section == "CIRC") fuzz::Require(lines <= kRectRows, "<= 40 loads");
    if (section == "OXYZ") fuzz::Require(lines == kGridRows, "12 lattice rows");
    if (section == "FIG")
      fuzz::Require(
          lines >= 1 && static_cast<std::size_t>(lines) <= mostFigureLines + unreadFigureLines,
          "one line per figure option or line kept unread");
    if (section == "SOIL")
      fuzz::Require(lines >= 1 && static_cast<std::size_t>(lines) == soilLines,
                    "the soil lines as read");
    if (section == "OBS")
      fuzz::Require(lines >= 1 && static_cast<std::size_t>(lines) == obsLines,
                    "the settlement plates' lines as read");
    if (section == "SOL") fuzz::Require(lines <= 1 + 12 * 12 * 12, "<= 1728 result lines");
  };
  bool first = true;
  ForEachLine(saved, [&](std::string_view line) {
    if (first) {
      first = false;
      return true;  // the version line
    }
    for (std::size_t m = next; m < std::size(kMarkers); ++m) {
      if (line != kMarkers[m]) continue;
      for (std::size_t skipped = next; skipped < m; ++skipped)
        fuzz::Require(writtenWhenNotEmpty(kMarkers[skipped]), "the sections in their order");
      close();
      section = std::string(line.substr(2));
      lines = 0;
      next = m + 1;
      return true;
    }
    fuzz::Require(!line.starts_with("$$"), "a line is no marker out of turn");
    ++lines;
    return true;
  });
  close();
  fuzz::Require(section == "SOL", "the result listing ends the file");
}

// The bytes a save writes for the document as the program opens it (its scale and print-range
// lines as a save writes them), or nothing when a character cannot be stored.
std::optional<std::string> Saved(DocumentTables& tables, const SystemSettings& settings) {
  NormaliseFigureRangeLines(tables);
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
  if (ReadDataBytes(bytes, read, &findings) != ReadStatus::Ok) return 0;
  RequireWithinRowLimits(read);
  fuzz::Require(findings.overlongLines >= 0, "a count of lines");

  // The program refuses to save a document with a text holding "$$" (a quoted cell may begin
  // with it and would come back as a section marker), so there is no save to check.
  if (FindSectionMarkerText(read)) return 0;

  // A first save writes what the format can hold of the document (rows after a gap are not
  // written, ...).
  std::optional<std::string> firstSave = Saved(read, settings);
  if (!firstSave) return 0;
  RequireSectionSizes(*firstSave, read.figures.unreadLines.size(), read.soilLines.size(),
                      read.obsLines.size());
  fuzz::Require(DetectTextEncoding(*firstSave) == TextEncoding::Cp932,
                "a saved file reads as Shift-JIS");

  DocumentTables saved;
  SystemSettings savedSettings;
  DataFileFindings savedFindings;
  fuzz::Require(ReadDataBytes(*firstSave, saved, &savedFindings) == ReadStatus::Ok,
                "a saved file is a data file");
  fuzz::Require(!savedFindings.endsEarly && !savedFindings.readAsUtf8,
                "a saved file is complete Shift-JIS");
  RequireWithinRowLimits(saved);
  // A line kept unread (and every soil line) is written as it was read; its text may change in
  // the way every text does on the first save (a UTF-8 file's characters become their Shift-JIS
  // forms), so it is held to the letter from the second save on, with the other tables.
  FigureOptions readOptions = read.figures, savedOptions = saved.figures;
  fuzz::Require(readOptions.unreadLines.size() == savedOptions.unreadLines.size(),
                "every line of the figure section kept unread is saved");
  readOptions.unreadLines.clear();
  savedOptions.unreadLines.clear();
  fuzz::Require(savedOptions == readOptions, "every figure option survives a save");
  fuzz::Require(saved.soilLines.size() == read.soilLines.size(), "every soil line is saved");
  fuzz::Require(saved.obsLines.size() == read.obsLines.size(),
                "every line of the settlement plates is saved");

  std::optional<std::string> secondSave = Saved(saved, savedSettings);
  fuzz::Require(secondSave.has_value(), "what was saved can be saved again");
  DocumentTables again;
  SystemSettings againSettings;
  fuzz::Require(ReadDataBytes(*secondSave, again) == ReadStatus::Ok,
                "a file saved twice is a data file");
  fuzz::Require(fuzz::SameTables(saved, again), "a saved document reads back as it was saved");
  fuzz::Require(Saved(again, againSettings) == secondSave, "and saves to the same bytes");
  return 0;
}
