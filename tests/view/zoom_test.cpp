// Zoom steps, the zoomed resolution, fits to the window and the zoom's profile text.
#include "view/zoom.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qel {
namespace {

TEST(ZoomTest, StepsFollowTheLadderAndStopAtItsEnds) {
  struct Case {
    double from, in, out;
  };
  const Case cases[] = {
      {1.0, 1.1, 0.9},    {0.9, 1.0, 0.75},       {0.83, 0.9, 0.75},  // a fit between two steps
      {0.67, 0.75, 0.5},  {0.6700001, 0.75, 0.5}, {4.0, 4.0, 3.0},
      {0.25, 0.33, 0.25}, {0.12, 0.25, 0.12},     {3.5, 4.0, 3.0},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(ZoomInStep(c.from), c.in) << c.from;
    EXPECT_DOUBLE_EQ(ZoomOutStep(c.from), c.out) << c.from;
  }
}

TEST(ZoomTest, TheScreenPaintsAtTheLogicalResolutionTimesTheZoom) {
  struct Case {
    int dpi;
    double factor;
    int expected;
  };
  const Case cases[] = {{96, 1.0, 96},  {96, 1.1, 106}, {96, 1.5, 144},
                        {96, 2.0, 192}, {96, 0.25, 24}, {120, 0.67, 80},
                        {96, 9.0, 384}, {96, 0.01, 10}, {96, NAN, 96}};
  for (const Case& c : cases)
    EXPECT_EQ(ZoomedDpi(c.dpi, c.factor), c.expected) << c.dpi << " x " << c.factor;
  EXPECT_EQ(PaperPixels(210, 96), 794);  // 793.7 rounded up
  EXPECT_EQ(PaperPixels(297, 96), 1123);
  EXPECT_EQ(PaperPixels(254, 100), 1000);
  EXPECT_EQ(PaperPixels(0, 96), 0);
}

// A4 on a 96 dpi screen; the fit leaves a margin of 8 pixels around the page.
TEST(ZoomTest, FitsTheWholePageOrItsWidthToTheWindow) {
  struct Case {
    ZoomMode mode;
    int width, height;
    int dpi;  // the resolution the fit paints at
  };
  const Case cases[] = {
      {ZoomMode::FitPage, 1000, 800, 67},     // the height limits: 784 px for 297 mm
      {ZoomMode::FitPage, 400, 2000, 46},     // the width limits: 384 px for 210 mm
      {ZoomMode::FitWidth, 1000, 800, 117},   // taller than the window: 984 px less a scroll bar
      {ZoomMode::FitWidth, 1000, 3000, 119},  // no scroll bar needed: 984 px
      {ZoomMode::FitPage, 30, 30, 10},        // no room: the smallest zoom
  };
  for (const Case& c : cases) {
    FitInputs in;
    in.paperWidthMm = 210;
    in.paperHeightMm = 297;
    in.areaWidth = c.width;
    in.areaHeight = c.height;
    in.scrollBarExtent = 16;
    in.margin = 8;
    const double factor = FitZoomFactor(c.mode, in, 1.0);
    const int dpi = ZoomedDpi(96, factor);
    EXPECT_EQ(dpi, c.dpi) << c.width << " x " << c.height;
    if (factor > kSmallestZoom) {
      // It fits, and one dot more would not.
      const int bar =
          c.mode == ZoomMode::FitWidth && PaperPixels(297, dpi) + 16 > c.height ? 16 : 0;
      EXPECT_LE(PaperPixels(210, dpi) + 16, c.width - bar);
      const bool wider = PaperPixels(210, dpi + 1) + 16 > c.width - bar;
      const bool higher = c.mode == ZoomMode::FitPage && PaperPixels(297, dpi + 1) + 16 > c.height;
      EXPECT_TRUE(wider || higher);
    }
  }
  FitInputs any;
  EXPECT_DOUBLE_EQ(FitZoomFactor(ZoomMode::Fixed, any, 1.5), 1.5);
}

TEST(ZoomTest, TheProfileKeepsFitsAndPercentages) {
  struct Case {
    DisplayZoom zoom;
    const char* text;
  };
  const Case cases[] = {
      {{ZoomMode::Fixed, 1.0}, "100"},        {{ZoomMode::Fixed, 1.5}, "150"},
      {{ZoomMode::Fixed, 0.67}, "67"},        {{ZoomMode::Fixed, 0.8333}, "83.3"},
      {{ZoomMode::FitPage, 1.0}, "fit-page"}, {{ZoomMode::FitWidth, 1.0}, "fit-width"}};
  for (const Case& c : cases) {
    EXPECT_EQ(ZoomProfileText(c.zoom), c.text);
    std::optional<DisplayZoom> back = ZoomFromProfileText(c.text);
    ASSERT_TRUE(back.has_value()) << c.text;
    EXPECT_EQ(back->mode, c.zoom.mode);
    EXPECT_NEAR(back->factor, c.zoom.mode == ZoomMode::Fixed ? c.zoom.factor : 1.0, 0.001);
  }
  for (const char* bad : {"", "abc", "-50", "5", "900", "1e2", "fit"})
    EXPECT_FALSE(ZoomFromProfileText(bad).has_value()) << bad;
  EXPECT_EQ(ZoomPercentText(1.0), "100%");
  EXPECT_EQ(ZoomPercentText(0.6667), "67%");
}

}  // namespace
}  // namespace qel
