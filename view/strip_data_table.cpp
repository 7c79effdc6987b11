// The strip-load data table: the pieces of the two load sets, one line per piece.
#include "analysis/strip_data_model.h"
#include "view/render_caches.h"
#include "view/renderers.h"
#include "view/table_layout.h"
#include "view/table_sections.h"

namespace qel {

namespace {

// Left edges of the cells of a row in millimetres: No., x1 .. x4, h, γ, y; then the mark of a
// row the calculation leaves out or reads differently.
const DataTableColumns kColumns{{1, 21, 41, 61, 81, 106, 126, 146}, 166};

// The rows and their notes (which name the points left out too) come from the loads and points.
TableContentKey ContentKey(const RenderContext& ctx) {
  return {{ctx.document.loadsRevision(Problem::Strip)}};
}

}  // namespace

int RenderStripData(RenderContext& ctx, DeviceContext* dc, bool draw) {
  TableDisplay display{Problem::Strip, DisplayKind::Data, kStripFont,
                       ctx.view.screenLineSteps.stripData, ctx.caches.stripData};
  return RenderTable(ctx, dc, draw, display, ContentKey(ctx), [&](TableContent& content) {
    AddDataSections(StripDataModel(ctx.document.strip(), ctx.settings), kColumns, content);
  });
}

}  // namespace qel
