// Clearing the document tables, and reading and writing their scale and print-range lines.
#include "document/document_tables.h"

#include "base/c_locale.h"
#include "document/problem_common.h"

namespace qel {

void ClearDocumentData(DocumentTables& t) {
  for (int line = 1; line <= kSettingLines; ++line)
    t.settingLines[line].clear();
  for (int set = 1; set <= kStripSets; ++set)
    for (int row = 1; row <= kStripRows; ++row)
      for (int col = 1; col <= kStripColumns; ++col)
        t.stripLoads[set][row][col].clear();
  for (int row = 1; row <= kRectRows; ++row)
    for (int col = 1; col <= kRectColumns; ++col)
      t.rectLoads[row][col].clear();
  for (int row = 1; row <= kCircleRows; ++row)
    for (int col = 1; col <= kCircleColumns; ++col)
      t.circleLoads[row][col].clear();
  for (int row = 1; row <= kStripPointRows; ++row)
    for (int col = 1; col <= 2; ++col)
      t.stripPoints[row][col].clear();
  for (int row = 1; row <= kGridRows; ++row)
    for (int col = 1; col <= 3; ++col)
      t.gridPoints[row][col].clear();
  t.figures = FigureOptions{};
  t.soilLines.clear();
  t.obsLines.clear();
}

namespace {

// The first of the seven setting lines that hold a problem's scale and print range: scale X,
// scale Y, left X, range X, overlap, top Y and range Y, in that order.
int FirstFigureLine(Problem problem) {
  return problem == Problem::Strip ? setting_line::kStripScaleX : setting_line::kRectScaleX;
}

}  // namespace

FigureRange FigureRangeLines(const DocumentTables& t, Problem problem) {
  const std::string* lines = t.settingLines + FirstFigureLine(problem);
  FigureRange range;
  range.scaleX = ToInt(lines[0]);
  range.scaleY = ToInt(lines[1]);
  range.leftX = ToInt(lines[2]);
  range.rangeX = ToInt(lines[3]);
  range.pageOverlap = ToInt(lines[4]);
  range.topY = ToFiniteDouble(lines[5], kStandardTopY);
  range.rangeY = ToInt(lines[6]);
  return range;
}

void WriteFigureRangeLines(DocumentTables& t, Problem problem, const FigureRange& range) {
  std::string* lines = t.settingLines + FirstFigureLine(problem);
  lines[0] = FormatC("%d", range.scaleX);
  lines[1] = FormatC("%d", range.scaleY);
  lines[2] = FormatC("%d", range.leftX);
  lines[3] = FormatC("%d", range.rangeX);
  lines[4] = FormatC("%d", range.pageOverlap);
  lines[5] = FormatC("%.2f", range.topY);
  lines[6] = FormatC("%d", range.rangeY);
}

void NormaliseFigureRangeLines(DocumentTables& t) {
  for (Problem problem : {Problem::Strip, Problem::RectCircle})
    WriteFigureRangeLines(t, problem, ReadFigureRange(t, problem));
}

}  // namespace qel
