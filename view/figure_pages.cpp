// The print range of each figure and how its content is cut into pages.
#include "view/figure_pages.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/c_locale.h"
#include "document/problem_common.h"
#include "settings/number_format.h"
#include "view/page_furniture.h"

namespace qel {

int FigurePageStep(const FigureRange& range) {
  long long step = static_cast<long long>(range.rangeX) - range.pageOverlap;
  if (step > 0 && step <= std::numeric_limits<int>::max()) return static_cast<int>(step);
  return std::max(range.rangeX, 1);
}

int FigurePageCount(double extent, const FigureRange& range) {
  double pages = std::trunc((extent - range.leftX) / FigurePageStep(range) + 0.01) + 1;
  if (!(pages >= 1)) return 1;  // content left of the first page, or NaN
  if (pages > 100000) return 100000;
  return static_cast<int>(pages);
}

double PrintedPageLeft(const FigureRange& range, int page) {
  return range.leftX + static_cast<double>(page - 1) * FigurePageStep(range);
}

namespace {

// Whole metres of the model the paper holds, at least 1 so that a page always shows something.
int HeldMetres(int printableRange) {
  return std::max(printableRange, 1);
}

}  // namespace

FigurePaging PageFigureOnPaper(const FigureRange& range, int paperWidthMm, int paperHeightMm,
                               int marginLeft, int marginTop) {
  FigurePaging paging;
  paging.page = range;
  // A negative overlap would leave a strip between two pages that no page prints.
  paging.page.pageOverlap = std::max(range.pageOverlap, 0);
  const int heldX = HeldMetres(PrintableRangeX(range.scaleX, paperWidthMm, marginLeft));
  const int heldY = HeldMetres(PrintableRangeY(range.scaleY, paperHeightMm, marginTop));
  paging.page.rangeX = std::min(range.rangeX, heldX);
  if (range.rangeY > heldY) {
    paging.page.rangeY = heldY;
    const long long step = FigureRowStep(paging);
    const long long rest = static_cast<long long>(range.rangeY) - heldY;
    const long long rows = (rest + step - 1) / step + 1;
    paging.rows = static_cast<int>(std::min<long long>(rows, kMostFigurePages));
    paging.rowsCut = rows > kMostFigurePages;
  }
  return paging;
}

FigurePaging FigurePagingOf(const Document& document, const SystemSettings& settings,
                            const DeviceGeometry& geometry, Problem problem) {
  return PageFigureOnPaper(document.problem(problem).range, geometry.paperWidthMm,
                           geometry.paperHeightMm, settings.marginLeft, settings.marginTop);
}

int FigureRowStep(const FigurePaging& paging) {
  long long step = static_cast<long long>(paging.page.rangeY) - paging.page.pageOverlap;
  if (step > 0 && step <= std::numeric_limits<int>::max()) return static_cast<int>(step);
  return std::max(paging.page.rangeY, 1);
}

int FigurePagingCount(double extent, const FigurePaging& paging) {
  const long long pages =
      static_cast<long long>(FigurePageCount(extent, paging.page)) * paging.rows;
  return static_cast<int>(std::min<long long>(pages, kMostFigurePages));
}

FigureWindow FigureWindowAt(const FigurePaging& paging, double left, int row) {
  const FigureRange& page = paging.page;
  FigureWindow window;
  window.left = left;
  window.right = left + page.rangeX;
  window.top =
      page.topY - static_cast<double>(std::clamp(row, 0, paging.rows - 1)) * FigureRowStep(paging);
  window.bottom = window.top - page.rangeY;
  return window;
}

FigureWindow PrintedFigureWindow(const FigurePaging& paging, int page) {
  const int index = std::max(page, 1) - 1;
  return FigureWindowAt(paging, PrintedPageLeft(paging.page, index / paging.rows + 1),
                        index % paging.rows);
}

PagedExtent LimitFigureExtent(double extent, const FigurePaging& paging) {
  const FigureRange& page = paging.page;
  const int columns = std::max(kMostFigurePages / std::max(paging.rows, 1), 1);
  const double step = FigurePageStep(page);
  // The same page arithmetic as FigurePageCount, without its own limit.
  if (std::trunc((extent - page.leftX) / step + 0.01) + 1 > columns)
    return {page.leftX + (columns - 1) * step, true};
  return {extent, paging.rowsCut};
}

PagedExtent PagedFigureExtent(const Document& document, const SystemSettings& settings,
                              const DeviceGeometry& geometry, Problem problem) {
  const double extent = problem == Problem::Strip
                            ? StripFigureExtent(document.strip(), settings)
                            : RectCircleFigureExtent(document.plan(), settings);
  return LimitFigureExtent(extent, FigurePagingOf(document, settings, geometry, problem));
}

}  // namespace qel
