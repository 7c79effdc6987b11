// The colours of an isobar fill and its legend: the classes of dP between the levels, those the
// page shows, as a list of swatches or, when there are many, a graduated bar.
#pragma once

#include <string>
#include <vector>

#include "analysis/isobars.h"
#include "platform/device_context.h"
#include "view/figure_obstacles.h"

namespace qel {

// The area beyond one level up to the next of the same sign, in its colour.
struct FillClass {
  const IsobarFill* fill = nullptr;
  Colour colour = 0;
  double low = 0.0, high = 0.0;  // the class's dP, an open end at an infinity
  std::string text;              // "25 ～ 50", "225 以上", "-10 以下"
};

// Every class of the set in the order the fill paints them: each sign's levels from the
// smallest in size outwards, so that the areas beyond the larger levels lie over those beyond
// the smaller. The colours go from pale to strong: yellow to red beyond positive levels, pale
// to deep blue beyond negative ones, light to mid grey in monochrome.
std::vector<FillClass> FillClasses(const IsobarSet& set, bool monochrome);

// The classes the traced field takes over the set's window: those that meet its sampled range,
// widened to the level of every line traced (a line at a level means values on both sides of
// it).
std::vector<FillClass> PresentClasses(const IsobarSet& set, bool monochrome);

// The most rows a legend lists; more classes are shown on a graduated bar.
inline constexpr std::size_t kMostLegendRows = 12;

struct LegendShape {
  bool bar = false;
  int width = 0, height = 0;
  int barHeight = 0;  // the bar's own height, without the half rows its end labels stand out
};

// The size of the legend of `classes` with text `textHeight` high: a row each, or a bar no
// taller than `room` (and at least six rows) when they are more than kMostLegendRows or their
// rows would not fit in `room`. Nothing (0 x 0) without classes.
LegendShape ShapeLegend(const std::vector<FillClass>& classes, int textHeight, int room);

// Draws the legend with its top-left corner at (left, top) on a ground of paper colour; the
// caller has selected the text font and its colour. A bar runs from the highest class at its top
// to the lowest, with a tick and the level at each class edge where the labels stand apart.
void DrawLegend(DeviceContext& dc, const LegendShape& shape, const std::vector<FillClass>& classes,
                int left, int top, int textHeight, Colour lineColour);

}  // namespace qel
