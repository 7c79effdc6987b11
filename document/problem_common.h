// What the two problems of a document share in shape: the scale and print range of the figure,
// the titles and grid, the page number texts and the figure options, as numbers and texts.
#pragma once

#include <string>

#include "document/document_tables.h"
#include "document/figure_options.h"
#include "settings/figure_range.h"
#include "settings/problem.h"

namespace qel {

// The three kinds of page a problem prints, each with its own title and page number text. The
// depth graphs and the section print as figures.
enum class SheetKind { Figure, Data, Results };

// The title of one kind of page.
struct DisplayTitle {
  std::string text;        // as typed
  double topMm = 0.0;      // from the paper's top edge, read as atof reads it (nan stays nan)
  bool everyPage = false;  // false: on the first page only
};

// The grid of a figure, in whole metres, as the figure draws it: each direction runs from the
// smaller bound to the larger with a positive step (a step of 0 spans the whole run, equal
// bounds take a step of 1).
struct FigureGridLines {
  int fromX = 0, toX = 0, stepX = 0;
  int fromY = 0, toY = 0, stepY = 0;
  int style = 0;             // 0 crosses, any other value lines
  bool boundsGiven = false;  // none of the four bounds is blank: only then is a grid drawn
};

// The titles, their placing and the grid of one problem.
struct ProblemStyle {
  DisplayTitle figureTitle, dataTitle, resultTitle;
  double titleLeftMm = 0.0;  // used when the titles are not centred
  bool titleCentred = false;
  FigureGridLines grid;
  bool showCalcTrace = false;  // the results tables add the influence values of each load

  const DisplayTitle& title(SheetKind kind) const;
};

// The page number text of one kind of page: prefix, number, suffix.
struct PageNumberText {
  std::string prefix, startPage, suffix;  // as typed
  // Whether the start page passes the number-start test: the pages are then numbered from
  // startNumber; otherwise every page shows prefix + startPage + suffix as typed.
  bool numbered = false;
  int startNumber = 1;  // the number of the first page (1 when not numbered)
};

// The page number texts of one problem and where they stand.
struct PageTexts {
  PageNumberText figure, data, results;
  double topMm = 0.0, leftMm = 0.0;  // read as atof reads them
  bool centred = false;

  const PageNumberText& of(SheetKind kind) const;
};

// The part of a problem that code written once for both problems reads.
struct ProblemCommon {
  FigureRange range;  // scale and print range, as the figures use them (clamped)
  ProblemStyle style;
  PageTexts pages;
  bool notes = true;      // axis values, scale note, load labels and point values
  IsobarOptions isobars;  // the strip cross-section's, or the plan's
};

// The scale and print range of `problem` from its seven setting lines: whole numbers as atoi
// reads them, the top Y as atof reads it (a value that is not finite reads as kStandardTopY),
// then the clamps every settings load applies (ClampSettings). `spare` is 0.
FigureRange ReadFigureRange(const DocumentTables& cells, Problem problem);
ProblemStyle ReadProblemStyle(const DocumentTables& cells, Problem problem);
PageTexts ReadPageTexts(const DocumentTables& cells, Problem problem);
// All of the above, with the notes and isobar options of `problem`.
ProblemCommon ReadProblemCommon(const DocumentTables& cells, Problem problem);

}  // namespace qel
