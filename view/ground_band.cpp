// The soil column beside the strip sections, and the drains under the settlement profile's.
#include "view/ground_band.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/c_locale.h"
#include "base/quoted_text.h"
#include "document/document.h"
#include "view/drain_zone.h"
#include "view/drawing.h"
#include "view/figure_common.h"

namespace qel {

namespace {

constexpr double kColumnWidthMm = 5.0;
// A longer name is cut beside the column, where it would run over the section; the soil
// conditions page gives it whole.
constexpr std::size_t kMostNameCharacters = 8;
constexpr Colour kBlack = 0x000000;
constexpr Colour kLayerLine = 0x808080;
constexpr Colour kSettlingTint = 0xC8E0F0;  // 0x00BBGGRR: a pale brown
constexpr Colour kSettlingGrey = 0xD8D8D8;
constexpr Colour kDrainGrey = 0x404040;

const SoilProfile* ProfileOf(RenderContext& ctx) {
  const SoilProfileReading& reading = ctx.document.soil(ctx.settings.unitSystem);
  const SoilProfile* profile = reading.profile ? &*reading.profile : nullptr;
  return profile && !profile->layers.empty() ? profile : nullptr;
}

int ColumnWidth(const RenderContext& ctx) {
  return ClampToDevice(kColumnWidthMm * ctx.geometry.pixelsPerMmX);
}

// ▽ with its point on the water table at (x, y), `s` high.
void DrawWaterMark(DeviceContext& dc, int x, int y, int s, int thin) {
  const Pen before = dc.SelectPen({PenStyle::Solid, thin, kBlack});
  dc.Polyline({{x - s / 2, y - s}, {x + s / 2, y - s}, {x, y}, {x - s / 2, y - s}});
  dc.SelectPen(before);
}

int DepthY(const SoilColumnPlace& place, double depth) {
  return ClampToDevice(std::round(place.groundY + depth * place.pixelsPerMetre));
}

// A text `h` high beside the column, its middle at `middleY`.
PlacedNote Beside(const RenderContext& ctx, const SoilColumnPlace& place, int middleY, int h,
                  std::string text) {
  const int width = NoteTextWidth(text, h), gap = h / 3;
  const int left = place.textsLeft ? place.left - gap - width : place.left + ColumnWidth(ctx) + gap;
  const int top = middleY - h / 2;
  return {left, top, left + width, top + h, std::move(text)};
}

void DrawTexts(DeviceContext& dc, RenderContext& ctx, const std::vector<PlacedNote>& texts) {
  const int h = NoteTextHeight(ctx);
  UseNoteFont(dc, ctx, kBlack);
  dc.SetTextAlign(TextAlign::LeftTop);
  dc.SetTextHalo(NoteGroundMargin(h));
  for (const PlacedNote& text : texts)
    dc.TextOut(text.left, text.top, text.text);
  dc.SetTextHalo(0);
}

}  // namespace

std::optional<double> GroundBandDepth(RenderContext& ctx) {
  const SoilProfile* profile = ProfileOf(ctx);
  if (profile == nullptr) return std::nullopt;
  double depth = profile->layers.back().bottom;
  if (const std::optional<double> drains = StripDrainDepth(ctx)) depth = std::max(depth, *drains);
  if (!(depth > 0.0) || !std::isfinite(depth)) return std::nullopt;
  return depth;
}

std::optional<DeviceBox> SoilColumnBox(RenderContext& ctx, const SoilColumnPlace& place) {
  const SoilProfile* profile = ProfileOf(ctx);
  if (profile == nullptr) return std::nullopt;
  return DeviceBox{place.left, place.groundY, place.left + ColumnWidth(ctx),
                   DepthY(place, profile->layers.back().bottom)};
}

SoilColumnLabels SoilColumnTexts(RenderContext& ctx, const SoilColumnPlace& place, bool withWater) {
  SoilColumnLabels texts;
  const SoilProfile* profile = ProfileOf(ctx);
  if (profile == nullptr) return texts;
  const int h = NoteTextHeight(ctx);
  const std::optional<double>& water = profile->waterDepth;
  if (withWater && water && *water <= profile->layers.back().bottom)
    texts.water =
        Beside(ctx, place, DepthY(place, *water) - h / 2 - 1, h, FormatC("GL－%.2f m", *water));
  for (std::size_t i = 0; i < profile->layers.size(); ++i) {
    const SoilLayer& layer = profile->layers[i];
    const int top = DepthY(place, LayerTop(*profile, i)), bottom = DepthY(place, layer.bottom);
    if (bottom - top < h) continue;
    const PlacedNote name =
        Beside(ctx, place, (top + bottom) / 2, h,
               FormatC("%d ", layer.number) + ShortenedText(layer.name, kMostNameCharacters));
    if (texts.water && BoxOf(*texts.water).Meets(BoxOf(name))) continue;
    texts.names.push_back(name);
  }
  return texts;
}

void DrawSoilColumn(DeviceContext& dc, RenderContext& ctx, const SoilColumnPlace& place,
                    const std::vector<PlacedNote>& texts, bool withWater) {
  const SoilProfile* profile = ProfileOf(ctx);
  if (profile == nullptr) return;
  const bool monochrome = IsMonochrome(ctx.settings);
  const int thin = DevicePixels(ctx.transform, 1);
  const int right = place.left + ColumnWidth(ctx);
  for (std::size_t i = 0; i < profile->layers.size(); ++i) {
    const SoilLayer& layer = profile->layers[i];
    const int top = DepthY(place, LayerTop(*profile, i)), bottom = DepthY(place, layer.bottom);
    if (layer.method != SettlementMethod::kNone && bottom > top)
      dc.FillPolygons({{{place.left, top}, {right, top}, {right, bottom}, {place.left, bottom}}},
                      monochrome ? kSettlingGrey : kSettlingTint);
    DrawLine(dc, place.left, bottom, right, bottom, PenStyle::Solid, thin, kLayerLine);
  }
  DrawRectOutline(dc, place.left, place.groundY, right,
                  DepthY(place, profile->layers.back().bottom), PenStyle::Solid, thin, kBlack);
  if (const std::optional<double>& water = profile->waterDepth;
      withWater && water && *water <= profile->layers.back().bottom) {
    const int y = DepthY(place, *water), s = NoteTextHeight(ctx) / 2;
    DrawLine(dc, place.left - s / 2, y, right + s / 2, y, PenStyle::Solid, thin, kBlack);
    DrawWaterMark(dc, (place.left + right) / 2, y, s, thin);
  }
  DrawTexts(dc, ctx, texts);
}

void DrawGroundBand(DeviceContext& dc, RenderContext& ctx, const GroundBandPlace& place) {
  const SoilProfile* profile = ProfileOf(ctx);
  if (profile == nullptr) return;
  const WorldTransform& screen = ctx.transform;
  const bool monochrome = IsMonochrome(ctx.settings);
  const int h = NoteTextHeight(ctx);
  const SoilColumnPlace column{place.left, place.groundY, place.pixelsPerMetre, false};
  const int thin = DevicePixels(screen, 1);
  // The column and the layers' bottoms across, then the drains over them, then the texts.
  DrawSoilColumn(dc, ctx, column, {}, false);
  for (const SoilLayer& layer : profile->layers) {
    const int bottom = DepthY(column, layer.bottom);
    DrawLine(dc, place.left, bottom, place.right, bottom, PenStyle::Solid, thin, kLayerLine);
  }
  WorldTransform t;
  t.pixelsPerMmX = ctx.geometry.pixelsPerMmX;
  t.pixelsPerMmY = ctx.geometry.pixelsPerMmY;
  t.pixelScale = screen.pixelScale;
  t.pixelsPerMetreX = (place.right - place.left) / (place.toX - place.fromX);
  t.originX = place.left / t.pixelsPerMetreX - place.fromX;
  t.pixelsPerMetreY = place.pixelsPerMetre;
  t.originY = place.groundY / t.pixelsPerMetreY;
  DrawStripDrainZone(dc, ctx, t, monochrome ? kBlack : kDrainGrey, place.fromX);

  DrawTexts(dc, ctx, SoilColumnTexts(ctx, column, false).names);
  // The water table left of the column: its line, ▽ on it and its depth.
  if (const std::optional<double>& water = profile->waterDepth;
      water && *water <= profile->layers.back().bottom) {
    const int y = DepthY(column, *water), s = h / 2;
    const int x = place.left - s;
    const int columnRight = place.left + ColumnWidth(ctx);
    DrawLine(dc, x - s, y, columnRight, y, PenStyle::Solid, thin, kBlack);
    DrawWaterMark(dc, x, y, s, thin);
    const std::string depth = FormatC("GL－%.2f m", *water);
    UseNoteFont(dc, ctx, kBlack);
    dc.SetTextAlign(TextAlign::LeftTop);
    dc.SetTextHalo(NoteGroundMargin(h));
    dc.TextOut(std::max(0, x - s - NoteTextWidth(depth, h)), y - h, depth);
    dc.SetTextHalo(0);
  }
}

std::optional<FigureSoilColumn> PlaceFigureSoilColumn(RenderContext& ctx, const DeviceBox& window,
                                                      const FigureObstacles& marks,
                                                      const std::vector<PlacedNote>& notes) {
  if (ProfileOf(ctx) == nullptr) return std::nullopt;
  const WorldTransform& t = ctx.transform;
  const int h = NoteTextHeight(ctx);
  const int groundY = ToDeviceY(t, 0.0);
  // The depth values stand at the window's left edge; the column keeps clear of them.
  const int valuesRoom = NoteTextWidth("-1000", h) + h;
  const SoilColumnPlace candidates[] = {
      {window.left + valuesRoom, groundY, t.pixelsPerMetreY, false},
      {window.right - h - ColumnWidth(ctx), groundY, t.pixelsPerMetreY, true}};
  auto clear = [&](const DeviceBox& box) {
    return box.Inside(window) && marks.IsClear(box) &&
           std::none_of(notes.begin(), notes.end(),
                        [&box](const PlacedNote& note) { return BoxOf(note).Meets(box); });
  };
  // The side where the column is clear and the fewest texts are not; the left on a tie.
  std::optional<FigureSoilColumn> best;
  int bestMissed = 0;
  for (const SoilColumnPlace& place : candidates) {
    FigureSoilColumn column{place, *SoilColumnBox(ctx, place), {}};
    DeviceBox shown = column.box;
    shown.bottom = std::min(shown.bottom, window.bottom);
    int missed = clear(shown) ? 0 : 1000;
    auto take = [&](const PlacedNote& text) {
      if (text.bottom > window.bottom || clear(BoxOf(text).Grown(h / 6)))
        column.texts.push_back(text);
      else
        ++missed;
    };
    SoilColumnLabels labels = SoilColumnTexts(ctx, place, true);
    if (std::optional<PlacedNote>& water = labels.water) {
      // The water table's depth may stand above the column, over the ground line, instead.
      if (!clear(BoxOf(*water).Grown(h / 6))) {
        const int width = water->right - water->left;
        water->bottom = groundY - h / 3, water->top = water->bottom - h;
        water->left = place.textsLeft ? place.left + ColumnWidth(ctx) - width : place.left;
        water->right = water->left + width;
      }
      take(*water);
    }
    for (const PlacedNote& name : labels.names)
      take(name);
    if (!best || missed < bestMissed) best = std::move(column), bestMissed = missed;
  }
  return best;
}

}  // namespace qel
