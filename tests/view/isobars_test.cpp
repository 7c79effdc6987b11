// Isobars of documents checked against the engine's dP, and around a single circle against its
// exact circles.
#include "analysis/isobars.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "document/data_file.h"
#include "document/load_lists.h"
#include "engine/rect_circle_influence.h"
#include "support/cells_edit.h"
#include "support/figure_range_edit.h"
#include "support/worst_document.h"
#include "view/application_state.h"

namespace qel {
namespace {

const std::string kExamples = std::string(QEL_SOURCE_DIR) + "/examples/";

void UsePlanWindow(ApplicationState& s, int left, double top, int height) {
  test::ChangeFigureRange(s, Problem::RectCircle, [&](FigureRange& range) {
    range.leftX = left;
    range.topY = top;
    range.rangeY = height;
  });
}

// Fills a load row: its No., then the cells from the first coordinate on.
void FillRow(std::string* cells, int row, std::initializer_list<const char*> values) {
  cells[1] = std::to_string(row);
  int column = 2;
  for (const char* value : values)
    cells[column++] = value;
}

// dP at every vertex as the results tables compute it: StripPointStress for the strip,
// LatticeStress at the floored depth for the rectangles and circles.
std::vector<double> EngineStress(const DocumentTables& t, const IsobarRequest& request,
                                 const std::vector<IsobarVertex>& vertices) {
  if (request.view == IsobarView::kStrip) {
    const StripLoadSets loads = ExtractStripLoads(t);
    std::vector<double> stress;
    for (const IsobarVertex& v : vertices)
      stress.push_back(StripPointStress(loads, v.x, v.z));
    return stress;
  }
  PlanLoads loads = ExtractPlanLoads(t);
  loads.circleMethod = request.circleMethod;
  std::vector<LatticePoint> points;
  for (const IsobarVertex& v : vertices)
    points.push_back({v.x, v.y, FlooredLatticeDepth(v.z)});
  return LatticeStress(loads, points, 1);
}

// The coordinate a view keeps fixed, and the value it must have.
double FixedCoordinate(const IsobarRequest& request, const IsobarVertex& v) {
  switch (request.view) {
    case IsobarView::kStrip:
      return v.y;
    case IsobarView::kPlan:
      return v.z;
    case IsobarView::kSectionAtY:
      return v.y;
    case IsobarView::kSectionAtX:
      return v.x;
  }
  return NAN;
}

bool OnEdge(const IsobarVertex& p, const IsobarRequest& request, const ContourWindow& w) {
  const double u = request.view == IsobarView::kSectionAtX ? p.y : p.x;
  const double v = request.view == IsobarView::kPlan ? p.y : p.z;
  const double eps = 1e-9 * std::max(w.u1 - w.u0, w.v1 - w.v0);
  return std::abs(u - w.u0) < eps || std::abs(u - w.u1) < eps || std::abs(v - w.v0) < eps ||
         std::abs(v - w.v1) < eps;
}

// Every vertex of every isobar within 0.5 % of the largest load intensity of its level by the
// engine, lines closed or ending on the window's edge, and the position of the view kept.
TEST(IsobarsTest, VerticesLieOnTheEnginesLevels) {
  struct Case {
    std::string name;
    std::function<void(ApplicationState&)> fill;
    IsobarRequest request;
  };
  auto example = [](const char* file) {
    return [file](ApplicationState& s) { OpenDataFile(kExamples + file, s.document); };
  };
  auto steepStrip = [](ApplicationState& s) {
    // A vertical-sided block beside an embankment in the second set: steep at the surface.
    FillRow(test::Edit(s)->stripLoads[1][1], 1, {"0", "0", "4", "4", "2", "18"});
    FillRow(test::Edit(s)->stripLoads[2][1], 1, {"6", "9", "12", "18", "3", "19"});
    test::Edit(s)->stripPoints[1][point_col::kX] = "2";
    test::Edit(s)->stripPoints[1][point_col::kZ] = "8";
    test::ChangeFigureRange(s, Problem::Strip, [](FigureRange& range) { range.leftX = -4; });
  };
  auto mixedPlan = [](ApplicationState& s) {
    FillRow(test::Edit(s)->rectLoads[1], 1, {"0", "0", "4", "3", "50"});
    FillRow(test::Edit(s)->rectLoads[2], 2, {"5", "1", "6", "7", "-20"});
    FillRow(test::Edit(s)->circleLoads[1], 1, {"9", "4", "1.5", "80"});
    UsePlanWindow(s, -2, 10, 14);
    test::Edit(s)->gridPoints[1][point_col::kGridZ] = "6";
  };
  auto worst = [](ApplicationState& s) {
    FillWorstDocument(s, false);
    UseStandardSettings(s);
    UsePlanWindow(s, 0, 60, 62);
  };
  auto request = [](IsobarView view, double at, std::vector<double> levels = {},
                    CircleMethod method = CircleMethod::kExact) {
    IsobarRequest r;
    r.view = view;
    r.at = at;
    r.levels = std::move(levels);
    r.circleMethod = method;
    r.threads = 2;
    return r;
  };
  const Case cases[] = {
      {"embankment strip, default levels", example("embankment.qdw"),
       request(IsobarView::kStrip, 0)},
      {"embankment strip, own levels", example("embankment.qdw"),
       request(IsobarView::kStrip, 0, {1, 5, 30})},
      {"building plan at 1 m", example("building.qdw"), request(IsobarView::kPlan, 1)},
      {"building plan at 0.2 m", example("building.qdw"), request(IsobarView::kPlan, 0.2)},
      {"building plan at 3 m, compatible circles", example("building.qdw"),
       request(IsobarView::kPlan, 3, {}, CircleMethod::kCompatible)},
      {"building section y = 1.5", example("building.qdw"), request(IsobarView::kSectionAtY, 1.5)},
      {"building section x = 3", example("building.qdw"), request(IsobarView::kSectionAtX, 3)},
      {"steep strip", steepStrip, request(IsobarView::kStrip, 0, {2, 10, 30, 50})},
      {"unloading rectangle, plan", mixedPlan, request(IsobarView::kPlan, 0.5, {-10, 10, 40})},
      {"unloading rectangle, section", mixedPlan, request(IsobarView::kSectionAtY, 2, {-5, 5, 25})},
      {"largest document, strip", worst, request(IsobarView::kStrip, 0)},
      {"largest document, plan at 0.25 m", worst, request(IsobarView::kPlan, 0.25)},
  };
  double worstError = 0.0;
  std::string worstCase;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ApplicationState state;
    c.fill(state);
    const IsobarSet set = ComputeIsobars(state.document, state.settings, c.request);
    ASSERT_EQ(set.error, "");
    ASSERT_GT(set.largestIntensity, 0.0);
    ASSERT_FALSE(set.lines.empty());
    std::vector<bool> levelSeen(set.levels.size(), false);
    for (const Isobar& line : set.lines) {
      ASSERT_GE(line.vertices.size(), 2u);
      if (!line.closed) {
        EXPECT_TRUE(OnEdge(line.vertices.front(), c.request, set.window));
        EXPECT_TRUE(OnEdge(line.vertices.back(), c.request, set.window));
      }
      const std::vector<double> stress =
          EngineStress(state.document.cells(), c.request, line.vertices);
      for (std::size_t n = 0; n < stress.size(); ++n) {
        const IsobarVertex& v = line.vertices[n];
        EXPECT_EQ(FixedCoordinate(c.request, v),
                  c.request.view == IsobarView::kStrip ? 0.0 : c.request.at);
        const double error = std::abs(stress[n] - line.level) / set.largestIntensity;
        if (error > worstError) {
          worstError = error;
          worstCase = c.name;
        }
        ASSERT_LE(error, 0.005) << v.x << ", " << v.y << ", " << v.z << " level " << line.level;
      }
      for (std::size_t l = 0; l < set.levels.size(); ++l)
        levelSeen[l] = levelSeen[l] || set.levels[l] == line.level;
    }
    // Every level below the largest intensity has a line in a cross-section that reaches the
    // surface under every load.
    if (c.request.view == IsobarView::kStrip) {
      for (std::size_t l = 0; l < set.levels.size(); ++l)
        EXPECT_TRUE(levelSeen[l]) << set.levels[l];
    }
  }
  RecordProperty("worst_relative_error", std::to_string(worstError) + " " + worstCase);
  std::printf("worst vertex error: %.3g of the largest intensity (%s)\n", worstError,
              worstCase.c_str());
}

// The distance from (x, y) to the nearest outline of a rectangle or circle.
double DistanceToAnOutline(const PlanLoads& loads, double x, double y) {
  double nearest = HUGE_VAL;
  for (const RectLoad& r : loads.rectangles) {
    const double x0 = std::min(r.x1, r.x2), x1 = std::max(r.x1, r.x2);
    const double y0 = std::min(r.y1, r.y2), y1 = std::max(r.y1, r.y2);
    const double cx = std::clamp(x, x0, x1), cy = std::clamp(y, y0, y1);
    const double inside = std::min({x - x0, x1 - x, y - y0, y1 - y});
    nearest = std::min(nearest, inside > 0.0 ? inside : std::hypot(x - cx, y - cy));
  }
  for (const CircleLoad& c : loads.circles)
    nearest = std::min(nearest, std::abs(std::hypot(x - c.x, y - c.y) - c.r));
  return nearest;
}

// On the surface the lines are the outlines of the areas where the loads' own intensities add
// up to the level or more: every vertex on an outline, a level that a load or an overlap
// reaches exactly still outlined, one that nothing reaches without a line.
TEST(IsobarsTest, AtTheSurfaceTheLinesAreTheLoadsOutlines) {
  struct Case {
    std::string name;
    double depth;
    std::vector<double> levels;
    std::vector<bool> hasLines;  // per level
  };
  const Case cases[] = {
      {"at 0 m", 0.0, {10, 50, 80, 90}, {true, true, true, false}},
      {"below the depth the lattice floors to", 1e-6, {30, 79.5}, {true, true}},
  };
  ApplicationState state;
  FillRow(test::Edit(state)->rectLoads[1], 1, {"0", "0", "4", "3", "50"});
  FillRow(test::Edit(state)->rectLoads[2], 2, {"2", "1", "6", "2", "30"});
  FillRow(test::Edit(state)->circleLoads[1], 1, {"9", "4", "1.5", "80"});
  UsePlanWindow(state, -2, 10, 14);
  const PlanLoads loads = state.document.plan().engineLoads;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    IsobarRequest request;
    request.view = IsobarView::kPlan;
    request.at = c.depth;
    request.levels = c.levels;
    request.threads = 2;
    const IsobarSet set = ComputeIsobars(state.document, state.settings, request);
    ASSERT_EQ(set.error, "");
    const double window = std::max(set.window.u1 - set.window.u0, set.window.v1 - set.window.v0);
    for (std::size_t l = 0; l < c.levels.size(); ++l) {
      int lines = 0;
      for (const Isobar& line : set.lines) {
        if (line.level != c.levels[l]) continue;
        ++lines;
        for (const IsobarVertex& v : line.vertices)
          ASSERT_LE(DistanceToAnOutline(loads, v.x, v.y), 1e-9 * window) << v.x << ", " << v.y;
      }
      EXPECT_EQ(lines > 0, c.hasLines[l]) << "level " << c.levels[l];
    }
  }
}

// The axisymmetric dP of a circle: the radius where it equals `level`, found by bisection on
// the engine's circle influence.
double ExactIsobarRadius(double radius, double q, double z, double level) {
  double inside = 0.0, outside = 50.0 * radius;
  for (int i = 0; i < 200; ++i) {
    const double mid = 0.5 * (inside + outside);
    (ExactCircularLoadInfluence(radius, mid, z) * q >= level ? inside : outside) = mid;
  }
  return 0.5 * (inside + outside);
}

// Under a single circle each level below the axis value is one closed line: the exact circle
// of that level, centred on the load.
TEST(IsobarsTest, ClosedLinesAroundASingleCircleAreItsExactCircles) {
  ApplicationState state;
  FillRow(test::Edit(state)->circleLoads[1], 1, {"6", "5", "2", "100"});
  UsePlanWindow(state, 0, 12, 14);
  test::Edit(state)->gridPoints[1][point_col::kGridX] = "14";
  for (double z : {0.3, 1.0, 2.5, 5.0}) {
    IsobarRequest request;
    request.view = IsobarView::kPlan;
    request.at = z;
    request.levels = {5, 20, 40, 60, 80, 95};
    const IsobarSet set = ComputeIsobars(state.document, state.settings, request);
    ASSERT_EQ(set.error, "");
    const double axis = ExactCircularLoadInfluence(2, 0, z) * 100;
    for (double level : request.levels) {
      SCOPED_TRACE("z " + std::to_string(z) + " level " + std::to_string(level));
      std::vector<const Isobar*> lines;
      for (const Isobar& line : set.lines) {
        if (line.level == level) lines.push_back(&line);
      }
      if (level >= axis) {
        EXPECT_TRUE(lines.empty());
        continue;
      }
      const double r = ExactIsobarRadius(2, 100, z, level);
      ASSERT_LT(r, 6.0);  // inside the window
      ASSERT_EQ(lines.size(), 1u);
      EXPECT_TRUE(lines[0]->closed);
      EXPECT_GE(lines[0]->vertices.size(), 16u);
      // A vertex within the root tolerance of its level lies within that tolerance divided by
      // the radial slope of dP from the exact circle.
      const double slope = (ExactCircularLoadInfluence(2, r - 1e-4, z) -
                            ExactCircularLoadInfluence(2, r + 1e-4, z)) *
                           100 / 2e-4;
      const double allowed = IsobarContourOptions(100, 1).rootTolerance * 100 / slope * 1.01;
      const std::vector<IsobarVertex>& vertices = lines[0]->vertices;
      for (const IsobarVertex& v : vertices)
        ASSERT_NEAR(std::hypot(v.x - 6, v.y - 5), r, allowed + 1e-9) << v.x << ", " << v.y;
      // Between vertices the chords stay within the position tolerance (of the 14 m window).
      for (std::size_t n = 0; n < vertices.size(); ++n) {
        const IsobarVertex& a = vertices[n];
        const IsobarVertex& b = vertices[(n + 1) % vertices.size()];
        EXPECT_NEAR(std::hypot((a.x + b.x) / 2 - 6, (a.y + b.y) / 2 - 5), r, 0.001 * 14);
      }
    }
  }
}

// A window given with the request replaces the default one, and the lines stay inside it.
TEST(IsobarsTest, RequestedWindowIsTheOneTraced) {
  ApplicationState state;
  OpenDataFile(kExamples + "embankment.qdw", state.document);
  IsobarRequest request;
  request.window = ContourWindow{2.0, 9.0, 0.5, 4.0};
  const IsobarSet set = ComputeIsobars(state.document, state.settings, request);
  ASSERT_FALSE(set.lines.empty());
  EXPECT_EQ(set.window.u0, 2.0);
  EXPECT_EQ(set.window.v1, 4.0);
  for (const Isobar& line : set.lines) {
    for (const IsobarVertex& v : line.vertices) {
      EXPECT_GE(v.x, 2.0);
      EXPECT_LE(v.x, 9.0);
      EXPECT_GE(v.z, 0.5);
      EXPECT_LE(v.z, 4.0);
    }
  }
}

// Nothing is traced, and the reason is given, when the problem has no loads, no load has an
// intensity, or the plan lies above the surface.
TEST(IsobarsTest, ProblemsWithoutLoadsOrDepthAreRefused) {
  struct Case {
    std::string name;
    std::function<void(ApplicationState&)> fill;
    IsobarView view;
    double at;
    std::string error;
  };
  const Case cases[] = {
      {"no strip loads", [](ApplicationState&) {}, IsobarView::kStrip, 0, "帯状荷重がありません"},
      {"no plan loads", [](ApplicationState&) {}, IsobarView::kPlan, 1, "円形荷重もありません"},
      {"no section loads", [](ApplicationState&) {}, IsobarView::kSectionAtX, 1,
       "円形荷重もありません"},
      {"zero intensity",
       [](ApplicationState& s) {
         FillRow(test::Edit(s)->circleLoads[1], 1, {"0", "0", "1", "0"});
       },
       IsobarView::kPlan, 1, "荷重強度がすべて 0 です"},
      {"plan above the surface",
       [](ApplicationState& s) {
         FillRow(test::Edit(s)->circleLoads[1], 1, {"0", "0", "1", "10"});
       },
       IsobarView::kPlan, -1, "深さが負の値です"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ApplicationState state;
    c.fill(state);
    IsobarRequest request;
    request.view = c.view;
    request.at = c.at;
    const IsobarSet set = ComputeIsobars(state.document, state.settings, request);
    EXPECT_NE(set.error.find(c.error), std::string::npos) << set.error;
    EXPECT_TRUE(set.lines.empty());
  }
}

bool AllFinite(const IsobarSet& set) {
  for (const Isobar& line : set.lines)
    for (const IsobarVertex& v : line.vertices)
      if (!std::isfinite(v.x) || !std::isfinite(v.y) || !std::isfinite(v.z)) return false;
  for (const IsobarFill& fill : set.fills)
    for (const auto& ring : fill.rings)
      for (const IsobarVertex& v : ring)
        if (!std::isfinite(v.x) || !std::isfinite(v.y) || !std::isfinite(v.z)) return false;
  return true;
}

// A load or a window so large that the trace's lattice would hold infinities is refused with a
// reason; a section far from every load traces nothing. No vertex is ever a NaN or infinite.
TEST(IsobarsTest, HugeExtentsAreRefusedAndNoVertexIsEverNotANumber) {
  struct Case {
    std::string name;
    std::vector<const char*> circle;  // x, y, r, q
    IsobarView view;
    double at;
    std::optional<ContourWindow> window;
    std::string error;  // empty: traced
  };
  const Case cases[] = {
      {"circle at 1e15", {"1e15", "0", "1e15", "10"}, IsobarView::kPlan, 1, {}, ""},
      {"section of it", {"1e15", "0", "1e15", "10"}, IsobarView::kSectionAtY, -1e6, {}, ""},
      {"far section", {"0", "0", "1", "10"}, IsobarView::kSectionAtY, -1e6, {}, ""},
      {"far plan window",
       {"0", "0", "1", "10"},
       IsobarView::kPlan,
       1,
       ContourWindow{1e20, 1e20 + 1e5, 0, 1},
       "狭すぎ"},
      {"window to infinity",
       {"0", "0", "1", "10"},
       IsobarView::kPlan,
       1,
       ContourWindow{0, HUGE_VAL, 0, 1},
       "大きすぎ"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ApplicationState state;
    UsePlanWindow(state, -5, 5, 10);
    {
      test::CellsEdit edited(state.document);
      std::string* cells = edited->circleLoads[1];
      cells[1] = "1";
      for (std::size_t n = 0; n < c.circle.size(); ++n)
        cells[2 + n] = c.circle[n];
    }
    IsobarRequest request;
    request.view = c.view;
    request.at = c.at;
    request.fill = true;
    request.window = c.window;
    const IsobarSet set = ComputeIsobars(state.document, state.settings, request);
    if (c.error.empty()) {
      EXPECT_EQ(set.error, "");
    } else {
      EXPECT_NE(set.error.find(c.error), std::string::npos) << set.error;
      EXPECT_TRUE(set.lines.empty());
    }
    EXPECT_TRUE(AllFinite(set));
  }
}

// Of more levels than a figure draws, the first kMostIsobarLevels are traced.
TEST(IsobarsTest, OnlyTheFirstLevelsAreTraced) {
  ApplicationState state;
  UsePlanWindow(state, -5, 5, 10);
  FillRow(test::Edit(state)->circleLoads[1], 1, {"0", "0", "2", "100"});
  IsobarRequest request;
  request.view = IsobarView::kPlan;
  request.at = 1.0;
  for (std::size_t n = 1; n <= kMostIsobarLevels + 50; ++n)
    request.levels.push_back(0.25 * static_cast<double>(n));
  const IsobarSet set = ComputeIsobars(state.document, state.settings, request);
  ASSERT_EQ(set.levels.size(), kMostIsobarLevels);
  EXPECT_EQ(set.levels.back(), request.levels[kMostIsobarLevels - 1]);
  for (const Isobar& line : set.lines)
    EXPECT_LE(line.level, set.levels.back());
}

}  // namespace
}  // namespace qel
