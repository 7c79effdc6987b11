// Reading and writing the data file.
#include "document/data_file.h"

#include "settings/c_locale.h"
#include "settings/cp932.h"
#include "settings/number_format.h"
#include "settings/text_fields.h"
#include "settings/text_file.h"

namespace qel {

namespace {

constexpr std::size_t kShortestVersionLine = 4;
constexpr std::size_t kLongestVersionLine = 63;

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

std::string_view WithoutLineEnd(std::string_view line) {
  if (line.size() >= 2 && line.substr(line.size() - 2) == "\r\n")
    return line.substr(0, line.size() - 2);
  if (!line.empty() && line.back() == '\n') return line.substr(0, line.size() - 1);
  return line;
}

// A cell holding a comma is enclosed in double quotes, so that it reads back as one field.
std::string CsvCell(const std::string& cell) {
  if (cell.find(',') == std::string::npos) return cell;
  return "\"" + cell + "\"";
}

std::string JoinCells(const std::string* row, int columns) {
  std::string line;
  for (int col = 1; col <= columns; ++col) {
    if (col > 1) line += ',';
    line += CsvCell(row[col]);
  }
  return line;
}

}  // namespace

int DetectFileVersion(std::string_view firstLine) {
  if (firstLine.size() < kShortestVersionLine || firstLine.size() > kLongestVersionLine) return 0;
  if (Contains(firstLine, "$$_QEL405")) return 405;
  if (Contains(firstLine, "$$_QEL4")) return 400;
  return 0;
}

DataFileParser::Section SectionForName(std::string_view name) {
  using Section = DataFileParser::Section;
  if (name >= std::string_view("Z")) return Section::Settings;
  if (Contains(name, "K1")) return Section::Strip1;
  if (Contains(name, "K2")) return Section::Strip2;
  if (Contains(name, "OXZ")) return Section::StripPoints;
  if (Contains(name, "RECT")) return Section::Rectangles;
  if (Contains(name, "CIRC")) return Section::Circles;
  if (Contains(name, "OXYZ")) return Section::Lattice;
  return Section::None;
}

void DataFileParser::StoreFields(std::string_view line, std::string* row, int fields) {
  for (int field = 1; field <= fields; ++field)
    GetCsvField(row[field], line, field, prompts_);
}

void DataFileParser::ParseDataLine(int version, std::string_view rawLine) {
  std::string_view line = WithoutLineEnd(rawLine);
  if (version != 400 && version != 405) return;
  if (Contains(line, "$$")) {
    if (line.size() > 2) {
      section_ = SectionForName(line.substr(2));
      counter_ = 1;
    }
    return;
  }
  switch (section_) {
    case Section::Settings:
      if (counter_ > kSettingLines) return;
      // The older format has no lines 41..50.
      if (version == 400 && counter_ == 41) counter_ = 51;
      tables_.settingLines[counter_++] = std::string(line);
      return;
    case Section::Strip1:
    case Section::Strip2: {
      if (counter_ > kStripRows) return;
      int set = section_ == Section::Strip1 ? 1 : 2;
      StoreFields(line, tables_.stripLoads[set][counter_++], kStripColumns);
      return;
    }
    case Section::StripPoints:
      if (counter_ > kStripPointRows) return;
      StoreFields(line, tables_.stripPoints[counter_++], 2);
      return;
    case Section::Rectangles:
      if (counter_ > kRectRows) return;
      StoreFields(line, tables_.rectLoads[counter_++], kRectColumns);
      return;
    case Section::Circles:
      if (counter_ > kCircleRows) return;
      StoreFields(line, tables_.circleLoads[counter_++], kCircleColumns);
      return;
    case Section::Lattice:
      if (counter_ > kGridRows) return;
      StoreFields(line, tables_.gridPoints[counter_++], 3);
      return;
    case Section::None:
      return;
  }
}

ReadStatus ReadDataBytes(std::string_view bytes, DocumentTables& tables, SystemSettings& settings,
                         PromptService* prompts) {
  std::vector<std::string> lines = SplitLines(bytes);
  int version = DetectFileVersion(lines.empty() ? std::string_view() : lines.front());
  if (version == 0) return ReadStatus::NotADataFile;
  ClearDocumentData(tables);
  DataFileParser parser(tables, prompts);
  for (const std::string& line : lines)
    parser.ParseDataLine(version, DecodeCp932(line));
  LinesToSettings(tables, settings);
  return ReadStatus::Ok;
}

ReadStatus ReadDataFile(const std::string& path, DocumentTables& tables, SystemSettings& settings,
                        PromptService* prompts) {
  std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return ReadStatus::CannotOpen;
  return ReadDataBytes(*bytes, tables, settings, prompts);
}

std::string FormatDataFile(const DocumentTables& t, const ResultsGrid& results, int stressDigits) {
  std::string out;
  auto line = [&out](const std::string& text) {
    out += text;
    out += "\r\n";
  };
  line(kDataFileVersionLine);
  line("$$Z");
  for (int i = 1; i <= kSettingLines; ++i) {
    const std::string& text = t.settingLines[i];
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
      out += text;
    else
      line(text);
  }
  for (int set = 1; set <= kStripSets; ++set) {
    line(set == 1 ? "$$K1" : "$$K2");
    for (int row = 1; row <= kStripRows && IsPresent(t.stripLoads[set][row][strip_col::kNo]); ++row)
      line(JoinCells(t.stripLoads[set][row], kStripColumns));
  }
  line("$$OXZ");
  for (int row = 1; row <= kStripPointRows; ++row)
    line(JoinCells(t.stripPoints[row], 2));
  line("$$RECT");
  for (int row = 1; row <= kRectRows && IsPresent(t.rectLoads[row][rect_col::kNo]); ++row)
    line(JoinCells(t.rectLoads[row], kRectColumns));
  line("$$CIRC");
  for (int row = 1; row <= kCircleRows && IsPresent(t.circleLoads[row][circle_col::kNo]); ++row)
    line(JoinCells(t.circleLoads[row], kCircleColumns));
  line("$$OXYZ");
  for (int row = 1; row <= kGridRows; ++row)
    line(JoinCells(t.gridPoints[row], 3));

  line("$$SOL");
  line("No.,x,y,z,dP");
  const char* stressFormat = DigitFormat(stressDigits);
  int number = 0;
  for (int zr = 1; zr <= kGridRows; ++zr) {
    if (!IsPresent(t.gridPoints[zr][point_col::kGridZ])) continue;
    for (int yr = 1; yr <= kGridRows; ++yr) {
      if (!IsPresent(t.gridPoints[yr][point_col::kGridY])) continue;
      for (int xr = 1; xr <= kGridRows; ++xr) {
        if (!IsPresent(t.gridPoints[xr][point_col::kGridX])) continue;
        ++number;
        line(FormatC(
                 "%d,%s,%s,%s,", number,
                 FormatUnsignedZero("%4.2f", ToDouble(t.gridPoints[xr][point_col::kGridX])).c_str(),
                 FormatUnsignedZero("%4.2f", ToDouble(t.gridPoints[yr][point_col::kGridY])).c_str(),
                 FormatUnsignedZero("%4.2f", ToDouble(t.gridPoints[zr][point_col::kGridZ]))
                     .c_str()) +
             FormatUnsignedZero(stressFormat, results.at(xr, yr, zr)));
      }
    }
  }
  return out;
}

}  // namespace qel
