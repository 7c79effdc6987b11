// The page in the view window: placement, scrolling and the paging keys on screen.
#include "view/page_view.h"

#include <algorithm>
#include <cmath>

namespace qel {

namespace {

// The offset of the page's edge along one direction: the margin, plus half the room left when
// the page and its margins are smaller than the window.
int Offset(int page, int margin, int window) {
  return margin + std::max(0, (window - (page + 2 * margin)) / 2);
}

// Where the view's current page and position stand, to tell whether a key moved them.
struct Position {
  int page;
  int row;
  double left;
  bool operator==(const Position&) const = default;
};

Position PositionOf(const ViewState& view) {
  return {view.currentPage, view.screenRow, view.screenLeftX};
}

// The page coordinate under the window's centre along one direction, and the scroll that puts
// the same fraction of the page there again.
int KeepCentre(int beforePage, int beforeOffset, int scroll, int window, int afterPage,
               int afterOffset, int maxScroll) {
  if (beforePage <= 0) return 0;
  const double centre = scroll + window / 2.0 - beforeOffset;  // page pixels at `before`
  const double fraction = centre / beforePage;
  const double target = fraction * afterPage + afterOffset - window / 2.0;
  return std::clamp(static_cast<int>(std::lround(target)), 0, maxScroll);
}

}  // namespace

int PageView::MaxScrollX() const {
  return std::max(0, pageWidth + 2 * margin - windowWidth);
}

int PageView::MaxScrollY() const {
  return std::max(0, pageHeight + 2 * margin - windowHeight);
}

int PageView::PageLeft(int scrollX) const {
  return Offset(pageWidth, margin, windowWidth) - scrollX;
}

int PageView::PageTop(int scrollY) const {
  return Offset(pageHeight, margin, windowHeight) - scrollY;
}

PageView PageViewOf(int paperWidthMm, int paperHeightMm, int dpiX, int dpiY, int margin,
                    int windowWidth, int windowHeight) {
  return {PaperPixels(paperWidthMm, dpiX), PaperPixels(paperHeightMm, dpiY), margin, windowWidth,
          windowHeight};
}

ScrollPosition ScrollKeepingCentre(const PageView& before, ScrollPosition scroll,
                                   const PageView& after) {
  return {KeepCentre(before.pageWidth, before.PageLeft(0), scroll.x, before.windowWidth,
                     after.pageWidth, after.PageLeft(0), after.MaxScrollX()),
          KeepCentre(before.pageHeight, before.PageTop(0), scroll.y, before.windowHeight,
                     after.pageHeight, after.PageTop(0), after.MaxScrollY())};
}

PagingKeyResult PressPagingKey(ViewController& controller, ViewKey key,
                               const VerticalScroll& scroll) {
  const int step = std::max(1, scroll.pageStep);
  if (key == ViewKey::PageDown && scroll.value < scroll.maximum)
    return {std::min(scroll.maximum, scroll.value + step), false};
  if (key == ViewKey::PageUp && scroll.value > 0) return {std::max(0, scroll.value - step), false};

  ViewKey turn = key;
  if (key == ViewKey::PageDown) turn = ViewKey::NextPage;
  if (key == ViewKey::PageUp) turn = ViewKey::PreviousPage;
  const Position before = PositionOf(controller.state().view);
  const bool repaint = controller.OnKeyDown(turn);
  const Position after = PositionOf(controller.state().view);
  if (turn == ViewKey::Home || turn == ViewKey::End) return {0, true};
  if (before == after) return {scroll.value, repaint};
  if (turn == ViewKey::PreviousPage) return {scroll.maximum, true};
  if (turn == ViewKey::Left || turn == ViewKey::Right) return {scroll.value, true};
  return {0, true};
}

}  // namespace qel
