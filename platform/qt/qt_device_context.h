// The drawing device over a QPainter: screen widget, printer, PDF, image or SVG.
#pragma once

#include <QFont>
#include <QPoint>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>
#include <optional>

#include "platform/device_context.h"

class QPainter;

namespace qel {

// Device coordinates are the painter's logical coordinates at the moment the context is made
// (whatever transform the caller set stays underneath). Integer coordinates name pixels, as on
// a raster device: a one-pixel line at y = 10 covers the pixel row 10.
class QtDeviceContext : public DeviceContext {
 public:
  // `dpiX`, `dpiY`: the resolution the caller lays out with (the screen's logical DPI for a
  // widget, the device's resolution for printers, PDF writers and images). `clipInSoftware`:
  // the paint device ignores the painter's clip (QSvgGenerator), so lines, arcs and texts are
  // clipped here before they reach it.
  QtDeviceContext(QPainter& painter, int dpiX, int dpiY, bool clipInSoftware = false);

  int LogPixelsX() const override { return dpiX_; }
  int LogPixelsY() const override { return dpiY_; }
  Pen SelectPen(const Pen& pen) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Polyline(const std::vector<DevicePoint>& points) override;
  void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
           int yEnd) override;
  void FillPolygons(const std::vector<std::vector<DevicePoint>>& rings, Colour colour) override;
  void IntersectClipRect(int left, int top, int right, int bottom) override;
  void RemoveClip() override;
  bool SelectFont(const FontSpec& font) override;
  Colour SetTextColour(Colour colour) override;
  void SetTextAlign(TextAlign align) override;
  void SetTransparentBackground() override;
  void TextOut(int x, int y, const std::string& text) override;
  void SetTextHalo(int width) override;
  void SetWindowOrigin(int x, int y) override;

  // The font TextOut draws with.
  const QFont& font() const { return font_; }
  // For a screen: text that reaches the screen smaller than kTrueShapeBelowPixels is drawn
  // unhinted. Hinting snaps the strokes of small glyphs to whole pixels, which in a Mincho face
  // closes the loops of 8 into 3 and turns "." into ","; unhinted glyphs keep their shapes.
  // Sizes and positions stay those of the font, so nothing moves on the page, and paper
  // (which never turns this on) is unchanged.
  void DrawSmallTextTrueShape(bool on) { trueShapeSmallText_ = on; }
  static constexpr double kTrueShapeBelowPixels = 16.0;

 private:
  // Where a stroke through pixel (x, y) runs on the painter's surface.
  QPointF StrokePoint(int x, int y) const;
  // Strokes `points` with the current pen, clipped in software when that is on.
  void StrokePolyline(const QPolygonF& points);
  // The software clip rectangle in the current device coordinates.
  QRectF SoftwareClipRect() const;

  QPainter& painter_;
  int dpiX_, dpiY_;
  bool clipInSoftware_;
  QTransform baseTransform_;
  Pen pen_;
  QPoint position_;
  QPoint origin_;
  // Software clip, in surface coordinates (device coordinates at window origin 0, 0) so that a
  // later change of origin does not move it.
  std::optional<QRectF> softwareClip_;
  QFont font_;
  int escapement_ = 0;
  Colour textColour_ = 0;
  TextAlign align_ = TextAlign::LeftTop;
  int halo_ = 0;
  bool trueShapeSmallText_ = false;
};

}  // namespace qel
