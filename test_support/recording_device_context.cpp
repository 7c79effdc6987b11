// A device context that records every call as one line of text.
#include "test_support/recording_device_context.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace qel {

static std::string ColourText(Colour colour) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%06x", static_cast<unsigned>(colour));
  return text;
}

static const char* StyleName(PenStyle style) {
  switch (style) {
    case PenStyle::Solid:
      return "solid";
    case PenStyle::Dash:
      return "dash";
    case PenStyle::Dot:
      return "dot";
    case PenStyle::DashDot:
      return "dashdot";
    case PenStyle::LongDash:
      return "longdash";
    case PenStyle::DashDotDot:
      return "dashdotdot";
    case PenStyle::Null:
      return "null";
  }
  return "solid";
}

static std::string Join(std::initializer_list<int> values) {
  std::string text;
  for (int v : values)
    text += " " + std::to_string(v);
  return text;
}

Pen RecordingDeviceContext::SelectPen(const Pen& pen) {
  Pen previous = pen_;
  pen_ = pen;
  Record(std::string("pen ") + StyleName(pen.style) + " " + std::to_string(pen.width) + " " +
         ColourText(pen.colour));
  return previous;
}

void RecordingDeviceContext::Reach(std::initializer_list<int> coordinates) {
  for (int c : coordinates)
    farthest_ = std::max(farthest_, std::llabs(static_cast<long long>(c)));
}

void RecordingDeviceContext::MoveTo(int x, int y) {
  Reach({x, y});
  Record("moveto" + Join({x, y}));
}

void RecordingDeviceContext::LineTo(int x, int y) {
  Reach({x, y});
  Record("lineto" + Join({x, y}));
}

void RecordingDeviceContext::Polyline(const std::vector<DevicePoint>& points) {
  std::string line = "polyline";
  for (const DevicePoint& p : points) {
    Reach({p.x, p.y});
    line += " " + std::to_string(p.x) + "," + std::to_string(p.y);
  }
  Record(line);
}

void RecordingDeviceContext::Arc(int left, int top, int right, int bottom, int xStart, int yStart,
                                 int xEnd, int yEnd) {
  Reach({left, top, right, bottom, xStart, yStart, xEnd, yEnd});
  Record("arc" + Join({left, top, right, bottom, xStart, yStart, xEnd, yEnd}));
}

void RecordingDeviceContext::FillPolygons(const std::vector<std::vector<DevicePoint>>& rings,
                                          Colour colour) {
  std::string line = "fill " + std::to_string(colour);
  for (std::size_t r = 0; r < rings.size(); ++r) {
    line += r == 0 ? " " : " | ";
    for (std::size_t i = 0; i < rings[r].size(); ++i) {
      Reach({rings[r][i].x, rings[r][i].y});
      line +=
          (i == 0 ? "" : " ") + std::to_string(rings[r][i].x) + "," + std::to_string(rings[r][i].y);
    }
  }
  Record(line);
}

void RecordingDeviceContext::FillPaper(int left, int top, int right, int bottom) {
  Reach({left, top, right, bottom});
  Record("paper" + Join({left, top, right, bottom}));
}

void RecordingDeviceContext::IntersectClipRect(int left, int top, int right, int bottom) {
  Reach({left, top, right, bottom});
  Record("clip" + Join({left, top, right, bottom}));
}

void RecordingDeviceContext::RemoveClip() {
  Record("noclip");
}

bool RecordingDeviceContext::SelectFont(const FontSpec& font) {
  if (failFonts_) return false;
  Record("font" + Join({font.height, font.escapement, font.underline ? 1 : 0}) + " " +
         font.faceName);
  return true;
}

Colour RecordingDeviceContext::SetTextColour(Colour colour) {
  Colour previous = textColour_;
  textColour_ = colour;
  Record("textcolour " + ColourText(colour));
  return previous;
}

void RecordingDeviceContext::SetTextAlign(TextAlign align) {
  Record(align == TextAlign::CentreTop ? "align centre" : "align left");
}

void RecordingDeviceContext::SetTransparentBackground() {
  Record("transparent");
}

void RecordingDeviceContext::TextOut(int x, int y, const std::string& text) {
  Reach({x, y});
  Record("text" + Join({x, y}) + " " + text);
  texts_.push_back(text);
}

void RecordingDeviceContext::SetTextHalo(int width) {
  Record("halo " + std::to_string(width));
}

void RecordingDeviceContext::SetWindowOrigin(int x, int y) {
  Record("origin" + Join({x, y}));
}

std::vector<std::string> RecordingDeviceContext::Lines(const std::string& prefix) const {
  std::vector<std::string> matching;
  for (const std::string& line : lines_) {
    if (line == prefix || line.rfind(prefix + " ", 0) == 0) matching.push_back(line);
  }
  return matching;
}

std::vector<std::string> RecordingDeviceContext::Texts() const {
  return texts_;
}

std::string RecordingDeviceContext::Log() const {
  std::string log;
  for (const std::string& line : lines_)
    log += line + "\n";
  return log;
}

}  // namespace qel
