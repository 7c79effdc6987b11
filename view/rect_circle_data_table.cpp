// The rectangular and circular data table: the rectangles, then the circles, one line each.
#include "analysis/rect_circle_data_model.h"
#include "view/render_caches.h"
#include "view/renderers.h"
#include "view/table_layout.h"
#include "view/table_sections.h"

namespace qel {

namespace {

// Left edges of the cells of a row in millimetres (No. and the numbers of a rectangle or a
// circle), and of the mark of a row the calculation leaves out or reads differently.
const DataTableColumns kColumns{{1, 26, 51, 76, 101, 126}, 146};

TableContentKey ContentKey(const RenderContext& ctx) {
  // The notes name the points left out, so the points are part of the content too; the circle
  // method changes nothing of it.
  return {{ctx.document.loadsRevision(Problem::RectCircle)}};
}

}  // namespace

int RenderRectCircleData(RenderContext& ctx, DeviceContext* dc, bool draw) {
  TableDisplay display{Problem::RectCircle, DisplayKind::Data, kRectCircleFont,
                       ctx.view.screenLineSteps.rectCircleData, ctx.caches.rectCircleData};
  return RenderTable(ctx, dc, draw, display, ContentKey(ctx), [&](TableContent& content) {
    AddDataSections(RectCircleDataModel(ctx.document.plan(), ctx.settings), kColumns, content);
  });
}

}  // namespace qel
