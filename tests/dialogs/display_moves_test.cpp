// Where the view goes after a command of one problem was confirmed.
#include "dialogs/display_moves.h"

#include <gtest/gtest.h>

#include "support/figure_range_edit.h"

namespace qel {
namespace {

struct MoveCase {
  DisplayMode shown;
  Problem problem;
  DisplayMode after;
  bool moved;
};

class DisplayMoveTest : public ::testing::TestWithParam<MoveCase> {};

TEST_P(DisplayMoveTest, OnlyTheOtherProblemsDisplaysMoveToThisProblemsFigure) {
  const MoveCase& c = GetParam();
  DocumentTables cells;
  test::ChangeFigureRange(cells, Problem::Strip, [](FigureRange& range) { range.leftX = -5; });
  test::ChangeFigureRange(cells, Problem::RectCircle, [](FigureRange& range) { range.leftX = 7; });
  ViewState view;
  view.displayMode = c.shown;
  view.currentPage = 3;
  view.screenLeftX = 40;
  view.screenRow = 2;
  EXPECT_EQ(MoveDisplayToProblem(view, cells, c.problem), c.moved);
  EXPECT_EQ(view.screenRow, c.moved ? 0 : 2);  // the figure's first row
  EXPECT_EQ(view.displayMode, c.after);
  EXPECT_EQ(view.currentPage, c.moved ? 1 : 3);
  EXPECT_EQ(view.screenLeftX, c.moved ? (c.problem == Problem::Strip ? -5 : 7) : 40);
}

INSTANTIATE_TEST_SUITE_P(
    AllDisplays, DisplayMoveTest,
    ::testing::Values(
        MoveCase{DisplayMode::StripData, Problem::Strip, DisplayMode::StripData, false},
        MoveCase{DisplayMode::RectCircleFigure, Problem::Strip, DisplayMode::StripFigure, true},
        MoveCase{DisplayMode::RectCircleResults, Problem::Strip, DisplayMode::StripFigure, true},
        MoveCase{DisplayMode::StripResults, Problem::RectCircle, DisplayMode::RectCircleFigure,
                 true},
        MoveCase{DisplayMode::RectCircleData, Problem::RectCircle, DisplayMode::RectCircleData,
                 false}));

}  // namespace
}  // namespace qel
