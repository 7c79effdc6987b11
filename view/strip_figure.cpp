// The strip-load figure: the cross-section of the strip loads to scale, one page window at a time.
#include "document/strip_pieces.h"
#include "document/strip_points.h"
#include "view/drain_zone.h"
#include "view/drawing.h"
#include "view/figure_common.h"
#include "view/figure_notes.h"
#include "view/figure_obstacles.h"
#include "view/figure_pages.h"
#include "view/ground_band.h"
#include "view/isobar_layer.h"
#include "view/page_furniture.h"
#include "view/renderers.h"

namespace qel {

namespace {

constexpr Colour kLoadColour = 0x000000;  // load outlines are black in both colour modes

// The trapezoid of one piece standing on its base level y: up from x1 to x2, across the top to
// x3 and down to x4, then back along the base.
void DrawStripPiece(DeviceContext& dc, const RenderContext& ctx, const StripPieceRow& row) {
  const WorldTransform& t = ctx.transform;
  const int width = ctx.settings.figureLineWidth;
  const double x1 = row.piece.x1, x2 = row.piece.x2, x3 = row.piece.x3, x4 = row.piece.x4;
  const double h = row.piece.h, y = row.baseY;
  WorldLine(dc, t, x1, y, x2, y + h, PenStyle::Solid, width, kLoadColour);
  WorldLine(dc, t, x2, y + h, x3, y + h, PenStyle::Solid, width, kLoadColour);
  WorldLine(dc, t, x3, y + h, x4, y, PenStyle::Solid, width, kLoadColour);
  WorldLine(dc, t, x4, y, x1, y, PenStyle::Solid, width, kLoadColour);
}

// A cross at every combination of an entered x and an entered depth z, drawn at (x, -z).
void DrawStripPoints(DeviceContext& dc, const RenderContext& ctx, Colour colour) {
  ctx.document.strip().points.ForEach(
      [&](const StripPoint& point) { DrawPointCross(dc, ctx, point.x, -point.z, colour); });
}

}  // namespace

int RenderStripFigure(RenderContext& ctx, DeviceContext& dc) {
  const FigurePaging paging =
      FigurePagingOf(ctx.document, ctx.settings, ctx.geometry, Problem::Strip);
  const FigureColours colours = FigureColoursOf(ctx.settings);
  CreateSlotFont(dc, ctx, kTitleFont);
  const bool gridDrawn = ReadFigureGrid(ctx, Problem::Strip).drawn;
  const FigureWindow window = PlaceFigureWindow(ctx, paging);
  if (!ctx.view.printing) OutlineFigureWindow(dc, ctx.transform, window, 1);
  DrawDisplayTitle(dc, ctx, Problem::Strip, DisplayKind::Figure);

  ClipToFigureWindow(dc, ctx.transform, window);
  // The isobars' fill lies under everything, the axes and the grid included.
  const std::optional<IsobarRequest> isobars = StripIsobarRequest(ctx, window);
  if (isobars) DrawIsobarFill(dc, ctx, *isobars);
  DrawFigureAxes(dc, ctx, window, colours.axis);
  if (gridDrawn)
    DrawFigureGrid(dc, ctx, Problem::Strip, colours.grid, WindowOnDevice(ctx.transform, window));
  // The notes are laid out first, clear of the isobar caption and of the point marks and load
  // outlines; the isobar labels and legend keep clear of all of them. The texts stand on halos
  // of paper colour, so that no line strikes them through.
  const FigureObstacles marks = StripFigureObstacles(ctx);
  std::vector<PlacedNote> taken;
  if (isobars) taken.push_back(PlaceIsobarCaption(ctx, *isobars, window, marks));
  const int noteHeight = NoteTextHeight(ctx);
  const std::vector<PlacedNote> notes = StripFigureNotes(ctx, window, noteHeight, taken, &marks);
  // The soil column finds its side clear of the notes; the isobars' labels keep clear of it.
  const DeviceRect shown = WindowOnDevice(ctx.transform, window);
  const std::optional<FigureSoilColumn> soil =
      PlaceFigureSoilColumn(ctx, {shown.left, shown.top, shown.right, shown.bottom}, marks, notes);
  std::vector<PlacedNote> texts = notes;
  if (soil) {
    texts.insert(texts.end(), soil->texts.begin(), soil->texts.end());
    texts.push_back({soil->box.left, soil->box.top, soil->box.right, soil->box.bottom, ""});
  }
  if (isobars) DrawIsobarLayer(dc, ctx, *isobars, window, taken.front(), texts, marks);
  for (int set = 1; set <= kStripSets; ++set)
    for (const StripPieceRow& row : ctx.document.strip().set(set).calculated)
      DrawStripPiece(dc, ctx, row);
  DrawStripDrainZone(dc, ctx, ctx.transform, colours.axis);
  if (soil) DrawSoilColumn(dc, ctx, soil->place, soil->texts, true);
  DrawStripPoints(dc, ctx, colours.point);
  DrawFigureNotes(dc, ctx, notes, noteHeight);
  dc.RemoveClip();

  return FigurePagingCount(
      PagedFigureExtent(ctx.document, ctx.settings, ctx.geometry, Problem::Strip).x, paging);
}

}  // namespace qel
