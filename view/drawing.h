// The world-to-device transform and the drawing primitives every figure and table uses, in
// device units and in model coordinates.
#pragma once

#include <cstddef>
#include <string>

#include "platform/device_context.h"
#include "platform/paper_units.h"

namespace qel {

// Model metres (or table units) to device units. pixelsPerMetreX/Y are device units per model
// unit; margins are millimetres of paper left free at the left and top.
struct WorldTransform {
  double originX = 0.0, originY = 0.0;
  double pixelsPerMetreX = 0.0, pixelsPerMetreY = 0.0;
  double pixelsPerMmX = 0.0, pixelsPerMmY = 0.0;
  double marginLeft = 0.0, marginTop = 0.0;
  // Device units of one screen pixel. Line widths, dash lengths and mark sizes are set in pixels
  // of a 96 dpi screen; on a device of another resolution they grow by dpi / 96, so that paper
  // looks like the screen.
  double pixelScale = 1.0;
};

// Inches in one millimetre: converts a resolution in dots per inch to dots per millimetre.
inline constexpr double kInchesPerMm = 1.0 / kMillimetresPerInch;

// The device units of a width or size of `screenPixels` pixels: scaled by pixelScale, rounded and
// at least 1. Zero and negative sizes stay as they are: they switch a line off or ask for the
// thinnest line the device draws.
int DevicePixels(const WorldTransform& t, int screenPixels);
// The model length across (x) and down (y) of `screenPixels` pixels on the device.
double PixelsAcross(const WorldTransform& t, int screenPixels);
double PixelsDown(const WorldTransform& t, int screenPixels);

// The largest device coordinate a drawing call is given, either side of 0. Pages of every
// supported paper and resolution lie well within it, and the sum or difference of two such
// coordinates still fits an int.
inline constexpr int kDeviceCoordinateLimit = 32767;

// A coordinate worked out in doubles as the device takes it: truncated towards zero and clamped to
// +-kDeviceCoordinateLimit; NaN becomes 0. A huge or non-finite value (a typo of 1e300, an
// infinite range) cannot be converted to int without undefined behaviour, so every world or
// paper position goes through this (rounded first where it is rounded) before it becomes an int.
int ClampToDevice(double value);

// (originX + x) * pixelsPerMetreX + marginLeft * pixelsPerMmX, truncated, clamped to +-32767.
int ToDeviceX(const WorldTransform& t, double x);
// (originY - y) * pixelsPerMetreY + marginTop * pixelsPerMmY: y grows upwards in the model.
int ToDeviceY(const WorldTransform& t, double y);

// Device-unit primitives: each selects a pen of the given style, width and colour, draws and
// restores the previous pen.
void DrawLine(DeviceContext& dc, int x1, int y1, int x2, int y2, PenStyle style, int width,
              Colour colour);
// Dashes of `dash` units with `gap` between, advancing only towards larger coordinates (pass the
// end with the smaller coordinates first). Nothing for width 0 or dash <= 0; solid for gap <= 0.
void DrawDashedLine(DeviceContext& dc, int x1, int y1, int x2, int y2, int dash, int gap, int width,
                    Colour colour);
void DrawRectOutline(DeviceContext& dc, int x1, int y1, int x2, int y2, PenStyle style, int width,
                     Colour colour);
void DrawArc(DeviceContext& dc, int left, int top, int right, int bottom, int xStart, int yStart,
             int xEnd, int yEnd, PenStyle style, int width, Colour colour);

// The same in model coordinates. Their widths (and dash lengths) are screen pixels, turned into
// device units with DevicePixels.
void WorldLine(DeviceContext& dc, const WorldTransform& t, double x1, double y1, double x2,
               double y2, PenStyle style, int width, Colour colour);
// The end point takes the smaller of y1 and y2 as its y.
void WorldDashedLine(DeviceContext& dc, const WorldTransform& t, double x1, double y1, double x2,
                     double y2, int dash, int gap, int width, Colour colour);
void WorldRect(DeviceContext& dc, const WorldTransform& t, double x1, double y1, double x2,
               double y2, PenStyle style, int width, Colour colour);
void WorldArc(DeviceContext& dc, const WorldTransform& t, double left, double top, double right,
              double bottom, double xStart, double yStart, double xEnd, double yEnd, PenStyle style,
              int width, Colour colour);
// A closed ellipse of centre (cx, cy) and radii rx, ry.
void WorldEllipse(DeviceContext& dc, const WorldTransform& t, double cx, double cy, double rx,
                  double ry, PenStyle style, int width, Colour colour);
// Intersects the clip region with the converted rectangle (corners not reordered).
void WorldClipRect(DeviceContext& dc, const WorldTransform& t, double x1, double y1, double x2,
                   double y2);
void WorldText(DeviceContext& dc, const WorldTransform& t, double x, double y,
               const std::string& text);

// Font family names are a few dozen bytes at most (Windows allows 31 characters); a longer
// face names no installed font, and is cut to this many bytes before the device is asked, so
// that a font request stays cheap. The settings keep the face as it was read.
inline constexpr std::size_t kLongestFaceName = 255;
std::string FaceNameForRequest(const std::string& faceName);

// Creates the text font (height in device units, angle in degrees, the face as
// FaceNameForRequest gives it) and selects it with `colour`. Returns whether the font was made;
// one that cannot be made changes nothing, so that its text comes in the font selected before.
// Nothing is shown here: this runs inside paints, and whoever started the drawing tells the user.
bool CreateTextFont(DeviceContext& dc, Colour colour, int height, const std::string& faceName,
                    int angleDegrees, bool underline);

// A colour text such as "0x808080" (a leading 0x hexadecimal, a leading 0 octal, otherwise
// decimal) as a colour value.
Colour ParseColourText(const std::string& text);

}  // namespace qel
