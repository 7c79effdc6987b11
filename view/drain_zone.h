// The zone the vertical drains treat, drawn on the strip cross-section: under the loads, from
// the ground to the drains' bottom.
#pragma once

#include <optional>

#include "platform/device_context.h"
#include "view/render_context.h"

namespace qel {

// The depth the document's drains reach (m), when its soil profile reads, has drains and the
// strip problem has loads to stand them under; none otherwise.
std::optional<double> StripDrainDepth(RenderContext& ctx);

// Draws the drains of the document's soil profile (read in the settings' units) under the strip
// loads' extent through `t` (x across, y up, the ground at y = 0): a line for each drain where
// the drains stand far enough apart on paper to be told apart, else a hatched band; below it
// the pattern, the spacing and the bottom, from x = max(the loads' left, `labelFrom`). Nothing
// where StripDrainDepth has none.
void DrawStripDrainZone(DeviceContext& dc, RenderContext& ctx, const WorldTransform& t,
                        Colour colour, double labelFrom = -1e300);

}  // namespace qel
