// The rectangular and circular data table as a model: a section of each kind of load in its
// own columns, with their marks and notes.
#include "analysis/rect_circle_data_model.h"

#include <gtest/gtest.h>

#include "document/data_file.h"
#include "document/document.h"

namespace qel {
namespace {

using Cells = std::vector<std::string>;

// The example as shipped and with cells the calculation does not take as typed.
TEST(RectCircleDataModel, TheBuildingsLoadsWithTheirMarksAndNotes) {
  DocumentTables t;
  ASSERT_EQ(ReadDataFile(QEL_SOURCE_DIR "/examples/building.qdw", t), ReadStatus::Ok);
  TableModel table = RectCircleDataModel(Document(t).plan(), SystemSettings());
  ASSERT_EQ(table.sections.size(), 2u);
  const TableSection& rectangles = table.sections[0];
  const TableSection& circles = table.sections[1];
  EXPECT_EQ(rectangles.title, "長方形荷重");
  EXPECT_EQ(circles.key, Cells{"円形荷重"});
  ASSERT_EQ(rectangles.rows.size(), 4u);
  EXPECT_EQ(rectangles.rows[0].cells, (Cells{"  1", "0.00", "0.00", "3.00", "3.00", "250.00"}));
  ASSERT_EQ(circles.rows.size(), 1u);
  EXPECT_EQ(circles.rows[0].cells, (Cells{"  1", "32.00", "10.00", "8.00", "95.00"}));
  // Each kind's cells in their own columns, q shared; the corners grouped.
  Cells rectangleHeadings, circleHeadings;
  for (const std::size_t column : rectangles.columns)
    rectangleHeadings.push_back(ExportedHeading(table.columns[column]));
  for (const std::size_t column : circles.columns)
    circleHeadings.push_back(ExportedHeading(table.columns[column]));
  EXPECT_EQ(rectangleHeadings,
            (Cells{"No.", "R1 x (m)", "R1 y (m)", "R2 x (m)", "R2 y (m)", "q (tf/㎡)"}));
  EXPECT_EQ(circleHeadings, (Cells{"No.", "x (m)", "y (m)", "r (m)", "q (tf/㎡)"}));
  EXPECT_TRUE(table.notes.empty());

  t.rectLoads[2][rect_col::kX2] = "inf";  // out of range: left out, "－"
  t.rectLoads[3][rect_col::kQ] = "abc";   // read as 0
  t.circleLoads[1][circle_col::kR] = "0";
  t.gridPoints[1][point_col::kGridZ] = "-1";
  table = RectCircleDataModel(Document(t).plan(), SystemSettings());
  const std::vector<TableModelRow>& rows = table.sections[0].rows;
  EXPECT_EQ((Cells{rows[0].mark, rows[1].mark, rows[2].mark, rows[3].mark}),
            (Cells{"", "※", "※", ""}));
  EXPECT_EQ(rows[1].cells[3], "－");
  EXPECT_EQ(rows[2].cells[5], "0.00");
  EXPECT_EQ(table.sections[0].notes,
            (Cells{"※ 行No.[ 2 ] X2「inf」 は計算できる範囲の数値ではないため計算に入りません",
                   "※ 行No.[ 3 ] q「abc」 は 0 として計算しています"}));
  EXPECT_EQ(table.sections[1].rows[0].mark, "※");
  EXPECT_EQ(table.sections[1].notes,
            Cells{"※ 行No.[ 1 ] r が 0.001 m 未満のため計算に加わりません"});
  EXPECT_EQ(table.notes, Cells{"計算に入らない計算点: z1「-1」(負の深度)"});
}

// A list ends at its first row without a No.; rows after it are not listed but noted.
TEST(RectCircleDataModel, RowsAfterAnEmptyRowAreNotListedButNoted) {
  DocumentTables t;
  for (int row : {1, 2, 4}) {
    const Cells cells = {std::to_string(row), "0", "0", "1", "1", "1"};
    for (std::size_t c = 0; c < cells.size(); ++c)
      t.rectLoads[row][c + 1] = cells[c];
  }
  const TableModel table = RectCircleDataModel(Document(t).plan(), SystemSettings());
  EXPECT_EQ(table.sections[0].rows.size(), 2u);
  EXPECT_TRUE(table.sections[1].rows.empty());
  EXPECT_EQ(table.sections[0].notes, Cells{"※ データ行 4 から後の 1 行は計算に入りません"});
}

}  // namespace
}  // namespace qel
