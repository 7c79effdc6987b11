// Tests of the vertical drains' factors and the degree of radial consolidation.
#include "engine/vertical_drains.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace qel {
namespace {

using enum DrainProblem;

VerticalDrains Drains() {
  VerticalDrains drains;
  drains.pattern = DrainPattern::kTriangle;
  drains.spacing = 1.2;
  drains.dw = 0.0662;
  drains.ds = 0.2;
  drains.khks = 2.0;
  drains.qw = 100.0;
  drains.bottom = 15.0;
  return drains;
}

// The cell of diameter de has the area each drain serves: s^2 on a square grid, s^2 sqrt(3)/2
// on a triangular one.
TEST(VerticalDrains, TheCellHasTheAreaOfTheGrid) {
  for (double s : {0.8, 1.2, 2.5}) {
    const double square = EquivalentDiameter(DrainPattern::kSquare, s);
    const double triangle = EquivalentDiameter(DrainPattern::kTriangle, s);
    EXPECT_NEAR(std::numbers::pi * square * square / 4.0, s * s, 1e-14);
    EXPECT_NEAR(std::numbers::pi * triangle * triangle / 4.0, s * s * std::sqrt(3.0) / 2.0, 1e-14);
  }
}

// For a wide cell the complete form tends to ln(n/s) + kappa ln s - 3/4, the terms it adds
// vanishing like ln(n)/n^2; without smear the ratio kh/ks plays no part.
TEST(VerticalDrains, TheSmearFactorsLimits) {
  const double n = 1e5;
  for (const auto& [sr, kappa] : {std::pair{1.0, 1.0}, std::pair{2.0, 3.0}, std::pair{4.0, 10.0}})
    EXPECT_NEAR(SmearFactor(n, sr, kappa), std::log(n / sr) + kappa * std::log(sr) - 0.75, 1e-7);
  for (double n : {5.0, 30.0})
    EXPECT_DOUBLE_EQ(SmearFactor(n, 1.0, 5.0), SmearFactor(n, 1.0, 1.0));
  // Smear slows the flow: the factor grows with kh/ks.
  EXPECT_GT(SmearFactor(20.0, 3.0, 3.0), SmearFactor(20.0, 3.0, 2.0));
}

// The average is the mean of the depth values over the length (Simpson's rule is exact for the
// quadratic z (2l - z)); it vanishes at the top, where the drain discharges.
TEST(VerticalDrains, TheWellResistanceAverageIsTheMeanOverTheLength) {
  const double l = 12.0, kh = 3e-4, qw = 80.0, n = 18.0;
  const double simpson =
      (WellResistanceAt(0.0, l, kh, qw, n) + 4.0 * WellResistanceAt(l / 2, l, kh, qw, n) +
       WellResistanceAt(l, l, kh, qw, n)) /
      6.0;
  EXPECT_NEAR(AverageWellResistance(l, kh, qw, n), simpson, 1e-15);
  EXPECT_EQ(WellResistanceAt(0.0, l, kh, qw, n), 0.0);
}

TEST(VerticalDrains, TheFactorsOfALayer) {
  VerticalDrains drains = Drains();
  const double kh = HorizontalPermeability(300.0, 1e-3, 9.81);
  EXPECT_NEAR(kh, 0.03 * 1e-3 * 9.81, 1e-18);  // 300 cm2/day = 0.03 m2/day
  const DrainFactors factors = DrainFactorsFor(drains, kh);
  EXPECT_DOUBLE_EQ(factors.de, EquivalentDiameter(DrainPattern::kTriangle, 1.2));
  EXPECT_DOUBLE_EQ(factors.n, factors.de / 0.0662);
  EXPECT_DOUBLE_EQ(factors.smear, SmearFactor(factors.n, 0.2 / 0.0662, 2.0));
  EXPECT_DOUBLE_EQ(factors.wellResistance, AverageWellResistance(15.0, kh, 100.0, factors.n));
  EXPECT_DOUBLE_EQ(factors.mu(), factors.smear + factors.wellResistance);
  // Without smear, ratio or discharge capacity: the ideal drain without well resistance.
  drains.ds.reset();
  drains.khks.reset();
  drains.qw.reset();
  const DrainFactors ideal = DrainFactorsFor(drains, kh);
  EXPECT_DOUBLE_EQ(ideal.smear, SmearFactor(ideal.n, 1.0, 1.0));
  EXPECT_EQ(ideal.wellResistance, 0.0);
}

// The radial rate and Uh describe the same decay; Uh keeps its digits when it is tiny, and the
// combined degree has its limits.
TEST(VerticalDrains, RadialDegreeAndCombination) {
  const double ch = 200.0, de = 1.26, mu = 2.7;
  for (double t : {1.0, 30.0, 400.0})
    EXPECT_NEAR(RadialDegree(RadialTimeFactor(ch, t, de), mu),
                1.0 - std::exp(-RadialRate(ch, de, mu) * t), 1e-15);
  EXPECT_NEAR(RadialDegree(1e-15, 2.0), 4e-15, 1e-28);
  EXPECT_DOUBLE_EQ(CombinedDegree(0.0, 0.3), 0.3);
  EXPECT_DOUBLE_EQ(CombinedDegree(0.4, 0.0), 0.4);
  EXPECT_EQ(CombinedDegree(0.4, 1.0), 1.0);
  EXPECT_DOUBLE_EQ(CombinedDegree(0.5, 0.5), 0.75);
}

TEST(VerticalDrains, TheCheckNamesEachFault) {
  struct Case {
    const char* what;
    void (*change)(VerticalDrains&);
    std::vector<DrainProblem> problems;
  };
  const Case cases[] = {
      {"as given", [](VerticalDrains&) {}, {}},
      {"no smear, ratio or qw",
       [](VerticalDrains& d) { d.ds.reset(), d.khks.reset(), d.qw.reset(); },
       {}},
      {"spacing NaN", [](VerticalDrains& d) { d.spacing = NAN; }, {kNotFinite}},
      {"qw infinite", [](VerticalDrains& d) { d.qw = INFINITY; }, {kNotFinite}},
      {"unknown pattern",
       [](VerticalDrains& d) { d.pattern = DrainPattern::kUnknown; },
       {kUnknownPattern}},
      {"dw zero", [](VerticalDrains& d) { d.dw = 0.0, d.ds.reset(); }, {kDiameterNotPositive}},
      {"spacing = dw",
       [](VerticalDrains& d) { d.spacing = 0.0662, d.ds.reset(); },
       {kSpacingNotAboveDiameter}},
      {"ds < dw", [](VerticalDrains& d) { d.ds = 0.05; }, {kSmearBelowDiameter}},
      {"ds = de",
       [](VerticalDrains& d) { d.ds = EquivalentDiameter(d.pattern, d.spacing); },
       {kSmearNotWithinCell}},
      {"khks < 1", [](VerticalDrains& d) { d.khks = 0.9; }, {kPermeabilityRatioBelowOne}},
      {"qw zero", [](VerticalDrains& d) { d.qw = 0.0; }, {kDischargeNotPositive}},
      {"bottom zero", [](VerticalDrains& d) { d.bottom = 0.0; }, {kBottomNotPositive}},
      {"two faults",
       [](VerticalDrains& d) { d.khks = 0.5, d.bottom = -1.0; },
       {kPermeabilityRatioBelowOne, kBottomNotPositive}},
  };
  for (const Case& c : cases) {
    VerticalDrains drains = Drains();
    c.change(drains);
    EXPECT_EQ(CheckVerticalDrains(drains), c.problems) << c.what;
  }
}

}  // namespace
}  // namespace qel
