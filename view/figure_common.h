// What the two scaled figures share: their colours, the page window, its outline, the axes and
// the calculation point crosses.
#pragma once

#include "view/figure_pages.h"
#include "view/grid_strokes.h"
#include "view/render_context.h"

namespace qel {

// Colours of the axes, the calculation point crosses and the grid: the configured colours in
// colour mode, all black in monochrome mode.
struct FigureColours {
  Colour axis = 0;
  Colour point = 0;
  Colour grid = 0;
};

// True when the figures are drawn in black only; any colour mode other than 0 counts as
// monochrome.
bool IsMonochrome(const SystemSettings& settings);

FigureColours FigureColoursOf(const SystemSettings& settings);

// The window of the page being drawn: on paper it follows from the page number, on screen from
// where the paging keys left it. Also moves the transform's origin to the window's top-left.
FigureWindow PlaceFigureWindow(RenderContext& ctx, const FigurePaging& paging);

// Outlines the window in cyan, so the screen shows what one printed page holds.
void OutlineFigureWindow(DeviceContext& dc, const WorldTransform& transform,
                         const FigureWindow& window, int width);

// The window in device units, as the clip region takes it.
DeviceRect WindowOnDevice(const WorldTransform& transform, const FigureWindow& window);

// Narrows the clip region to the window.
void ClipToFigureWindow(DeviceContext& dc, const WorldTransform& transform,
                        const FigureWindow& window);

// The horizontal axis y = 0 and the vertical axis x = 0 across the window: solid in the axis
// colour, or black and dashed in monochrome mode; nothing when the axis width is below 1.
void DrawFigureAxes(DeviceContext& dc, const RenderContext& ctx, const FigureWindow& window,
                    Colour axisColour);

// A calculation point cross at (x, y) whose arms are pointMarkSize pixels long whatever the
// scale.
void DrawPointCross(DeviceContext& dc, const RenderContext& ctx, double x, double y, Colour colour);

}  // namespace qel
