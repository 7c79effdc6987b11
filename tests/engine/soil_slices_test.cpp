// Tests of the slices of a soil profile and the effective overburden at a depth.
#include "engine/soil_slices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace qel {
namespace {

SoilLayer Layer(double bottom, SettlementMethod method) {
  SoilLayer layer;
  layer.bottom = bottom;
  layer.gammaT = 18.0;
  layer.gammaSat = 20.0;
  layer.method = method;
  return layer;
}

// Sand 0-2 m (does not settle), clay 2-6 m, an mv layer 6-9 m; slices of at most 1 m.
SoilProfile ThreeLayers(std::optional<double> water) {
  SoilProfile profile;
  profile.layers = {Layer(2, SettlementMethod::kNone), Layer(6, SettlementMethod::kCc),
                    Layer(9, SettlementMethod::kMv)};
  profile.waterDepth = water;
  profile.gammaW = 10.0;
  return profile;
}

TEST(CutIntoSlices, SettlingLayersAreCutAtTheWaterTableThenIntoEqualSlices) {
  struct Case {
    const char* what;
    std::optional<double> water;
    std::vector<double> clayTops;  // the tops of the clay's slices; the mv layer has 3 of 1 m
  };
  const Case cases[] = {
      {"no water table", std::nullopt, {2, 3, 4, 5}},
      {"inside the clay", 3.5, {2, 2.75, 3.5, 3.5 + 2.5 / 3, 3.5 + 5.0 / 3}},
      {"at the clay's bottom", 6.0, {2, 3, 4, 5}},
      {"above every layer", -1.0, {2, 3, 4, 5}},
      {"at the surface", 0.0, {2, 3, 4, 5}},
      {"below every layer", 30.0, {2, 3, 4, 5}},
  };
  for (const Case& c : cases) {
    const std::vector<SoilSlice> slices = CutIntoSlices(ThreeLayers(c.water));
    ASSERT_EQ(slices.size(), c.clayTops.size() + 3) << c.what;
    for (std::size_t i = 0; i < slices.size(); ++i) {
      const bool clay = i < c.clayTops.size();
      const SoilSlice& slice = slices[i];
      EXPECT_EQ(slice.layer, clay ? 1 : 2) << c.what;
      EXPECT_EQ(slice.number,
                clay ? static_cast<int>(i) + 1 : static_cast<int>(i - c.clayTops.size()) + 1)
          << c.what;
      const double top = clay ? c.clayTops[i] : 6.0 + static_cast<double>(i - c.clayTops.size());
      const double bottom = i + 1 < c.clayTops.size() ? c.clayTops[i + 1] : clay ? 6.0 : top + 1;
      EXPECT_NEAR(slice.top, top, 1e-12) << c.what << " slice " << i;
      EXPECT_NEAR(slice.bottom, bottom, 1e-12) << c.what << " slice " << i;
      EXPECT_NEAR(slice.thickness, bottom - top, 1e-12) << c.what << " slice " << i;
      EXPECT_NEAR(slice.middle, (top + bottom) / 2, 1e-12) << c.what << " slice " << i;
      EXPECT_DOUBLE_EQ(slice.sigma0, EffectiveOverburden(ThreeLayers(c.water), slice.middle));
    }
  }
}

TEST(SliceCount, CeilingOfTheQuotientWithRoundingForgiven) {
  struct Case {
    double h, largest;
    long count;
  };
  const Case cases[] = {{2.2, 1.1, 2}, {2.0, 1.0, 2},  {2.01, 1.0, 3}, {0.3, 1.0, 1},
                        {5.5, 1.0, 6}, {1e-6, 1.0, 1}, {0.7, 0.1, 7},  {1.0, 0.3, 4}};
  for (const Case& c : cases)
    EXPECT_EQ(SliceCount(c.h, c.largest), c.count) << c.h << " / " << c.largest;
}

TEST(CutIntoSlices, RefusesSliceThicknessesAndLayersItCannotCut) {
  SoilProfile profile = ThreeLayers(std::nullopt);
  for (double thickness : {0.0, -1.0, double(NAN), double(INFINITY)}) {
    profile.sliceThickness = thickness;
    EXPECT_THROW(CutIntoSlices(profile), std::invalid_argument) << thickness;
  }
  // 4 m of clay in ceil(1142.2) slices and 3 m of the mv layer in ceil(856.7): 2000 in all.
  profile.sliceThickness = 0.003502;
  EXPECT_EQ(CutIntoSlices(profile).size(), static_cast<std::size_t>(kMaxSlicesPerColumn));
  profile.sliceThickness = 0.0035;  // 1143 + 858
  EXPECT_THROW(CutIntoSlices(profile), std::length_error);
  profile = ThreeLayers(std::nullopt);
  profile.layers[2].bottom = 6.0;  // no thickness
  EXPECT_THROW(CutIntoSlices(profile), std::invalid_argument);
}

TEST(EffectiveOverburden, DryWeightAboveTheWaterTableBuoyantBelow) {
  // gammaT 18 and gammaSat 20 in every layer, gammaW 10.
  struct Case {
    std::optional<double> water;
    double z, sigma;
  };
  const Case cases[] = {
      {std::nullopt, 0.0, 0.0}, {std::nullopt, 1.0, 18.0}, {std::nullopt, 7.5, 135.0},
      {3.5, 2.0, 36.0},         {3.5, 5.0, 63.0 + 15.0},   {0.0, 4.0, 40.0},
      {-2.0, 4.0, 40.0},        {30.0, 9.0, 162.0},        {std::nullopt, 12.0, 216.0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(EffectiveOverburden(ThreeLayers(c.water), c.z), c.sigma, 1e-9)
        << "water " << c.water.value_or(-99) << ", z " << c.z;
  }
  // Different weights per layer: 2 m at 16, then 19 (buoyant 9) below the water at 2 m.
  SoilProfile profile = ThreeLayers(2.0);
  profile.layers[0].gammaT = 16.0;
  profile.layers[1].gammaSat = 19.0;
  profile.layers[2].gammaSat = 21.0;
  EXPECT_NEAR(EffectiveOverburden(profile, 8.0), 32.0 + 9.0 * 4 + 11.0 * 2, 1e-9);
}

}  // namespace
}  // namespace qel
