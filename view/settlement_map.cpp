// The settlement along the strip section and over the plan of the lattice.
#include "view/page_furniture.h"
#include "view/renderers.h"

namespace qel {

int RenderStripSettlementMap(RenderContext& ctx, DeviceContext* dc, bool draw) {
  if (dc != nullptr && draw) DrawDisplayTitle(*dc, ctx, Problem::Strip, DisplayKind::SettlementMap);
  return 1;
}

int RenderRectCircleSettlementMap(RenderContext& ctx, DeviceContext* dc, bool draw) {
  if (dc != nullptr && draw)
    DrawDisplayTitle(*dc, ctx, Problem::RectCircle, DisplayKind::SettlementMap);
  return 1;
}

}  // namespace qel
