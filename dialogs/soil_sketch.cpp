// Where the layers, water table and slices, and an e-log p curve, fall in a sketch's pixels.
#include "dialogs/soil_sketch.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/soil_slices.h"

namespace qel {

namespace {

std::string DepthText(double depth) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", depth);
  return text;
}

}  // namespace

SoilColumnSketch SketchSoilColumn(const SoilSketchInput& input, SketchBox area,
                                  int mostSliceLines) {
  SoilColumnSketch sketch;
  if (input.layers.empty() || area.bottom <= area.top) return sketch;
  sketch.depth = input.layers.back().bottom;
  const double scale = (area.bottom - area.top) / sketch.depth;
  const auto y = [&](double z) { return area.top + static_cast<int>(std::lround(z * scale)); };
  std::vector<int> slices;
  bool tooMany = false;
  for (const SoilSketchLayer& layer : input.layers) {
    std::string label = layer.name.empty() ? "" : layer.name + " ";
    sketch.layers.push_back({{area.left, y(layer.top), area.right, y(layer.bottom)},
                             label + "(" + DepthText(layer.bottom) + " m)",
                             layer.settles});
    if (!layer.settles || tooMany) continue;
    // Cut at the water table where it lies inside the layer, then into equal slices.
    std::vector<std::pair<double, double>> parts = {{layer.top, layer.bottom}};
    if (input.water && *input.water > layer.top && *input.water < layer.bottom)
      parts = {{layer.top, *input.water}, {*input.water, layer.bottom}};
    for (const auto& [top, bottom] : parts) {
      const long count = SliceCount(bottom - top, input.slice);
      if (static_cast<long>(slices.size()) + count > mostSliceLines) {
        tooMany = true;
        break;
      }
      for (long i = 1; i < count; ++i)
        slices.push_back(y(top + (bottom - top) * static_cast<double>(i) / count));
    }
  }
  if (!tooMany) sketch.sliceLines = slices;
  if (input.water && *input.water >= 0.0 && *input.water <= sketch.depth)
    sketch.waterY = y(*input.water);
  return sketch;
}

SoilCurveSketch SketchSoilCurve(const std::vector<SoilCurveGraphPoint>& points, SketchBox area) {
  SoilCurveSketch sketch;
  if (points.empty() || area.right <= area.left || area.bottom <= area.top) return sketch;
  const auto [pMin, pMax] = std::minmax_element(
      points.begin(), points.end(), [](const auto& a, const auto& b) { return a.p < b.p; });
  const auto [eMin, eMax] = std::minmax_element(
      points.begin(), points.end(), [](const auto& a, const auto& b) { return a.e < b.e; });
  // Decades of p, bounded so that a wild entry cannot ask for thousands of grid lines.
  const double lowDecade = std::floor(std::log10(pMin->p));
  const double highDecade = std::max(lowDecade + 1.0, std::ceil(std::log10(pMax->p)));
  const double decades = std::min(highDecade - lowDecade, 12.0);
  sketch.pLow = std::pow(10.0, lowDecade);
  sketch.pHigh = std::pow(10.0, lowDecade + decades);
  const double margin = std::max((eMax->e - eMin->e) * 0.05, 0.01);
  sketch.eLow = eMin->e - margin;
  sketch.eHigh = eMax->e + margin;
  const double width = area.right - area.left, height = area.bottom - area.top;
  const auto x = [&](double p) {
    const double along = std::clamp((std::log10(p) - lowDecade) / decades, 0.0, 1.0);
    return area.left + static_cast<int>(std::lround(along * width));
  };
  for (int d = 0; d <= static_cast<int>(decades); ++d)
    sketch.decadeX.push_back(x(std::pow(10.0, lowDecade + d)));
  for (const SoilCurveGraphPoint& point : points) {
    const double down = (sketch.eHigh - point.e) / (sketch.eHigh - sketch.eLow);
    sketch.points.emplace_back(x(point.p), area.top + static_cast<int>(std::lround(down * height)));
  }
  return sketch;
}

}  // namespace qel
