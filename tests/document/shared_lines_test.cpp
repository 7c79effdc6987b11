// Tests of lines shared between the copies of a document: an undo step that did not change a
// section shares it, and a changed section shares the lines that stayed.
#include "document/shared_lines.h"

#include <gtest/gtest.h>

#include "document/document.h"

namespace qel {
namespace {

TEST(SharedLines, ReadsAsItsLinesAndCopiesOnlyWhatChanges) {
  SharedLines lines = {"water=1", "layer=1"};
  const SharedLines copy = lines;
  EXPECT_EQ(copy, (std::vector<std::string>{"water=1", "layer=1"}));
  lines.push_back("times=10");
  EXPECT_EQ(copy.size(), 2u);  // the copy is not changed with it
  EXPECT_EQ(lines.ToVector(), (std::vector<std::string>{"water=1", "layer=1", "times=10"}));
  EXPECT_NE(lines, copy);
  lines = copy.ToVector();
  EXPECT_EQ(lines, copy);
  lines.clear();
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(lines, SharedLines());
}

// A long line in the soil section is held once however many steps undo keeps: a step that
// changes the title, and one that rewrites the section with one other line changed, share it.
TEST(SharedLines, UndoStepsShareTheSectionAndItsUnchangedLines) {
  DocumentTables cells;
  cells.soilLines = {std::string(2000000, 'x'), "slice=1"};
  Document document(std::move(cells));
  const std::string* big = &document.cells().soilLines[0];
  for (int step = 0; step < 100; ++step) {
    document.Change("title",
                    [step](DocumentTables& t) { t.settingLines[27] = std::to_string(step); });
    document.Change("soil", [step](DocumentTables& t) {
      std::vector<std::string> lines = t.soilLines;
      lines[1] = "slice=" + std::to_string(step + 2);
      t.soilLines = lines;
    });
    ASSERT_EQ(&document.cells().soilLines[0], big) << step;
  }
  while (document.Undo())
    ASSERT_EQ(&document.cells().soilLines[0], big);
  EXPECT_EQ(document.cells().soilLines[1], "slice=1");
}

}  // namespace
}  // namespace qel
