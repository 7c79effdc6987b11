// The document: fixed tables of text cells for the loads, the calculation points and the
// per-document presentation settings, plus the results grid they produce.
#pragma once

#include <string>
#include <vector>

#include "document/figure_options.h"
#include "document/shared_lines.h"

#include "settings/figure_range.h"
#include "settings/problem.h"

namespace qel {

// Limits and column numbers of the tables. Rows and columns count from 1; index 0 is unused.
inline constexpr int kStripSets = 2;
inline constexpr int kStripRows = 20;
inline constexpr int kStripColumns = 8;  // No., X1, X2, X3, X4, h, gamma, Y
inline constexpr int kStripPointRows = 10;
inline constexpr int kRectRows = 40;
inline constexpr int kRectColumns = 6;  // No., X1, Y1, X2, Y2, q
inline constexpr int kCircleRows = 40;
inline constexpr int kCircleColumns = 5;  // No., X, Y, r, q
inline constexpr int kGridRows = 12;
inline constexpr int kSettingLines = 110;

namespace strip_col {
inline constexpr int kNo = 1, kX1 = 2, kX2 = 3, kX3 = 4, kX4 = 5, kH = 6, kGamma = 7, kY = 8;
}
namespace rect_col {
inline constexpr int kNo = 1, kX1 = 2, kY1 = 3, kX2 = 4, kY2 = 5, kQ = 6;
}
namespace circle_col {
inline constexpr int kNo = 1, kX = 2, kY = 3, kR = 4, kQ = 5;
}
namespace point_col {
inline constexpr int kX = 1, kZ = 2;                      // stripPoints
inline constexpr int kGridX = 1, kGridY = 2, kGridZ = 3;  // gridPoints
}  // namespace point_col

// Setting line numbers. The title/style lines of the rectangle/circle problem are the strip
// lines + kRectStyleOffset; its page-text lines are the strip lines + kRectPageOffset.
namespace setting_line {
inline constexpr int kStripScaleX = 1, kStripScaleY = 2, kStripLeftX = 3, kStripRangeX = 4,
                     kStripPageOverlap = 5, kStripTopY = 6, kStripRangeY = 7;
inline constexpr int kRectScaleX = 8, kRectScaleY = 9, kRectLeftX = 10, kRectRangeX = 11,
                     kRectPageOverlap = 12, kRectTopY = 13, kRectRangeY = 14;
inline constexpr int kGridFromY = 21, kGridToY = 22, kGridStepY = 23;
inline constexpr int kGridFromX = 24, kGridToX = 25, kGridStepX = 26;
inline constexpr int kFigureTitle = 27, kDataTitle = 28, kResultTitle = 29;
inline constexpr int kFigureTitleTop = 31, kDataTitleTop = 32, kResultTitleTop = 33;
inline constexpr int kTitleLeft = 34, kTitleCentered = 35;
inline constexpr int kDataTitleEveryPage = 36, kResultTitleEveryPage = 37,
                     kFigureTitleEveryPage = 38;
inline constexpr int kShowCalcTrace = 39, kGridStyle = 40;
inline constexpr int kRectStyleOffset = 30;
inline constexpr int kFigurePagePrefix = 81, kFigureStartPage = 82, kFigurePageSuffix = 83;
inline constexpr int kDataPagePrefix = 84, kDataStartPage = 85, kDataPageSuffix = 86;
inline constexpr int kResultPagePrefix = 87, kResultStartPage = 88, kResultPageSuffix = 89;
inline constexpr int kPageTextTop = 90, kPageTextLeft = 91, kPageTextCentered = 92;
inline constexpr int kRectPageOffset = 13;

// The line of `problem` for a title/style line given by its strip number (21..40).
constexpr int Style(Problem problem, int stripLine) {
  return problem == Problem::Strip ? stripLine : stripLine + kRectStyleOffset;
}
// The line of `problem` for a page-text line given by its strip number (81..92).
constexpr int Page(Problem problem, int stripLine) {
  return problem == Problem::Strip ? stripLine : stripLine + kRectPageOffset;
}
}  // namespace setting_line

struct DocumentTables {
  std::string settingLines[kSettingLines + 1];
  std::string stripLoads[kStripSets + 1][kStripRows + 1][kStripColumns + 1];  // [set][row][col]
  std::string stripPoints[kStripPointRows + 1][3];                            // x, z
  std::string rectLoads[kRectRows + 1][kRectColumns + 1];
  std::string circleLoads[kCircleRows + 1][kCircleColumns + 1];
  std::string gridPoints[kGridRows + 1][4];  // x, y, z: three independent lists
  FigureOptions figures;                     // notes, isobars and section of the figures
  // The soil profile's section, its lines exactly as read (without the "$$SOIL" marker): kept
  // as text, so that a line this program cannot read is saved back unchanged and only the
  // settlement calculation, which reads them, can fail on them. Empty: the file has none.
  // Shared between the copies undo keeps, so that a step costs what it changed.
  SharedLines soilLines;
  // The settlement plates' section, their readings and the fits asked of them, kept like the
  // soil section: its lines exactly as read (without the "$$OBS" marker), so that only the
  // predictions, which read them, can fail on them. Empty: the file has none.
  SharedLines obsLines;
  // Every cell and option the same: the same content, and the same bytes when saved.
  friend bool operator==(const DocumentTables&, const DocumentTables&) = default;
};

// dP at the lattice points [x row][y row][z row] (1..12). The strip results occupy the cells
// [x row 1..10][z row 1..10][0], which the lattice never uses.
struct ResultsGrid {
  static constexpr int kSize = kGridRows + 1;
  double cells[kSize][kSize][kSize] = {};
  double& at(int x, int y, int z) { return cells[x][y][z]; }
  double at(int x, int y, int z) const { return cells[x][y][z]; }
  double& strip(int xRow, int zRow) { return cells[xRow][zRow][0]; }
  double strip(int xRow, int zRow) const { return cells[xRow][zRow][0]; }
};

// Empties every cell, settings first, then loads and points. Mirrors, system settings and
// results are left alone.
void ClearDocumentData(DocumentTables& tables);

// The scale and print range of `problem` as its setting lines read, unclamped.
FigureRange FigureRangeLines(const DocumentTables& tables, Problem problem);
// Writes the seven setting lines of `problem` as a save writes them: "%d", and "%.2f" for the
// top Y.
void WriteFigureRangeLines(DocumentTables& tables, Problem problem, const FigureRange& range);
// Writes setting lines 1..14 as a save writes them: the scales and print ranges they read as
// (ReadFigureRange, clamped). A document holds its ranges so from the moment it is read, so that
// what it holds, and draws its figures with, is what a save writes.
void NormaliseFigureRangeLines(DocumentTables& tables);

}  // namespace qel
