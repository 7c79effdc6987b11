// The grid's strokes on one page: the same picture as drawing every mark, at bounded cost.
#include "view/grid_strokes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace qel {
namespace {

// A transform with device x = x * scale + 100 and device y = (10 - y) * scale + 200.
WorldTransform Transform(double scale) {
  WorldTransform t;
  t.originY = 10;
  t.pixelsPerMetreX = t.pixelsPerMetreY = scale;
  t.pixelsPerMmX = t.pixelsPerMmY = 10;
  t.marginLeft = 10;
  t.marginTop = 20;
  return t;
}

// The pixels inside `visible` that strokes cover, with square ends half a pen width long: a
// model of the device in which a mark left out changes the picture exactly when it would.
class PixelModel {
 public:
  explicit PixelModel(const DeviceRect& visible)
      : v_(visible),
        width_(visible.right - visible.left + 1),
        pixels_(static_cast<std::size_t>(width_) * (visible.bottom - visible.top + 1)) {}

  void Stroke(const GridStroke& s, int pen) {
    const int half = pen / 2;
    int left = std::min(s.x1, s.x2) - half, right = std::max(s.x1, s.x2) + (pen - 1 - half);
    int top = std::min(s.y1, s.y2) - half, bottom = std::max(s.y1, s.y2) + (pen - 1 - half);
    for (int y = std::max(top, v_.top); y <= std::min(bottom, v_.bottom); ++y)
      for (int x = std::max(left, v_.left); x <= std::min(right, v_.right); ++x)
        pixels_[static_cast<std::size_t>(y - v_.top) * width_ + (x - v_.left)] = true;
  }
  bool operator==(const PixelModel& other) const { return pixels_ == other.pixels_; }
  std::size_t Covered() const {
    return static_cast<std::size_t>(std::count(pixels_.begin(), pixels_.end(), true));
  }

 private:
  DeviceRect v_;
  int width_;
  std::vector<bool> pixels_;
};

// Every mark of the grid, drawn the plain way: each line, each arm of each cross.
std::vector<GridStroke> EveryMark(const GridPlanInput& in, const WorldTransform& t) {
  std::vector<GridStroke> strokes;
  auto x = [&](double value) { return ToDeviceX(t, value); };
  auto y = [&](double value) { return ToDeviceY(t, value); };
  if (in.lines) {
    for (long long v = in.y.from; v <= in.y.to; v += in.y.step)
      if (v != 0) strokes.push_back({x(in.x.from), y(v), x(in.x.to), y(v)});
    for (long long v = in.x.from; v <= in.x.to; v += in.x.step)
      if (v != 0) strokes.push_back({x(v), y(in.y.from), x(v), y(in.y.to)});
    return strokes;
  }
  const double hx = in.markSize / t.pixelsPerMetreX, hy = in.markSize / t.pixelsPerMetreY;
  for (long long row = in.y.from; row <= in.y.to; row += in.y.step) {
    for (long long column = in.x.from; column <= in.x.to; column += in.x.step) {
      const double cx = column, cy = row;
      strokes.push_back({x(cx - hx), y(cy), x(cx + hx), y(cy)});
      strokes.push_back({x(cx), y(cy - hy), x(cx), y(cy + hy)});
    }
  }
  return strokes;
}

TEST(PlanGridStrokes, GivesThePictureOfEveryMark) {
  struct Case {
    bool lines;
    double scale;  // device units per metre
    long long step;
    int pen, mark;
  };
  const Case cases[] = {
      {true, 20, 1, 1, 2},   {true, 3, 1, 1, 2},   {true, 3, 1, 4, 2},   {true, 0.4, 1, 1, 1},
      {true, 1, 2, 7, 1},    {false, 20, 1, 1, 2}, {false, 3, 1, 1, 1},  {false, 3, 2, 3, 2},
      {false, 0.4, 1, 2, 3}, {false, 9, 1, 1, 4},  {false, 5, 3, 11, 1}, {true, 30, 5, 60, 1},
  };
  const DeviceRect visible{130, 150, 330, 330};
  for (const Case& c : cases) {
    GridPlanInput in;
    in.lines = c.lines;
    in.x = {-40, 120, c.step};
    in.y = {-60, 30, c.step};
    in.penWidth = c.pen;
    in.markSize = c.mark;
    in.visible = visible;
    const WorldTransform t = Transform(c.scale);
    PixelModel planned(visible), plain(visible);
    for (const GridStroke& s : PlanGridStrokes(in, t))
      planned.Stroke(s, c.pen);
    for (const GridStroke& s : EveryMark(in, t))
      plain.Stroke(s, c.pen);
    EXPECT_GT(plain.Covered(), 0u);
    EXPECT_TRUE(planned == plain) << "lines " << c.lines << " scale " << c.scale << " step "
                                  << c.step << " pen " << c.pen << " mark " << c.mark;
  }
}

TEST(PlanGridStrokes, KeepsTheOrderAndEndsOfTheMarks) {
  GridPlanInput in;
  in.x = {0, 10, 10};
  in.y = {0, 5, 5};
  in.markSize = 2;
  const WorldTransform t = Transform(20);
  // Crosses row by row, each its horizontal arm then its vertical arm, bottom end first.
  const std::vector<GridStroke> crosses = {
      {98, 400, 102, 400}, {100, 402, 100, 398}, {298, 400, 302, 400}, {300, 402, 300, 398},
      {98, 300, 102, 300}, {100, 302, 100, 298}, {298, 300, 302, 300}, {300, 302, 300, 298},
  };
  EXPECT_EQ(PlanGridStrokes(in, t), crosses);
  in.lines = true;  // y = 0 and x = 0 lie on the axes
  const std::vector<GridStroke> lines = {{100, 300, 300, 300}, {300, 400, 300, 300}};
  EXPECT_EQ(PlanGridStrokes(in, t), lines);
}

// Grids that once took minutes: each now costs at most kMostGridStrokes strokes, most far fewer.
TEST(PlanGridStrokes, AnyGridStaysWithinItsBudget) {
  const DeviceRect a4At600{1181, 2362, 4961, 7086};  // a page window of A4 at 600 dpi
  const std::size_t pixels = (4961 - 1181 + 1) + (7086 - 2362 + 1);
  auto grid = [&](bool lines, long long from, long long to, int pen, int mark) {
    GridPlanInput in;
    in.lines = lines;
    in.x = {from, to, 1};
    in.y = {-to, -from, 1};
    in.penWidth = pen;
    in.markSize = mark;
    in.visible = a4At600;
    return in;
  };
  struct Case {
    const char* what;
    GridPlanInput in;
    double scale;
    std::size_t most;
  };
  const Case cases[] = {
      {"the int range by 1, crosses", grid(false, -2000000000, 2000000000, 1, 2), 23.6, 0},
      {"the int range by 1, lines", grid(true, -2000000000, 2000000000, 1, 2), 23.6, 0},
      {"a 100,000-pixel pen", grid(true, 0, 10000, 100000, 2), 23.6, 1},
      {"crosses on every pixel", grid(false, 0, 10000, 1, 2), 1.0, pixels + 16},
      {"crosses every 5 pixels", grid(false, 0, 10000, 1, 1), 5.0, kMostGridStrokes},
      {"thick crosses every 5 pixels", grid(false, 0, 10000, 10, 2), 5.0, pixels / 5 + 16},
      {"lines on every pixel, thick pen", grid(true, 0, 10000, 40, 2), 1.0, pixels / 20 + 4},
  };
  for (const Case& c : cases) {
    WorldTransform t = Transform(c.scale);
    t.marginLeft = 100;  // device x = x * scale + 1000
    t.marginTop = 200;   // device y = (10 - y) * scale + 2000
    std::vector<GridStroke> strokes = PlanGridStrokes(c.in, t);
    EXPECT_LE(strokes.size(), c.most) << c.what;
    for (const GridStroke& s : strokes) {  // nothing that lies off the page
      EXPECT_TRUE(std::max(s.x1, s.x2) >= 1181 - 50002 && std::min(s.x1, s.x2) <= 4961 + 50002)
          << c.what;
    }
  }
}

TEST(PlanGridStrokes, AStrokeThatCoversThePageEndsTheGrid) {
  GridPlanInput in;
  in.lines = true;
  in.x = {-100, 100, 1};
  in.y = {-100, 100, 1};
  in.penWidth = 100000;
  in.visible = {0, 0, 1000, 1000};
  const std::vector<GridStroke> strokes = PlanGridStrokes(in, Transform(20));
  ASSERT_EQ(strokes.size(), 1u);
  EXPECT_EQ(strokes[0].y1, strokes[0].y2);  // the first horizontal line
}

}  // namespace
}  // namespace qel
