// The strip-load figure: the cross-section of the strip loads to scale, one page window at a time.
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

// The trapezoid of one piece standing on its base level y: up from x1 to x2, across the top to
// x3 and down to x4, then back along the base.
void DrawStripPiece(DeviceContext& dc, const RenderContext& ctx, const std::string* cells) {
  const WorldTransform& t = ctx.transform;
  const int width = ctx.settings.figureLineWidth;
  const double x1 = ToDouble(cells[strip_col::kX1]);
  const double x2 = ToDouble(cells[strip_col::kX2]);
  const double x3 = ToDouble(cells[strip_col::kX3]);
  const double x4 = ToDouble(cells[strip_col::kX4]);
  const double h = ToDouble(cells[strip_col::kH]);
  const double y = ToDouble(cells[strip_col::kY]);
  WorldLine(dc, t, x1, y, x2, y + h, PenStyle::Solid, width, kLoadColour);
  WorldLine(dc, t, x2, y + h, x3, y + h, PenStyle::Solid, width, kLoadColour);
  WorldLine(dc, t, x3, y + h, x4, y, PenStyle::Solid, width, kLoadColour);
  WorldLine(dc, t, x4, y, x1, y, PenStyle::Solid, width, kLoadColour);
}

// A cross at every combination of an entered x and an entered depth z, drawn at (x, -z).
void DrawStripPoints(DeviceContext& dc, const RenderContext& ctx, Colour colour) {
  const DocumentTables& tables = ctx.tables;
  for (int zRow = 1; zRow <= kStripPointRows; ++zRow) {
    const std::string& z = tables.stripPoints[zRow][point_col::kZ];
    if (!IsPresent(z)) continue;
    for (int xRow = 1; xRow <= kStripPointRows; ++xRow) {
      const std::string& x = tables.stripPoints[xRow][point_col::kX];
      if (!IsPresent(x)) continue;
      DrawPointCross(dc, ctx, ToDouble(x), -ToDouble(z), colour);
    }
  }
}

}  // namespace

int RenderStripFigure(RenderContext& ctx, DeviceContext& dc) {
  const FigurePaging paging = FigurePagingOf(ctx.settings, ctx.geometry, Problem::Strip);
  const FigureColours colours = FigureColoursOf(ctx.settings);
  CreateSlotFont(dc, ctx, kTitleFont);
  const bool gridDrawn = ReadFigureGrid(ctx, Problem::Strip).drawn;
  const FigureWindow window = PlaceFigureWindow(ctx, paging);
  if (!ctx.view.printing) OutlineFigureWindow(dc, ctx.transform, window, 1);
  DrawDisplayTitle(dc, ctx, Problem::Strip, DisplayKind::Figure);

  ClipToFigureWindow(dc, ctx.transform, window);
  DrawFigureAxes(dc, ctx, window, colours.axis);
  if (gridDrawn)
    DrawFigureGrid(dc, ctx, Problem::Strip, colours.grid, WindowOnDevice(ctx.transform, window));
  for (int set = 1; set <= kStripSets; ++set) {
    const int pieces = CountStripRows(ctx.tables, set);
    for (int row = 1; row <= pieces; ++row)
      DrawStripPiece(dc, ctx, ctx.tables.stripLoads[set][row]);
  }
  DrawStripPoints(dc, ctx, colours.point);
  dc.RemoveClip();

  return FigurePagingCount(
      PagedFigureExtent(ctx.tables, ctx.settings, ctx.geometry, Problem::Strip).x, paging);
}

}  // namespace qel
