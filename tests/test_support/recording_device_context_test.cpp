// The log of the recording device, whose lines other tests compare word for word.
#include "test_support/recording_device_context.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

using Lines = std::vector<std::string>;

TEST(RecordingDeviceContext, WritesColoursAsSixHexDigitsOfTheStoredValue) {
  RecordingDeviceContext dc;
  dc.SelectPen({PenStyle::DashDot, 0, 0x0000ff});  // red: the low byte
  dc.SetTextColour(0xabcdef);
  EXPECT_EQ(dc.lines(), (Lines{"pen dashdot 0 0x0000ff", "textcolour 0xabcdef"}));
}

TEST(RecordingDeviceContext, SelectPenAndSetTextColourReturnWhatWasSetBefore) {
  RecordingDeviceContext dc;
  const Pen initial = dc.SelectPen({PenStyle::Dash, 4, 0x010203});
  EXPECT_EQ(initial.style, PenStyle::Solid);
  const Pen previous = dc.SelectPen(initial);
  EXPECT_EQ(previous.style, PenStyle::Dash);
  EXPECT_EQ(previous.width, 4);
  EXPECT_EQ(previous.colour, 0x010203u);
  EXPECT_EQ(dc.SetTextColour(0x111111), 0u);
  EXPECT_EQ(dc.SetTextColour(0x222222), 0x111111u);
}

TEST(RecordingDeviceContext, LogsShapesAndTextsWithTheirCoordinates) {
  RecordingDeviceContext dc;
  dc.Polyline({{1, 2}, {-3, 4}});
  dc.Arc(1, 2, 3, 4, 5, 6, 7, 8);
  dc.IntersectClipRect(30, 90, 10, 50);
  dc.RemoveClip();
  dc.SetTextAlign(TextAlign::CentreTop);
  dc.TextOut(5, -6, "荷重 1");
  dc.SetWindowOrigin(0, 0);
  EXPECT_EQ(dc.Log(),
            "polyline 1,2 -3,4\narc 1 2 3 4 5 6 7 8\nclip 30 90 10 50\nnoclip\n"
            "align centre\ntext 5 -6 荷重 1\norigin 0 0\n");
}

TEST(RecordingDeviceContext, LinesMatchWholeWordsOnly) {
  RecordingDeviceContext dc;
  dc.SetTextColour(0);
  dc.TextOut(1, 2, "a");
  dc.SetTransparentBackground();
  EXPECT_EQ(dc.Lines("text"), (Lines{"text 1 2 a"}));
  EXPECT_EQ(dc.Lines("transparent"), (Lines{"transparent"}));
  EXPECT_TRUE(dc.Lines("tex").empty());
}

TEST(RecordingDeviceContext, FailedFontsAreNotLoggedAndClearForgetsTexts) {
  RecordingDeviceContext dc;
  EXPECT_TRUE(dc.SelectFont({30, 0, false, "IPAGothic"}));
  dc.set_fail_fonts(true);
  EXPECT_FALSE(dc.SelectFont({30, 0, false, "IPAGothic"}));
  EXPECT_EQ(dc.lines(), (Lines{"font 30 0 0 IPAGothic"}));
  dc.TextOut(0, 0, "x");
  EXPECT_EQ(dc.Texts(), (Lines{"x"}));
  dc.Clear();
  EXPECT_TRUE(dc.lines().empty());
  EXPECT_TRUE(dc.Texts().empty());
}

}  // namespace
}  // namespace qel
