// The ground beside the strip sections: the soil column with the layers to scale, their names
// and the water table, and under the settlement profile's section the drains as well.
#pragma once

#include <optional>
#include <vector>

#include "platform/device_context.h"
#include "view/figure_notes.h"
#include "view/figure_obstacles.h"
#include "view/render_context.h"

namespace qel {

// The depth (m) the band shows: the deepest of the profile's bottom and the drains' bottom;
// none without a profile that reads.
std::optional<double> GroundBandDepth(RenderContext& ctx);

// Where a soil column stands on the device: its left edge, the ground line, device units to a
// metre of depth, and the side its texts go.
struct SoilColumnPlace {
  int left = 0, groundY = 0;
  double pixelsPerMetre = 1;
  bool textsLeft = false;  // names (and the water table's depth) left of the column, else right
};

// The column's box on the device, from the ground line to the profile's bottom; none without a
// profile that reads.
std::optional<DeviceBox> SoilColumnBox(RenderContext& ctx, const SoilColumnPlace& place);

// The texts beside the column: with `withWater` (and a water table within the profile), the
// water table's depth just above its line; and each layer's number and name where the layer
// holds a line of text and the name does not meet the water table's depth.
struct SoilColumnLabels {
  std::optional<PlacedNote> water;
  std::vector<PlacedNote> names;
};
SoilColumnLabels SoilColumnTexts(RenderContext& ctx, const SoilColumnPlace& place, bool withWater);

// Draws the column (settling layers tinted, each layer's bottom across it), then, `withWater`,
// the water table's line across it with ▽ on it, then `texts` on paper-coloured grounds.
void DrawSoilColumn(DeviceContext& dc, RenderContext& ctx, const SoilColumnPlace& place,
                    const std::vector<PlacedNote>& texts, bool withWater);

// Where the band under the settlement profile's section stands on the device: across from
// `left` to `right` for x from `fromX` to `toX` (m), down from the ground line at `groundY`,
// `pixelsPerMetre` device units to a metre of depth.
struct GroundBandPlace {
  int left = 0, right = 0;
  double fromX = 0, toX = 1;
  int groundY = 0;
  double pixelsPerMetre = 1;
};

// Draws the soil column at the band's left with the names beside it, each layer's bottom as a
// thin line across, the water table left of the column (▽ with its depth), then the drains
// (DrawStripDrainZone).
void DrawGroundBand(DeviceContext& dc, RenderContext& ctx, const GroundBandPlace& place);

// The soil column beside the strip figure: where it stands and the texts it writes.
struct FigureSoilColumn {
  SoilColumnPlace place;
  DeviceBox box;  // the column itself
  std::vector<PlacedNote> texts;
};

// The column beside the strip figure's window `window` (device), on whichever side its column
// and texts meet the fewest of `marks` and `notes` (the left first, clear of the depth values);
// a text that would meet one is left out. None without a profile that reads.
std::optional<FigureSoilColumn> PlaceFigureSoilColumn(RenderContext& ctx, const DeviceBox& window,
                                                      const FigureObstacles& marks,
                                                      const std::vector<PlacedNote>& notes);

}  // namespace qel
