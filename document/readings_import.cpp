// Reading settlement readings from CSV text, row by row, with the faults of each row named.
#include "document/readings_import.h"

#include <charconv>
#include <cmath>

#include "base/quoted_text.h"
#include "base/text_trim.h"

namespace qel {

namespace {

constexpr int kQuotedRowLength = 80;
constexpr int kQuotedFieldLength = 40;

bool Digit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view Trimmed(std::string_view text) {
  return TrimmedBlanks(text);
}

std::string Excerpt(std::string_view text, int limit) {
  return ShortenedText(text, static_cast<std::size_t>(limit));
}

std::string Quoted(std::string_view text) {
  return QuotedInput(text, kQuotedFieldLength);
}

// The fields of a row: split at commas when it has any, else at tabs, else at runs of blanks.
// Trailing empty fields (a spreadsheet's empty columns) are dropped; quotes around a field
// are removed.
std::vector<std::string_view> Fields(std::string_view row) {
  std::vector<std::string_view> fields;
  const char separator = row.find(',') != std::string_view::npos    ? ','
                         : row.find('\t') != std::string_view::npos ? '\t'
                                                                    : ' ';
  while (true) {
    const std::size_t end = row.find(separator);
    std::string_view field = Trimmed(row.substr(0, end));
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
      field = Trimmed(field.substr(1, field.size() - 2));
    if (separator != ' ' || !field.empty()) fields.push_back(field);
    if (end == std::string_view::npos) break;
    row.remove_prefix(end + 1);
  }
  while (!fields.empty() && fields.back().empty())
    fields.pop_back();
  return fields;
}

// A finite real number in the C locale times 10^-shift, rounded once: "2.1" read with shift 2
// is the double nearest 0.021, as if 0.021 had been typed.
std::optional<double> Number(std::string_view text, int shift) {
  // from_chars takes a minus but no plus.
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const std::size_t e = text.find_first_of("eE");
  long exponent = 0;
  if (e != std::string_view::npos) {
    std::string_view written = text.substr(e + 1);
    if (!written.empty() && written.front() == '+') written.remove_prefix(1);
    const auto [end, error] =
        std::from_chars(written.data(), written.data() + written.size(), exponent);
    if (written.empty() || error != std::errc() || end != written.data() + written.size() ||
        exponent > 100000 || exponent < -100000)
      return std::nullopt;
  }
  const std::string scaled =
      std::string(text.substr(0, e)) + "e" + std::to_string(exponent - shift);
  double value = 0.0;
  const auto [end, error] = std::from_chars(scaled.data(), scaled.data() + scaled.size(), value);
  if (error != std::errc() || end != scaled.data() + scaled.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

// A field that is meant as a date: digits, then '-' or '/' further on, and no exponent.
bool LooksLikeDate(std::string_view text) {
  return !text.empty() && Digit(text.front()) &&
         text.find_first_of("-/") != std::string_view::npos &&
         text.find_first_of("eE") == std::string_view::npos;
}

// A field that begins like data: a digit, a sign or a decimal point.
bool BeginsLikeData(std::string_view text) {
  return !text.empty() &&
         (Digit(text.front()) || text.front() == '+' || text.front() == '-' || text.front() == '.');
}

// Days from 1970-01-01 of a date of the proleptic Gregorian calendar, by whole 400-year eras.
long DaysFromCivil(long year, long month, long day) {
  year -= month <= 2;
  const long era = (year >= 0 ? year : year - 399) / 400;
  const long yearOfEra = year - era * 400;
  const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

int DaysInMonth(long year, long month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

// One row read: its day (or date) as typed and the reading in days and metres.
struct Row {
  std::string_view dayText;
  SettlementReading reading;
};

class Importer {
 public:
  Importer(ReadingUnit unit, std::string_view day0) : unit_(unit) {
    if (!Trimmed(day0).empty()) {
      day0_ = DayNumber(Trimmed(day0));
      if (!day0_) Error(0, "基準日" + Quoted(Trimmed(day0)) + "が読めません", {});
    }
    day0Given_ = !Trimmed(day0).empty();
  }

  ReadingsImport Read(std::string_view csv);

 private:
  void Error(int row, std::string text, std::string_view quoted);
  // The reading of a row that has fields, or none with its faults recorded (when `report`).
  std::optional<Row> ReadRow(int row, std::string_view text, bool report);
  std::optional<double> Day(int row, std::string_view field, std::string_view text, bool report);

  ReadingUnit unit_;
  std::optional<long> day0_;
  bool day0Given_ = false;
  std::vector<ReadingsImportError> errors_;
  int unlisted_ = 0;
};

void Importer::Error(int row, std::string text, std::string_view quoted) {
  if (static_cast<int>(errors_.size()) >= kMaxListedImportErrors) {
    ++unlisted_;
    return;
  }
  const std::string prefix = row > 0 ? std::to_string(row) + " 行目: " : "";
  errors_.push_back({row, prefix + text, Excerpt(quoted, kQuotedRowLength)});
}

std::optional<double> Importer::Day(int row, std::string_view field, std::string_view text,
                                    bool report) {
  if (LooksLikeDate(field)) {
    const std::optional<long> date = DayNumber(field);
    if (!date) {
      if (report) Error(row, "日付" + Quoted(field) + "が読めません", text);
      return std::nullopt;
    }
    if (!day0_) {
      // A day 0 that could not be read is named once, above.
      if (report && !day0Given_)
        Error(row, "日付" + Quoted(field) + "を日数にするには基準日が必要です", text);
      return std::nullopt;
    }
    return static_cast<double>(*date - *day0_);
  }
  const std::optional<double> day = Number(field, 0);
  if (!day && report) Error(row, "日数" + Quoted(field) + "が数値ではありません", text);
  return day;
}

std::optional<Row> Importer::ReadRow(int row, std::string_view text, bool report) {
  const std::vector<std::string_view> fields = Fields(text);
  if (fields.front().empty()) {
    if (report) Error(row, "日数がありません", text);
    return std::nullopt;
  }
  if (fields.size() > 2) {
    if (report)
      Error(row,
            "項目が " + std::to_string(fields.size()) +
                " 個あります (日または日付と沈下量の 2 個です)",
            text);
    return std::nullopt;
  }
  const std::optional<double> day = Day(row, fields[0], text, report);
  if (fields.size() < 2 || fields[1].empty()) {
    if (report) Error(row, "沈下量がありません", text);
    return std::nullopt;
  }
  static constexpr int kShifts[] = {0, 2, 3};  // m, cm, mm to m
  const std::optional<double> settlement = Number(fields[1], kShifts[static_cast<int>(unit_)]);
  if (!settlement && report)
    Error(row, "沈下量" + Quoted(fields[1]) + "が数値ではありません", text);
  if (!day || !settlement) return std::nullopt;
  return Row{fields[0], {*day, *settlement}};
}

ReadingsImport Importer::Read(std::string_view csv) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (csv.starts_with(kByteOrderMark)) csv.remove_prefix(kByteOrderMark.size());
  ReadingsImport result;
  std::optional<Row> previous;
  bool first = true, tooMany = false;
  int rowNumber = 0;
  while (!csv.empty()) {
    ++rowNumber;
    const std::size_t end = csv.find('\n');
    std::string_view text = csv.substr(0, end);
    csv.remove_prefix(end == std::string_view::npos ? csv.size() : end + 1);
    if (text.ends_with('\r')) text.remove_suffix(1);
    if (Fields(text).empty()) continue;  // also a row of empty cells
    // The first row is a header when it does not read and does not begin like data.
    const bool header =
        first && !ReadRow(rowNumber, text, false) && !BeginsLikeData(Fields(text).front());
    first = false;
    if (header) continue;
    const std::optional<Row> row = ReadRow(rowNumber, text, true);
    if (!row) continue;
    if (previous && !(row->reading.t > previous->reading.t)) {
      Error(rowNumber,
            "日" + Quoted(row->dayText) + "が前の読み値の日" + Quoted(previous->dayText) +
                "より後ではありません",
            text);
    }
    previous = row;
    if (static_cast<int>(result.readings.size()) < kMaxReadings) {
      result.readings.push_back(row->reading);
    } else if (!tooMany) {
      Error(rowNumber, "読み値は " + std::to_string(kMaxReadings) + " 個までです", text);
      tooMany = true;
    }
  }
  if (result.readings.empty() && errors_.empty()) Error(0, "読み値がありません", {});
  if (unlisted_ > 0) {
    errors_.push_back(
        {0, "ほかに " + std::to_string(unlisted_) + " 件の誤りがあります", std::string()});
  }
  result.errors = std::move(errors_);
  if (!result.errors.empty()) result.readings.clear();
  return result;
}

}  // namespace

std::optional<long> DayNumber(std::string_view date) {
  long parts[3] = {0, 0, 0};
  const char separator = date.size() > 4 ? date[4] : '\0';
  if (separator != '-' && separator != '/') return std::nullopt;
  for (int i = 0; i < 3; ++i) {
    const std::size_t end = i < 2 ? date.find(separator) : date.size();
    const std::string_view digits = date.substr(0, end);
    const std::size_t width = digits.size();
    if (end == std::string_view::npos || (i == 0 ? width != 4 : width < 1 || width > 2))
      return std::nullopt;
    for (char c : digits)
      if (!Digit(c)) return std::nullopt;
    std::from_chars(digits.data(), digits.data() + width, parts[i]);
    date.remove_prefix(i < 2 ? end + 1 : end);
  }
  const auto [year, month, day] = parts;
  if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
  return DaysFromCivil(year, month, day);
}

ReadingsImport ImportReadings(std::string_view csv, ReadingUnit unit, std::string_view day0) {
  return Importer(unit, day0).Read(csv);
}

}  // namespace qel
