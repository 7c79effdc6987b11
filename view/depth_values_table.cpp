// The legend and values table under a depth graph: its layout and its drawing.
#include "view/depth_values_table.h"

#include <algorithm>

#include "base/c_locale.h"
#include "settings/number_format.h"
#include "view/drawing.h"
#include "view/figure_common.h"
#include "view/figure_notes.h"
#include "view/graph_axes.h"

namespace qel {

namespace {

constexpr Colour kBlack = 0x000000;

std::size_t ValueRows(const std::vector<DepthCurve>& curves) {
  std::size_t rows = 0;
  for (const DepthCurve& curve : curves)
    rows = std::max(rows, curve.marks.size());
  return rows;
}

// The depth of value row `row`: that of the first curve with a mark there.
double RowDepth(const std::vector<DepthCurve>& curves, std::size_t row) {
  for (const DepthCurve& curve : curves)
    if (row < curve.marks.size()) return curve.marks[row].z;
  return 0.0;
}

std::string DepthText(double z) {
  return FormatUnsignedZero("%4.2f", z);
}

std::string CaptionOf(const RenderContext& ctx, std::size_t valueRows) {
  return valueRows > 0 ? FormatC("計算点の値　dP (%s)", StressUnitText(ctx.settings)) : "凡例";
}

bool AnyCoincides(const std::vector<int>& sameAs) {
  return std::any_of(sameAs.begin(), sameAs.end(), [](int other) { return other >= 0; });
}

}  // namespace

int DepthTableLayout::Height() const {
  if (blocks <= 0) return 0;
  return rowHeight + blocks * (headerRows + valueRows) * rowHeight + (blocks - 1) * rowHeight / 2;
}

int DepthTableLayout::RowTop(int top, int block, int row) const {
  return ClampToDevice(static_cast<double>(top) + rowHeight +
                       block * ((headerRows + valueRows) * rowHeight + rowHeight / 2) +
                       row * rowHeight);
}

std::string SameCurveText(const DepthCurve& earlier) {
  return earlier.label + " と同じ";
}

DepthTableLayout LayOutDepthTable(const std::vector<DepthCurve>& curves,
                                  const std::vector<int>& sameAs, int left, int firstColumn,
                                  int right, int textHeight, int leastSample, int sample) {
  DepthTableLayout layout;
  layout.left = left;
  layout.firstColumn = firstColumn;
  layout.textHeight = std::max(1, textHeight);
  layout.rowHeight = layout.textHeight + std::max(1, layout.textHeight / 3);
  layout.headerRows = AnyCoincides(sameAs) ? 3 : 2;
  layout.valueRows = static_cast<int>(ValueRows(curves));
  if (curves.empty()) return layout;
  const int pad = layout.textHeight / 2;
  int widest = leastSample;
  for (std::size_t i = 0; i < curves.size(); ++i) {
    widest = std::max(widest, NoteTextWidth(curves[i].label, layout.textHeight));
    if (i < sameAs.size() && sameAs[i] >= 0 && sameAs[i] < static_cast<int>(curves.size()))
      widest = std::max(widest, NoteTextWidth(SameCurveText(curves[sameAs[i]]), layout.textHeight));
    for (const DepthMark& mark : curves[i].marks)
      widest = std::max(widest, NoteTextWidth(mark.text, layout.textHeight));
  }
  const int width = std::max(1, right - firstColumn);
  const int fitting = width / std::max(1, widest + 2 * pad);
  layout.perBlock = std::clamp(fitting, 1, kCurveStyles);
  layout.columnWidth = width / layout.perBlock;
  layout.sampleLength = std::min(sample, std::max(1, layout.columnWidth - 2 * pad));
  const int count = static_cast<int>(curves.size());
  layout.blocks = (count + layout.perBlock - 1) / layout.perBlock;
  return layout;
}

void DrawDepthTable(DeviceContext& dc, RenderContext& ctx, const DepthTableLayout& layout,
                    const std::vector<DepthCurve>& curves, const std::vector<int>& sameAs,
                    int top) {
  if (layout.blocks <= 0) return;
  const WorldTransform& t = ctx.transform;
  const bool monochrome = IsMonochrome(ctx.settings);
  const int h = layout.textHeight;
  const int inset = (layout.rowHeight - h) / 2;  // from a row's top to its text's
  const int ruleWidth = DevicePixels(t, 1);
  if (!CreateTextFont(dc, kBlack, h, ctx.fonts[kPageFont].faceName, 0, false))
    ++ctx.shortfalls.fontsNotMade;
  dc.SetTextAlign(TextAlign::LeftTop);
  dc.TextOut(layout.left, top + inset, CaptionOf(ctx, static_cast<std::size_t>(layout.valueRows)));
  const int depthCentre = (layout.left + layout.firstColumn) / 2;
  for (int block = 0; block < layout.blocks; ++block) {
    const int first = block * layout.perBlock;
    const int last = std::min(static_cast<int>(curves.size()), first + layout.perBlock);
    const int blockTop = layout.RowTop(top, block, 0);
    const int headerBottom = layout.RowTop(top, block, layout.headerRows);
    const int blockBottom = layout.RowTop(top, block, layout.headerRows + layout.valueRows);
    const int blockRight = layout.firstColumn + (last - first) * layout.columnWidth;
    for (const int y : {blockTop, headerBottom, blockBottom})
      DrawLine(dc, layout.left, y, blockRight, y, PenStyle::Solid, ruleWidth, kBlack);
    dc.SetTextAlign(TextAlign::CentreTop);
    if (layout.valueRows > 0)
      dc.TextOut(depthCentre, layout.RowTop(top, block, 1) + inset, "z (m)");
    for (int row = 0; row < layout.valueRows; ++row)
      dc.TextOut(depthCentre, layout.RowTop(top, block, layout.headerRows + row) + inset,
                 DepthText(RowDepth(curves, static_cast<std::size_t>(row))));
    for (int i = first; i < last; ++i) {
      const int centre =
          layout.firstColumn + (i - first) * layout.columnWidth + layout.columnWidth / 2;
      const DepthCurve& curve = curves[static_cast<std::size_t>(i)];
      DrawCurveSample(dc, t, CurveStyleOf(i, monochrome), centre - layout.sampleLength / 2,
                      centre + layout.sampleLength / 2, blockTop + layout.rowHeight / 2);
      dc.TextOut(centre, layout.RowTop(top, block, 1) + inset, curve.label);
      const int other = static_cast<std::size_t>(i) < sameAs.size() ? sameAs[i] : -1;
      if (other >= 0 && other < static_cast<int>(curves.size()))
        dc.TextOut(centre, layout.RowTop(top, block, 2) + inset,
                   SameCurveText(curves[static_cast<std::size_t>(other)]));
      for (std::size_t row = 0; row < curve.marks.size(); ++row)
        dc.TextOut(centre,
                   layout.RowTop(top, block, layout.headerRows + static_cast<int>(row)) + inset,
                   curve.marks[row].text);
    }
  }
  dc.SetTextAlign(TextAlign::LeftTop);
}

}  // namespace qel
