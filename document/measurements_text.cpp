// The settlement plates' section read line by line, then put together plate by plate.
#include "document/measurements_text.h"

#include <algorithm>
#include <map>
#include <set>

#include "base/c_locale.h"
#include "base/quoted_text.h"
#include "document/soil_section_lines.h"

namespace qel {

namespace {

// The longest cell that is read, in characters: longer text is no name or number anyone types,
// and refusing it keeps every message, page and table it would reach bounded.
constexpr std::size_t kLongestCell = 200;
// How many characters of a name or a long cell a message shows.
constexpr std::size_t kShownNameCharacters = 40;

// The plausible range of a number, so that nothing computed from it overflows.
struct Range {
  double low;
  bool lowIncluded;
  double high;
};
constexpr Range kDayRange{-1e7, true, 1e7};
constexpr Range kCoordinateRange{-1e7, true, 1e7};
constexpr Range kSettlementRange{-100.0, true, 100.0};
constexpr Range kStepRange{0.0, false, 1e7};

// The bound `value` breaks, as the message says it; none when it lies in `range`.
std::optional<std::string> OutsideRange(double value, const Range& range) {
  if (range.lowIncluded ? value < range.low : value <= range.low) {
    return FormatC(
        range.lowIncluded ? "は %.10g 以上にしてください" : "は %.10g より大きい値にしてください",
        range.low);
  }
  if (value > range.high) return FormatC("は %.10g 以下にしてください", range.high);
  return std::nullopt;
}

std::string Quoted(std::string_view text) {
  return QuotedInput(text);
}

std::string Days(double day) {
  return ShortestRealText(day);
}

std::optional<FitMethod> MethodFrom(std::string_view text) {
  for (FitMethod method : {FitMethod::kHyperbolic, FitMethod::kAsaoka, FitMethod::kSquareRoot})
    if (text == FitMethodName(method)) return method;
  return std::nullopt;
}

// A reading line as read: its plate and reading, and its day as typed for the messages.
struct ReadingLine {
  int line = 0;
  int plate = 0;
  SettlementReading reading;
  std::string dayText;
};

// A fit line as read, with its window as typed for the messages.
struct FitLine {
  int plate = 0;
  std::string label;
  PlateFitLine fit;
  std::string fromText, toText;
};

class SectionReader {
 public:
  MeasurementsReading Read(const std::vector<std::string>& lines);

 private:
  void Error(int line, std::string text) { errors_.push_back({line, std::move(text)}); }
  // Tells a cell longer than kLongestCell; true when it is.
  bool TooLong(int line, const std::string& where, const std::string& field, std::string_view text);
  // The plate number of a line's first field: none, with the fault told, when it is missing or
  // not a positive whole number.
  std::optional<int> PlateNumber(int line, const std::string& where, std::string_view text);
  // A number of a field: none, with the fault told, when it is missing, not a finite number or
  // outside `range`.
  std::optional<double> Number(int line, const std::string& label, const std::string& field,
                               std::string_view text, const Range& range);
  // Whether the line has `expected` fields (or, with `orOne`, one more); told when not.
  bool FieldCount(int line, const std::string& where, std::size_t count, std::size_t expected,
                  bool orOne = false);
  void ReadLine(int line, std::string_view text);
  void ReadPlate(int line, std::string_view value);
  void ReadReading(int line, std::string_view value);
  void ReadFit(int line, std::string_view value);
  // The checks that need every line: the plates the readings and fits name, the order of each
  // plate's readings, the fits' windows.
  void PutTogether();
  void CheckReadings(SettlementPlate& plate, const std::vector<const ReadingLine*>& lines);
  void CheckWindow(const SettlementPlate& plate, const FitLine& fit);

  std::vector<MeasurementsError> errors_;
  std::vector<SettlementPlate> plates_;
  std::map<int, int> plateLines_;  // number -> the line that gives it, also beyond kMaxPlates
  int plateCount_ = 0;             // plate lines of the right shape, numbered once
  std::vector<ReadingLine> readings_;
  std::vector<FitLine> fits_;
  // Plates a reading line of which did not read (or came out of order, or beyond the bound):
  // their windows are not judged on the readings left, which would only repeat the fault.
  std::set<int> incomplete_;
};

bool SectionReader::TooLong(int line, const std::string& where, const std::string& field,
                            std::string_view text) {
  if (CharacterCount(text) <= kLongestCell) return false;
  Error(line, where + ": " + field + "が長すぎます (" + std::to_string(kLongestCell) +
                  " 文字まで)" + QuotedInput(text, kShownNameCharacters));
  return true;
}

std::optional<int> SectionReader::PlateNumber(int line, const std::string& where,
                                              std::string_view text) {
  if (text.empty()) {
    Error(line, where + ": 沈下板の番号がありません");
    return std::nullopt;
  }
  if (TooLong(line, where, "沈下板の番号", text)) return std::nullopt;
  const std::optional<int> number = ParseWholeNumber(text);
  if (!number || *number <= 0) {
    Error(line, where + ": 沈下板の番号" + Quoted(text) + "が正の整数ではありません");
    return std::nullopt;
  }
  return number;
}

std::optional<double> SectionReader::Number(int line, const std::string& label,
                                            const std::string& field, std::string_view text,
                                            const Range& range) {
  if (text.empty()) {
    // A field named in Latin letters ("t0") stands apart from the Japanese that follows.
    const bool latin = static_cast<unsigned char>(field.back()) < 0x80;
    Error(line, label + ": " + field + (latin ? " " : "") + "がありません");
    return std::nullopt;
  }
  if (TooLong(line, label, field, text)) return std::nullopt;
  const std::optional<double> value = ParseRealNumber(text);
  if (!value) {
    Error(line, label + ": " + field + Quoted(text) + "が数値ではありません");
    return std::nullopt;
  }
  if (const std::optional<std::string> broken = OutsideRange(*value, range)) {
    Error(line, label + ": " + field + Quoted(text) + *broken);
    return std::nullopt;
  }
  return value;
}

bool SectionReader::FieldCount(int line, const std::string& where, std::size_t count,
                               std::size_t expected, bool orOne) {
  if (count == expected || (orOne && count == expected + 1)) return true;
  const std::string needed =
      orOne ? std::to_string(expected) + " 個か " + std::to_string(expected + 1) + " 個です"
            : std::to_string(expected) + " 個必要です";
  Error(line, where + ": 項目が " + std::to_string(count) + " 個あります (" + needed + ")");
  return false;
}

void SectionReader::ReadLine(int line, std::string_view text) {
  if (TrimmedSoilView(text).empty()) return;
  const std::size_t equals = text.find('=');
  const std::string_view key = TrimmedSoilView(text.substr(0, equals));
  const std::string_view value = equals == std::string_view::npos ? "" : text.substr(equals + 1);
  if (equals != std::string_view::npos) {
    if (key == "plate") return ReadPlate(line, value);
    if (key == "read") return ReadReading(line, value);
    if (key == "fit") return ReadFit(line, value);
  }
  Error(line, std::to_string(line) + " 行目: 不明な項目" + Quoted(key) + "です");
}

void SectionReader::ReadPlate(int line, std::string_view value) {
  enum { kNo, kName, kX, kY, kT0, kCount };
  const std::vector<std::string_view> fields = SoilFieldViews(value);
  const std::string where = std::to_string(line) + " 行目の沈下板";
  if (!FieldCount(line, where, fields.size(), kCount)) {
    // Its number still stands for a plate, so that its readings are not told it is missing.
    if (const std::optional<int> number = ParseWholeNumber(fields[kNo]); number && *number > 0)
      plateLines_.emplace(*number, line);
    return;
  }
  const std::optional<int> number = PlateNumber(line, where, fields[kNo]);
  if (number) {
    const auto [given, fresh] = plateLines_.emplace(*number, line);
    if (!fresh) {
      Error(line, "沈下板 " + std::to_string(*number) + ": 番号が " +
                      std::to_string(given->second) + " 行目の沈下板と重複しています");
      return;
    }
  }
  if (++plateCount_ > kMaxPlates) {
    // Told once; the plates beyond are not read, so that no section makes the work unbounded.
    if (plateCount_ == kMaxPlates + 1)
      Error(line, "沈下板は " + std::to_string(kMaxPlates) + " 枚までです");
    return;
  }
  SettlementPlate plate;
  plate.line = line;
  std::string label = number ? "沈下板 " + std::to_string(*number) : where;
  bool good = number.has_value();
  if (!TooLong(line, label, "名称", fields[kName])) {
    plate.name = std::string(fields[kName]);
    if (!plate.name.empty()) label += " (" + ShortenedText(plate.name, kShownNameCharacters) + ")";
  } else {
    good = false;
  }
  const std::optional<double> x = Number(line, label, "x", fields[kX], kCoordinateRange);
  const std::optional<double> y = fields[kY].empty()
                                      ? std::optional<double>(0.0)
                                      : Number(line, label, "y", fields[kY], kCoordinateRange);
  const std::optional<double> t0 = Number(line, label, "t0", fields[kT0], kDayRange);
  if (!good || !x || !y || !t0) return;
  plate.number = *number;
  plate.x = *x;
  plate.y = *y;
  plate.t0 = *t0;
  plates_.push_back(std::move(plate));
}

void SectionReader::ReadReading(int line, std::string_view value) {
  enum { kNo, kT, kS, kCount };
  const std::vector<std::string_view> fields = SoilFieldViews(value);
  const std::string where = std::to_string(line) + " 行目の読み値";
  if (!FieldCount(line, where, fields.size(), kCount)) {
    if (const std::optional<int> number = ParseWholeNumber(fields[kNo]); number && *number > 0)
      incomplete_.insert(*number);
    return;
  }
  const std::optional<int> number = PlateNumber(line, where, fields[kNo]);
  const std::string label = number ? "沈下板 " + std::to_string(*number) + " の読み値" : where;
  const std::optional<double> t = Number(line, label, "日", fields[kT], kDayRange);
  const std::optional<double> s = Number(line, label, "沈下量", fields[kS], kSettlementRange);
  if (!number) return;
  if (!t || !s) {
    incomplete_.insert(*number);
    return;
  }
  readings_.push_back({line, *number, {*t, *s}, std::string(fields[kT])});
}

void SectionReader::ReadFit(int line, std::string_view value) {
  enum { kNo, kMethod, kFrom, kTo, kDt, kCount };
  const std::vector<std::string_view> fields = SoilFieldViews(value);
  const std::string where = std::to_string(line) + " 行目の予測";
  if (!FieldCount(line, where, fields.size(), kDt, true)) return;
  const std::optional<int> number = PlateNumber(line, where, fields[kNo]);
  std::string label = number ? "沈下板 " + std::to_string(*number) + " の予測" : where;
  const std::optional<FitMethod> method = MethodFrom(fields[kMethod]);
  if (fields[kMethod].empty()) {
    Error(line, label + ": 予測法がありません");
  } else if (!method) {
    Error(line, label + ": 予測法" + Quoted(fields[kMethod]) +
                    "は hyperbolic, asaoka, sqrt のいずれかです");
  } else {
    label += std::string(" (") + FitMethodName(*method) + ")";
  }
  const std::optional<double> from = Number(line, label, "開始日", fields[kFrom], kDayRange);
  const std::optional<double> to = Number(line, label, "終了日", fields[kTo], kDayRange);
  std::optional<double> dt;
  const bool dtGiven = fields.size() == kCount && !fields[kDt].empty();
  if (!dtGiven)
    dt = kDefaultAsaokaStep;
  else if (method && *method != FitMethod::kAsaoka)
    Error(line, label + ": Δt は asaoka にだけ使います");
  else
    dt = Number(line, label, "Δt", fields[kDt], kStepRange);
  if (from && to && *from > *to) {
    Error(line, label + ": 開始日" + Quoted(fields[kFrom]) + "が終了日" + Quoted(fields[kTo]) +
                    "より後です");
    return;
  }
  if (!number || !method || !from || !to || !dt) return;
  fits_.push_back({*number,
                   label,
                   {line, *method, *from, *to, *dt},
                   std::string(fields[kFrom]),
                   std::string(fields[kTo])});
}

void SectionReader::CheckReadings(SettlementPlate& plate,
                                  const std::vector<const ReadingLine*>& lines) {
  const std::string label = "沈下板 " + std::to_string(plate.number) + " の読み値";
  const ReadingLine* previous = nullptr;
  for (const ReadingLine* reading : lines) {
    if (plate.readings.size() == static_cast<std::size_t>(kMaxPlateReadings)) {
      Error(reading->line, label + "は " + std::to_string(kMaxPlateReadings) + " 個までです");
      incomplete_.insert(plate.number);
      return;
    }
    if (previous && !(reading->reading.t > previous->reading.t)) {
      Error(reading->line, label + ": 日" + Quoted(reading->dayText) + "が前の読み値 (" +
                               std::to_string(previous->line) + " 行目) の日" +
                               Quoted(previous->dayText) + "より後ではありません");
      incomplete_.insert(plate.number);
    }
    previous = reading;
    plate.readings.push_back(reading->reading);
  }
}

void SectionReader::CheckWindow(const SettlementPlate& plate, const FitLine& fit) {
  if (incomplete_.count(plate.number)) return;
  if (plate.readings.empty()) {
    Error(fit.fit.line,
          fit.label + ": 沈下板 " + std::to_string(plate.number) + " に読み値がありません");
    return;
  }
  const double first = plate.readings.front().t, last = plate.readings.back().t;
  if (fit.fit.from < first || fit.fit.to > last) {
    Error(fit.fit.line, fit.label + ": 期間" + Quoted(fit.fromText) + "〜" + Quoted(fit.toText) +
                            "が読み値の日 " + Days(first) + "〜" + Days(last) + " を外れています");
  }
}

void SectionReader::PutTogether() {
  std::map<int, std::vector<const ReadingLine*>> byPlate;
  for (const ReadingLine& reading : readings_) {
    if (plateLines_.count(reading.plate))
      byPlate[reading.plate].push_back(&reading);
    else
      Error(reading.line, std::to_string(reading.line) + " 行目の読み値: 沈下板 " +
                              std::to_string(reading.plate) + " がありません");
  }
  std::map<int, SettlementPlate*> plates;
  for (SettlementPlate& plate : plates_) {
    CheckReadings(plate, byPlate[plate.number]);
    plates[plate.number] = &plate;
  }
  std::set<int> tooManyFits;
  for (const FitLine& fit : fits_) {
    if (!plateLines_.count(fit.plate)) {
      Error(fit.fit.line, std::to_string(fit.fit.line) + " 行目の予測: 沈下板 " +
                              std::to_string(fit.plate) + " がありません");
      continue;
    }
    SettlementPlate* plate = plates[fit.plate];
    if (!plate) continue;  // its line did not read: told there
    if (plate->fits.size() == static_cast<std::size_t>(kMaxPlateFits)) {
      if (tooManyFits.insert(plate->number).second)
        Error(fit.fit.line, "沈下板 " + std::to_string(plate->number) + " の予測は " +
                                std::to_string(kMaxPlateFits) + " 個までです");
      continue;
    }
    CheckWindow(*plate, fit);
    plate->fits.push_back(fit.fit);
  }
}

MeasurementsReading SectionReader::Read(const std::vector<std::string>& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i)
    ReadLine(static_cast<int>(i + 1), lines[i]);
  PutTogether();
  MeasurementsReading reading;
  std::stable_sort(
      errors_.begin(), errors_.end(),
      [](const MeasurementsError& a, const MeasurementsError& b) { return a.line < b.line; });
  reading.errors = std::move(errors_);
  if (reading.errors.empty()) reading.measurements = Measurements{std::move(plates_)};
  return reading;
}

}  // namespace

const char* FitMethodName(FitMethod method) {
  switch (method) {
    case FitMethod::kHyperbolic:
      return "hyperbolic";
    case FitMethod::kAsaoka:
      return "asaoka";
    case FitMethod::kSquareRoot:
      return "sqrt";
  }
  return "";
}

const SettlementPlate* Measurements::Plate(int number) const {
  for (const SettlementPlate& plate : plates)
    if (plate.number == number) return &plate;
  return nullptr;
}

MeasurementsReading ReadMeasurements(const std::vector<std::string>& lines) {
  return SectionReader().Read(lines);
}

}  // namespace qel
