// The world-to-device transform and the drawing primitives.
#include "view/drawing.h"

#include <algorithm>
#include <cmath>

#include "base/c_locale.h"
#include "settings/number_format.h"

namespace qel {

namespace {

constexpr double kDeviceLimit = kDeviceCoordinateLimit;
constexpr int kMostDashes = 1000001;

// Selects a pen for the lifetime of the object and restores the previous one afterwards.
class ScopedPen {
 public:
  ScopedPen(DeviceContext& dc, PenStyle style, int width, Colour colour)
      : dc_(dc), previous_(dc.SelectPen({style, width, colour})) {}
  ~ScopedPen() { dc_.SelectPen(previous_); }
  ScopedPen(const ScopedPen&) = delete;
  ScopedPen& operator=(const ScopedPen&) = delete;

 private:
  DeviceContext& dc_;
  Pen previous_;
};

}  // namespace

int ClampToDevice(double value) {
  if (std::isnan(value)) return 0;
  value = std::clamp(std::trunc(value), -kDeviceLimit, kDeviceLimit);
  return static_cast<int>(value);
}

int DevicePixels(const WorldTransform& t, int screenPixels) {
  if (screenPixels <= 0) return screenPixels;
  const double scaled = std::round(screenPixels * t.pixelScale);
  if (!(scaled >= 1.0)) return 1;  // also a scale that is not a number
  return scaled >= kDeviceLimit ? static_cast<int>(kDeviceLimit) : static_cast<int>(scaled);
}

double PixelsAcross(const WorldTransform& t, int screenPixels) {
  return DevicePixels(t, screenPixels) / t.pixelsPerMetreX;
}

double PixelsDown(const WorldTransform& t, int screenPixels) {
  return DevicePixels(t, screenPixels) / t.pixelsPerMetreY;
}

int ToDeviceX(const WorldTransform& t, double x) {
  return ClampToDevice((t.originX + x) * t.pixelsPerMetreX + t.marginLeft * t.pixelsPerMmX);
}

int ToDeviceY(const WorldTransform& t, double y) {
  return ClampToDevice((t.originY - y) * t.pixelsPerMetreY + t.marginTop * t.pixelsPerMmY);
}

void DrawLine(DeviceContext& dc, int x1, int y1, int x2, int y2, PenStyle style, int width,
              Colour colour) {
  ScopedPen pen(dc, style, width, colour);
  dc.MoveTo(x1, y1);
  dc.LineTo(x2, y2);
}

void DrawDashedLine(DeviceContext& dc, int x1, int y1, int x2, int y2, int dash, int gap, int width,
                    Colour colour) {
  if (width == 0) return;
  if (gap <= 0) {
    DrawLine(dc, x1, y1, x2, y2, PenStyle::Solid, width, colour);
    return;
  }
  if (dash <= 0) return;
  ScopedPen pen(dc, PenStyle::Solid, width, colour);
  const int sx = Sign(x2 - x1), sy = Sign(y2 - y1);
  // 64-bit positions: a million dashes of a long dash cannot overflow.
  const long long stepX = static_cast<long long>(sx) * dash,
                  stepY = static_cast<long long>(sy) * dash;
  long long x = x1, y = y1;
  for (int dashes = 0; (x < x2 - stepX || y < y2 - stepY) && dashes < kMostDashes; ++dashes) {
    dc.MoveTo(static_cast<int>(x), static_cast<int>(y));
    x += stepX;
    y += stepY;
    dc.LineTo(static_cast<int>(x), static_cast<int>(y));
    x += static_cast<long long>(sx) * gap;
    y += static_cast<long long>(sy) * gap;
  }
}

void DrawRectOutline(DeviceContext& dc, int x1, int y1, int x2, int y2, PenStyle style, int width,
                     Colour colour) {
  ScopedPen pen(dc, style, width, colour);
  dc.Polyline({{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}});
}

void DrawArc(DeviceContext& dc, int left, int top, int right, int bottom, int xStart, int yStart,
             int xEnd, int yEnd, PenStyle style, int width, Colour colour) {
  ScopedPen pen(dc, style, width, colour);
  dc.Arc(left, top, right, bottom, xStart, yStart, xEnd, yEnd);
}

void WorldLine(DeviceContext& dc, const WorldTransform& t, double x1, double y1, double x2,
               double y2, PenStyle style, int width, Colour colour) {
  DrawLine(dc, ToDeviceX(t, x1), ToDeviceY(t, y1), ToDeviceX(t, x2), ToDeviceY(t, y2), style,
           DevicePixels(t, width), colour);
}

void WorldDashedLine(DeviceContext& dc, const WorldTransform& t, double x1, double y1, double x2,
                     double y2, int dash, int gap, int width, Colour colour) {
  DrawDashedLine(dc, ToDeviceX(t, x1), ToDeviceY(t, y1), ToDeviceX(t, x2),
                 ToDeviceY(t, std::min(y1, y2)), DevicePixels(t, dash), DevicePixels(t, gap),
                 DevicePixels(t, width), colour);
}

void WorldRect(DeviceContext& dc, const WorldTransform& t, double x1, double y1, double x2,
               double y2, PenStyle style, int width, Colour colour) {
  DrawRectOutline(dc, ToDeviceX(t, x1), ToDeviceY(t, y1), ToDeviceX(t, x2), ToDeviceY(t, y2), style,
                  DevicePixels(t, width), colour);
}

void WorldArc(DeviceContext& dc, const WorldTransform& t, double left, double top, double right,
              double bottom, double xStart, double yStart, double xEnd, double yEnd, PenStyle style,
              int width, Colour colour) {
  DrawArc(dc, ToDeviceX(t, left), ToDeviceY(t, top), ToDeviceX(t, right), ToDeviceY(t, bottom),
          ToDeviceX(t, xStart), ToDeviceY(t, yStart), ToDeviceX(t, xEnd), ToDeviceY(t, yEnd), style,
          DevicePixels(t, width), colour);
}

void WorldEllipse(DeviceContext& dc, const WorldTransform& t, double cx, double cy, double rx,
                  double ry, PenStyle style, int width, Colour colour) {
  WorldArc(dc, t, cx - rx, cy - ry, cx + rx, cy + ry, cx + rx, cy, cx + rx, cy, style, width,
           colour);
}

void WorldClipRect(DeviceContext& dc, const WorldTransform& t, double x1, double y1, double x2,
                   double y2) {
  dc.IntersectClipRect(ToDeviceX(t, x1), ToDeviceY(t, y1), ToDeviceX(t, x2), ToDeviceY(t, y2));
}

void WorldText(DeviceContext& dc, const WorldTransform& t, double x, double y,
               const std::string& text) {
  dc.TextOut(ToDeviceX(t, x), ToDeviceY(t, y), text);
}

std::string FaceNameForRequest(const std::string& faceName) {
  if (faceName.size() <= kLongestFaceName) return faceName;
  std::size_t end = kLongestFaceName;
  while (end > 0 && (static_cast<unsigned char>(faceName[end]) & 0xC0) == 0x80)
    --end;  // not inside a character
  return faceName.substr(0, end);
}

bool CreateTextFont(DeviceContext& dc, Colour colour, int height, const std::string& faceName,
                    int angleDegrees, bool underline) {
  FontSpec font;
  font.height = height;
  font.escapement = angleDegrees * 10;
  font.underline = underline;
  font.faceName = FaceNameForRequest(faceName);
  if (!dc.SelectFont(font)) return false;
  dc.SetTextColour(colour);
  return true;
}

Colour ParseColourText(const std::string& text) {
  return static_cast<Colour>(ToLongAutoBase(text)) & 0xFFFFFFu;
}

}  // namespace qel
