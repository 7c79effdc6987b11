// The page in the view window: where the page at its zoom lies in the window, how the window
// scrolls over it, and what the paging keys do on screen, where a page can be taller than the
// window.
#pragma once

#include "view/view_controller.h"

namespace qel {

// The page at a zoom in a window of a given size. The scroll area is the page and a blank
// margin around it, so scrolling stops at the page's edge; a page narrower or lower than the
// window is centred in it.
struct PageView {
  int pageWidth = 0, pageHeight = 0;  // pixels
  int margin = 0;
  int windowWidth = 0, windowHeight = 0;

  int MaxScrollX() const;
  int MaxScrollY() const;
  // The window position of the page's top-left corner at scroll position (scrollX, scrollY).
  int PageLeft(int scrollX) const;
  int PageTop(int scrollY) const;
};

// The page of `paperWidthMm` x `paperHeightMm` at the resolution the screen paints at.
PageView PageViewOf(int paperWidthMm, int paperHeightMm, int dpiX, int dpiY, int margin,
                    int windowWidth, int windowHeight);

struct ScrollPosition {
  int x = 0, y = 0;
  bool operator==(const ScrollPosition&) const = default;
};

// The scroll position after the page changed from `before` to `after` (a zoom, a resized
// window) that keeps the point of the page under the window's centre there, within the scroll
// ranges of `after`.
ScrollPosition ScrollKeepingCentre(const PageView& before, ScrollPosition scroll,
                                   const PageView& after);

// The vertical scroll bar of the view.
struct VerticalScroll {
  int value = 0;
  int maximum = 0;
  int pageStep = 0;
};

struct PagingKeyResult {
  int scroll = 0;        // the vertical scroll position to show
  bool repaint = false;  // the page or the display's position changed
};

// A paging key on screen. Page Down scrolls down by a window's height while the page goes on
// below the window, and only at the page's bottom turns to the next page, shown from its top;
// Page Up scrolls up, and at the top turns to the previous page, shown from its bottom. So no
// line of a page taller than the window is ever skipped. Home and End go to the first and the
// last page, shown from the top. The other keys go to the controller as they are; a page they
// turn up or down is shown from its top, while Left and Right keep the height shown.
PagingKeyResult PressPagingKey(ViewController& controller, ViewKey key,
                               const VerticalScroll& scroll);

}  // namespace qel
