// The paging keys of the single view: the arrows, Page Up/Down, Home and End walk the pages of
// a figure (columns and rows) and of a table.
#include <cmath>

#include "view/figure_pages.h"
#include "view/view_controller.h"

namespace qel {

bool ViewController::OnKeyDown(ViewKey key) {
  ViewState& view = state_.view;
  if (view.printing) return false;
  int total = CountPages();
  if (total < view.currentPage) view.currentPage = 1;
  return IsFigure(view.displayMode) ? OnFigureKey(key, total) : OnTableKey(key, total);
}

// Figure pages: Left and Right move a page width less the overlap, over the columns of pages
// that printing gives, so that every printed page can be reached; Up and Down move between the
// rows of a page cut in rows; the next and previous page go down a column of rows first, then on
// to the next column. Page Up and Page Down themselves turn no figure page.
bool ViewController::OnFigureKey(ViewKey key, int total) {
  ViewState& view = state_.view;
  const FigurePaging paging = FigurePagingOf(state_.document, state_.settings, state_.geometry,
                                             ProblemOf(view.displayMode));
  const FigureRange& range = paging.page;
  const int step = FigurePageStep(range);
  const int rows = paging.rows;
  view.screenRow = std::clamp(view.screenRow, 0, rows - 1);
  const int columns = FigurePageCount(view.figureExtentX, range);
  // The column of pages the window's left edge stands at, as printing counts them.
  auto column = [&] {
    return static_cast<int>(std::lround((view.screenLeftX - range.leftX) / step));
  };
  auto canGoRight = [&] { return column() + 1 < columns; };
  auto canGoLeft = [&] { return std::fabs(view.screenLeftX - range.leftX) > 0.0001; };
  auto goLeft = [&] {
    view.screenLeftX -= step;
    if (view.screenLeftX < range.leftX) view.screenLeftX = range.leftX;
  };
  auto goDown = [&] {
    ++view.screenRow;
    if (view.currentPage < total) ++view.currentPage;
  };
  auto goUp = [&] {
    --view.screenRow;
    if (view.currentPage > 1) --view.currentPage;
  };
  switch (key) {
    case ViewKey::Left:
      if (canGoLeft()) goLeft();
      if (view.currentPage > rows) view.currentPage -= rows;
      return true;
    case ViewKey::Right:
      if (!canGoRight()) return false;
      view.screenLeftX += step;
      if (view.currentPage <= total - rows) view.currentPage += rows;
      return true;
    case ViewKey::Down:
      if (view.screenRow + 1 >= rows) return false;
      goDown();
      return true;
    case ViewKey::Up:
      if (view.screenRow == 0) return false;
      goUp();
      return true;
    case ViewKey::NextPage:
      if (view.screenRow + 1 < rows) {
        goDown();
        return true;
      }
      if (!canGoRight()) return false;
      view.screenLeftX += step;
      view.screenRow = 0;
      if (view.currentPage < total) ++view.currentPage;
      return true;
    case ViewKey::PreviousPage:
      if (view.screenRow > 0) {
        goUp();
        return true;
      }
      if (!canGoLeft()) return false;
      goLeft();
      view.screenRow = rows - 1;
      if (view.currentPage > 1) --view.currentPage;
      return true;
    case ViewKey::Home:
      view.screenLeftX = range.leftX;
      view.screenRow = 0;
      view.currentPage = 1;
      return true;
    case ViewKey::End:
      // The last printed page: the last column of pages, in its last row.
      view.screenLeftX = range.leftX + static_cast<double>(columns - 1) * step;
      view.screenRow = rows - 1;
      view.currentPage = std::clamp(columns * rows, 1, total);
      return true;
    default:
      return false;
  }
}

bool ViewController::OnTableKey(ViewKey key, int total) {
  ViewState& view = state_.view;
  switch (key) {
    case ViewKey::Up:
    case ViewKey::PageUp:
    case ViewKey::PreviousPage:
      if (view.currentPage > 1) --view.currentPage;
      return true;
    case ViewKey::Down:
    case ViewKey::PageDown:
    case ViewKey::NextPage:
      if (view.currentPage < total) ++view.currentPage;
      return true;
    case ViewKey::Home:
      view.currentPage = 1;
      return true;
    case ViewKey::End:
      view.currentPage = total;
      return true;
    default:
      return false;
  }
}

}  // namespace qel
