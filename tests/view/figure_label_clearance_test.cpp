// The texts of the two figures with isobars on, read back from what the device was told: no
// text over a point mark, a load outline or another text, every one inside the page window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "document/data_file.h"
#include "support/cells_edit.h"
#include "support/example_view.h"
#include "support/worst_document.h"
#include "test_support/recording_device_context.h"
#include "view/drawing.h"
#include "view/figure_notes.h"
#include "view/figure_obstacles.h"

namespace qel {
namespace {

constexpr int kDpi = 300;

struct Stroke {
  DevicePoint a, b;
  int half = 1;
};

struct Text {
  std::string text;
  DeviceBox box;
};

// What one printed page put inside its figure's clip rectangle.
struct Page {
  DeviceBox clip;
  std::vector<Text> texts;
  std::vector<Stroke> marks, outlines;
  std::vector<DeviceBox> grounds;  // the paper-coloured boxes (a legend's ground)
};

// The outline of an ellipse the device was asked for, as short strokes.
void AddEllipse(std::vector<Stroke>& strokes, int left, int top, int right, int bottom, int half) {
  const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
  const double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
  DevicePoint before{};
  for (int i = 0; i <= 360; ++i) {
    const double angle = i * 3.141592653589793 / 180.0;
    const DevicePoint p{static_cast<int>(std::lround(cx + rx * std::cos(angle))),
                        static_cast<int>(std::lround(cy + ry * std::sin(angle)))};
    if (i > 0) strokes.push_back({before, p, half});
    before = p;
  }
}

// Reads the log: marks are the strokes in the point colour, outlines the solid black strokes
// as wide as the load lines; texts get the box NoteTextWidth gives them at the font's height.
Page ReadPage(const RecordingDeviceContext& dc, Colour pointColour, int outlineWidth) {
  Page page;
  bool clipped = false;
  int fontHeight = 0, penWidth = 1;
  Colour penColour = 0;
  std::string penStyle;
  bool centred = false;
  DevicePoint at{};
  auto add = [&](DevicePoint a, DevicePoint b) {
    if (!clipped) return;
    const Stroke stroke{a, b, std::max(1, (penWidth + 1) / 2)};
    if (penColour == pointColour) page.marks.push_back(stroke);
    if (penColour == 0 && penStyle == "solid" && penWidth == outlineWidth)
      page.outlines.push_back(stroke);
  };
  for (const std::string& line : dc.lines()) {
    std::istringstream in(line);
    std::string kind;
    in >> kind;
    if (kind == "clip") {
      in >> page.clip.left >> page.clip.top >> page.clip.right >> page.clip.bottom;
      clipped = true;
    } else if (kind == "noclip") {
      clipped = false;
    } else if (kind == "pen") {
      std::string colour;
      in >> penStyle >> penWidth >> colour;
      penColour = static_cast<Colour>(std::stoul(colour, nullptr, 16));
    } else if (kind == "font") {
      in >> fontHeight;
    } else if (kind == "align") {
      std::string how;
      in >> how;
      centred = how == "centre";
    } else if (kind == "moveto") {
      in >> at.x >> at.y;
    } else if (kind == "lineto") {
      DevicePoint to{};
      in >> to.x >> to.y;
      add(at, to);
      at = to;
    } else if (kind == "polyline") {
      std::string point;
      DevicePoint before{};
      for (bool first = true; in >> point; first = false) {
        const DevicePoint p{std::stoi(point), std::stoi(point.substr(point.find(',') + 1))};
        if (!first) add(before, p);
        before = p;
      }
    } else if (kind == "arc" && clipped && penColour == 0 && penWidth == outlineWidth) {
      int l = 0, t = 0, r = 0, b = 0;
      in >> l >> t >> r >> b;
      AddEllipse(page.outlines, l, t, r, b, std::max(1, (penWidth + 1) / 2));
    } else if (kind == "paper" && clipped) {
      DeviceBox box;
      in >> box.left >> box.top >> box.right >> box.bottom;
      page.grounds.push_back(box);
    } else if (kind == "text" && clipped) {
      int x = 0, y = 0;
      in >> x >> y;
      std::string text;
      std::getline(in, text);
      text = text.empty() ? text : text.substr(1);
      const int width = NoteTextWidth(text, fontHeight);
      const int left = centred ? x - width / 2 : x;
      page.texts.push_back({text, {left, y, left + width, y + fontHeight}});
    }
  }
  return page;
}

// Whether the boxes share more than an edge.
bool Overlap(const DeviceBox& a, const DeviceBox& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Whether the stroke, as wide as its pen, passes over the box.
bool Crosses(const Stroke& s, const DeviceBox& box) {
  return LengthInside(s.a, s.b, box.Grown(s.half - 1)) > 0.0 ||
         (s.a.x == s.b.x && s.a.y == s.b.y &&
          box.Grown(s.half - 1).Meets({s.a.x, s.a.y, s.a.x, s.a.y}));
}

// Every fault of the page: a text over another, over a mark or an outline, or out of the window.
std::vector<std::string> Faults(const Page& page) {
  std::vector<std::string> faults;
  for (std::size_t i = 0; i < page.texts.size(); ++i) {
    const Text& t = page.texts[i];
    if (!t.box.Inside(page.clip)) faults.push_back("\"" + t.text + "\" leaves the window");
    for (std::size_t j = i + 1; j < page.texts.size(); ++j)
      if (Overlap(t.box, page.texts[j].box))
        faults.push_back("\"" + t.text + "\" over \"" + page.texts[j].text + "\"");
    for (const Stroke& s : page.marks)
      if (Crosses(s, t.box)) {
        faults.push_back("\"" + t.text + "\" over a point mark");
        break;
      }
    for (const Stroke& s : page.outlines)
      if (Crosses(s, t.box)) {
        faults.push_back("\"" + t.text + "\" over a load outline" + std::to_string(t.box.left) +
                         "," + std::to_string(t.box.top) + " " + std::to_string(t.box.right) + "," +
                         std::to_string(t.box.bottom) + " stroke " + std::to_string(s.a.x) + "," +
                         std::to_string(s.a.y) + "-" + std::to_string(s.b.x) + "," +
                         std::to_string(s.b.y));
        break;
      }
  }
  for (const DeviceBox& ground : page.grounds)
    if (!ground.Inside(page.clip)) faults.push_back("a legend leaves the window");
  return faults;
}

class FigureLabelClearance : public test::ExampleView {};

// 1, 2, ... `count`.
std::vector<double> CountedLevels(int count) {
  std::vector<double> levels;
  for (int level = 1; level <= count; ++level)
    levels.push_back(level);
  return levels;
}

// On every page of both figures of the examples and of the largest document, with isobars on
// (at the default levels, with their fill, at a hundred levels with a graduated legend), no
// text meets a mark, an outline or another text, and every text and legend stays in the window.
TEST_F(FigureLabelClearance, TextsKeepClearOfMarksOutlinesAndEachOther) {
  struct Case {
    const char* name;
    std::function<void(ApplicationState&)> open;
    std::vector<double> levels;
    bool fill;
  };
  auto example = [this](const char* file) {
    return [this, file](ApplicationState&) { Open(file); };
  };
  auto largest = [](ApplicationState& s) { FillWorstDocument(s, false); };
  const Case cases[] = {
      {"embankment", example("embankment.qdw"), {}, false},
      {"embankment", example("embankment.qdw"), {}, true},
      {"embankment", example("embankment.qdw"), CountedLevels(100), true},
      {"building", example("building.qdw"), {}, false},
      {"building", example("building.qdw"), {}, true},
      {"building", example("building.qdw"), CountedLevels(100), true},
      {"largest", largest, {}, false},
      {"largest", largest, {}, true},
  };
  const Colour pointColour = ParseColourText(state.settings.pointColour);
  const int outlineWidth =
      static_cast<int>(std::lround(state.settings.figureLineWidth * kDpi / 96.0));
  for (const Case& c : cases) {
    state.document.Replace(DocumentTables{});
    c.open(state);
    test::Edit(state)->figures.stripIsobars = {true, c.levels, c.fill};
    test::Edit(state)->figures.planIsobars = {true, c.levels, c.fill};
    for (const DisplayMode display : {DisplayMode::StripFigure, DisplayMode::RectCircleFigure}) {
      const int pages = controller.CountPrintedPages(display, kDpi, kDpi);
      for (int number = 1; number <= pages; ++number) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.levels.size()) + " levels" +
                     (c.fill ? " filled" : "") + ", display " +
                     std::to_string(static_cast<int>(display)) + " page " + std::to_string(number));
        RecordingDeviceContext dc(kDpi, kDpi);
        controller.PrintPage(dc, display, number);
        const Page page = ReadPage(dc, pointColour, outlineWidth);
        EXPECT_FALSE(page.texts.empty());
        for (const std::string& fault : Faults(page))
          ADD_FAILURE() << fault;
      }
    }
  }
}

}  // namespace
}  // namespace qel
