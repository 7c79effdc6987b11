// Settlement readings read from a CSV text (pasted from a spreadsheet or read from a file):
// rows of a day or a date and a settlement, checked row by row.
//
// A row is "day,settlement" or "date,settlement", the two separated by a comma, a tab or blanks:
//   12.5,2.1          day 12.5 since day 0, settlement 2.1 in the chosen unit
//   2026-04-01,2.1    a date (YYYY-MM-DD, also YYYY/M/D), counted in days from day 0
// Blank rows are skipped; the first row that is not blank may be a header when it does not
// begin like a number or a date ("日,沈下量(cm)"). Settlements are positive down.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/settlement_fits.h"

namespace qel {

enum class ReadingUnit { kMetre, kCentimetre, kMillimetre };

inline constexpr int kMaxReadings = 2000;
// Errors listed one by one; beyond them one line counts the rest.
inline constexpr int kMaxListedImportErrors = 50;

struct ReadingsImportError {
  int row = 0;         // 1-based row of the text; 0 for the text as a whole or for day 0
  std::string text;    // in Japanese: "3 行目: 日付「2026-13-01」が読めません"
  std::string quoted;  // the row as read, at most 80 characters ("…" when cut); empty for row 0
  friend bool operator==(const ReadingsImportError&, const ReadingsImportError&) = default;
};

struct ReadingsImport {
  std::vector<SettlementReading> readings;  // days and metres, when there are no errors
  std::vector<ReadingsImportError> errors;  // in the order of the rows
};

// Reads `csv` (UTF-8, LF or CR LF line ends, an optional byte order mark). `day0` is the date
// the days count from (YYYY-MM-DD), empty when there is none; rows with dates need it. Days
// must increase strictly from row to row; at most kMaxReadings readings.
ReadingsImport ImportReadings(std::string_view csv, ReadingUnit unit, std::string_view day0);

// The day number of a date of the proleptic Gregorian calendar written YYYY-MM-DD (or YYYY/M/D),
// counted from 1970-01-01; none when the text is not such a date.
std::optional<long> DayNumber(std::string_view date);

}  // namespace qel
