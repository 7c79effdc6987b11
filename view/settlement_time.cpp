// The settlement of the columns against time.
#include "view/page_furniture.h"
#include "view/renderers.h"

namespace qel {

int RenderStripSettlementTime(RenderContext& ctx, DeviceContext* dc, bool draw) {
  if (dc != nullptr && draw)
    DrawDisplayTitle(*dc, ctx, Problem::Strip, DisplayKind::SettlementTime);
  return 1;
}

int RenderRectCircleSettlementTime(RenderContext& ctx, DeviceContext* dc, bool draw) {
  if (dc != nullptr && draw)
    DrawDisplayTitle(*dc, ctx, Problem::RectCircle, DisplayKind::SettlementTime);
  return 1;
}

}  // namespace qel
