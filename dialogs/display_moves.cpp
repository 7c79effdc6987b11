// Where the view goes after a command of one problem confirmed its dialog.
#include "dialogs/display_moves.h"

#include "document/problem_common.h"

namespace qel {

namespace {

// The figure of `problem` from its first page, at its left X.
void ShowFigure(ViewState& view, const DocumentTables& cells, Problem problem) {
  view.displayMode = DisplayOf(problem, DisplayKind::Figure);
  view.currentPage = 1;
  view.screenLeftX = ReadFigureRange(cells, problem).leftX;
  view.screenRow = 0;
}

}  // namespace

bool MoveDisplayToProblem(ViewState& view, const DocumentTables& cells, Problem problem) {
  if (ProblemOf(view.displayMode) == problem) return false;
  ShowFigure(view, cells, problem);
  return true;
}

bool MoveDisplayToIsobars(ViewState& view, const DocumentTables& cells, Problem problem) {
  const DisplayMode shown = view.displayMode;
  if (shown == DisplayOf(problem, DisplayKind::Figure)) return false;
  // The section of the rectangle/circle problem draws its isobars too.
  if (problem == Problem::RectCircle && shown == DisplayOf(problem, DisplayKind::Depth))
    return false;
  ShowFigure(view, cells, problem);
  return true;
}

void ReturnToFirstPage(ViewState& view, const DocumentTables& cells, Problem problem) {
  view.currentPage = 1;
  view.screenLeftX = ReadFigureRange(cells, problem).leftX;
  view.screenRow = 0;
  MoveDisplayToProblem(view, cells, problem);
}

}  // namespace qel
