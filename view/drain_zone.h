// The zone the vertical drains treat, drawn on the strip cross-section: under the loads, from
// the ground to the drains' bottom.
#pragma once

#include "platform/device_context.h"
#include "view/render_context.h"

namespace qel {

// Draws the drains of the document's soil profile (read in the settings' units) under the strip
// loads' extent: a line for each drain where the drains stand far enough apart on paper to be
// told apart, else a hatched band; below it the pattern, the spacing and the bottom. Nothing
// without drains, a profile that reads, or strip loads.
void DrawStripDrainZone(DeviceContext& dc, RenderContext& ctx, Colour colour);

}  // namespace qel
