// Where the view goes after a command of one problem confirmed its dialog.
#pragma once

#include "document/document_tables.h"
#include "view/view_state.h"

namespace qel {

// When a display of the other problem is shown, the view moves to the figure of `problem`, at
// page 1 and at the left X of the document's print range; a display of `problem` stays as it is.
// Returns whether the display moved.
bool MoveDisplayToProblem(ViewState& view, const DocumentTables& cells, Problem problem);

// After the isobar dialog of `problem`: the view moves to the problem's figure, where the lines
// are drawn, unless that figure is shown or, for the plan, its section (which draws the plan's
// levels too). Returns whether the display moved.
bool MoveDisplayToIsobars(ViewState& view, const DocumentTables& cells, Problem problem);

// After the scales or print range of `problem` changed: the display shown goes back to its first
// page, a figure to its first row of pages at the left X, and the view moves to the figure of
// `problem` when a display of the other problem is shown.
void ReturnToFirstPage(ViewState& view, const DocumentTables& cells, Problem problem);

}  // namespace qel
