// Reading and writing the data file.
#include "document/data_file.h"
#include "platform/file_messages.h"

#include <utility>

#include "document/lattice_points.h"

#include "base/c_locale.h"
#include "base/text_encoding.h"
#include "base/text_fields.h"
#include "base/text_file.h"
#include "platform/messages.h"
#include "settings/number_format.h"

namespace qel {

namespace {

constexpr std::size_t kShortestVersionLine = 4;
constexpr std::size_t kLongestVersionLine = 63;
// The bit of DataFileParser::sectionsSeen_ for the result listing, beside the sections' bits.
constexpr unsigned kResultsSeen = 1u << 16;
// The section of the figure options. Its name reads as no section to the rules of the older
// markers, so that earlier versions skip its lines; it is written only when an option differs
// from its default, so a document that uses none saves the same bytes as before.
constexpr std::string_view kFigureSectionName = "FIG";
// The section of the soil profile: like the figure options' section, a name no older marker
// rule reads, written only when the document has a profile.
constexpr std::string_view kSoilSectionName = "SOIL";
// The settlement plates' section: the same again, written after the soil profile only when the
// document has readings.
constexpr std::string_view kObsSectionName = "OBS";

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// A section marker is "$$" at the start of a line. Elsewhere in a line it is data: a cell, a
// title or a soil line holding it is read as typed (and a save refuses it, naming it, because
// earlier versions would take it for a marker), never taken for the start of a section, which
// would drop the lines after it or read them into another section.
bool IsSectionMarker(std::string_view line) {
  return line.starts_with("$$");
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
  if (name == kFigureSectionName) return Section::Figures;
  if (name == kSoilSectionName) return Section::Soil;
  if (name == kObsSectionName) return Section::Obs;
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
  // The fields come from the first kCsvLineLimit bytes; the cut is reported once per file.
  if (line.size() > kCsvLineLimit) ++overlongLines_;
  for (int field = 1; field <= fields; ++field)
    GetCsvField(row[field], line, field);
}

bool DataFileParser::SawEverySavedSection() const {
  unsigned every = kResultsSeen;
  for (Section section : {Section::Settings, Section::Strip1, Section::Strip2, Section::StripPoints,
                          Section::Rectangles, Section::Circles, Section::Lattice})
    every |= 1u << static_cast<unsigned>(section);
  return (sectionsSeen_ & every) == every;
}

bool DataFileParser::WouldApply(int version, std::string_view line) const {
  if (version != 400 && version != 405) return false;
  if (IsSectionMarker(line)) return true;
  switch (section_) {
    case Section::Settings:
      return counter_ <= kSettingLines;
    case Section::Strip1:
    case Section::Strip2:
      return counter_ <= kStripRows;
    case Section::StripPoints:
      return counter_ <= kStripPointRows;
    case Section::Rectangles:
      return counter_ <= kRectRows;
    case Section::Circles:
      return counter_ <= kCircleRows;
    case Section::Lattice:
      return counter_ <= kGridRows;
    case Section::Figures:
    case Section::Soil:
    case Section::Obs:
      return true;  // every line is applied, or kept when it does not read
    case Section::None:
      return false;
  }
  return false;
}

void DataFileParser::ParseDataLine(int version, std::string_view rawLine) {
  std::string_view line = WithoutLineEnd(rawLine);
  if (version != 400 && version != 405) return;
  if (IsSectionMarker(line)) {
    if (line.size() > 2) {
      std::string_view name = line.substr(2);
      section_ = SectionForName(name);
      counter_ = 1;
      if (section_ != Section::None) sectionsSeen_ |= 1u << static_cast<unsigned>(section_);
      if (Contains(name, "SOL")) sectionsSeen_ |= kResultsSeen;
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
    case Section::Figures:
      if (!ReadFigureOptionLine(line, tables_.figures)) ++unreadFigureLines_;
      return;
    case Section::Soil:
      tables_.soilLines.emplace_back(line);
      return;
    case Section::Obs:
      tables_.obsLines.emplace_back(line);
      return;
    case Section::None:
      return;
  }
}

ReadStatus OpenDataFile(const std::string& path, Document& document, DataFileFindings* findings) {
  DocumentTables read;
  const ReadStatus status = ReadDataFile(path, read, findings);
  if (status != ReadStatus::Ok) return status;
  NormaliseFigureRangeLines(read);
  document.Replace(std::move(read));
  return status;
}

ReadStatus ReadDataBytes(std::string_view bytes, DocumentTables& tables,
                         DataFileFindings* findings) {
  const TextEncoding encoding = DetectTextEncoding(bytes);
  const std::string_view text = WithoutByteOrderMark(bytes);
  std::string_view firstLine;
  ForEachLine(text, [&](std::string_view line) {
    firstLine = line;
    return false;
  });
  int version = DetectFileVersion(firstLine);
  if (version == 0) return ReadStatus::NotADataFile;
  ClearDocumentData(tables);
  DataFileParser parser(tables);
  TextDecoder decoder(encoding);
  // "$$" is ASCII in both encodings and never part of a multi-byte character, so the raw line
  // tells whether it is a marker and whether the parser wants it; lines it would skip are not
  // decoded.
  ForEachLine(text, [&](std::string_view line) {
    if (parser.WouldApply(version, line)) parser.ParseDataLine(version, decoder.Decode(line));
    return true;
  });
  if (findings) {
    findings->readAsUtf8 = encoding == TextEncoding::Utf8;
    findings->endsEarly = (!text.empty() && text.back() != '\n') || !parser.SawEverySavedSection();
    findings->overlongLines = parser.overlongLines();
    findings->unreadFigureLines = parser.unreadFigureLines();
  }
  return ReadStatus::Ok;
}

std::vector<std::string> DataFileFindingTexts(const DataFileFindings& findings,
                                              const std::string& path) {
  std::vector<std::string> texts;
  if (findings.readAsUtf8) texts.push_back(MessageText(MessageId::ReadAsUtf8, path));
  if (findings.endsEarly) texts.push_back(MessageText(MessageId::FileEndsEarly, path));
  if (findings.overlongLines > 0) {
    texts.push_back(MessageText(MessageId::OverlongLines, FormatC("%d", findings.overlongLines),
                                FormatC("%zu", kCsvLineLimit)));
  }
  if (findings.unreadFigureLines > 0) {
    texts.push_back(
        MessageText(MessageId::UnreadFigureLines, FormatC("%d", findings.unreadFigureLines), path));
  }
  return texts;
}

std::string ReadFailureText(ReadStatus status, const std::string& path) {
  switch (status) {
    case ReadStatus::CannotOpen:
      return MessageText(MessageId::FileNotFound, path);
    case ReadStatus::NotADataFile:
      return MessageText(MessageId::NotADataFile);
    case ReadStatus::NotRegularFile:
      return FileReadErrorText(FileReadError::NotRegularFile, path);
    case ReadStatus::TooLarge:
      return FileReadErrorText(FileReadError::TooLarge, path);
    case ReadStatus::NotPermitted:
      return FileReadErrorText(FileReadError::NotPermitted, path);
    case ReadStatus::LinkLoop:
      return FileReadErrorText(FileReadError::LinkLoop, path);
    case ReadStatus::Ok:
      break;
  }
  return {};
}

static ReadStatus StatusOf(FileReadError error) {
  switch (error) {
    case FileReadError::NotRegularFile:
      return ReadStatus::NotRegularFile;
    case FileReadError::TooLarge:
      return ReadStatus::TooLarge;
    case FileReadError::NotPermitted:
      return ReadStatus::NotPermitted;
    case FileReadError::LinkLoop:
      return ReadStatus::LinkLoop;
    case FileReadError::CannotOpen:
    case FileReadError::None:
      break;
  }
  return ReadStatus::CannotOpen;
}

ReadStatus ReadDataFile(const std::string& path, DocumentTables& tables,
                        DataFileFindings* findings) {
  FileReadError error = FileReadError::None;
  std::optional<std::string> bytes = ReadFileBytes(path, &error);
  if (!bytes) return StatusOf(error);
  return ReadDataBytes(*bytes, tables, findings);
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
  const std::vector<std::string> figureLines = FigureOptionLines(t.figures);
  if (!figureLines.empty()) {
    line("$$" + std::string(kFigureSectionName));
    for (const std::string& text : figureLines)
      line(text);
  }
  if (!t.soilLines.empty()) {
    line("$$" + std::string(kSoilSectionName));
    for (const std::string& text : t.soilLines)
      line(text);
  }
  if (!t.obsLines.empty()) {
    line("$$" + std::string(kObsSectionName));
    for (const std::string& text : t.obsLines)
      line(text);
  }

  line("$$SOL");
  line("No.,x,y,z,dP");
  const char* stressFormat = DigitFormat(stressDigits);
  int number = 0;
  LatticePoints(t).ForEachListed([&](const GridPoint& point) {
    line(FormatC("%d,%s,%s,%s,", ++number, FormatUnsignedZero("%4.2f", point.x).c_str(),
                 FormatUnsignedZero("%4.2f", point.y).c_str(),
                 FormatUnsignedZero("%4.2f", point.z).c_str()) +
         FormatUnsignedZero(stressFormat, results.at(point.xRow, point.yRow, point.zRow)));
  });
  return out;
}

}  // namespace qel
