// The strip-load data table as a model: its sections, rows, marks and notes.
#include "analysis/strip_data_model.h"

#include <gtest/gtest.h>

#include <functional>

#include "document/data_file.h"
#include "document/document.h"

namespace qel {
namespace {

using Cells = std::vector<std::string>;

void SetRow(DocumentTables& t, int set, int row, const Cells& cells) {
  for (std::size_t c = 0; c < cells.size(); ++c)
    t.stripLoads[set][row][c + 1] = cells[c];
}

const Cells kPiece = {"1", "0", "1", "2", "3", "1", "1.8", "0"};

// The example as shipped and with cells the calculation does not take as typed.
TEST(StripDataModel, TheEmbankmentsSetsWithTheirMarksAndNotes) {
  DocumentTables t;
  ASSERT_EQ(ReadDataFile(QEL_SOURCE_DIR "/examples/embankment.qdw", t), ReadStatus::Ok);
  SystemSettings settings;
  settings.unitSystem = 1;
  TableModel table = StripDataModel(Document(t).strip(), settings);
  ASSERT_EQ(table.sections.size(), 2u);
  EXPECT_EQ(table.sections[0].title, "帯状荷重 1");
  EXPECT_EQ(table.sections[1].key, Cells{"2"});
  EXPECT_EQ(table.sections[0].rows[0].cells,
            (Cells{" 10", "0.00", "9.00", "21.00", "30.00", "5.00", "19.00", "0.00"}));
  EXPECT_EQ(table.sections[1].rows.size(), 2u);
  EXPECT_EQ(ExportedHeading(table.columns[6]), "γ (kN/m3)");
  EXPECT_TRUE(table.notes.empty());

  t.stripLoads[1][2][strip_col::kH] = "２．５";  // full-width digits: read, marked
  t.stripLoads[2][1][strip_col::kX2] = "nan";    // out of range: left out, "－"
  t.stripPoints[2][point_col::kZ] = "-2";        // above the surface
  settings.unitSystem = 0;
  table = StripDataModel(Document(t).strip(), settings);
  const TableModelRow& fullWidth = table.sections[0].rows[1];
  EXPECT_EQ(fullWidth.cells[5], "2.50");
  EXPECT_EQ(fullWidth.mark, "※");
  EXPECT_EQ(table.sections[0].rows[0].mark, "");
  EXPECT_EQ(table.sections[1].rows[0].cells[2], "－");
  EXPECT_EQ(table.sections[1].rows[0].mark, "※");
  EXPECT_EQ(table.sections[0].notes,
            Cells{"※ 行No.[ 20 ] h「２．５」 は 2.5 として計算しています"});
  EXPECT_EQ(table.sections[1].notes,
            Cells{"※ 行No.[ 10 ] X2「nan」 は計算できる範囲の数値ではないため計算に入りません"});
  EXPECT_EQ(table.notes, Cells{"計算に入らない計算点: z2「-2」(負の深度)"});
  EXPECT_EQ(ExportedHeading(table.columns[6]), "γ (tf/m3)");
}

TEST(StripDataModel, TitlesRowsMarksAndNotesOfEachSet) {
  const Cells piece = {"  1", "0.00", "1.00", "2.00", "3.00", "1.00", "1.80", "0.00"};
  const struct {
    const char* name;
    std::function<void(DocumentTables&)> fill;
    Cells titles;
    std::size_t rows1, rows2;
    Cells firstRow;    // of the first set that lists one
    const char* mark;  // of that row
    Cells notes1;
  } cases[] = {
      {"both sets",
       [](DocumentTables& t) {
         SetRow(t, 1, 1, kPiece);
         SetRow(t, 2, 1, kPiece);
       },
       {"帯状荷重 1", "帯状荷重 2"},
       1,
       1,
       piece,
       "",
       {}},
      {"set 2 alone",
       [](DocumentTables& t) { SetRow(t, 2, 1, kPiece); },
       {"", "帯状荷重"},
       0,
       1,
       piece,
       "",
       {}},
      {"no set", [](DocumentTables&) {}, {"", ""}, 0, 0, {}, "", {}},
      // A value that rounds to zero at two decimals is listed without a minus sign.
      {"rounded zeros",
       [](DocumentTables& t) {
         SetRow(t, 1, 1, {"1", "-0.005001", "-0.004", "-0.001", "0", "-1e-9", "1", "-0.0049"});
       },
       {"帯状荷重", ""},
       1,
       0,
       {"  1", "-0.01", "0.00", "0.00", "0.00", "0.00", "1.00", "0.00"},
       "",
       {}},
      // Only No. decides what is listed: an empty X1 ends the calculation's rows, and says so.
      {"list ends",
       [](DocumentTables& t) {
         for (int row = 1; row <= 4; ++row)
           SetRow(t, 1, row, kPiece);
         t.stripLoads[1][3][strip_col::kNo] = "";
         t.stripLoads[1][2][strip_col::kX1] = "";
       },
       {"帯状荷重", ""},
       2,
       0,
       piece,
       "",
       {"※ 行No.[ 1 ] X1「」 から後の 3 行は計算に入りません"}},
      {"out of order",
       [](DocumentTables& t) {
         SetRow(t, 1, 1, {"1", "0", "3", "1", "4", "1", "18", "0"});
       },
       {"帯状荷重", ""},
       1,
       0,
       {"  1", "0.00", "3.00", "1.00", "4.00", "1.00", "18.00", "0.00"},
       "※",
       {"※ 行No.[ 1 ] X2 が X3 より大きく、台形ではなく入力の値のまま計算しています"}},
      // A set whose first row has no No. lists nothing, yet its notes name its rows.
      {"no first No.",
       [](DocumentTables& t) {
         SetRow(t, 1, 1, kPiece);
         t.stripLoads[1][1][strip_col::kNo] = "";
       },
       {"", ""},
       0,
       0,
       {},
       "",
       {"※ 行No.[  ] No.「」 から後の 1 行は計算に入りません"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DocumentTables t;
    c.fill(t);
    const TableModel table = StripDataModel(Document(t).strip(), SystemSettings());
    ASSERT_EQ(table.sections.size(), 2u);
    EXPECT_EQ((Cells{table.sections[0].title, table.sections[1].title}), c.titles);
    EXPECT_EQ(table.sections[0].name, "帯状荷重 1");
    EXPECT_EQ(table.sections[0].rows.size(), c.rows1);
    EXPECT_EQ(table.sections[1].rows.size(), c.rows2);
    const std::vector<TableModelRow>& rows =
        c.rows1 > 0 ? table.sections[0].rows : table.sections[1].rows;
    if (!c.firstRow.empty()) {
      ASSERT_FALSE(rows.empty());
      EXPECT_EQ(rows[0].cells, c.firstRow);
      EXPECT_EQ(rows[0].mark, c.mark);
    }
    EXPECT_EQ(table.sections[0].notes, c.notes1);
  }
}

}  // namespace
}  // namespace qel
