// A table model's headings as pages and files write them, and the model as the rows of a file.
#include "analysis/table_model.h"

#include <gtest/gtest.h>

#include "analysis/table_cells.h"

namespace qel {
namespace {

TEST(TableModel, PagesAndFilesHeadTheirColumnsEachTheirOwnWay) {
  TableColumnHeading corner = Heading("x", "m");
  corner.group = "R1";
  const struct {
    TableColumnHeading heading;
    const char* printed;
    const char* exported;
  } cases[] = {
      {Heading("No."), "No.", "No."},
      {Heading("x1", "m"), "x1", "x1 (m)"},
      {Heading("dP", "kN/㎡", true), "dP kN/㎡", "dP (kN/㎡)"},
      {Heading("計算点", "", true), "計算点", "計算点"},
      {corner, "x", "R1 x (m)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PrintedHeading(c.heading), c.printed);
    EXPECT_EQ(ExportedHeading(c.heading), c.exported);
  }
}

// Two sections with columns of their own: a file gives every row the full width, each cell
// under its heading without its field's blanks, the key in front and the mark and exact values
// after; the notes follow in order, a section's after its name, and the empty ones not at all.
TEST(TableModel, AFileHoldsEveryRowUnderTheHeadingsAndTheNotesInOrder) {
  TableModel table;
  table.keyColumns = {Heading("荷重")};
  TableColumnHeading corner = Heading("x", "m");
  corner.group = "R1";
  table.columns = {Heading("No."), corner, Heading("r", "m"), Heading("q", "kN/㎡")};
  table.marked = true;
  table.exactColumns = {Heading("dP 全桁", "kN/㎡")};
  table.preamble = {"above"};
  TableSection& rectangles = table.sections.emplace_back();
  rectangles.title = "printed title";
  rectangles.name = "長方形荷重";
  rectangles.key = {" 長方形荷重 "};
  rectangles.columns = {0, 1, 3};
  rectangles.rows.push_back({{"  1", " 2.00", "－"}, "※", {"2.5"}, "closing line"});
  rectangles.notes = {"first", ""};
  TableSection& circles = table.sections.emplace_back();
  circles.key = {"円形荷重"};
  circles.columns = {0, 2, 3};
  circles.rows.push_back({{" 12", "0.50", "10.00"}, "", {""}, ""});
  circles.notes = {"second"};
  table.notes = {"under"};
  table.fileNotes = {"last"};

  const TableRows rows = ExportedRows(table);
  EXPECT_EQ(rows.headings, (std::vector<std::string>{"荷重", "No.", "R1 x (m)", "r (m)",
                                                     "q (kN/㎡)", "※", "dP 全桁 (kN/㎡)"}));
  EXPECT_EQ(rows.rows, (std::vector<std::vector<std::string>>{
                           {"長方形荷重", "1", "2.00", "", "－", "※", "2.5"},
                           {"円形荷重", "12", "", "0.50", "10.00", "", ""}}));
  EXPECT_EQ(rows.notes,
            (std::vector<std::string>{"above", "長方形荷重: first", "second", "under", "last"}));
  EXPECT_TRUE(rows.name.empty());

  // Without marks there is no mark column; without sections, no rows.
  table.marked = false;
  table.sections.clear();
  const TableRows bare = ExportedRows(table);
  EXPECT_EQ(bare.headings.size(), 6u);
  EXPECT_EQ(bare.headings.back(), "dP 全桁 (kN/㎡)");
  EXPECT_TRUE(bare.rows.empty());
  EXPECT_EQ(bare.notes, (std::vector<std::string>{"above", "under", "last"}));
}

}  // namespace
}  // namespace qel
