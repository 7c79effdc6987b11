// A test's scale and print range of one problem, set in its document's cells as the scale dialog
// stores them (the seven setting lines as a save writes them).
#pragma once

#include "document/document_tables.h"
#include "document/problem_common.h"
#include "support/cells_edit.h"

namespace qel::test {

inline void SetFigureRange(DocumentTables& cells, Problem problem, const FigureRange& range) {
  WriteFigureRangeLines(cells, problem, range);
}

inline void SetFigureRange(ApplicationState& state, Problem problem, const FigureRange& range) {
  SetFigureRange(*Edit(state), problem, range);
}

// Some values of the range the cells hold changed, the others kept:
// ChangeFigureRange(state, Problem::Strip, [](FigureRange& r) { r.rangeX = 20; });
template <typename Change>
void ChangeFigureRange(DocumentTables& cells, Problem problem, Change change) {
  FigureRange range = ReadFigureRange(cells, problem);
  change(range);
  WriteFigureRangeLines(cells, problem, range);
}

template <typename Change>
void ChangeFigureRange(ApplicationState& state, Problem problem, Change change) {
  ChangeFigureRange(*Edit(state), problem, change);
}

// The range the figures of the state's document are drawn with.
inline FigureRange RangeOf(const ApplicationState& state, Problem problem) {
  return ReadFigureRange(state.document.cells(), problem);
}

}  // namespace qel::test
