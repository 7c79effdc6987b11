// The six displays. Each renderer paints page `currentPage` of its display and returns the
// number of pages; the tables can also be called without a device, to count pages only.
#pragma once

#include "view/render_context.h"

namespace qel {

int RenderStripFigure(RenderContext& ctx, DeviceContext& dc);
int RenderRectCircleFigure(RenderContext& ctx, DeviceContext& dc);

// With `dc` null, `draw` is taken as false.
int RenderStripData(RenderContext& ctx, DeviceContext* dc, bool draw);
int RenderStripResults(RenderContext& ctx, DeviceContext* dc, bool draw);
int RenderRectCircleData(RenderContext& ctx, DeviceContext* dc, bool draw);
int RenderRectCircleResults(RenderContext& ctx, DeviceContext* dc, bool draw);

}  // namespace qel
