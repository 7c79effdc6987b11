// The settlement plates dialog's tables: cells as typed, readings shown in a chosen unit, the
// paste of readings, the check through the section's reader and the lines written in place.
#include "dialogs/plate_model.h"

#include <algorithm>
#include <cctype>

#include "base/c_locale.h"
#include "base/quoted_text.h"
#include "dialogs/field_checks.h"
#include "dialogs/numeric_entry.h"
#include "document/soil_section_lines.h"

namespace qel {

namespace {

enum class PlateTable { kPlates, kReadings, kFits };

// A line the dialog writes and the cell it comes from.
struct OwnLine {
  std::string text;
  PlateTable table = PlateTable::kPlates;
  int plate = 0;
  int row = 0;
};

template <std::size_t N>
bool IsBlank(const std::array<std::string, N>& cells) {
  return std::all_of(cells.begin(), cells.end(),
                     [](const std::string& cell) { return TrimmedSoilView(cell).empty(); });
}

bool IsBlank(const PlateEntry& plate) {
  return IsBlank(plate.cells) && plate.readings.empty() && plate.fits.empty();
}

double UnitFactor(ReadingUnit unit) {
  switch (unit) {
    case ReadingUnit::kCentimetre:
      return 100.0;
    case ReadingUnit::kMillimetre:
      return 1000.0;
    case ReadingUnit::kMetre:
      break;
  }
  return 1.0;
}

// Twelve significant digits: a settlement moved between units reads as typed ("2.1" cm is
// "0.021" m, not the binary neighbour a division leaves).
std::string UnitText(double value) {
  return FormatC("%.12g", value);
}

std::string Joined(const std::string& key, const std::vector<std::string>& fields) {
  std::string line = key + "=";
  for (std::size_t i = 0; i < fields.size(); ++i)
    line += (i ? "," : "") + fields[i];
  return line;
}

// Whether two lines say the same, blanks around the key and the fields aside.
bool SameLine(const std::string& a, const std::string& b) {
  return SoilLineKey(a) == SoilLineKey(b) &&
         SoilLineFields(SoilLineValue(a)) == SoilLineFields(SoilLineValue(b));
}

std::vector<OwnLine> OwnLines(const std::vector<PlateEntry>& plates) {
  std::vector<OwnLine> lines;
  for (std::size_t p = 0; p < plates.size(); ++p) {
    const PlateEntry& plate = plates[p];
    if (IsBlank(plate)) continue;
    const int index = static_cast<int>(p);
    const std::string& number = plate.cells[kPlateNo];
    lines.push_back({Joined("plate", {plate.cells.begin(), plate.cells.end()}), PlateTable::kPlates,
                     index, index});
    for (std::size_t r = 0; r < plate.readings.size(); ++r) {
      const PlateReadingRow& reading = plate.readings[r];
      if (IsBlank(reading)) continue;
      lines.push_back({Joined("read", {number, reading[kReadingDay], reading[kReadingSettlement]}),
                       PlateTable::kReadings, index, static_cast<int>(r)});
    }
    for (std::size_t f = 0; f < plate.fits.size(); ++f) {
      const PlateFitRow& fit = plate.fits[f];
      if (IsBlank(fit)) continue;
      std::vector<std::string> fields = {number, fit[kFitMethod], fit[kFitFrom], fit[kFitTo]};
      if (!TrimmedSoilView(fit[kFitDt]).empty()) fields.push_back(fit[kFitDt]);
      lines.push_back({Joined("fit", fields), PlateTable::kFits, index, static_cast<int>(f)});
    }
  }
  return lines;
}

const char* TableName(PlateTable table) {
  switch (table) {
    case PlateTable::kReadings:
      return "readings";
    case PlateTable::kFits:
      return "fits";
    case PlateTable::kPlates:
      break;
  }
  return "plates";
}

// Where a line of the dialog stands, as the user sees it.
std::string PlaceOf(const OwnLine& line, const std::vector<PlateEntry>& plates) {
  const std::string row = std::to_string(line.row + 1) + " 行目";
  const std::string plate = "沈下板 " + TrimmedSoilText(plates[line.plate].cells[kPlateNo]);
  switch (line.table) {
    case PlateTable::kReadings:
      return plate + " の実測値 " + row;
    case PlateTable::kFits:
      return plate + " の予測 " + row;
    case PlateTable::kPlates:
      break;
  }
  return "沈下板の表 " + row;
}

// The reader's message told in the tables' rows: a leading "N 行目" of the section's line is
// left out (the place says it), and "(N 行目)" naming another line becomes that table's row.
std::string InTableRows(std::string text, int line, const std::vector<OwnLine>& lines) {
  for (const std::string& lead :
       {std::to_string(line) + " 行目の", std::to_string(line) + " 行目: "})
    if (text.rfind(lead, 0) == 0) text.erase(0, lead.size());
  const std::string mark = " 行目)";
  for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + 1)) {
    std::size_t begin = at;
    while (begin > 0 && std::isdigit(static_cast<unsigned char>(text[begin - 1])))
      --begin;
    if (begin == at || begin == 0 || text[begin - 1] != '(') continue;
    const int other = std::stoi(text.substr(begin, at - begin));
    if (other < 1 || other > static_cast<int>(lines.size())) continue;
    const std::string row = std::to_string(lines[other - 1].row + 1);
    text.replace(begin, at - begin, row);
    at = begin + row.size();
  }
  return text;
}

// The cell of a table a reader's message is about, from the field it names.
int ColumnNamed(PlateTable table, const std::string& text) {
  const auto names = [&text](const char* field) { return text.find(field) != std::string::npos; };
  switch (table) {
    case PlateTable::kPlates:
      if (names("名称")) return kPlateName;
      if (names(": x")) return kPlateX;
      if (names(": y")) return kPlateY;
      if (names("t0")) return kPlateT0;
      return kPlateNo;
    case PlateTable::kReadings:
      return names("沈下量") ? kReadingSettlement : kReadingDay;
    case PlateTable::kFits:
      if (names("Δt")) return kFitDt;
      // A reversed window names both days: the first is the one to correct.
      if (names("開始日") || names("期間")) return kFitFrom;
      if (names("終了日")) return kFitTo;
      return kFitMethod;
  }
  return 0;
}

// The first cell whose text a line of the section cannot hold as typed.
template <std::size_t N>
std::optional<std::string> RefusedCell(const std::array<std::string, N>& cells, int& column) {
  for (std::size_t c = 0; c < N; ++c) {
    column = static_cast<int>(c);
    if (cells[c].find(',') != std::string::npos) return std::string("「,」は使えません");
    if (auto refused = CheckStoredText(cells[c], {})) return refused->message;
  }
  return std::nullopt;
}

std::string CodeOf(const std::string& text) {
  const std::string trimmed = TrimmedSoilText(text);
  const std::vector<std::string>& texts = PlateFitMethodTexts();
  for (std::size_t i = 0; i < texts.size(); ++i)
    if (trimmed == texts[i]) return PlateFitMethodCodes()[i];
  return trimmed;
}

// Grows `rows` to hold `row` when it is at most one beyond the last and within `most`.
template <typename Row>
bool Reach(std::vector<Row>& rows, int row, int most) {
  if (row < 0 || row >= most || row > static_cast<int>(rows.size())) return false;
  if (row == static_cast<int>(rows.size())) rows.emplace_back();
  return true;
}

}  // namespace

std::string PlateColumnTitle(int column) {
  static const std::array<const char*, kPlateColumnCount> titles = {"No.", "名称", "x m", "y m",
                                                                    "t0 日"};
  return column >= 0 && column < kPlateColumnCount ? titles[column] : "";
}

std::string PlateFitColumnTitle(int column) {
  static const std::array<const char*, kFitColumnCount> titles = {"予測法", "開始日", "終了日",
                                                                  "Δt 日"};
  return column >= 0 && column < kFitColumnCount ? titles[column] : "";
}

std::string PlateReadingColumnTitle(int column, ReadingUnit unit) {
  if (column == kReadingDay) return "日 (日付)";
  static const std::array<const char*, 3> units = {"m", "cm", "mm"};
  return std::string("沈下量 ") + units[static_cast<int>(unit)];
}

const std::vector<std::string>& PlateFitMethodTexts() {
  static const std::vector<std::string> texts = {"双曲線法", "浅岡法", "√t法"};
  return texts;
}
const std::vector<std::string>& PlateFitMethodCodes() {
  static const std::vector<std::string> codes = {"hyperbolic", "asaoka", "sqrt"};
  return codes;
}

bool PlateFitColumnUsed(const std::string& code, int column) {
  return column != kFitDt || code.empty() || code == "asaoka";
}

PlateModel::PlateModel(const DocumentTables& tables)
    : section_(tables.obsLines.ToVector()), held_(section_.size(), false) {
  // Plates first, so that a reading or fit line finds its plate wherever it stands. A line of
  // another length than this program writes (a later version's) is kept as it is.
  std::vector<std::optional<int>> numbers;
  for (std::size_t i = 0; i < section_.size(); ++i) {
    if (SoilLineKey(section_[i]) != "plate") continue;
    const std::vector<std::string> fields = SoilLineFields(SoilLineValue(section_[i]));
    if (fields.size() != kPlateColumnCount) continue;
    PlateEntry plate;
    std::copy(fields.begin(), fields.end(), plate.cells.begin());
    plates_.push_back(plate);
    numbers.push_back(ParseWholeNumber(fields[kPlateNo]));
    held_[i] = true;
  }
  for (std::size_t i = 0; i < section_.size(); ++i) {
    const std::string key = SoilLineKey(section_[i]);
    if (key != "read" && key != "fit") continue;
    const std::vector<std::string> fields = SoilLineFields(SoilLineValue(section_[i]));
    const bool reading = key == "read";
    if (reading ? fields.size() != kReadingColumnCount + 1
                : fields.size() != kFitColumnCount && fields.size() != kFitColumnCount + 1)
      continue;
    const std::optional<int> number = ParseWholeNumber(fields.front());
    const auto owner = std::find(numbers.begin(), numbers.end(), number);
    if (!number || owner == numbers.end()) continue;  // no plate shown: kept as it is
    PlateEntry& plate = plates_[owner - numbers.begin()];
    if (reading) {
      plate.readings.push_back({fields[1], fields[2]});
    } else {
      PlateFitRow fit;
      std::copy(fields.begin() + 1, fields.end(), fit.begin());
      plate.fits.push_back(fit);
    }
    held_[i] = true;
  }
  heldPlates_ = plates_;
}

bool PlateModel::HasPlate(int plate) const {
  return plate >= 0 && plate < static_cast<int>(plates_.size());
}

void PlateModel::SetPlateCell(int plate, int column, const std::string& text) {
  if (column < 0 || column >= kPlateColumnCount || !Reach(plates_, plate, kMostPlates)) return;
  PlateRow& cells = plates_[plate].cells;
  cells[column] = column == kPlateName ? text : HalfWidthNumber(text);
  if (column != kPlateNo && TrimmedSoilView(cells[kPlateNo]).empty() && !cells[column].empty()) {
    int next = 1;
    for (const PlateEntry& other : plates_)
      if (const std::optional<int> number =
              ParseWholeNumber(TrimmedSoilView(other.cells[kPlateNo])))
        next = std::max(next, *number + 1);
    cells[kPlateNo] = std::to_string(next);
  }
}

std::optional<int> PlateModel::AddPlate() {
  const int row = static_cast<int>(plates_.size());
  if (row >= kMostPlates) return std::nullopt;
  SetPlateCell(row, kPlateName, "");
  SetPlateCell(row, kPlateT0, "0");
  return row;
}

void PlateModel::RemovePlate(int plate) {
  if (HasPlate(plate)) plates_.erase(plates_.begin() + plate);
}

void PlateModel::SetDay0(const std::string& text) {
  day0_ = TrimmedSoilText(HalfWidthNumber(text));
}

void PlateModel::LeaveDay0() {
  const std::optional<long> origin = DayNumber(day0_);
  if (!origin) return;
  for (PlateEntry& plate : plates_)
    for (PlateReadingRow& reading : plate.readings)
      if (const std::optional<long> date = DayNumber(TrimmedSoilView(reading[kReadingDay])))
        reading[kReadingDay] = std::to_string(*date - *origin);
}

std::string PlateModel::ReadingCell(int plate, int row, int column) const {
  if (!HasPlate(plate) || row < 0 || row >= static_cast<int>(plates_[plate].readings.size()) ||
      column < 0 || column >= kReadingColumnCount)
    return {};
  const std::string& text = plates_[plate].readings[row][column];
  if (column != kReadingSettlement || unit_ == ReadingUnit::kMetre) return text;
  const std::optional<double> metres = ParseRealNumber(TrimmedSoilView(text));
  return metres ? UnitText(*metres * UnitFactor(unit_)) : text;
}

void PlateModel::SetReadingCell(int plate, int row, int column, const std::string& text) {
  if (!HasPlate(plate) || column < 0 || column >= kReadingColumnCount ||
      !Reach(plates_[plate].readings, row, kMostReadings))
    return;
  std::string cell = HalfWidthNumber(text);
  const std::string trimmed = TrimmedSoilText(cell);
  if (column == kReadingDay) {
    const std::optional<long> date = DayNumber(trimmed), origin = DayNumber(day0_);
    if (date && origin) cell = std::to_string(*date - *origin);
  } else if (unit_ != ReadingUnit::kMetre) {
    if (const std::optional<double> value = ParseRealNumber(trimmed))
      cell = UnitText(*value / UnitFactor(unit_));
  }
  plates_[plate].readings[row][column] = cell;
}

void PlateModel::RemoveReading(int plate, int row) {
  if (!HasPlate(plate)) return;
  std::vector<PlateReadingRow>& readings = plates_[plate].readings;
  if (row >= 0 && row < static_cast<int>(readings.size())) readings.erase(readings.begin() + row);
}

std::optional<std::string> PlateModel::PasteReadings(int plate, const std::string& text) {
  if (!HasPlate(plate) || IsBlank(plates_[plate].cells))
    return std::string("実測値を貼り付ける沈下板を選んでください");
  const ReadingsImport pasted = ImportReadings(text, unit_, day0_);
  if (!pasted.errors.empty()) {
    std::string message = "貼り付けた行を読めません (実測値は変えていません):";
    for (const ReadingsImportError& error : pasted.errors)
      message += "\n" + error.text;
    return message;
  }
  if (pasted.readings.empty()) return std::string("貼り付ける実測値がありません");
  std::vector<PlateReadingRow> readings;
  for (const SettlementReading& reading : pasted.readings)
    readings.push_back({UnitText(reading.t), UnitText(reading.s)});
  plates_[plate].readings = readings;
  return std::nullopt;
}

void PlateModel::SetFitCell(int plate, int row, int column, const std::string& text) {
  if (!HasPlate(plate) || column < 0 || column >= kFitColumnCount ||
      !Reach(plates_[plate].fits, row, kMostFits))
    return;
  plates_[plate].fits[row][column] = column == kFitMethod ? CodeOf(text) : HalfWidthNumber(text);
}

void PlateModel::RemoveFit(int plate, int row) {
  if (!HasPlate(plate)) return;
  std::vector<PlateFitRow>& fits = plates_[plate].fits;
  if (row >= 0 && row < static_cast<int>(fits.size())) fits.erase(fits.begin() + row);
}

std::optional<PlateFault> PlateModel::FirstFault() const {
  const std::vector<OwnLine> lines = OwnLines(plates_);
  // Cells that a line could not hold as typed, in the order of the lines.
  for (const OwnLine& line : lines) {
    const PlateEntry& plate = plates_[line.plate];
    int column = 0;
    std::optional<std::string> refused;
    if (line.table == PlateTable::kPlates)
      refused = RefusedCell(plate.cells, column);
    else if (line.table == PlateTable::kReadings)
      refused = RefusedCell(plate.readings[line.row], column);
    else
      refused = RefusedCell(plate.fits[line.row], column);
    if (refused)
      return PlateFault{{PlaceOf(line, plates_) + ": " + *refused, TableName(line.table)},
                        line.plate,
                        line.row,
                        column};
    // A date stays a date until day 0 says where the days count from.
    if (line.table == PlateTable::kReadings) {
      const std::string& day = plate.readings[line.row][kReadingDay];
      if (DayNumber(TrimmedSoilView(day)))
        return PlateFault{{PlaceOf(line, plates_) + ": 日付" + QuotedInput(day, 20) +
                               "を日数にするには 0 日の日付を入力してください",
                           "day0"},
                          line.plate,
                          line.row,
                          kReadingDay};
    }
  }
  std::vector<std::string> texts;
  for (const OwnLine& line : lines)
    texts.push_back(line.text);
  const MeasurementsReading reading = ReadMeasurements(texts);
  if (reading.errors.empty()) return std::nullopt;
  const MeasurementsError& error = reading.errors.front();
  if (error.line < 1 || error.line > static_cast<int>(lines.size())) {
    return PlateFault{{error.text, "plates"}, 0, 0, 0};
  }
  const OwnLine& line = lines[error.line - 1];
  const std::string text = InTableRows(error.text, error.line, lines);
  return PlateFault{{PlaceOf(line, plates_) + ":\n" + text, TableName(line.table)},
                    line.plate,
                    line.row,
                    ColumnNamed(line.table, text)};
}

std::optional<ValidationError> PlateModel::Validate() const {
  if (std::optional<PlateFault> fault = FirstFault()) return fault->error;
  return std::nullopt;
}

bool PlateModel::HasChanged() const {
  return plates_ != heldPlates_;
}

std::vector<std::string> PlateModel::SectionLines() const {
  if (!HasChanged()) return section_;
  // The dialog's lines take the places of the lines it read, one by one; a line that says the
  // same keeps its text. Lines beyond those places follow the last of them (or end the
  // section), and places left over are dropped. Every other line stays where it stood.
  const std::vector<OwnLine> lines = OwnLines(plates_);
  std::vector<std::string> result;
  std::size_t next = 0;
  std::optional<std::size_t> after;
  for (std::size_t i = 0; i < section_.size(); ++i) {
    if (!held_[i]) {
      result.push_back(section_[i]);
      continue;
    }
    if (next < lines.size()) {
      const std::string& line = lines[next++].text;
      result.push_back(SameLine(section_[i], line) ? section_[i] : line);
    }
    after = result.size();
  }
  const auto at = after ? result.begin() + static_cast<std::ptrdiff_t>(*after) : result.end();
  std::vector<std::string> rest;
  for (; next < lines.size(); ++next)
    rest.push_back(lines[next].text);
  result.insert(at, rest.begin(), rest.end());
  return result;
}

ApplyOutcome PlateModel::Apply(DocumentTables& tables) const {
  if (HasChanged()) tables.obsLines = SectionLines();
  return {};
}

}  // namespace qel
