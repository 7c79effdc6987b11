// Colours, page window, axes and point crosses of the two scaled figures.
#include "view/figure_common.h"

#include "view/drawing.h"

namespace qel {

namespace {

constexpr Colour kBlack = 0x000000;
constexpr Colour kCyan = 0xFFFF00;  // red 0, green 255, blue 255 in 0x00BBGGRR

}  // namespace

bool IsMonochrome(const SystemSettings& settings) {
  return settings.colourMode != 0;
}

FigureColours FigureColoursOf(const SystemSettings& settings) {
  FigureColours colours;
  if (IsMonochrome(settings)) return colours;
  colours.axis = ParseColourText(settings.axisColour);
  colours.point = ParseColourText(settings.pointColour);
  colours.grid = ParseColourText(settings.gridColour);
  return colours;
}

FigureWindow PlaceFigureWindow(RenderContext& ctx, const FigurePaging& paging) {
  const FigureWindow window =
      ctx.view.printing ? PrintedFigureWindow(paging, ctx.view.currentPage)
                        : FigureWindowAt(paging, ctx.view.screenLeftX, ctx.view.screenRow);
  ctx.transform.originX = -window.left;
  ctx.transform.originY = window.top;
  return window;
}

void OutlineFigureWindow(DeviceContext& dc, const WorldTransform& transform,
                         const FigureWindow& window, int width) {
  WorldRect(dc, transform, window.left, window.top, window.right, window.bottom, PenStyle::Solid,
            width, kCyan);
}

DeviceRect WindowOnDevice(const WorldTransform& transform, const FigureWindow& window) {
  return {ToDeviceX(transform, window.left), ToDeviceY(transform, window.top),
          ToDeviceX(transform, window.right), ToDeviceY(transform, window.bottom)};
}

void ClipToFigureWindow(DeviceContext& dc, const WorldTransform& transform,
                        const FigureWindow& window) {
  WorldClipRect(dc, transform, window.left, window.top, window.right, window.bottom);
}

void DrawFigureAxes(DeviceContext& dc, const RenderContext& ctx, const FigureWindow& window,
                    Colour axisColour) {
  const SystemSettings& s = ctx.settings;
  const WorldTransform& t = ctx.transform;
  const int width = s.axisLineWidth;
  if (width < 1) return;
  if (!IsMonochrome(s)) {
    WorldLine(dc, t, window.left, 0, window.right, 0, PenStyle::Solid, width, axisColour);
    WorldLine(dc, t, 0, window.top, 0, window.bottom, PenStyle::Solid, width, axisColour);
    return;
  }
  // Dashes advance towards larger device coordinates: left to right, and top to bottom.
  WorldDashedLine(dc, t, window.left, 0, window.right, 0, s.axisDashOn, s.axisDashOff, width,
                  kBlack);
  WorldDashedLine(dc, t, 0, window.top, 0, window.bottom, s.axisDashOn, s.axisDashOff, width,
                  kBlack);
}

void DrawPointCross(DeviceContext& dc, const RenderContext& ctx, double x, double y,
                    Colour colour) {
  const WorldTransform& t = ctx.transform;
  const int width = ctx.settings.pointMarkWidth;
  const double hx = PixelsAcross(t, ctx.settings.pointMarkSize);
  const double hy = PixelsDown(t, ctx.settings.pointMarkSize);
  WorldLine(dc, t, x - hx, y, x + hx, y, PenStyle::Solid, width, colour);
  WorldLine(dc, t, x, y - hy, x, y + hy, PenStyle::Solid, width, colour);
}

}  // namespace qel
