// The rectangular and circular load figure: the plan of the loads to scale, one page window at a
// time.
#include "settings/c_locale.h"
#include "settings/drawing.h"
#include "settings/text_fields.h"
#include "view/figure_common.h"
#include "view/figure_pages.h"
#include "view/page_furniture.h"
#include "view/renderers.h"

namespace qel {

namespace {

constexpr Colour kLoadColour = 0x000000;  // load outlines are black in both colour modes

// True when the first `columns` cells of a load row all hold numbers.
bool AllPresent(const std::string* cells, int columns) {
  for (int column = 1; column <= columns; ++column) {
    if (!IsPresent(cells[column])) return false;
  }
  return true;
}

// The rectangles up to the first row with a field that is not a number.
void DrawRectangles(DeviceContext& dc, const RenderContext& ctx) {
  const int width = ctx.settings.figureLineWidth;
  for (int row = 1; row <= kRectRows; ++row) {
    const std::string* cells = ctx.tables.rectLoads[row];
    if (!AllPresent(cells, kRectColumns)) break;
    WorldRect(dc, ctx.transform, ToDouble(cells[rect_col::kX1]), ToDouble(cells[rect_col::kY1]),
              ToDouble(cells[rect_col::kX2]), ToDouble(cells[rect_col::kY2]), PenStyle::Solid,
              width, kLoadColour);
  }
}

// The circles up to the first row with a field that is not a number. Both radii are r in world
// units, so a circle becomes an ellipse when the two scales differ.
void DrawCircles(DeviceContext& dc, const RenderContext& ctx) {
  const int width = ctx.settings.figureLineWidth;
  for (int row = 1; row <= kCircleRows; ++row) {
    const std::string* cells = ctx.tables.circleLoads[row];
    if (!AllPresent(cells, kCircleColumns)) break;
    const double r = ToDouble(cells[circle_col::kR]);
    WorldEllipse(dc, ctx.transform, ToDouble(cells[circle_col::kX]),
                 ToDouble(cells[circle_col::kY]), r, r, PenStyle::Solid, width, kLoadColour);
  }
}

// A cross at every (x, y) of the lattice; without any depth there are no calculation points.
void DrawLatticePoints(DeviceContext& dc, const RenderContext& ctx, Colour colour) {
  const DocumentTables& tables = ctx.tables;
  if (CountGridValues(tables, point_col::kGridZ) == 0) return;
  for (int yRow = 1; yRow <= kGridRows; ++yRow) {
    const std::string& y = tables.gridPoints[yRow][point_col::kGridY];
    if (!IsPresent(y)) continue;
    for (int xRow = 1; xRow <= kGridRows; ++xRow) {
      const std::string& x = tables.gridPoints[xRow][point_col::kGridX];
      if (!IsPresent(x)) continue;
      DrawPointCross(dc, ctx, ToDouble(x), ToDouble(y), colour);
    }
  }
}

}  // namespace

int RenderRectCircleFigure(RenderContext& ctx, DeviceContext& dc) {
  const FigurePaging paging = FigurePagingOf(ctx.settings, ctx.geometry, Problem::RectCircle);
  const FigureColours colours = FigureColoursOf(ctx.settings);
  const bool gridDrawn = ReadFigureGrid(ctx, Problem::RectCircle).drawn;
  const FigureWindow window = PlaceFigureWindow(ctx, paging);
  DrawDisplayTitle(dc, ctx, Problem::RectCircle, DisplayKind::Figure);
  if (!ctx.view.printing) OutlineFigureWindow(dc, ctx.transform, window, 2);

  ClipToFigureWindow(dc, ctx.transform, window);
  DrawFigureAxes(dc, ctx, window, colours.axis);
  if (gridDrawn)
    DrawFigureGrid(dc, ctx, Problem::RectCircle, colours.grid,
                   WindowOnDevice(ctx.transform, window));
  DrawRectangles(dc, ctx);
  DrawCircles(dc, ctx);
  DrawLatticePoints(dc, ctx, colours.point);
  dc.RemoveClip();

  return FigurePagingCount(
      PagedFigureExtent(ctx.tables, ctx.settings, ctx.geometry, Problem::RectCircle).x, paging);
}

}  // namespace qel
