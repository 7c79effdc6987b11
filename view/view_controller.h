// The logic of the single view, without a window: which display is shown and which page, the
// printer's page geometry, painting and printing through the renderers of the table of
// displays, page counts and the paging keys.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "view/application_state.h"
#include "view/display_table.h"

namespace qel {

class PrinterInfo;
class DeviceContext;

// The paging keys. NextPage and PreviousPage turn to the page after or before the one shown, in
// the order the pages print: the screen uses them for Page Down and Page Up once it has
// scrolled to the page's edge. Home and End go to the first and the last page.
enum class ViewKey {
  Left,
  Right,
  Up,
  Down,
  PageUp,
  PageDown,
  Home,
  End,
  NextPage,
  PreviousPage,
  Other
};

// What the page shown depends on that the view can tell without drawing it: two equal keys show
// the same page when the settings and fonts are unchanged. A preparation of the page is skipped
// when its key is the one last prepared; the paint still finds anything else that changed.
struct ShownPageKey {
  std::uint64_t documentRevision = 0;
  DisplayMode display = DisplayMode::StripFigure;
  int page = 1;
  DisplayZoom zoom;
  double screenLeftX = 0.0;
  int screenRow = 0;
  int dpiX = 0, dpiY = 0;
  CircleMethod circles = CircleMethod::kExact;

  bool operator==(const ShownPageKey&) const = default;
};

struct ScrollSizes {
  int total = 0;  // width and height, pixels
  int page = 0;
  int line = 0;
};

class ViewController {
 public:
  ViewController(ApplicationState& state, PrinterInfo& printer);

  // After the document was replaced: puts the strip figure back to its left X and reads the
  // printer's page (ReadDeviceGeometry, whose result it returns).
  bool OnUpdate();
  // The printer's page size. False when the printer gave a page without a resolution: the pages
  // are then laid out on 280 × 280 mm, and the caller tells the user (kDeviceInfoErrorText).
  bool ReadDeviceGeometry();
  // After a document was opened or made new: the first figure with content is shown (the strip
  // figure, else the rectangle/circle figure; the strip figure when neither has any), at page 1
  // and the figure's left X.
  void ShowDocumentStart();

  // Paints page currentPage of the current display on the screen, then its page number, at the
  // display's zoom: the page is laid out at the device's resolution and drawn at that
  // resolution times the zoom, fonts included. Returns whether the window must now tell the
  // user that a text font could not be made (after the paint, never inside it): this paint
  // failed to make one and the paint before made all of its fonts. A window that keeps
  // repainting with the same fonts tells it once; fonts that can be made again rearm it.
  bool OnDraw(DeviceContext& dc);
  // Draws page `page` of the current display for paper: the same painting, laid out with the
  // printing flag, the page and the device's resolution on copies of the view's state, so
  // that nothing of it reaches what the screen shows.
  void PrintPage(DeviceContext& dc, int page);
  // The same for page `page` of display `display`, whichever display is shown; a `number`
  // other than 0 is the page number it shows in place of its own.
  void PrintPage(DeviceContext& dc, DisplayMode display, int page, long number = 0);
  // The text fonts the pages drawn for paper could not make since the last call, which starts
  // the count again: a printing command or qel-cli tells the user once per job when it is not 0.
  int TakePaperFontFailures();

  // Pages of the current display; a current page beyond them goes back to 1.
  int CountPages();
  // Works out what painting the current page on a screen of this resolution will need (its
  // results, table lines and isobars), so that the paint finds them made. Isobars kept for
  // pages prepared for paper beyond the usual number go.
  // Does nothing when the page's key (ShownPage) is the one last prepared; returns whether it
  // prepared.
  bool PrepareShownPage(int dpiX, int dpiY);
  // The key of the page shown on a screen of this resolution.
  ShownPageKey ShownPage(int dpiX, int dpiY) const;
  // The same for page `page` of display `display` as PrintPage draws it on a device of this
  // resolution. PreparePages (view/report.h) prepares every page of a job with it, so that the
  // job's drawing computes nothing while pages go to the printer or its preview paints.
  void PreparePrintedPage(DisplayMode display, int page, int dpiX, int dpiY, long number = 0);
  // Pages of the current display as they will come out on a device of this resolution, laid
  // out for paper on copies of the view's state.
  int CountPrintedPages(int dpiX, int dpiY);
  // The same for display `display`, whichever display is shown.
  int CountPrintedPages(DisplayMode display, int dpiX, int dpiY);

  // What the status bar (or standard error) says about the current display: that the figure
  // is paged only up to kMostFigurePages pages, or nothing.
  std::string FigureNotice() const;

  // A paging key; true when the view must repaint.
  bool OnKeyDown(ViewKey key);

  // Shows `display` from its page 1; a figure from its left X and top.
  void ShowDisplay(DisplayMode display);
  // The view menu's command of display number `number` (1..kDisplayNumbers): ShowDisplay of
  // its row. Of a number both problems share, the row of the problem shown, unless only the
  // other problem's display of that number has content.
  void ShowDisplayNumber(int number);
  // Whether the view menu's item of display number `number` carries a check mark.
  bool IsDisplayNumberShown(int number) const;
  // The tool bar's kind buttons: the shown problem's display of `kind`, from its page 1 when it
  // is another display; a figure keeps its position.
  void ShowKind(DisplayKind kind);

  // The scroll area for a screen `screenWidth` pixels wide.
  static ScrollSizes ScrollSizesFor(int screenWidth);

  ApplicationState& state() { return state_; }

 private:
  // What one page on paper is laid out with: copies of the screen's view state, geometry and
  // transform, set for printing page `page` on a device of the given resolution.
  struct PaperPage {
    ViewState view;
    DeviceGeometry geometry;
    WorldTransform transform;
  };
  PaperPage PaperPageFor(DisplayMode display, int page, int dpiX, int dpiY) const;
  RenderContext ContextOn(ViewState& view, DeviceGeometry& geometry, WorldTransform& transform,
                          DrawingShortfalls& shortfalls);
  // The painting and the page count shared by the screen and paper.
  void Paint(DeviceContext& dc, ViewState& view, DeviceGeometry& geometry,
             WorldTransform& transform, double zoom, DrawingShortfalls& shortfalls);
  int PageCount(ViewState& view, DeviceGeometry& geometry, WorldTransform& transform);
  // The problem whose display of number `number` ShowDisplayNumber shows.
  Problem ProblemShownByNumber(int number) const;
  bool OnFigureKey(ViewKey key, int total);
  bool OnTableKey(ViewKey key, int total);

  ApplicationState& state_;
  PrinterInfo& printer_;
  bool screenFontsFailing_ = false;           // the last screen paint failed to make a font
  DrawingShortfalls paper_;                   // of the pages drawn for paper since the last take
  std::optional<ShownPageKey> preparedPage_;  // the page PrepareShownPage prepared last
};

}  // namespace qel
