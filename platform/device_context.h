// The drawing device the renderers paint on: screen, printer, PDF, image or a recording for
// tests. Coordinates are integer device units; colours are 0x00BBGGRR values (red in the low
// byte), as the settings store them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qel {

using Colour = std::uint32_t;

// The colour of the paper every page is drawn on, screen and printer alike.
inline constexpr Colour kPaperColour = 0xFFFFFF;

// The broken styles are the usual line types of technical drawings: dashed, dotted, chain,
// long-dashed and chain with two dots.
enum class PenStyle { Solid, Dash, Dot, DashDot, LongDash, DashDotDot, Null };

struct Pen {
  PenStyle style = PenStyle::Solid;
  int width = 1;
  Colour colour = 0;
};

struct DevicePoint {
  int x = 0;
  int y = 0;
};

// Where TextOut's reference point lies on the text: always its top edge, and its left edge or
// its horizontal centre.
enum class TextAlign { LeftTop, CentreTop };

// A font request. `height` is the cell height in device units (ascent plus descent),
// `escapement` the angle of the baseline in tenths of a degree.
struct FontSpec {
  int height = 0;
  int escapement = 0;
  bool underline = false;
  std::string faceName;
};

class DeviceContext {
 public:
  virtual ~DeviceContext() = default;

  // Dots per inch of the device.
  virtual int LogPixelsX() const = 0;
  virtual int LogPixelsY() const = 0;

  // Selects `pen` and returns the pen that was selected before.
  virtual Pen SelectPen(const Pen& pen) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  virtual void Polyline(const std::vector<DevicePoint>& points) = 0;
  // The elliptic arc of the box (left, top)-(right, bottom) from the ray towards
  // (xStart, yStart) counter-clockwise to the ray towards (xEnd, yEnd); a full ellipse when the
  // two points coincide.
  virtual void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
                   int yEnd) = 0;

  // Fills the area the closed rings enclose by the even-odd rule (a ring inside another makes a
  // hole) with `colour`, drawing no outline. Device units name pixels: a ring through the
  // corners (0, 0) and (10, 10) covers the pixels 0 to 9.
  virtual void FillPolygons(const std::vector<std::vector<DevicePoint>>& rings, Colour colour) = 0;
  // Paints the box (left, top)-(right, bottom) in the paper's colour, covering what was drawn
  // there: the ground of a text that lines pass behind, so that none strikes it through.
  virtual void FillPaper(int left, int top, int right, int bottom) {
    FillPolygons({{{left, top}, {right, top}, {right, bottom}, {left, bottom}}}, kPaperColour);
  }

  // Narrows the clip region to its intersection with the rectangle.
  virtual void IntersectClipRect(int left, int top, int right, int bottom) = 0;
  // Removes all clipping.
  virtual void RemoveClip() = 0;

  // Creates a font and selects it; false (and the previous font stays) when it cannot be made.
  virtual bool SelectFont(const FontSpec& font) = 0;
  // Sets the text colour and returns the previous one.
  virtual Colour SetTextColour(Colour colour) = 0;
  virtual void SetTextAlign(TextAlign align) = 0;
  virtual void SetTransparentBackground() = 0;
  // Draws UTF-8 `text` with the current font, colour and alignment at (x, y).
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  // Texts drawn from now on stand on a halo of paper colour reaching `width` units around their
  // glyphs (0, as at first: none), so that no line or fill drawn before strikes them through.
  // A device that cannot draw one draws the texts without.
  virtual void SetTextHalo(int width) { (void)width; }

  virtual void SetWindowOrigin(int x, int y) = 0;
};

}  // namespace qel
