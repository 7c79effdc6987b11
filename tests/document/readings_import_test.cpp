// Tests of reading settlement readings from CSV text.
#include "document/readings_import.h"

#include <gtest/gtest.h>

#include <ostream>

namespace qel {

void PrintTo(const ReadingsImportError& error, std::ostream* out) {
  *out << error.row << ": " << error.text << " [" << error.quoted << "]";
}

namespace {

using Readings = std::vector<SettlementReading>;

TEST(ImportReadings, RowsInEachFormBecomeDaysAndMetres) {
  const struct {
    const char* what;
    std::string csv;
    ReadingUnit unit;
    const char* day0;
    Readings expected;
  } cases[] = {
      {"header, CR LF, cm",
       "日,沈下量(cm)\r\n0,0\r\n7,2.1\r\n14.5,3.4\r\n",
       ReadingUnit::kCentimetre,
       "",
       {{0, 0.0}, {7, 0.021}, {14.5, 0.034}}},
      {"tabs, m, a last row without its line end",
       "0\t0.000\n7\t0.021",
       ReadingUnit::kMetre,
       "",
       {{0, 0.0}, {7, 0.021}}},
      {"blanks, mm, signs and exponents",
       "  0   0 \n 7  +21\n8 2.2e1\n9 -1e-0\n",
       ReadingUnit::kMillimetre,
       "",
       {{0, 0.0}, {7, 0.021}, {8, 0.022}, {9, -0.001}}},
      {"dates both ways",
       "2026-04-01,1.0\n2026/4/8, 2.0\n",
       ReadingUnit::kCentimetre,
       "2026-03-30",
       {{2, 0.01}, {9, 0.02}}},
      {"byte order mark, empty cells, quotes and blank rows",
       "\xEF\xBB\xBF\"date\",\"S\",,\n\n,,\n\"2026-04-01\",\"0.01\",,\n",
       ReadingUnit::kMetre,
       "2026-04-01",
       {{0, 0.01}}},
  };
  for (const auto& c : cases) {
    const ReadingsImport result = ImportReadings(c.csv, c.unit, c.day0);
    EXPECT_TRUE(result.errors.empty()) << c.what << ": " << result.errors[0].text;
    EXPECT_EQ(result.readings, c.expected) << c.what;
  }
}

// Day numbers against the calendar: leap years by the Gregorian rule, the epoch and far dates.
TEST(ImportReadings, DayNumbersOfTheProlepticGregorianCalendar) {
  EXPECT_EQ(DayNumber("1970-01-01"), 0);
  EXPECT_EQ(DayNumber("2000-03-01"), 11017);
  EXPECT_EQ(DayNumber("2026/4/1"), 20544);
  EXPECT_EQ(DayNumber("0001-01-01"), -719162);
  EXPECT_EQ(DayNumber("9999-12-31"), 2932896);
  EXPECT_EQ(DayNumber("1600-02-29"), -135081);
  EXPECT_EQ(*DayNumber("2100-03-01") - *DayNumber("2100-02-28"), 1);
  EXPECT_EQ(*DayNumber("2024-03-01") - *DayNumber("2024-02-28"), 2);
  for (const char* bad : {"2023-02-29", "1900-02-29", "2026-13-01", "2026-04-31", "2026-00-10",
                          "26-04-01", "2026-4-1-", "2026-04/01", "2026-004-01", "2026-04-1x"})
    EXPECT_FALSE(DayNumber(bad)) << bad;
}

TEST(ImportReadings, EachBadRowIsNamed) {
  const std::string longRow = "1," + std::string(100, 'x');
  const struct {
    const char* what;
    std::string csv;
    const char* day0;
    std::vector<ReadingsImportError> errors;
  } cases[] = {
      {"a bad date, then a bad number",
       "day,S\n\n2026-13-01,0.5\n7,abc\n",
       "2026-01-01",
       {{3, "3 行目: 日付「2026-13-01」が読めません", "2026-13-01,0.5"},
        {4, "4 行目: 沈下量「abc」が数値ではありません", "7,abc"}}},
      {"a date without day 0",
       "2026-04-01,0.5\n",
       "",
       {{1, "1 行目: 日付「2026-04-01」を日数にするには基準日が必要です", "2026-04-01,0.5"}}},
      {"day 0 unreadable",
       "2026-04-01,0.5\n",
       "2026-02-30",
       {{0, "基準日「2026-02-30」が読めません", ""}}},
      {"fields missing or too many",
       "0\n,1\n1,2,3\n2,nan\n",
       "",
       {{1, "1 行目: 沈下量がありません", "0"},
        {2, "2 行目: 日数がありません", ",1"},
        {3, "3 行目: 項目が 3 個あります (日または日付と沈下量の 2 個です)", "1,2,3"},
        {4, "4 行目: 沈下量「nan」が数値ではありません", "2,nan"}}},
      {"days not increasing",
       "0,0\n7,1\n7,2\n",
       "",
       {{3, "3 行目: 日「7」が前の読み値の日「7」より後ではありません", "7,2"}}},
      {"a long row quoted in part",
       longRow,
       "",
       {{1, "1 行目: 沈下量「" + std::string(40, 'x') + "…」が数値ではありません",
         longRow.substr(0, 80) + "…"}}},
      {"bytes that are not UTF-8",
       "0,0\n\x80,1\n",
       "",
       {{2, "2 行目: 日数「\uFFFD」が数値ではありません", "\uFFFD,1"}}},
      {"nothing", "day,S\n\n", "", {{0, "読み値がありません", ""}}},
  };
  for (const auto& c : cases) {
    const ReadingsImport result = ImportReadings(c.csv, ReadingUnit::kMetre, c.day0);
    EXPECT_EQ(result.errors, c.errors) << c.what;
    EXPECT_TRUE(result.readings.empty()) << c.what;
  }
}

TEST(ImportReadings, ManyReadingsAndManyErrorsAreBounded) {
  std::string csv;
  for (int i = 0; i <= kMaxReadings; ++i)
    csv += std::to_string(i) + ",0.1\n";
  const ReadingsImport tooMany = ImportReadings(csv, ReadingUnit::kMetre, "");
  ASSERT_EQ(tooMany.errors.size(), 1u);
  EXPECT_EQ(tooMany.errors[0].row, kMaxReadings + 1);
  EXPECT_EQ(ImportReadings(csv.substr(csv.find('\n') + 1), ReadingUnit::kMetre, "").readings.size(),
            static_cast<std::size_t>(kMaxReadings));
  std::string garbage = "day,S\n";
  for (int i = 0; i < kMaxListedImportErrors + 10; ++i)
    garbage += "a,1\n";
  const ReadingsImport errors = ImportReadings(garbage, ReadingUnit::kMetre, "");
  ASSERT_EQ(errors.errors.size(), static_cast<std::size_t>(kMaxListedImportErrors + 1));
  EXPECT_EQ(errors.errors[kMaxListedImportErrors - 1].row, kMaxListedImportErrors + 1);
  EXPECT_EQ(errors.errors.back().text, "ほかに 10 件の誤りがあります");
}

}  // namespace
}  // namespace qel
