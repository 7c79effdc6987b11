// Undo and redo without a window: the menu items name the step, and the steps take the content
// and the ranges the figures are drawn with back and forth together.
#include "app/undo_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/data_file.h"
#include "support/figure_range_edit.h"
#include "support/test_files.h"

namespace qel {
namespace {

TEST(UndoCommands, ItemsNameTheStepTheyWouldTakeOrShowTheBareCommand) {
  struct Case {
    const char* name;
    int changes, undos;
    HistoryItem undo, redo;
  };
  const Case cases[] = {
      {"nothing done", 0, 0, {false, "元に戻す"}, {false, "やり直し"}},
      {"one change", 1, 0, {true, "元に戻す: 荷重 1"}, {false, "やり直し"}},
      {"two changes", 2, 0, {true, "元に戻す: 荷重 2"}, {false, "やり直し"}},
      {"one undone", 2, 1, {true, "元に戻す: 荷重 1"}, {true, "やり直し: 荷重 2"}},
      {"all undone", 2, 2, {false, "元に戻す"}, {true, "やり直し: 荷重 1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ApplicationState state;
    for (int i = 1; i <= c.changes; ++i)
      state.document.Change("荷重 " + std::to_string(i), [i](DocumentTables& cells) {
        cells.stripLoads[1][1][strip_col::kNo] = std::to_string(i);
      });
    for (int i = 0; i < c.undos; ++i)
      ASSERT_TRUE(UndoDocumentStep(state));
    for (const auto& [shown, expected] : {std::pair{UndoItem(state.document), c.undo},
                                          std::pair{RedoItem(state.document), c.redo}}) {
      EXPECT_EQ(shown.enabled, expected.enabled) << expected.text;
      EXPECT_EQ(shown.text, expected.text);
    }
  }
}

// A hundred steps that change cells and ranges by turns, as the dialogs and the scale commands
// make them, taken back to the file as opened and forward again.
TEST(UndoCommands, AHundredStepsBackAndForthRestoreTheCellsAndTheRangesShown) {
  ApplicationState state;
  ASSERT_EQ(OpenDataFile(std::string(QEL_SOURCE_DIR) + "/examples/embankment.qdw", state.document),
            ReadStatus::Ok);
  const DocumentTables opened = state.document.cells();
  const FigureRange openedRange = test::RangeOf(state, Problem::Strip);
  for (int step = 1; step <= 100; ++step) {
    if (step % 2 == 0) {
      state.document.Change("縮尺", [step](DocumentTables& cells) {
        test::ChangeFigureRange(cells, Problem::Strip,
                                [step](FigureRange& range) { range.scaleX = 100 + step; });
      });
    } else {
      state.document.Change("計算点", [step](DocumentTables& cells) {
        cells.stripPoints[1][point_col::kX] = std::to_string(step);
      });
    }
  }
  const DocumentTables last = state.document.cells();
  ASSERT_EQ(state.document.undoSteps(), 100u);

  for (int step = 0; step < 100; ++step)
    ASSERT_TRUE(UndoDocumentStep(state)) << step;
  EXPECT_FALSE(UndoDocumentStep(state));
  EXPECT_TRUE(state.document.cells() == opened);
  EXPECT_EQ(test::RangeOf(state, Problem::Strip).scaleX, openedRange.scaleX);
  EXPECT_EQ(test::RangeOf(state, Problem::Strip).topY, openedRange.topY);
  EXPECT_FALSE(state.document.IsModified());

  for (int step = 0; step < 100; ++step)
    ASSERT_TRUE(RedoDocumentStep(state)) << step;
  EXPECT_FALSE(RedoDocumentStep(state));
  EXPECT_TRUE(state.document.cells() == last);
  EXPECT_EQ(test::RangeOf(state, Problem::Strip).scaleX, 200);
  EXPECT_TRUE(state.document.IsModified());
}

// A top Y with more decimals than a save writes is held as a save writes it from the moment the
// file is opened: the figures are drawn with that, before and after an undo back to the file.
TEST(UndoCommands, ATopYWithMoreDecimalsIsHeldAndDrawnWithTwoThroughUndo) {
  test::TempFolder folder;
  std::string bytes = test::ReadBytes(std::string(QEL_SOURCE_DIR) + "/examples/embankment.qdw");
  const std::string typed = "\r\n10.00\r\n";  // the strip figure's top Y
  ASSERT_NE(bytes.find(typed), std::string::npos);
  bytes.replace(bytes.find(typed), typed.size(), "\r\n10.127\r\n");
  test::WriteBytes(folder.File("top.qdw"), bytes);
  ApplicationState state;
  ASSERT_EQ(OpenDataFile(folder.File("top.qdw"), state.document), ReadStatus::Ok);
  EXPECT_EQ(state.document.cells().settingLines[setting_line::kStripTopY], "10.13");
  EXPECT_EQ(test::RangeOf(state, Problem::Strip).topY, 10.13);
  state.document.Change("計算点", [](DocumentTables& cells) { cells.stripPoints[1][1] = "3"; });
  ASSERT_TRUE(UndoDocumentStep(state));
  EXPECT_EQ(test::RangeOf(state, Problem::Strip).topY, 10.13);
}

}  // namespace
}  // namespace qel
