// The legend and the calculation values of a depth graph, as a table under its frame.
#pragma once

#include <string>
#include <vector>

#include "analysis/depth_curves.h"
#include "view/render_context.h"

namespace qel {

// A column for each curve, headed by a sample of its line with its marker, its label and, for a
// curve drawn over an earlier one, "x = … と同じ"; a row for each calculation depth with every
// value as the results table prints it. Nothing is lost to a crowded graph, and the legend never
// lies on a curve. Curves that do not fit side by side go on in blocks below. Device units.
struct DepthTableLayout {
  int left = 0;         // of the depth column
  int firstColumn = 0;  // left edge of the first curve column
  int columnWidth = 0;
  int perBlock = 1;  // curve columns side by side
  int blocks = 0;
  int rowHeight = 0;
  int textHeight = 0;
  int headerRows = 2;  // sample and label, and a third when a curve coincides with another
  int valueRows = 0;
  int sampleLength = 0;
  // The whole table: its caption row, then the blocks half a row apart.
  int Height() const;
  // The top of row `row` (0 the first header row) of block `block` below a table at `top`.
  int RowTop(int top, int block, int row) const;
};

// The length of a legend's samples on the paper: long enough for two turns of the longest
// dash pattern, and never shorter than the least.
inline constexpr double kLegendSampleMm = 24.0;
inline constexpr double kLeastLegendSampleMm = 15.0;

// The table of `curves` from device x `left` (the depth column) over `firstColumn` to `right`,
// with text `textHeight` high: as many columns side by side (at most kCurveStyles) as the widest
// text and a legend sample `leastSample` long leave room for, the samples as long as the columns
// then allow up to `sample`.
DepthTableLayout LayOutDepthTable(const std::vector<DepthCurve>& curves,
                                  const std::vector<int>& sameAs, int left, int firstColumn,
                                  int right, int textHeight, int leastSample, int sample);

// What the legend says under a curve drawn over `earlier`.
std::string SameCurveText(const DepthCurve& earlier);

// Draws the table laid out as `layout` with its top at device y `top`.
void DrawDepthTable(DeviceContext& dc, RenderContext& ctx, const DepthTableLayout& layout,
                    const std::vector<DepthCurve>& curves, const std::vector<int>& sameAs, int top);

}  // namespace qel
