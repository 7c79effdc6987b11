// The soil column and the drains under the strip section of the settlement profile.
#include "view/ground_band.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/c_locale.h"
#include "document/document.h"
#include "view/drain_zone.h"
#include "view/drawing.h"
#include "view/figure_common.h"
#include "view/figure_notes.h"

namespace qel {

namespace {

constexpr double kColumnWidthMm = 5.0;
constexpr Colour kBlack = 0x000000;
constexpr Colour kLayerLine = 0x808080;
constexpr Colour kSettlingTint = 0xC8E0F0;  // 0x00BBGGRR: a pale brown
constexpr Colour kSettlingGrey = 0xD8D8D8;
constexpr Colour kDrainGrey = 0x404040;

const SoilProfile* ProfileOf(RenderContext& ctx) {
  const SoilProfileReading& reading = ctx.document.soil(ctx.settings.unitSystem);
  return reading.profile ? &*reading.profile : nullptr;
}

}  // namespace

std::optional<double> GroundBandDepth(RenderContext& ctx) {
  const SoilProfile* profile = ProfileOf(ctx);
  if (profile == nullptr || profile->layers.empty()) return std::nullopt;
  double depth = profile->layers.back().bottom;
  if (const std::optional<double> drains = StripDrainDepth(ctx)) depth = std::max(depth, *drains);
  if (!(depth > 0.0) || !std::isfinite(depth)) return std::nullopt;
  return depth;
}

void DrawGroundBand(DeviceContext& dc, RenderContext& ctx, const GroundBandPlace& place) {
  const SoilProfile* profile = ProfileOf(ctx);
  if (profile == nullptr || profile->layers.empty()) return;
  const WorldTransform& screen = ctx.transform;
  const bool monochrome = IsMonochrome(ctx.settings);
  const int h = NoteTextHeight(ctx);
  const int columnRight = place.left + ClampToDevice(kColumnWidthMm * ctx.geometry.pixelsPerMmX);
  auto yAt = [&](double depth) {
    return ClampToDevice(std::round(place.groundY + depth * place.pixelsPerMetre));
  };
  const int thin = DevicePixels(screen, 1);
  // The column and the layers' bottoms across, then the drains over them, then the texts.
  for (std::size_t i = 0; i < profile->layers.size(); ++i) {
    const SoilLayer& layer = profile->layers[i];
    const int top = yAt(LayerTop(*profile, i)), bottom = yAt(layer.bottom);
    if (layer.method != SettlementMethod::kNone && bottom > top)
      dc.FillPolygons(
          {{{place.left, top}, {columnRight, top}, {columnRight, bottom}, {place.left, bottom}}},
          monochrome ? kSettlingGrey : kSettlingTint);
    DrawLine(dc, place.left, bottom, place.right, bottom, PenStyle::Solid, thin, kLayerLine);
  }
  DrawRectOutline(dc, place.left, place.groundY, columnRight, yAt(profile->layers.back().bottom),
                  PenStyle::Solid, thin, kBlack);
  WorldTransform t;
  t.pixelsPerMmX = ctx.geometry.pixelsPerMmX;
  t.pixelsPerMmY = ctx.geometry.pixelsPerMmY;
  t.pixelScale = screen.pixelScale;
  t.pixelsPerMetreX = (place.right - place.left) / (place.toX - place.fromX);
  t.originX = place.left / t.pixelsPerMetreX - place.fromX;
  t.pixelsPerMetreY = place.pixelsPerMetre;
  t.originY = place.groundY / t.pixelsPerMetreY;
  DrawStripDrainZone(dc, ctx, t, monochrome ? kBlack : kDrainGrey, place.fromX);

  UseNoteFont(dc, ctx, kBlack);
  dc.SetTextAlign(TextAlign::LeftTop);
  dc.SetTextHalo(NoteGroundMargin(h));
  for (std::size_t i = 0; i < profile->layers.size(); ++i) {
    const SoilLayer& layer = profile->layers[i];
    const int top = yAt(LayerTop(*profile, i)), bottom = yAt(layer.bottom);
    // The name beside the column, where the layer holds a line of text.
    if (bottom - top >= h)
      dc.TextOut(columnRight + h / 3, (top + bottom - h) / 2,
                 FormatC("%d ", layer.number) + layer.name);
  }
  // The water table left of the column: its line, ▽ on it and its depth.
  if (const std::optional<double>& water = profile->waterDepth;
      water && *water <= profile->layers.back().bottom) {
    const int y = yAt(*water), s = h / 2;
    const int x = place.left - s;
    DrawLine(dc, x - s, y, columnRight, y, PenStyle::Solid, thin, kBlack);
    const Pen before = dc.SelectPen({PenStyle::Solid, thin, kBlack});
    dc.Polyline({{x - s / 2, y - s}, {x + s / 2, y - s}, {x, y}, {x - s / 2, y - s}});
    dc.SelectPen(before);
    const std::string depth = FormatC("GL－%.2f m", *water);
    dc.TextOut(std::max(0, x - s - NoteTextWidth(depth, h)), y - h, depth);
  }
  dc.SetTextHalo(0);
}

}  // namespace qel
