// The scale and print range a problem reads from its lines, against the reading a document load
// and the settings load after it give today.
#include "document/problem_common.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "document/data_file.h"
#include "settings/system_settings.h"

namespace qel {
namespace {

// Texts a setting line may hold in a file written by hand or by another program.
const char* const kHostileTexts[] = {
    "",    "abc", "nan",  "-nan", "inf",     "-inf", "1e400",     "2147483648", "-99999999999",
    "0",   "-1",  "12.7", " 35",  "0x10",    "１２", "+5",        "-100.5",     "-99.99",
    "1e3", "7z",  "-2e9", "   ",  "500\r\n", "-0",   "4294967296"};

void ExpectSameRange(const FigureRange& typed, const FigureRange& today, const std::string& what) {
  EXPECT_EQ(typed.scaleX, today.scaleX) << what;
  EXPECT_EQ(typed.scaleY, today.scaleY) << what;
  EXPECT_EQ(typed.leftX, today.leftX) << what;
  EXPECT_EQ(typed.rangeX, today.rangeX) << what;
  EXPECT_EQ(typed.pageOverlap, today.pageOverlap) << what;
  EXPECT_EQ(typed.rangeY, today.rangeY) << what;
  EXPECT_TRUE(typed.topY == today.topY) << what << ": " << typed.topY << " " << today.topY;
  EXPECT_TRUE(std::isfinite(typed.topY)) << what;
}

// The range as the settings file would give it: the lines read as numbers, then clamped as
// every settings load clamps them.
FigureRange RangeInUseToday(const DocumentTables& cells, Problem problem) {
  SystemSettings settings;
  for (Problem each : {Problem::Strip, Problem::RectCircle})
    settings.figureDefault(each) = FigureRangeLines(cells, each);
  ClampSettings(settings);
  return settings.figureDefault(problem);
}

TEST(ReadFigureRange, EachLineReadsAsTheDocumentLoadAndClampsReadIt) {
  for (const char* example : {"building.qdw", "embankment.qdw"}) {
    DocumentTables file;
    ASSERT_EQ(ReadDataFile(std::string(QEL_SOURCE_DIR) + "/examples/" + example, file),
              ReadStatus::Ok);
    for (Problem problem : {Problem::Strip, Problem::RectCircle})
      ExpectSameRange(ReadFigureRange(file, problem), RangeInUseToday(file, problem), example);
    for (int line = setting_line::kStripScaleX; line <= setting_line::kRectRangeY; ++line) {
      for (const char* text : kHostileTexts) {
        DocumentTables cells = file;
        cells.settingLines[line] = text;
        const std::string what =
            std::string(example) + " line " + std::to_string(line) + " \"" + text + "\"";
        for (Problem problem : {Problem::Strip, Problem::RectCircle})
          ExpectSameRange(ReadFigureRange(cells, problem), RangeInUseToday(cells, problem), what);
      }
    }
  }
}

}  // namespace
}  // namespace qel
