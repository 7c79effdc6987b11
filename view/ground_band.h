// The ground under the strip section of the settlement profile: the soil column at its side with
// the layers to scale, their names and the water table, and the drains under the loads.
#pragma once

#include <optional>

#include "platform/device_context.h"
#include "view/render_context.h"

namespace qel {

// The depth (m) the band shows: the deepest of the profile's bottom and the drains' bottom;
// none without a profile that reads.
std::optional<double> GroundBandDepth(RenderContext& ctx);

// Where the band stands on the device: across from `left` to `right` for x from `fromX` to
// `toX` (m), down from the ground line at `groundY`, `pixelsPerMetre` device units to a metre
// of depth.
struct GroundBandPlace {
  int left = 0, right = 0;
  double fromX = 0, toX = 1;
  int groundY = 0;
  double pixelsPerMetre = 1;
};

// Draws the soil column at the band's left (settling layers tinted), each layer's bottom as a
// thin line across, the names beside the column where the layer is tall enough to hold them,
// the water table (▽ with its depth), then the drains (DrawStripDrainZone).
void DrawGroundBand(DeviceContext& dc, RenderContext& ctx, const GroundBandPlace& place);

}  // namespace qel
