// The rectangular and circular load figure: the plan of the loads to scale, one page window at a
// time.
#include "document/circle_rows.h"
#include "document/lattice_points.h"
#include "document/rectangle_rows.h"
#include "view/drawing.h"
#include "view/figure_common.h"
#include "view/figure_notes.h"
#include "view/figure_obstacles.h"
#include "view/figure_pages.h"
#include "view/isobar_layer.h"
#include "view/page_furniture.h"
#include "view/renderers.h"

namespace qel {

namespace {

constexpr Colour kLoadColour = 0x000000;  // load outlines are black in both colour modes

// The rectangles up to the first row with a field that is not a number.
void DrawRectangles(DeviceContext& dc, const RenderContext& ctx) {
  const int width = ctx.settings.figureLineWidth;
  for (const RectangleRow& row : ctx.document.plan().rectangles.drawn) {
    const RectLoad& r = row.load;
    WorldRect(dc, ctx.transform, r.x1, r.y1, r.x2, r.y2, PenStyle::Solid, width, kLoadColour);
  }
}

// The circles up to the first row with a field that is not a number. Both radii are r in world
// units, so a circle becomes an ellipse when the two scales differ.
void DrawCircles(DeviceContext& dc, const RenderContext& ctx) {
  const int width = ctx.settings.figureLineWidth;
  for (const CircleRow& row : ctx.document.plan().circles.drawn) {
    const CircleLoad& c = row.load;
    WorldEllipse(dc, ctx.transform, c.x, c.y, c.r, c.r, PenStyle::Solid, width, kLoadColour);
  }
}

// A cross at every (x, y) of the lattice; without any depth there are no calculation points.
void DrawLatticePoints(DeviceContext& dc, const RenderContext& ctx, Colour colour) {
  const LatticePoints& lattice = ctx.document.plan().lattice;
  if (lattice.depths().empty()) return;
  for (const PointValue& y : lattice.ys())
    for (const PointValue& x : lattice.xs())
      DrawPointCross(dc, ctx, x.value, y.value, colour);
}

}  // namespace

int RenderRectCircleFigure(RenderContext& ctx, DeviceContext& dc) {
  const FigurePaging paging =
      FigurePagingOf(ctx.document, ctx.settings, ctx.geometry, Problem::RectCircle);
  const FigureColours colours = FigureColoursOf(ctx.settings);
  const bool gridDrawn = ReadFigureGrid(ctx, Problem::RectCircle).drawn;
  const FigureWindow window = PlaceFigureWindow(ctx, paging);
  DrawDisplayTitle(dc, ctx, Problem::RectCircle, DisplayKind::Figure);
  if (!ctx.view.printing) OutlineFigureWindow(dc, ctx.transform, window, 2);

  ClipToFigureWindow(dc, ctx.transform, window);
  // The isobars' fill lies under everything, the axes and the grid included.
  const std::optional<IsobarRequest> isobars = PlanIsobarRequest(ctx, window);
  if (isobars) DrawIsobarFill(dc, ctx, *isobars);
  DrawFigureAxes(dc, ctx, window, colours.axis);
  if (gridDrawn)
    DrawFigureGrid(dc, ctx, Problem::RectCircle, colours.grid,
                   WindowOnDevice(ctx.transform, window));
  // The notes are laid out first, clear of the isobar caption and of the point marks and load
  // outlines; the isobar labels and legend keep clear of all of them. The texts stand on halos
  // of paper colour, so that no line strikes them through.
  const FigureObstacles marks = PlanFigureObstacles(ctx);
  std::vector<PlacedNote> taken;
  if (isobars) taken.push_back(PlaceIsobarCaption(ctx, *isobars, window, marks));
  const int noteHeight = NoteTextHeight(ctx);
  const std::vector<PlacedNote> notes = PlanFigureNotes(ctx, window, noteHeight, taken, &marks);
  if (isobars) DrawIsobarLayer(dc, ctx, *isobars, window, taken.front(), notes, marks);
  DrawRectangles(dc, ctx);
  DrawCircles(dc, ctx);
  DrawLatticePoints(dc, ctx, colours.point);
  DrawFigureNotes(dc, ctx, notes, noteHeight);
  dc.RemoveClip();

  return FigurePagingCount(
      PagedFigureExtent(ctx.document, ctx.settings, ctx.geometry, Problem::RectCircle).x, paging);
}

}  // namespace qel
