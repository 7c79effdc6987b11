// The settlement maps' computations on small hand-made columns: the grid, the largest
// differential settlement and angular distortion, the levels, the lines and the strip profile.
#include "analysis/settlement_map.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qel {
namespace {

SettlementColumnResult Lattice(double x, double y, std::optional<double> totalCm) {
  SettlementColumnResult column;
  column.site = {Problem::RectCircle, 0, 0, x, y};
  if (totalCm) column.values.total = *totalCm / 100.0;
  return column;
}

// xs 0, 5, 15 and ys 0, 20 (listed out of order), settlement in cm:
//   y = 20:   9  15  19
//   y =  0:  10  12  11
std::vector<SettlementColumnResult> HandGrid(std::optional<double> at15_20 = 19.0) {
  return {Lattice(15, 20, at15_20), Lattice(0, 0, 10.0), Lattice(5, 0, 12.0),
          Lattice(15, 0, 11.0),     Lattice(0, 20, 9.0), Lattice(5, 20, 15.0)};
}

TEST(SettlementGrid, OrdersTheColumnsByXAndYAndKeepsTheFirstOfARepeatedPlace) {
  std::vector<SettlementColumnResult> columns = HandGrid();
  columns.push_back(Lattice(5, 0, 99.0));  // stands where (5, 0) does
  const SettlementGrid grid = LatticeGrid(columns);
  EXPECT_EQ(grid.xs, (std::vector<double>{0, 5, 15}));
  EXPECT_EQ(grid.ys, (std::vector<double>{0, 20}));
  EXPECT_DOUBLE_EQ(*grid.At(1, 0), 0.12);
  EXPECT_DOUBLE_EQ(*grid.At(2, 1), 0.19);
}

TEST(SettlementGrid, LargestDifferenceAndDistortionAreTakenBetweenNeighbours) {
  struct Case {
    const char* name;
    std::optional<double> at15_20;
    double difference;  // cm
    std::size_t differenceA, differenceB, distortionA, distortionB;
  };
  // With (15, 20): the largest difference is 19 - 11 = 8 cm over the 20 m along y, the largest
  // distortion 15 - 9 = 6 cm over the 5 m along x. Without it, 6 cm over 5 m is both.
  for (const Case& c : {Case{"complete", 19.0, 8.0, 2, 5, 3, 4},
                        Case{"one missing", std::nullopt, 6.0, 3, 4, 3, 4}}) {
    SCOPED_TRACE(c.name);
    const GridDistortion d = LargestDistortion(LatticeGrid(HandGrid(c.at15_20)));
    ASSERT_TRUE(d.largestDifference && d.largestDistortion);
    EXPECT_NEAR(d.largestDifference->difference, c.difference / 100, 1e-12);
    EXPECT_EQ(d.largestDifference->a, c.differenceA);
    EXPECT_EQ(d.largestDifference->b, c.differenceB);
    EXPECT_NEAR(d.largestDistortion->Distortion(), 6.0 / 500, 1e-12);
    EXPECT_EQ(d.largestDistortion->a, c.distortionA);
    EXPECT_EQ(d.largestDistortion->b, c.distortionB);
  }
}

TEST(SettlementGrid, ALineOfColumnsHasPairsOnlyAlongItAndOneColumnNone) {
  const GridDistortion line =
      LargestDistortion(LatticeGrid({Lattice(2, 0, 1.0), Lattice(2, 4, 3.0), Lattice(2, 5, 2.0)}));
  ASSERT_TRUE(line.largestDifference && line.largestDistortion);
  EXPECT_NEAR(line.largestDifference->difference, 0.02, 1e-12);
  EXPECT_NEAR(line.largestDistortion->Distortion(), 0.01, 1e-12);  // 1 cm over 1 m
  EXPECT_EQ(line.largestDistortion->a, 1u);
  const GridDistortion single = LargestDistortion(LatticeGrid({Lattice(2, 0, 1.0)}));
  EXPECT_FALSE(single.largestDifference || single.largestDistortion);
}

TEST(SettlementLevels, AreRoundMultiplesStrictlyInsideTheRange) {
  struct Case {
    double low, high;
    std::vector<double> levels;
  };
  for (const Case& c : {Case{0.3, 2.7, {0.5, 1.0, 1.5, 2.0, 2.5}}, Case{0.0, 10.0, {2, 4, 6, 8}},
                        Case{-3.0, 1.0, {-2.5, -2, -1.5, -1, -0.5, 0, 0.5}}, Case{1.0, 1.0, {}},
                        Case{2.0, 1.0, {}}, Case{NAN, 1.0, {}}, Case{1e300, INFINITY, {}}}) {
    SCOPED_TRACE(std::to_string(c.low) + " .. " + std::to_string(c.high));
    const std::vector<double> levels = SettlementLevels(c.low, c.high, 8);
    ASSERT_EQ(levels.size(), c.levels.size());
    for (std::size_t i = 0; i < levels.size(); ++i)
      EXPECT_NEAR(levels[i], c.levels[i], 1e-12);
  }
  EXPECT_LE(SettlementLevels(1e15, 1e15 + 1.0, 8).size(), 8u);
}

TEST(GridContours, CrossTheCellEdgesWhereSettlementIsLinearBetweenColumns) {
  // 0 along x = 0 and 1 along x = 2: the level 0.25 runs straight up x = 0.5.
  const SettlementGrid ramp = LatticeGrid(
      {Lattice(0, 0, 0.0), Lattice(2, 0, 100.0), Lattice(0, 1, 0.0), Lattice(2, 1, 100.0)});
  const auto lines = GridContours(ramp, {0.25});
  ASSERT_EQ(lines[0].size(), 1u);
  EXPECT_FALSE(lines[0][0].closed);
  ASSERT_EQ(lines[0][0].points.size(), 2u);
  for (const ContourPoint& p : lines[0][0].points)
    EXPECT_NEAR(p.u, 0.5, 1e-12);

  // A peak of 1 at the middle of 3 x 3 columns: the level 0.5 closes round it half way out.
  std::vector<SettlementColumnResult> peak;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x)
      peak.push_back(Lattice(x, y, x == 1 && y == 1 ? 100.0 : 0.0));
  const auto ring = GridContours(LatticeGrid(peak), {0.5});
  ASSERT_EQ(ring[0].size(), 1u);
  EXPECT_TRUE(ring[0][0].closed);
  ASSERT_EQ(ring[0][0].points.size(), 4u);
  for (const ContourPoint& p : ring[0][0].points)
    EXPECT_NEAR(std::hypot(p.u - 1, p.v - 1), 0.5, 1e-12);

  // A saddle whose middle lies above the level: two lines, each cutting off a low corner.
  const auto saddle = GridContours(LatticeGrid({Lattice(0, 0, 100.0), Lattice(1, 0, 0.0),
                                                Lattice(1, 1, 100.0), Lattice(0, 1, 0.0)}),
                                   {0.4});
  EXPECT_EQ(saddle[0].size(), 2u);
}

TEST(GridContours, LeaveOutCellsWithAColumnWithoutTotalAndGridsOfOneLine) {
  EXPECT_TRUE(GridContours(LatticeGrid({Lattice(0, 0, 0.0), Lattice(2, 0, 100.0),
                                        Lattice(0, 1, 0.0), Lattice(2, 1, std::nullopt)}),
                           {0.25})[0]
                  .empty());
  EXPECT_TRUE(
      GridContours(LatticeGrid({Lattice(0, 0, 0.0), Lattice(2, 0, 100.0)}), {0.25})[0].empty());
}

TEST(LargestValueAt, IsTheFirstOfTheLargestGivenValues) {
  EXPECT_EQ(LargestValueAt({std::nullopt, 3.0, 5.0, 5.0, 2.0}), std::optional<std::size_t>(2));
  EXPECT_FALSE(LargestValueAt({std::nullopt, std::nullopt}));
  EXPECT_FALSE(LargestValueAt({}));
}

// The dP a column was settled under, slice by slice.
std::vector<double> Loads(const SettlementColumnResult& column) {
  std::vector<double> loads;
  for (const SliceSettlement& slice : column.values.slices)
    loads.push_back(slice.deltaP);
  return loads;
}

TEST(StripProfile, OrdersTheColumnsByXAndTakesTheFirstTimesInTheirOrder) {
  SoilProfile soil;
  SoilLayer clay;
  clay.number = 1;
  clay.bottom = 2.0;
  clay.gammaT = clay.gammaSat = 18.0;
  clay.method = SettlementMethod::kMv;
  clay.mv = 1e-3;
  clay.cv = 100.0;
  soil.layers = {clay};
  soil.times = {300, 10, 30, 100, 1000, 3000, 1e9, 5};
  const SettlementModel model(soil);
  std::vector<SettlementColumnResult> columns;
  for (const double x : {8.0, -2.0, 3.0}) {
    SettlementColumnResult column;
    column.site = {Problem::Strip, 0, 0, x, 0.0};
    column.values = model.Column(std::vector<double>(model.slices().size(), 10.0 * x + 30.0));
    columns.push_back(column);
  }
  columns.push_back(Lattice(0, 0, 1.0));  // not on the strip section
  const SettlementCourseModel courseModel(soil);
  std::vector<SettlementCourse> courses;
  for (const SettlementColumnResult& column : columns)
    courses.push_back(column.values.slices.empty() ? SettlementCourse{}
                                                   : courseModel.Course(Loads(column)));
  const StripSettlementProfile profile = StripProfile(courseModel, columns, courses);
  EXPECT_EQ(profile.xs, (std::vector<double>{-2, 3, 8}));
  ASSERT_EQ(profile.curves.size(), kMostTimeCurves);
  EXPECT_EQ(profile.timesLeftOut, 2u);
  for (std::size_t t = 0; t < kMostTimeCurves; ++t)
    EXPECT_EQ(profile.curves[t].days, soil.times[t]);
  // mv dP H: 1e-3 x 10 x 2 m at x = -2; after 3000 days (Tv = 30) all of it has come.
  EXPECT_NEAR(*profile.totals[0], 0.02, 1e-12);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_NEAR(*profile.curves[6 - 1].values[i], *profile.totals[i], 1e-9);
    EXPECT_LT(*profile.curves[1].values[i], *profile.curves[0].values[i]);  // 10 days < 300
  }
}

}  // namespace
}  // namespace qel
