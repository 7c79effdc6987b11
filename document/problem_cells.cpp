// Which cells of a document belong to which problem.
#include "document/problem_cells.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace qel {

namespace {

// Whether two tables of cells are the same, cell by cell, whatever their shape.
bool SameTable(const std::string& a, const std::string& b) {
  return a == b;
}
template <class Cell, std::size_t N>
bool SameTable(const Cell (&a)[N], const Cell (&b)[N]) {
  for (std::size_t i = 0; i < N; ++i)
    if (!SameTable(a[i], b[i])) return false;
  return true;
}

// Whether setting lines first..last are the same.
bool SameLines(const DocumentTables& a, const DocumentTables& b, int first, int last) {
  return std::equal(a.settingLines + first, a.settingLines + last + 1, b.settingLines + first);
}

bool SameStripCells(const DocumentTables& a, const DocumentTables& b) {
  using namespace setting_line;
  const Problem strip = Problem::Strip;
  return SameLines(a, b, kStripScaleX, kStripRangeY) &&
         SameLines(a, b, Style(strip, kGridFromY), Style(strip, kGridStyle)) &&
         SameLines(a, b, Page(strip, kFigurePagePrefix), Page(strip, kPageTextCentered)) &&
         SameTable(a.stripLoads, b.stripLoads) && SameTable(a.stripPoints, b.stripPoints) &&
         a.figures.stripNotes == b.figures.stripNotes &&
         a.figures.stripIsobars == b.figures.stripIsobars;
}

bool SamePlanCells(const DocumentTables& a, const DocumentTables& b) {
  using namespace setting_line;
  const Problem plan = Problem::RectCircle;
  return SameLines(a, b, kRectScaleX, kRectRangeY) &&
         SameLines(a, b, Style(plan, kGridFromY), Style(plan, kGridStyle)) &&
         SameLines(a, b, Page(plan, kFigurePagePrefix), Page(plan, kPageTextCentered)) &&
         SameTable(a.rectLoads, b.rectLoads) && SameTable(a.circleLoads, b.circleLoads) &&
         SameTable(a.gridPoints, b.gridPoints) && a.figures.rectNotes == b.figures.rectNotes &&
         a.figures.planIsobars == b.figures.planIsobars &&
         a.figures.planDepth == b.figures.planDepth && a.figures.section == b.figures.section;
}

}  // namespace

bool SameLoadCells(const DocumentTables& a, const DocumentTables& b, Problem problem) {
  if (problem == Problem::Strip)
    return SameTable(a.stripLoads, b.stripLoads) && SameTable(a.stripPoints, b.stripPoints);
  return SameTable(a.rectLoads, b.rectLoads) && SameTable(a.circleLoads, b.circleLoads) &&
         SameTable(a.gridPoints, b.gridPoints);
}

bool SameStressCells(const DocumentTables& a, const DocumentTables& b, Problem problem) {
  if (problem != Problem::Strip) return SameLoadCells(a, b, problem);
  for (int set = 1; set <= kStripSets; ++set)
    for (int row = 1; row <= kStripRows; ++row)
      for (int column = strip_col::kNo; column <= strip_col::kGamma; ++column)
        if (a.stripLoads[set][row][column] != b.stripLoads[set][row][column]) return false;
  return SameTable(a.stripPoints, b.stripPoints);
}

bool SameProblemCells(const DocumentTables& a, const DocumentTables& b, Problem problem) {
  return problem == Problem::Strip ? SameStripCells(a, b) : SamePlanCells(a, b);
}

}  // namespace qel
