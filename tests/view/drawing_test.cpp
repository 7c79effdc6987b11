// The world-to-device transform and the drawing primitives, checked on a recording device.
#include "view/drawing.h"

#include <gtest/gtest.h>

#include "test_support/recording_device_context.h"

namespace qel {
namespace {

using Lines = std::vector<std::string>;

// 10 device units per model unit, no margins, model y = 10 at the top of the device.
WorldTransform TenPerUnit() {
  WorldTransform t;
  t.originY = 10.0;
  t.pixelsPerMetreX = t.pixelsPerMetreY = 10.0;
  return t;
}

// The transform a figure at scale 1/100 on a 96 dpi device uses.
WorldTransform Scale100At96Dpi() {
  WorldTransform t;
  t.pixelsPerMmX = t.pixelsPerMmY = 96 * kInchesPerMm;
  t.pixelsPerMetreX = 1000.0 / 100 * t.pixelsPerMmX;
  t.pixelsPerMetreY = 1000.0 / 100 * t.pixelsPerMmY;
  return t;
}

// Widths and sizes set in screen pixels, in device units at 96, 300 and 600 dpi.
TEST(DevicePixels, ScreenPixelsGrowWithTheResolution) {
  struct Case {
    int dpi;
    int pixels;
    int expected;
  };
  const Case cases[] =
      {
          {96, 1, 1},           {96, 2, 2},   {96, 4, 4},    {300, 1, 3},
          {300, 2, 6},          {300, 4, 13}, {600, 1, 6},   {600, 2, 13},
          {600, 4, 25},         {600, 0, 0},  {600, -2, -2},  // off stays off
          {48, 1, 1},           {72, 1, 1},                   // never thinner than a device unit
          {600, 100000, 32767},
      };
  for (const Case& c : cases) {
    WorldTransform t;
    t.pixelScale = c.dpi / 96.0;
    EXPECT_EQ(DevicePixels(t, c.pixels), c.expected) << c.dpi << " dpi, " << c.pixels << " px";
  }
}

TEST(DevicePixels, WorldPrimitivesDrawTheirWidthsAndDashesInDevicePixels) {
  WorldTransform t = TenPerUnit();
  t.pixelScale = 600 / 96.0;
  RecordingDeviceContext dc;
  WorldLine(dc, t, 0, 10, 1, 10, PenStyle::Solid, 2, 0);
  WorldRect(dc, t, 0, 10, 1, 9, PenStyle::Solid, 1, 0);
  WorldEllipse(dc, t, 5, 5, 1, 1, PenStyle::Solid, 3, 0);
  WorldDashedLine(dc, t, 0, 10, 100, 10, 2, 1, 1, 0);  // dashes 13 long, gaps 6
  const Lines pens = dc.Lines("pen");
  ASSERT_GE(pens.size(), 8u);
  EXPECT_EQ(pens[0], "pen solid 13 0x000000");
  EXPECT_EQ(pens[2], "pen solid 6 0x000000");
  EXPECT_EQ(pens[4], "pen solid 19 0x000000");
  EXPECT_EQ(pens[6], "pen solid 6 0x000000");
  const Lines moves = dc.Lines("moveto");
  const Lines ends = dc.Lines("lineto");
  ASSERT_GE(moves.size(), 3u);
  EXPECT_EQ(moves[1], "moveto 0 0");  // the dashed line's first dash
  EXPECT_EQ(ends[1], "lineto 13 0");
  EXPECT_EQ(moves[2], "moveto 19 0");
  // A mark of 4 screen pixels spans 25 device units: 2.5 model units at 10 units each.
  EXPECT_DOUBLE_EQ(PixelsAcross(t, 4), 2.5);
  EXPECT_DOUBLE_EQ(PixelsDown(t, 4), 2.5);
}

TEST(ToDevice, DistantPointsAreClampedToTheSixteenBitRange) {
  const WorldTransform t = Scale100At96Dpi();
  // 10 km at 1/100 is 100 m of paper, about 378,000 pixels.
  EXPECT_EQ(ToDeviceX(t, 10000.0), 32767);
  EXPECT_EQ(ToDeviceX(t, -10000.0), -32767);
  // y grows upwards in the model and downwards on the device.
  EXPECT_EQ(ToDeviceY(t, -10000.0), 32767);
  EXPECT_EQ(ToDeviceY(t, 10000.0), -32767);
  // Just inside the range nothing is clamped: 800 m is 30236.2 pixels.
  EXPECT_EQ(ToDeviceX(t, 800.0), 30236);
}

TEST(ToDevice, FractionsAreTruncatedTowardsZero) {
  const WorldTransform t = TenPerUnit();
  EXPECT_EQ(ToDeviceX(t, 1.75), 17);    // 17.5, not rounded up
  EXPECT_EQ(ToDeviceX(t, -1.75), -17);  // not floored to -18
  EXPECT_EQ(ToDeviceY(t, 8.25), 17);    // (10 - 8.25) * 10 = 17.5
  EXPECT_EQ(ToDeviceY(t, 11.75), -17);
}

TEST(ToDevice, OriginAndMarginsShiftThePoint) {
  WorldTransform t = TenPerUnit();
  t.originX = -2.0;  // a page whose left edge is at model x = 2
  t.marginLeft = 10.0;
  t.marginTop = 5.0;
  t.pixelsPerMmX = t.pixelsPerMmY = 4.0;
  EXPECT_EQ(ToDeviceX(t, 2.0), 40);       // the page's left edge sits at the margin
  EXPECT_EQ(ToDeviceX(t, 3.5), 15 + 40);  // 1.5 units right of it
  EXPECT_EQ(ToDeviceY(t, 10.0), 20);      // the top of the page at the top margin
  EXPECT_EQ(ToDeviceY(t, 7.0), 30 + 20);
}

TEST(DrawDashedLine, WidthZeroOrNoDashDrawsNothing) {
  RecordingDeviceContext dc;
  DrawDashedLine(dc, 0, 10, 100, 10, 5, 3, 0, 0x0000ff);
  EXPECT_TRUE(dc.lines().empty());
  DrawDashedLine(dc, 0, 10, 100, 10, 0, 3, 1, 0x0000ff);
  DrawDashedLine(dc, 0, 10, 100, 10, -4, 3, 1, 0x0000ff);
  EXPECT_TRUE(dc.Lines("moveto").empty());
  EXPECT_TRUE(dc.Lines("lineto").empty());
}

TEST(DrawDashedLine, NoGapGivesOneSolidLine) {
  RecordingDeviceContext dc;
  DrawDashedLine(dc, 100, 50, 10, 50, 5, 0, 2, 0x00ff00);
  EXPECT_EQ(dc.lines(), (Lines{"pen solid 2 0x00ff00", "moveto 100 50", "lineto 10 50",
                               "pen solid 1 0x000000"}));
}

TEST(DrawDashedLine, HorizontalDashesFollowTheLoop) {
  RecordingDeviceContext dc;
  // Dashes of 5 and gaps of 3 from x = 0 while x < 30 - 5: starts 0, 8, 16, 24.
  DrawDashedLine(dc, 0, 10, 30, 10, 5, 3, 1, 0x0000ff);
  EXPECT_EQ(dc.lines(), (Lines{"pen solid 1 0x0000ff", "moveto 0 10", "lineto 5 10", "moveto 8 10",
                               "lineto 13 10", "moveto 16 10", "lineto 21 10", "moveto 24 10",
                               "lineto 29 10", "pen solid 1 0x000000"}));
}

TEST(DrawDashedLine, VerticalDashesStopBeforeTheLastFullDash) {
  RecordingDeviceContext dc;
  // Starts 0 and 8; at y = 16 the condition 16 < 20 - 4 fails.
  DrawDashedLine(dc, 7, 0, 7, 20, 4, 4, 1, 0);
  EXPECT_EQ(dc.Lines("moveto"), (Lines{"moveto 7 0", "moveto 7 8"}));
  EXPECT_EQ(dc.Lines("lineto"), (Lines{"lineto 7 4", "lineto 7 12"}));
}

TEST(DrawDashedLine, ALineTowardsSmallerCoordinatesIsNotDrawn) {
  RecordingDeviceContext dc;
  DrawDashedLine(dc, 100, 50, 10, 50, 5, 3, 1, 0);
  DrawDashedLine(dc, 10, 90, 10, 20, 5, 3, 1, 0);
  EXPECT_TRUE(dc.Lines("moveto").empty());
  EXPECT_TRUE(dc.Lines("lineto").empty());
}

// Counts the dashes without keeping a million log lines.
class DashCounter : public RecordingDeviceContext {
 public:
  void MoveTo(int x, int y) override {
    ++moves;
    last = {x, y};
  }
  void LineTo(int, int) override { ++lines; }
  long moves = 0, lines = 0;
  DevicePoint last;
};

TEST(DrawDashedLine, StopsAfterAMillionAndOneDashes) {
  DashCounter dc;
  // 1,050,000 dashes would fit; the loop gives up after 1,000,001 of them.
  DrawDashedLine(dc, 0, 0, 2100000, 0, 1, 1, 1, 0);
  EXPECT_EQ(dc.moves, 1000001);
  EXPECT_EQ(dc.lines, 1000001);
  EXPECT_EQ(dc.last.x, 2000000);  // the start of the last dash: 2 units per dash and gap
}

TEST(DrawDashedLine, TheWidestDeviceLineEndsNormally) {
  DashCounter dc;
  DrawDashedLine(dc, -32767, 0, 32767, 0, 1, 1, 1, 0);
  // Starts -32767, -32765, ... while x < 32766.
  EXPECT_EQ(dc.moves, 32767);
  EXPECT_EQ(dc.last.x, 32765);
}

TEST(WorldDashedLine, TheEndTakesTheLowerOfTheTwoHeights) {
  const WorldTransform t = TenPerUnit();
  RecordingDeviceContext dc;
  // From (0, 1) up to (3, 5): the end is placed at model y 1, so the line runs along y = 90.
  WorldDashedLine(dc, t, 0.0, 1.0, 3.0, 5.0, 5, 5, 1, 0);
  EXPECT_EQ(dc.Lines("moveto"), (Lines{"moveto 0 90", "moveto 10 90", "moveto 20 90"}));
  EXPECT_EQ(dc.Lines("lineto"), (Lines{"lineto 5 90", "lineto 15 90", "lineto 25 90"}));

  dc.Clear();
  // Downwards from (2, 5) to (2, 1): device y 50 to 90.
  WorldDashedLine(dc, t, 2.0, 5.0, 2.0, 1.0, 10, 10, 1, 0);
  EXPECT_EQ(dc.Lines("moveto"), (Lines{"moveto 20 50", "moveto 20 70"}));
}

TEST(DrawRectOutline, IsOneClosedPolylineClockwiseFromTheFirstCorner) {
  RecordingDeviceContext dc;
  DrawRectOutline(dc, 1, 2, 30, 40, PenStyle::Dot, 3, 0x123456);
  EXPECT_EQ(dc.lines(), (Lines{"pen dot 3 0x123456", "polyline 1,2 30,2 30,40 1,40 1,2",
                               "pen solid 1 0x000000"}));
}

TEST(WorldShapes, EllipseBoxAndClipRectAreConvertedCornerByCorner) {
  const WorldTransform t = TenPerUnit();
  RecordingDeviceContext dc;
  // Box from (cx - rx, cy - ry) to (cx + rx, cy + ry): on the device its top lies below its
  // bottom; start and end both at the right end of the horizontal axis.
  WorldEllipse(dc, t, 2.0, 5.0, 1.0, 0.5, PenStyle::Solid, 1, 0);
  EXPECT_EQ(dc.Lines("arc"), (Lines{"arc 10 55 30 45 30 50 30 50"}));
  // The clip rectangle keeps the corners as given.
  WorldClipRect(dc, t, 3.0, 1.0, 1.0, 5.0);
  EXPECT_EQ(dc.Lines("clip"), (Lines{"clip 30 90 10 50"}));
}

TEST(CreateTextFont, SelectsTheFontThenTheColour) {
  RecordingDeviceContext dc;
  EXPECT_TRUE(CreateTextFont(dc, 0x0000ff, 42, "ＭＳ 明朝", 90, true));
  EXPECT_EQ(dc.lines(), (Lines{"font 42 900 1 ＭＳ 明朝", "textcolour 0x0000ff"}));
}

// The failure is returned for the caller to tell (a paint only counts it).
TEST(CreateTextFont, AFontThatCannotBeMadeIsReturnedAndChangesNothing) {
  RecordingDeviceContext dc;
  dc.set_fail_fonts(true);
  EXPECT_FALSE(CreateTextFont(dc, 0x0000ff, 42, "ＭＳ 明朝", 0, false));
  EXPECT_TRUE(dc.lines().empty());  // neither a font nor a text colour
}

TEST(ParseColourText, ReadsHexadecimalOctalAndDecimal) {
  EXPECT_EQ(ParseColourText("0x808080"), 0x808080u);
  EXPECT_EQ(ParseColourText("0X0000FF"), 0x0000ffu);
  EXPECT_EQ(ParseColourText("0100"), 64u);  // a leading zero means octal
  EXPECT_EQ(ParseColourText("255"), 255u);
  EXPECT_EQ(ParseColourText("  16711680"), 0xff0000u);
  EXPECT_EQ(ParseColourText("blue"), 0u);
  EXPECT_EQ(ParseColourText(""), 0u);
}

TEST(CreateTextFont, AFaceOfMegabytesIsCutForTheDeviceOnly) {
  RecordingDeviceContext dc;
  std::string face;
  for (int i = 0; i < 1000000; ++i)
    face += "明";  // three bytes each: the cut must not split one
  ASSERT_TRUE(CreateTextFont(dc, 0, 12, face, 0, false));
  const std::string requested = FaceNameForRequest(face);
  EXPECT_EQ(requested.size(), 255u);  // 85 whole characters
  EXPECT_EQ(face.compare(0, requested.size(), requested), 0);
  EXPECT_EQ(dc.lines()[0], "font 12 0 0 " + requested);
  EXPECT_EQ(FaceNameForRequest("ＭＳ 明朝"), "ＭＳ 明朝");
  EXPECT_EQ(FaceNameForRequest(std::string(300, 'M')), std::string(255, 'M'));
}

}  // namespace
}  // namespace qel
