// Where the view goes after a command of one problem confirmed its dialog.
#include "dialogs/display_moves.h"

namespace qel {

bool MoveDisplayToProblem(ViewState& view, const SystemSettings& settings, Problem problem) {
  if (ProblemOf(view.displayMode) == problem) return false;
  view.displayMode = DisplayOf(problem, DisplayKind::Figure);
  view.currentPage = 1;
  view.screenLeftX = settings.figure(problem).leftX;
  view.screenRow = 0;
  return true;
}

void ReturnToFirstPage(ViewState& view, const SystemSettings& settings, Problem problem) {
  view.currentPage = 1;
  view.screenLeftX = settings.figure(problem).leftX;
  view.screenRow = 0;
  MoveDisplayToProblem(view, settings, problem);
}

}  // namespace qel
