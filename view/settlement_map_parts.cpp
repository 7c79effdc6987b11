// The fonts, texts, marks and value labels the two settlement maps share.
#include "view/settlement_map_parts.h"

#include <algorithm>
#include <cmath>

#include "base/c_locale.h"
#include "settings/number_format.h"
#include "view/drawing.h"
#include "view/figure_common.h"
#include "view/figure_notes.h"

namespace qel {

namespace {

constexpr Colour kBlack = 0x000000;
constexpr int kColumnMarkPixels = 3;

}  // namespace

MapColours MapColoursOf(const SystemSettings& settings) {
  if (IsMonochrome(settings)) return {};
  // 0x00BBGGRR: the final settlement dark red, the lines of equal settlement blue.
  return {0x1818B0, 0xB05010, 0x1818E0};
}

void UseMapFont(DeviceContext& dc, RenderContext& ctx) {
  UseNoteFont(dc, ctx, kBlack);
  dc.SetTextAlign(TextAlign::LeftTop);
}

std::string CentimetreText(double metres) {
  return FormatUnsignedZero("%.2f", metres * 100.0);
}

std::string MetreText(double metres) {
  return FormatUnsignedZero("%.2f", metres);
}

bool DrawUncomputedNote(DeviceContext& dc, RenderContext& ctx, const DocumentSettlement& settlement,
                        const PaperBox& box) {
  if (settlement.status == DocumentSettlement::Status::kComputed) return false;
  const char* why = settlement.status == DocumentSettlement::Status::kNoProfile
                        ? "地盤の土層が入力されていないため、沈下量を計算できません"
                        : "地盤の土層を読めないため、沈下量を計算できません";
  DrawNoteLines(dc, ctx,
                ClampToDevice((box.leftMm - kDepthValuesRoomMm) * ctx.geometry.pixelsPerMmX),
                ClampToDevice(box.topMm * ctx.geometry.pixelsPerMmY), {why});
  return true;
}

int DrawNoteLines(DeviceContext& dc, RenderContext& ctx, int left, int top,
                  const std::vector<std::string>& lines) {
  const int h = NoteTextHeight(ctx);
  const int pitch = h + h / 3;
  UseMapFont(dc, ctx);
  int y = top;
  for (const std::string& line : lines) {
    dc.TextOut(left, y, line);
    y += pitch;
  }
  return y - top;
}

int ColumnMarkReach(const WorldTransform& t) {
  return DevicePixels(t, kColumnMarkPixels) + DevicePixels(t, 1);
}

void DrawColumnMark(DeviceContext& dc, const WorldTransform& t, DevicePoint at, Colour colour,
                    bool filled) {
  const int s = DevicePixels(t, kColumnMarkPixels);
  const std::vector<DevicePoint> ring = {
      {at.x - s, at.y - s}, {at.x + s, at.y - s}, {at.x + s, at.y + s}, {at.x - s, at.y + s}};
  if (filled) dc.FillPolygons({ring}, colour);
  const Pen before = dc.SelectPen({PenStyle::Solid, DevicePixels(t, 1), colour});
  std::vector<DevicePoint> closed = ring;
  closed.push_back(ring.front());
  dc.Polyline(closed);
  dc.SelectPen(before);
}

std::optional<PlacedNote> PlaceValueLabel(const std::string& text, DevicePoint at, int reach,
                                          int textHeight, const DeviceBox& inside,
                                          FigureObstacles& taken) {
  const int w = NoteTextWidth(text, textHeight);
  const int h = textHeight;
  const int gap = NoteGroundMargin(h) + 1;
  const int near = reach + gap;
  const DevicePoint corners[] = {{at.x - w / 2, at.y + near},          // below
                                 {at.x - w / 2, at.y - near - h},      // above
                                 {at.x + near, at.y - h / 2},          // right
                                 {at.x - near - w, at.y - h / 2},      // left
                                 {at.x + near, at.y + near},           // below right
                                 {at.x - near - w, at.y + near},       // below left
                                 {at.x + near, at.y - near - h},       // above right
                                 {at.x - near - w, at.y - near - h}};  // above left
  for (const DevicePoint& c : corners) {
    const PlacedNote note{c.x, c.y, c.x + w, c.y + h, text};
    const DeviceBox ground = BoxOf(note).Grown(NoteGroundMargin(h));
    if (!ground.Inside(inside) || !taken.IsClear(ground)) continue;
    taken.AddBox(ground);
    return note;
  }
  return std::nullopt;
}

void DrawValueLabels(DeviceContext& dc, RenderContext& ctx, const std::vector<PlacedNote>& labels) {
  UseMapFont(dc, ctx);
  dc.SetTextHalo(NoteGroundMargin(NoteTextHeight(ctx)));
  for (const PlacedNote& label : labels)
    dc.TextOut(label.left, label.top, label.text);
  dc.SetTextHalo(0);
}

std::optional<WorldSegment> CutToSpan(const WorldSegment& segment, double low, double high) {
  WorldSegment s = segment;
  if (s.x0 > s.x1) std::swap(s.x0, s.x1), std::swap(s.y0, s.y1);
  if (!(s.x1 >= low) || !(s.x0 <= high)) return std::nullopt;
  const double width = s.x1 - s.x0;
  auto yAt = [&](double x) {
    return width > 0.0 ? s.y0 + (s.y1 - s.y0) * (x - s.x0) / width : s.y0;
  };
  WorldSegment cut = s;
  if (s.x0 < low) cut.x0 = low, cut.y0 = yAt(low);
  if (s.x1 > high) cut.x1 = high, cut.y1 = yAt(high);
  return cut;
}

}  // namespace qel
