// The geometry of the soil dialogs' sketches, in the widget's pixels: the column of layers to
// scale with their names, the water table and the slices; and an e-log p curve on a log axis.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/soil_curve_model.h"
#include "dialogs/soil_layer_model.h"

namespace qel {

struct SketchBox {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const SketchBox&, const SketchBox&) = default;
};

struct SoilColumnSketch {
  struct Layer {
    SketchBox box;
    std::string label;  // "name (bottom m)"
    bool settles = false;
  };
  std::vector<Layer> layers;
  std::vector<int> sliceLines;  // y of the slices' boundaries inside settling layers
  std::optional<int> waterY;    // the water table, when it lies within the column drawn
  double depth = 0;             // the column's depth, m (the bottom of the last layer)
};

// The column drawn in `area` (the surface at its top, the deepest bottom at its bottom). The
// slice lines are those of the calculation (each settling layer cut at the water table and into
// equal slices no thicker than the largest slice); at most `mostSliceLines`, beyond that none
// (they would fill the column).
SoilColumnSketch SketchSoilColumn(const SoilSketchInput& input, SketchBox area,
                                  int mostSliceLines = 400);

struct SoilCurveSketch {
  std::vector<std::pair<int, int>> points;  // the curve's points in pixels, in order
  double pLow = 0, pHigh = 0;               // the decades of the log p axis (powers of 10)
  double eLow = 0, eHigh = 0;               // the e axis
  std::vector<int> decadeX;                 // x of each power of 10 from pLow to pHigh
};

// The curve's points in `area`: p on a log axis from the decade below its smallest p to the one
// above its largest, e on a linear axis from its smallest to its largest e (a little margin).
// No points: an empty sketch.
SoilCurveSketch SketchSoilCurve(const std::vector<SoilCurveGraphPoint>& points, SketchBox area);

}  // namespace qel
