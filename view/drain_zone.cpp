// The vertical drains on the strip cross-section.
#include "view/drain_zone.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "base/c_locale.h"
#include "document/document.h"
#include "document/strip_pieces.h"
#include "view/drawing.h"
#include "view/figure_notes.h"
#include "view/page_furniture.h"

namespace qel {

namespace {

// Drains closer than this on paper merge into a band: each is drawn only when they stand apart.
constexpr double kLeastDrainGapMm = 1.5;
// The band's hatching, on paper.
constexpr double kHatchGapMm = 1.0;
// More lines than this are a band whatever the paper says.
constexpr int kMostDrainLines = 400;

// The x span of the strip loads; empty (from > to) without any.
std::pair<double, double> LoadSpan(const RenderContext& ctx) {
  double from = std::numeric_limits<double>::infinity(), to = -from;
  for (int set = 1; set <= kStripSets; ++set)
    for (const StripPieceRow& row : ctx.document.strip().set(set).calculated) {
      if (!std::isfinite(row.piece.x1) || !std::isfinite(row.piece.x4)) continue;
      from = std::min(from, row.piece.x1);
      to = std::max(to, row.piece.x4);
    }
  return {from, to};
}

}  // namespace

std::optional<double> StripDrainDepth(RenderContext& ctx) {
  const SoilProfileReading& reading = ctx.document.soil(ctx.settings.unitSystem);
  if (!reading.profile || !reading.profile->drains) return std::nullopt;
  const VerticalDrains& drains = *reading.profile->drains;
  const auto [from, to] = LoadSpan(ctx);
  if (!(to > from) || !(drains.spacing > 0.0) || !(drains.bottom > 0.0)) return std::nullopt;
  return drains.bottom;
}

void DrawStripDrainZone(DeviceContext& dc, RenderContext& ctx, const WorldTransform& t,
                        Colour colour, double labelFrom) {
  if (!StripDrainDepth(ctx)) return;
  const VerticalDrains& drains = *ctx.document.soil(ctx.settings.unitSystem).profile->drains;
  const std::pair<double, double> span = LoadSpan(ctx);
  const double from = span.first, to = span.second;
  const double bottom = -drains.bottom;
  const double gapMm = drains.spacing * t.pixelsPerMetreX / t.pixelsPerMmX;
  const double count = std::floor((to - from) / drains.spacing);
  if (gapMm >= kLeastDrainGapMm && count < kMostDrainLines) {
    // The drains stand centred under the loads, a spacing apart.
    const double first = from + ((to - from) - count * drains.spacing) / 2.0;
    for (int i = 0; i <= static_cast<int>(count); ++i) {
      const double x = first + i * drains.spacing;
      WorldLine(dc, t, x, 0.0, x, bottom, PenStyle::Dash, 1, colour);
    }
  } else {
    WorldRect(dc, t, from, 0.0, to, bottom, PenStyle::Solid, 1, colour);
    const double step = kHatchGapMm * t.pixelsPerMmX / t.pixelsPerMetreX;
    const int lines = static_cast<int>(std::min((to - from) / step, 4000.0));
    for (int i = 1; i < lines; ++i)
      WorldLine(dc, t, from + i * step, 0.0, from + i * step, bottom, PenStyle::Solid, 1, colour);
  }
  UseNoteFont(dc, ctx, colour);
  const std::string label = std::string("バーチカルドレーン ") +
                            (drains.pattern == DrainPattern::kTriangle ? "正三角形" : "正方形") +
                            FormatC(" 間隔 %.2f m　GL－%.2f m まで", drains.spacing, drains.bottom);
  // On a ground of paper colour: the layers' bottoms may run across under it.
  const int h = NoteTextHeight(ctx), margin = NoteGroundMargin(h);
  const int x = ToDeviceX(t, std::max(from, labelFrom)),
            y = ToDeviceY(t, bottom - PixelsDown(t, 2));
  dc.FillPaper(x - margin, y - margin, x + NoteTextWidth(label, h) + margin, y + h + margin);
  dc.TextOut(x, y, label);
}

}  // namespace qel
