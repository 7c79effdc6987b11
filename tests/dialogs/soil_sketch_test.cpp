// The sketches' geometry: the column to scale with the water table and the calculation's
// slices, and an e-log p curve on its decades.
#include "dialogs/soil_sketch.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(SoilSketch, DrawsTheColumnToScaleWithWaterAndSlices) {
  struct Case {
    double slice;
    int mostSliceLines;
    std::vector<int> sliceLines;
  };
  // 0..2 m crust (not settling), 2..10 m clay cut at the water at 4 m; 100 px for 10 m.
  const SoilSketchInput base{{{"表土", 0, 2, false}, {"粘土", 2, 10, true}}, 4.0, 1.0};
  const Case cases[] = {
      {2.0, 400, {70, 90}},  // 2 m over the water in one slice, 6 m below in 3
      {3.0, 400, {80}},      // 6 m below in 2 slices of 3 m
      {0.01, 400, {}},       // 800 slices: none drawn rather than a solid block
  };
  for (const Case& c : cases) {
    SoilSketchInput input = base;
    input.slice = c.slice;
    const SoilColumnSketch sketch = SketchSoilColumn(input, {0, 10, 50, 110}, c.mostSliceLines);
    ASSERT_EQ(sketch.layers.size(), 2u);
    EXPECT_EQ(sketch.layers[0].box, (SketchBox{0, 10, 50, 30}));
    EXPECT_EQ(sketch.layers[1].box, (SketchBox{0, 30, 50, 110}));
    EXPECT_EQ(sketch.layers[1].label, "粘土 (10 m)");
    EXPECT_EQ(sketch.waterY, 50);
    EXPECT_EQ(sketch.sliceLines, c.sliceLines) << c.slice;
  }
  EXPECT_TRUE(SketchSoilColumn({}, {0, 0, 50, 100}).layers.empty());
}

TEST(SoilSketch, PlacesTheCurveOnWholeDecadesOfP) {
  const SoilCurveSketch sketch =
      SketchSoilCurve({{10, 2.0}, {100, 1.5}, {1000, 1.0}}, {0, 0, 200, 110});
  EXPECT_EQ(sketch.pLow, 10.0);
  EXPECT_EQ(sketch.pHigh, 1000.0);
  EXPECT_EQ(sketch.decadeX, (std::vector<int>{0, 100, 200}));
  EXPECT_EQ(sketch.points, (std::vector<std::pair<int, int>>{{0, 5}, {100, 55}, {200, 105}}));
  // One point still has a decade to stand in.
  EXPECT_EQ(SketchSoilCurve({{50, 1.0}}, {0, 0, 100, 100}).decadeX, (std::vector<int>{0, 100}));
}

}  // namespace
}  // namespace qel
