// Clearing, counting and the scale and print-range lines of the document tables.
#include "document/document_tables.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/c_locale.h"
#include "document/circle_rows.h"
#include "document/point_values.h"
#include "document/rectangle_rows.h"
#include "document/strip_pieces.h"
#include "settings/system_settings.h"

namespace qel {
namespace {

TEST(CountStripRows, StopsAtTheFirstRowWithoutNumberOrX1) {
  DocumentTables t;
  for (int row = 1; row <= 5; ++row) {
    t.stripLoads[1][row][strip_col::kNo] = std::to_string(row * 10);
    t.stripLoads[1][row][strip_col::kX1] = "0";
  }
  EXPECT_EQ(CountStripRows(t, 1), 5);
  t.stripLoads[1][3][strip_col::kNo] = "";
  EXPECT_EQ(CountStripRows(t, 1), 2);  // rows 4 and 5 no longer count
  t.stripLoads[1][3][strip_col::kNo] = "30";
  t.stripLoads[1][2][strip_col::kX1] = "";
  EXPECT_EQ(CountStripRows(t, 1), 1);  // a number without X1 ends the set too
  EXPECT_EQ(CountStripRows(t, 2), 0);
  EXPECT_EQ(CountStripRows(t, 0), 0);
  EXPECT_EQ(CountStripRows(t, 3), 0);
}

TEST(CountRows, AllTwentyAndFortyRowsCanBeUsed) {
  DocumentTables t;
  for (int row = 1; row <= kStripRows; ++row) {
    t.stripLoads[2][row][strip_col::kNo] = "1";
    t.stripLoads[2][row][strip_col::kX1] = "1";
  }
  for (int row = 1; row <= kRectRows; ++row)
    t.rectLoads[row][rect_col::kNo] = "1";
  for (int row = 1; row <= kCircleRows; ++row)
    t.circleLoads[row][circle_col::kNo] = " 2";
  EXPECT_EQ(CountStripRows(t, 2), 20);
  EXPECT_EQ(CountRectRows(t), 40);
  EXPECT_EQ(CountCircleRows(t), 40);
  t.circleLoads[1][circle_col::kNo] = "No.";
  EXPECT_EQ(CountCircleRows(t), 0);
}

TEST(PresentPointValues, TakesTheLatticeCellsThatHoldNumbersWhereverTheyStand) {
  DocumentTables t;
  t.gridPoints[1][2] = "1";
  t.gridPoints[2][2] = "-2";
  t.gridPoints[5][2] = ".";   // a lone point holds no number: it is no point
  t.gridPoints[6][2] = "x";   // nor does a letter
  t.gridPoints[7][2] = "  ";  // nor do blanks
  t.gridPoints[8][2] = "３";  // full-width digits do
  const std::vector<PointValue> ys = PresentPointValues(t, true, point_col::kGridY);
  ASSERT_EQ(ys.size(), 3u);
  const int rows[] = {1, 2, 8};
  const double values[] = {1.0, -2.0, 3.0};
  for (std::size_t i = 0; i < ys.size(); ++i) {
    EXPECT_EQ(ys[i].row, rows[i]) << i;
    EXPECT_EQ(ys[i].value, values[i]) << i;
  }
  EXPECT_TRUE(PresentPointValues(t, true, point_col::kGridX).empty());
}

TEST(ClearDocumentData, EmptiesTheLastCellOfEveryTable) {
  DocumentTables t;
  t.settingLines[110] = "x";
  t.stripLoads[2][20][8] = "x";
  t.rectLoads[40][6] = "x";
  t.circleLoads[40][5] = "x";
  t.stripPoints[10][2] = "x";
  t.gridPoints[12][3] = "x";
  ClearDocumentData(t);
  EXPECT_EQ(t.settingLines[110], "");
  EXPECT_EQ(t.stripLoads[2][20][8], "");
  EXPECT_EQ(t.rectLoads[40][6], "");
  EXPECT_EQ(t.circleLoads[40][5], "");
  EXPECT_EQ(t.stripPoints[10][2], "");
  EXPECT_EQ(t.gridPoints[12][3], "");
}

TEST(FigureRangeLines, ReadAsTypedAndWrittenAsASaveWritesThem) {
  DocumentTables t;
  const char* lines[] = {"250", "100 m", "-5", "abc", "3.9", "12.345", "60",
                         "300", "300",   "0",  "57",  "5",   "-0.004", ""};
  for (int i = 0; i < 14; ++i)
    t.settingLines[i + 1] = lines[i];
  FigureRange strip = FigureRangeLines(t, Problem::Strip);
  const FigureRange rect = FigureRangeLines(t, Problem::RectCircle);
  EXPECT_EQ(strip.scaleX, 250);
  EXPECT_EQ(strip.scaleY, 100);  // the leading number of a text
  EXPECT_EQ(strip.rangeX, 0);    // no number at all
  EXPECT_EQ(strip.pageOverlap, 3);
  EXPECT_DOUBLE_EQ(strip.topY, 12.345);
  EXPECT_DOUBLE_EQ(rect.topY, -0.004);
  EXPECT_EQ(rect.rangeY, 0);
  WriteFigureRangeLines(t, Problem::Strip, strip);
  WriteFigureRangeLines(t, Problem::RectCircle, rect);
  EXPECT_EQ(t.settingLines[2], "100");
  EXPECT_EQ(t.settingLines[4], "0");
  EXPECT_EQ(t.settingLines[6], "12.35");  // rewritten with two decimals
  EXPECT_EQ(t.settingLines[13], "-0.00");
  EXPECT_EQ(t.settingLines[14], "0");
}

// A top Y that no figure can use reads as the standard one, from a data file or the settings.
TEST(FigureRangeLines, ATopYThatIsNoFiniteNumberReadsAsTheStandardOne) {
  for (const auto& [line, topY] : {std::pair{"nan", kStandardTopY},
                                   {"-inf", kStandardTopY},
                                   {"1e400", kStandardTopY},
                                   {"abc", 0.0},
                                   {"12.5m", 12.5}}) {
    DocumentTables t;
    SystemSettings s;
    t.settingLines[setting_line::kStripTopY] = line;
    s.rectFigureDefault.topY = ToDouble(line);
    ClampSettings(s);
    EXPECT_EQ(FigureRangeLines(t, Problem::Strip).topY, topY) << line;
    EXPECT_EQ(s.rectFigureDefault.topY, topY) << line;
  }
}

}  // namespace
}  // namespace qel
