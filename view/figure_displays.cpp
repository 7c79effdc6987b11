// The two figures as displays of the table: drawn, or their pages counted from what they show.
#include "view/figure_pages.h"
#include "view/render_context.h"
#include "view/renderers.h"

namespace qel {

namespace {

// The pages of the figure of `problem`: as many as its extent takes, which the view keeps for
// the paging keys.
int CountFigurePages(RenderContext& ctx, Problem problem) {
  ctx.view.figureExtentX = PagedFigureExtent(ctx.document, ctx.settings, ctx.geometry, problem).x;
  return FigurePagingCount(ctx.view.figureExtentX,
                           FigurePagingOf(ctx.document, ctx.settings, ctx.geometry, problem));
}

}  // namespace

int StripFigureDisplay(RenderContext& ctx, DeviceContext* dc, bool draw) {
  if (dc != nullptr && draw) return RenderStripFigure(ctx, *dc);
  return CountFigurePages(ctx, Problem::Strip);
}

int RectCircleFigureDisplay(RenderContext& ctx, DeviceContext* dc, bool draw) {
  if (dc != nullptr && draw) return RenderRectCircleFigure(ctx, *dc);
  return CountFigurePages(ctx, Problem::RectCircle);
}

}  // namespace qel
