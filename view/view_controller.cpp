// The logic of the single view: displays, page geometry, painting and printing; its paging keys
// are in view_controller_keys.cpp.
#include "view/view_controller.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

#include "base/c_locale.h"
#include "document/problem_common.h"
#include "platform/messages.h"
#include "platform/paper_units.h"
#include "platform/printer_info.h"
#include "settings/number_format.h"
#include "view/figure_pages.h"
#include "view/null_device_context.h"
#include "view/page_furniture.h"
#include "view/renderers.h"
#include "view/report.h"

namespace qel {

namespace {

constexpr double kPixelsPerMmAt96Dpi = 3.779527559055118;
// The resolution at which line widths and mark sizes are set: one pixel of a 96 dpi screen.
constexpr double kScreenPixelDpi = 96.0;

// The device's resolution, in the geometry and in the millimetre and pixel scales of the
// transform.
void UseResolution(DeviceGeometry& g, WorldTransform& t, int dpiX, int dpiY) {
  g.dpiX = dpiX;
  g.dpiY = dpiY;
  g.pixelsPerMmX = dpiX * kInchesPerMm;
  g.pixelsPerMmY = dpiY * kInchesPerMm;
  t.pixelsPerMmX = g.pixelsPerMmX;
  t.pixelsPerMmY = g.pixelsPerMmY;
  t.pixelScale = std::max(dpiX, dpiY) / kScreenPixelDpi;
}

}  // namespace

ViewController::ViewController(ApplicationState& state, PrinterInfo& printer)
    : state_(state), printer_(printer) {}

bool ViewController::OnUpdate() {
  state_.view.screenLeftX = state_.document.problem(Problem::Strip).range.leftX;
  state_.view.screenRow = 0;
  return ReadDeviceGeometry();
}

void ViewController::ShowDocumentStart() {
  const DisplayMode stripFigure = DisplayOf(Problem::Strip, DisplayKind::Figure);
  const DisplayMode planFigure = DisplayOf(Problem::RectCircle, DisplayKind::Figure);
  const bool planOnly = !DisplayHasContent(state_.document, stripFigure) &&
                        DisplayHasContent(state_.document, planFigure);
  ShowDisplay(planOnly ? planFigure : stripFigure);
}

bool ViewController::ReadDeviceGeometry() {
  std::optional<PrinterPage> page = printer_.DefaultPrinterPage();
  if (!page) return true;
  DeviceGeometry& g = state_.geometry;
  if (page->dpiX <= 0 || page->dpiY <= 0) {
    g.paperWidthMm = 280;
    g.paperHeightMm = 280;
    return false;
  }
  g.paperWidthMm = static_cast<int>(page->pageWidthPixels * kMillimetresPerInch / page->dpiX);
  g.paperHeightMm = static_cast<int>(page->pageHeightPixels * kMillimetresPerInch / page->dpiY);
  return true;
}

RenderContext ViewController::ContextOn(ViewState& view, DeviceGeometry& geometry,
                                        WorldTransform& transform, DrawingShortfalls& shortfalls) {
  return RenderContext{
      state_.document, state_.results, state_.circleMethod, state_.settings, state_.fonts, view,
      geometry,        transform,      shortfalls,          state_.caches};
}

ViewController::PaperPage ViewController::PaperPageFor(DisplayMode display, int page, int dpiX,
                                                       int dpiY) const {
  PaperPage paper{state_.view, state_.geometry, state_.transform};
  paper.view.displayMode = display;
  paper.view.printing = true;
  paper.view.currentPage = page;
  UseResolution(paper.geometry, paper.transform, dpiX, dpiY);
  paper.geometry.layoutDpiY = dpiY;
  return paper;
}

void ViewController::Paint(DeviceContext& dc, ViewState& view, DeviceGeometry& g, WorldTransform& t,
                           double zoom, DrawingShortfalls& shortfalls) {
  const SystemSettings& s = state_.settings;
  t.marginLeft = s.marginLeft;
  t.marginTop = s.marginTop;
  UseResolution(g, t, ZoomedDpi(dc.LogPixelsX(), zoom), ZoomedDpi(dc.LogPixelsY(), zoom));
  g.layoutDpiY = dc.LogPixelsY();
  dc.SetWindowOrigin(0, 0);
  dc.SetTransparentBackground();

  RenderContext ctx = ContextOn(view, g, t, shortfalls);
  const DisplayRow& row = DisplayRowOf(view.displayMode);
  if (row.kind == DisplayKind::Figure) {
    const FigureRange range = ctx.document.problem(row.problem).range;
    t.pixelsPerMetreX = 1000.0 / range.scaleX * g.pixelsPerMmX;
    t.pixelsPerMetreY = 1000.0 / range.scaleY * g.pixelsPerMmY;
  }
  row.render(ctx, &dc, true);
  DrawDisplayPageNumber(dc, ctx, row.problem, row.kind);
  // The pages of the rectangle/circle problem's results say how circles were computed.
  if (row.problem == Problem::RectCircle &&
      (row.kind == DisplayKind::Results || row.kind == DisplayKind::Depth))
    DrawCircleMethodNote(dc, ctx);
}

int ViewController::PageCount(ViewState& view, DeviceGeometry& geometry,
                              WorldTransform& transform) {
  DrawingShortfalls nothingDrawn;
  RenderContext ctx = ContextOn(view, geometry, transform, nothingDrawn);
  const int pages = DisplayRowOf(view.displayMode).render(ctx, nullptr, false);
  if (pages < view.currentPage) view.currentPage = 1;
  return pages;
}

bool ViewController::OnDraw(DeviceContext& dc) {
  DrawingShortfalls shortfalls;
  Paint(dc, state_.view, state_.geometry, state_.transform,
        ZoomOf(state_.view, state_.view.displayMode).factor, shortfalls);
  const bool failing = shortfalls.fontsNotMade > 0;
  const bool tell = failing && !screenFontsFailing_;
  screenFontsFailing_ = failing;
  return tell;
}

void ViewController::PrintPage(DeviceContext& dc, int page) {
  PrintPage(dc, state_.view.displayMode, page);
}

void ViewController::PrintPage(DeviceContext& dc, DisplayMode display, int page, long number) {
  PaperPage paper = PaperPageFor(display, page, dc.LogPixelsX(), dc.LogPixelsY());
  paper.view.printedPageNumber = number;
  Paint(dc, paper.view, paper.geometry, paper.transform, 1.0, paper_);
}

int ViewController::TakePaperFontFailures() {
  return std::exchange(paper_.fontsNotMade, 0);
}

int ViewController::CountPages() {
  return PageCount(state_.view, state_.geometry, state_.transform);
}

bool ViewController::PrepareShownPage(int dpiX, int dpiY) {
  const ShownPageKey key = ShownPage(dpiX, dpiY);
  if (preparedPage_ == key) return false;
  preparedPage_.reset();  // until the paint below is over
  // The paint itself, on a device that draws nothing: what it computes stays in the caches.
  state_.caches.isobars.KeepForPages(0);
  NullDeviceContext nothing(dpiX, dpiY);
  DrawingShortfalls notTold;
  Paint(nothing, state_.view, state_.geometry, state_.transform,
        ZoomOf(state_.view, state_.view.displayMode).factor, notTold);
  preparedPage_ = key;
  return true;
}

ShownPageKey ViewController::ShownPage(int dpiX, int dpiY) const {
  const ViewState& view = state_.view;
  return {state_.document.revision(),
          view.displayMode,
          view.currentPage,
          ZoomOf(view, view.displayMode),
          view.screenLeftX,
          view.screenRow,
          dpiX,
          dpiY,
          state_.circleMethod};
}

void ViewController::PreparePrintedPage(DisplayMode display, int page, int dpiX, int dpiY,
                                        long number) {
  // PrintPage on a device that draws nothing; the fonts it could not make are told when the
  // page is drawn.
  NullDeviceContext nothing(dpiX, dpiY);
  PaperPage paper = PaperPageFor(display, page, dpiX, dpiY);
  paper.view.printedPageNumber = number;
  DrawingShortfalls notTold;
  Paint(nothing, paper.view, paper.geometry, paper.transform, 1.0, notTold);
}

int ViewController::CountPrintedPages(int dpiX, int dpiY) {
  return CountPrintedPages(state_.view.displayMode, dpiX, dpiY);
}

int ViewController::CountPrintedPages(DisplayMode display, int dpiX, int dpiY) {
  PaperPage paper = PaperPageFor(display, 1, dpiX, dpiY);
  return PageCount(paper.view, paper.geometry, paper.transform);
}

void ViewController::ShowDisplay(DisplayMode display) {
  ViewState& view = state_.view;
  view.displayMode = display;
  view.currentPage = 1;
  if (IsFigure(display)) {
    view.screenLeftX = state_.document.problem(ProblemOf(display)).range.leftX;
    view.screenRow = 0;
  }
}

void ViewController::ShowDisplayNumber(int number) {
  if (const std::optional<DisplayMode> display =
          DisplayModeFromNumber(number, ProblemShownByNumber(number)))
    ShowDisplay(*display);
}

bool ViewController::IsDisplayNumberShown(int number) const {
  return DisplayNumber(state_.view.displayMode) == number;
}

Problem ViewController::ProblemShownByNumber(int number) const {
  // A number both problems share shows the shown problem's display, or the other problem's
  // when only that one has something to show.
  const Problem shown = ProblemOf(state_.view.displayMode);
  const Problem other = shown == Problem::Strip ? Problem::RectCircle : Problem::Strip;
  if (!IsSharedNumber(number)) return shown;
  const std::optional<DisplayMode> ofShown = DisplayModeFromNumber(number, shown);
  const std::optional<DisplayMode> ofOther = DisplayModeFromNumber(number, other);
  if (ofShown && ofOther && !DisplayRowOf(*ofShown).hasContent(state_.document) &&
      DisplayRowOf(*ofOther).hasContent(state_.document))
    return other;
  return shown;
}

void ViewController::ShowKind(DisplayKind kind) {
  ViewState& view = state_.view;
  const DisplayMode to = DisplayOf(ProblemOf(view.displayMode), kind);
  if (to != view.displayMode) {
    view.displayMode = to;
    view.currentPage = 1;
  }
}

std::string ViewController::FigureNotice() const {
  const DisplayMode mode = state_.view.displayMode;
  if (!IsFigure(mode)) return std::string();
  const PagedExtent extent =
      PagedFigureExtent(state_.document, state_.settings, state_.geometry, ProblemOf(mode));
  if (!extent.cut) return std::string();
  return MessageText(MessageId::FigureExtentCut, FormatC("%d", kMostFigurePages),
                     FormatC("%.0f", extent.x));
}

ScrollSizes ViewController::ScrollSizesFor(int screenWidth) {
  int millimetres = screenWidth < 800 ? 440 : (screenWidth < 1000 ? 500 : 600);
  int side = static_cast<int>(millimetres * kPixelsPerMmAt96Dpi);
  return {side, side / 8, side / 32};
}

}  // namespace qel
