// A device context that draws nothing and records every call as one line of text, so tests can
// compare exact device coordinates.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "platform/device_context.h"

namespace qel {

// Line formats (colours as 0x%06x of the 0x00BBGGRR value):
//   pen <solid|dash|dot|dashdot|longdash|dashdotdot|null> <width> <colour>
//   moveto <x> <y>            lineto <x> <y>
//   polyline <x>,<y> <x>,<y> ...
//   arc <left> <top> <right> <bottom> <xStart> <yStart> <xEnd> <yEnd>
//   clip <left> <top> <right> <bottom>      noclip
//   font <height> <escapement> <underline 0|1> <face>
//   textcolour <colour>       align <left|centre>      transparent      halo <width>
//   paper <left> <top> <right> <bottom>
//   text <x> <y> <text>       origin <x> <y>
class RecordingDeviceContext : public DeviceContext {
 public:
  explicit RecordingDeviceContext(int dpiX = 96, int dpiY = 96) : dpiX_(dpiX), dpiY_(dpiY) {}

  int LogPixelsX() const override { return dpiX_; }
  int LogPixelsY() const override { return dpiY_; }
  Pen SelectPen(const Pen& pen) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Polyline(const std::vector<DevicePoint>& points) override;
  void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
           int yEnd) override;
  // Recorded as "fill <colour> <ring>|<ring>..." with each ring's points as "x,y".
  void FillPolygons(const std::vector<std::vector<DevicePoint>>& rings, Colour colour) override;
  // Recorded as "paper <left> <top> <right> <bottom>".
  void FillPaper(int left, int top, int right, int bottom) override;
  void IntersectClipRect(int left, int top, int right, int bottom) override;
  void RemoveClip() override;
  bool SelectFont(const FontSpec& font) override;
  Colour SetTextColour(Colour colour) override;
  void SetTextAlign(TextAlign align) override;
  void SetTransparentBackground() override;
  void TextOut(int x, int y, const std::string& text) override;
  // Recorded as "halo <width>".
  void SetTextHalo(int width) override;
  void SetWindowOrigin(int x, int y) override;

  // Makes every later font request fail, as a device that cannot create fonts would.
  void set_fail_fonts(bool fail) { failFonts_ = fail; }

  const std::vector<std::string>& lines() const { return lines_; }
  void Clear() {
    lines_.clear();
    texts_.clear();
  }
  // The recorded lines that start with `prefix` followed by a blank (or equal it).
  std::vector<std::string> Lines(const std::string& prefix) const;
  // The texts drawn, in order.
  std::vector<std::string> Texts() const;
  // The whole log, one call per line.
  std::string Log() const;
  // The largest distance from 0 of any coordinate a drawing call was given (points, boxes,
  // clip rectangles and text positions; not widths or font sizes).
  long long FarthestCoordinate() const { return farthest_; }

 private:
  void Record(std::string line) { lines_.push_back(std::move(line)); }
  void Reach(std::initializer_list<int> coordinates);

  int dpiX_, dpiY_;
  bool failFonts_ = false;
  Pen pen_;
  Colour textColour_ = 0;
  std::vector<std::string> lines_;
  std::vector<std::string> texts_;
  long long farthest_ = 0;
};

}  // namespace qel
