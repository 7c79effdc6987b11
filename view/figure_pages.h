// The print range of each figure and how its content is cut into pages side by side.
#pragma once

#include "analysis/figure_extent.h"
#include "settings/figure_range.h"
#include "view/render_context.h"

namespace qel {

// How far one page moves along x: rangeX - pageOverlap, or rangeX (at least 1) when that would
// not be positive, so that paging always advances.
int FigurePageStep(const FigureRange& range);

// trunc((extent - leftX) / step + 0.01) + 1 pages, and at least 1.
int FigurePageCount(double extent, const FigureRange& range);

// World x at the left edge of printed page `page` (1-based).
double PrintedPageLeft(const FigureRange& range, int page);

// How a figure is cut into pages on the paper. One page shows the print range cut down to what
// the paper holds at the figure's scale (the printable range across and down), so that nothing
// of a page falls beyond the paper's edge; pages side by side step by that width less the
// overlap, and a height taller than the paper holds is cut into rows that step down the same
// way. Pages run down a column of rows first, then on to the next column; with one row they are
// the side by side pages alone.
struct FigurePaging {
  FigureRange page;      // the print range with the width and height of one page, overlap >= 0
  int rows = 1;          // rows of pages down the height set
  bool rowsCut = false;  // the height set needed more rows than kMostFigurePages
};

// The most pages a figure is paged into, rows and columns together. A typo (a coordinate of
// 1e15, a left X of INT_MIN, a height of INT_MAX) would otherwise ask for millions of pages;
// 1000 pages of the standard 80 m cover 80 km.
inline constexpr int kMostFigurePages = 1000;

// The paging of `range` on paper of `paperWidthMm` x `paperHeightMm` with the given margins.
FigurePaging PageFigureOnPaper(const FigureRange& range, int paperWidthMm, int paperHeightMm,
                               int marginLeft, int marginTop);
// The paging of one problem's figure, at the document's scale and print range, on the
// printer's paper.
FigurePaging FigurePagingOf(const Document& document, const SystemSettings& settings,
                            const DeviceGeometry& geometry, Problem problem);

// How far one row moves down: the page height less the overlap, or the page height (at least
// 1) when that would not be positive.
int FigureRowStep(const FigurePaging& paging);

// The columns the content needs (FigurePageCount of one page's range) times the rows, at most
// kMostFigurePages.
int FigurePagingCount(double extent, const FigurePaging& paging);

// Where paging across stops: at `extent`, or, when the columns it needs times the rows would be
// more than kMostFigurePages, at the left edge of the last column that fits (`cut` set, as it is
// when the rows were cut).
struct PagedExtent {
  double x = 0.0;
  bool cut = false;
};
PagedExtent LimitFigureExtent(double extent, const FigurePaging& paging);

// The extent of the figure of `problem`, limited by LimitFigureExtent on the printer's paper.
PagedExtent PagedFigureExtent(const Document& document, const SystemSettings& settings,
                              const DeviceGeometry& geometry, Problem problem);

// The world rectangle a figure page shows.
struct FigureWindow {
  double left = 0.0, right = 0.0;
  double top = 0.0, bottom = 0.0;
};

// The window of the page whose left edge is at world x `left`, in row `row` (0-based).
FigureWindow FigureWindowAt(const FigurePaging& paging, double left, int row);
// The window of printed page `page` (1-based): its column and row follow from the number.
FigureWindow PrintedFigureWindow(const FigurePaging& paging, int page);

}  // namespace qel
