// Where the view goes after a command of one problem confirmed its dialog.
#include "dialogs/display_moves.h"

namespace qel {

namespace {

// The figure of `problem` from its first page, at its left X.
void ShowFigure(ViewState& view, const SystemSettings& settings, Problem problem) {
  view.displayMode = DisplayOf(problem, DisplayKind::Figure);
  view.currentPage = 1;
  view.screenLeftX = settings.figure(problem).leftX;
  view.screenRow = 0;
}

}  // namespace

bool MoveDisplayToProblem(ViewState& view, const SystemSettings& settings, Problem problem) {
  if (ProblemOf(view.displayMode) == problem) return false;
  ShowFigure(view, settings, problem);
  return true;
}

bool MoveDisplayToIsobars(ViewState& view, const SystemSettings& settings, Problem problem) {
  const DisplayMode shown = view.displayMode;
  if (shown == DisplayOf(problem, DisplayKind::Figure)) return false;
  // The section of the rectangle/circle problem draws its isobars too.
  if (problem == Problem::RectCircle && shown == DisplayOf(problem, DisplayKind::Depth))
    return false;
  ShowFigure(view, settings, problem);
  return true;
}

void ReturnToFirstPage(ViewState& view, const SystemSettings& settings, Problem problem) {
  view.currentPage = 1;
  view.screenLeftX = settings.figure(problem).leftX;
  view.screenRow = 0;
  MoveDisplayToProblem(view, settings, problem);
}

}  // namespace qel
