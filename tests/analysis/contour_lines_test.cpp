// Lines of equal value traced on fields whose lines are known in closed form.
#include "analysis/contour_lines.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <string>
#include <vector>

namespace qel {
namespace {

bool OnWindowEdge(const ContourPoint& p, const ContourWindow& w) {
  const double eps = 1e-9 * std::max(w.u1 - w.u0, w.v1 - w.v0);
  return std::abs(p.u - w.u0) < eps || std::abs(p.u - w.u1) < eps || std::abs(p.v - w.v0) < eps ||
         std::abs(p.v - w.v1) < eps;
}

// Every vertex on its level, closed lines or lines from edge to edge, and the number of each.
TEST(ContourLinesTest, LinesOfKnownFieldsAreOnTheirLevelsAndEndOnlyAtTheEdge) {
  struct Case {
    std::string name;
    ScalarField field;
    ContourWindow window;
    std::vector<double> levels;
    std::vector<int> closedLines, openLines;  // per level
  };
  const Case cases[] = {
      {"paraboloid: circles",
       [](double u, double v) { return u * u + v * v; },
       {-3, 3, -3, 3},
       {1.0, 4.0, 16.0},
       {1, 1, 0},
       {0, 0, 4}},  // radius 4 cuts the corners
      {"narrow peak between coarse samples",
       [](double u, double v) {
         return std::exp(-((u - 0.61) * (u - 0.61) + (v + 0.27) * (v + 0.27)) / (2 * 0.09));
       },
       {-5, 5, -5, 5},
       {0.5, 0.9},
       {1, 1},
       {0, 0}},
      {"ramp: straight lines across",
       [](double u, double v) { return u + 0.1 * v; },
       {0, 10, 0, 4},
       {2.5, 7.0},
       {0, 0},
       {1, 1}},
      {"two peaks: two loops each, one loop around both lower down",
       [](double u, double v) {
         return std::exp(-((u - 2) * (u - 2) + v * v)) + std::exp(-((u + 2) * (u + 2) + v * v));
       },
       {-6, 6, -4, 4},
       {0.5, 0.01},
       {2, 1},
       {0, 0}},
      {"bulb cut by the top edge, as under a surface load",
       [](double u, double v) { return 1.0 / (1.0 + u * u + v * v); },
       {-4, 4, 0, 4},
       {0.5, 0.2},
       {0, 0},
       {1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ContourOptions options;
    const auto traced = TraceContours(c.field, c.window, c.levels, options);
    ASSERT_EQ(traced.size(), c.levels.size());
    for (std::size_t l = 0; l < c.levels.size(); ++l) {
      int closed = 0, open = 0;
      for (const ContourLine& line : traced[l]) {
        ASSERT_GE(line.points.size(), 3u);
        (line.closed ? closed : open)++;
        if (!line.closed) {
          EXPECT_TRUE(OnWindowEdge(line.points.front(), c.window));
          EXPECT_TRUE(OnWindowEdge(line.points.back(), c.window));
        }
        for (const ContourPoint& p : line.points)
          ASSERT_NEAR(c.field(p.u, p.v), c.levels[l], options.rootTolerance) << p.u << ", " << p.v;
      }
      EXPECT_EQ(closed, c.closedLines[l]) << "level " << c.levels[l];
      EXPECT_EQ(open, c.openLines[l]) << "level " << c.levels[l];
    }
  }
}

// One cell that a level crosses four times: the value at its centre decides which corners the
// two lines cut off, so each line stays in its own quadrant of the saddle u * v.
TEST(ContourLinesTest, SaddleIsResolvedByTheCellCentre) {
  struct Case {
    double offset, level;
    bool linesWhereProductIsNegative;
  };
  for (const Case& c : {Case{0.2, 0.1, true}, Case{-0.2, -0.1, false}, Case{0.0, 0.3, false},
                        Case{0.0, -0.3, true}}) {
    SCOPED_TRACE(c.offset);
    ContourOptions single;
    single.coarseCells = 1;
    single.maxRefinement = 0;
    const auto traced = TraceContours([&](double u, double v) { return u * v + c.offset; },
                                      {-1, 1, -1, 1}, {c.level}, single);
    ASSERT_EQ(traced[0].size(), 2u);
    for (const ContourLine& line : traced[0]) {
      ASSERT_EQ(line.points.size(), 2u);
      const ContourPoint& a = line.points[0];
      const ContourPoint& b = line.points[1];
      // Both ends on edges meeting at the same cut-off corner.
      const double cornerU = std::abs(a.u) == 1.0 ? a.u : b.u;
      const double cornerV = std::abs(a.v) == 1.0 ? a.v : b.v;
      EXPECT_EQ(cornerU * cornerV < 0, c.linesWhereProductIsNegative);
    }
  }
}

// The same lines whatever the number of threads.
TEST(ContourLinesTest, ThreadsDoNotChangeTheLines) {
  const ScalarField field = [](double u, double v) {
    return std::sin(3 * u) * std::cos(2 * v) + 0.3 * std::exp(-(u * u + v * v) * 20);
  };
  ContourOptions one, two;
  two.threads = 2;
  const auto a = TraceContours(field, {-2, 2, -2, 2}, {-0.5, 0.0, 0.2, 0.7}, one);
  const auto b = TraceContours(field, {-2, 2, -2, 2}, {-0.5, 0.0, 0.2, 0.7}, two);
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t l = 0; l < a.size(); ++l) {
    ASSERT_EQ(a[l].size(), b[l].size());
    for (std::size_t n = 0; n < a[l].size(); ++n) {
      ASSERT_EQ(a[l][n].points.size(), b[l][n].points.size());
      for (std::size_t p = 0; p < a[l][n].points.size(); ++p) {
        EXPECT_EQ(a[l][n].points[p].u, b[l][n].points[p].u);
        EXPECT_EQ(a[l][n].points[p].v, b[l][n].points[p].v);
      }
    }
  }
}

// A front as steep as a load's edge at the surface is followed closely while the far field is
// sampled coarsely: far fewer evaluations than the finest uniform grid.
TEST(ContourLinesTest, RefinesOnlyWhereTheFieldBendsNearALevel) {
  std::atomic<long> evaluations{0};
  const ScalarField front = [&](double u, double v) {
    ++evaluations;
    return std::tanh((u - 0.3 * v) / 0.01);
  };
  ContourOptions options;
  const auto traced = TraceContours(front, {-5, 5, 0, 5}, {0.5}, options);
  ASSERT_EQ(traced[0].size(), 1u);
  for (const ContourPoint& p : traced[0][0].points)
    EXPECT_NEAR(front(p.u, p.v), 0.5, options.rootTolerance);
  const long finest = (32L << 7) * (16L << 7);
  EXPECT_LT(evaluations.load(), finest / 100);
  // Vertices along the front are closer than a coarse cell.
  const auto& points = traced[0][0].points;
  for (std::size_t n = 1; n < points.size(); ++n)
    EXPECT_LT(std::hypot(points[n].u - points[n - 1].u, points[n].v - points[n - 1].v), 10.0 / 32);
}

TEST(ContourLinesTest, EmptyWindowOrNoLevelsGiveNoLines) {
  const ScalarField field = [](double u, double) { return u; };
  EXPECT_TRUE(TraceContours(field, {0, 1, 0, 1}, {}).empty());
  const auto flat = TraceContours(field, {1, 1, 0, 1}, {0.5});
  ASSERT_EQ(flat.size(), 1u);
  EXPECT_TRUE(flat[0].empty());
  // A level the field never reaches.
  EXPECT_TRUE(TraceContours(field, {0, 1, 0, 1}, {2.0})[0].empty());
}

// A window whose lattice would hold infinities, NaNs or points that coincide is refused, and
// gives no lines.
TEST(ContourLinesTest, WindowsWithoutDistinctFinitePointsAreNotTraced) {
  struct Case {
    ContourWindow window;
    bool traceable;
  };
  const double inf = HUGE_VAL;
  const Case cases[] = {
      {{0, 80, -40, 60}, true},      {{1e6, 1e6 + 1, 0, 1}, true},
      {{0, 1e300, 0, 1}, true},      {{0, inf, 0, 1}, false},
      {{0, 1, NAN, 1}, false},       {{-1e308, 1e308, 0, 1}, false},
      {{0, 1e308, 0, 1e308}, false}, {{1e20, 1e20 + 1e5, 0, 1}, false},
      {{0, 1, 5, 5}, false},
  };
  const ScalarField field = [](double u, double v) { return u + v; };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.window.u0) + " " + std::to_string(c.window.u1));
    EXPECT_EQ(TraceableWindow(c.window), c.traceable);
    const auto traced = TraceContours(field, c.window, {0.5});
    ASSERT_EQ(traced.size(), 1u);
    if (!c.traceable) {
      EXPECT_TRUE(traced[0].empty());
    }
    for (const ContourLine& line : traced[0])
      for (const ContourPoint& p : line.points)
        EXPECT_TRUE(std::isfinite(p.u) && std::isfinite(p.v));
  }
}

// Levels the field never reaches in the window add no evaluations and leave the lines of the
// others as they are.
TEST(ContourLinesTest, LevelsOutsideTheFieldsRangeCostNothing) {
  std::atomic<long> evaluations{0};
  const ScalarField field = [&](double u, double v) {
    ++evaluations;
    return std::exp(-(u * u + v * v));
  };
  const ContourWindow window{-2, 2, -2, 2};
  const auto alone = TraceContours(field, window, {0.3, 0.6});
  const long aloneEvaluations = evaluations.exchange(0);
  std::vector<double> levels;
  for (int n = 1; n <= 500; ++n) {
    levels.push_back(-n * 1.0);
    levels.push_back(10.0 + n);
  }
  levels.push_back(0.3);
  levels.push_back(0.6);
  const auto among = TraceContours(field, window, levels);
  EXPECT_EQ(evaluations.load(), aloneEvaluations);
  for (std::size_t l = 0; l + 2 < levels.size(); ++l)
    EXPECT_TRUE(among[l].empty());
  for (std::size_t l = 0; l < 2; ++l) {
    const auto& a = alone[l];
    const auto& b = among[levels.size() - 2 + l];
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t n = 0; n < a.size(); ++n) {
      ASSERT_EQ(a[n].points.size(), b[n].points.size());
      for (std::size_t p = 0; p < a[n].points.size(); ++p) {
        EXPECT_EQ(a[n].points[p].u, b[n].points[p].u);
        EXPECT_EQ(a[n].points[p].v, b[n].points[p].v);
      }
    }
  }
}

// Where the field jumps no vertex comes within the value tolerance: each is placed within the
// bracket tolerance of the jump, in a few evaluations rather than down to the last bit.
TEST(ContourLinesTest, AJumpIsFoundToTheBracketToleranceQuickly) {
  std::atomic<long> evaluations{0};
  const ScalarField step = [&](double u, double v) {
    ++evaluations;
    return u < 0.37 + 0.1 * v ? 1.0 : 0.0;
  };
  ContourOptions options;
  const ContourWindow window{0, 1, 0, 1};
  const auto traced = TraceContours(step, window, {0.5}, options);
  ASSERT_EQ(traced[0].size(), 1u);
  const std::vector<ContourPoint>& points = traced[0][0].points;
  ASSERT_GT(points.size(), 100u);
  for (const ContourPoint& p : points)
    EXPECT_NEAR(p.u, 0.37 + 0.1 * p.v, 2 * options.rootBracket);
  // Narrowing every bracket down to the last bit of the segment takes some eighty evaluations a
  // vertex; to the bracket tolerance, under sixty.
  EXPECT_LT(evaluations.load(), 70 * static_cast<long>(points.size()));
}

}  // namespace
}  // namespace qel
