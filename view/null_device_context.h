// A device that draws nothing: a page is laid out on it so that what its paint will need is
// computed ahead of the paint.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/device_context.h"

namespace qel {

class NullDeviceContext : public DeviceContext {
 public:
  NullDeviceContext(int dpiX, int dpiY) : dpiX_(dpiX), dpiY_(dpiY) {}

  int LogPixelsX() const override { return dpiX_; }
  int LogPixelsY() const override { return dpiY_; }
  Pen SelectPen(const Pen& pen) override { return std::exchange(pen_, pen); }
  void MoveTo(int, int) override {}
  void LineTo(int, int) override {}
  void Polyline(const std::vector<DevicePoint>&) override {}
  void Arc(int, int, int, int, int, int, int, int) override {}
  void FillPolygons(const std::vector<std::vector<DevicePoint>>&, Colour) override {}
  void IntersectClipRect(int, int, int, int) override {}
  void RemoveClip() override {}
  bool SelectFont(const FontSpec&) override { return true; }
  Colour SetTextColour(Colour colour) override { return std::exchange(textColour_, colour); }
  void SetTextAlign(TextAlign) override {}
  void SetTransparentBackground() override {}
  void TextOut(int, int, const std::string&) override {}
  void SetWindowOrigin(int, int) override {}

 private:
  int dpiX_, dpiY_;
  Pen pen_{};
  Colour textColour_ = 0;
};

}  // namespace qel
