// Tests of the lines that state what the settlement in time rests on: the groups' thicknesses
// and drainage paths, and the drains' factors, against published values.
#include "analysis/settlement_time_basis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qel {
namespace {

struct Clay {
  double thickness;
  double cv;  // cm2/day
  double mv;
  Drainage drainage;
};

SoilProfile Clays(const std::vector<Clay>& clays, ConsolidationRule rule) {
  SoilProfile profile;
  profile.consolidation = rule;
  profile.gammaW = 10.0;
  double bottom = 0;
  for (std::size_t i = 0; i < clays.size(); ++i) {
    SoilLayer layer;
    layer.number = static_cast<int>(i + 1);
    layer.name = "clay" + std::to_string(i + 1);
    bottom += clays[i].thickness;
    layer.bottom = bottom;
    layer.gammaT = layer.gammaSat = 16.0;
    layer.method = SettlementMethod::kMv;
    layer.mv = clays[i].mv;
    if (clays[i].cv > 0) layer.cv = clays[i].cv;
    layer.drainage = clays[i].drainage;
    profile.layers.push_back(layer);
  }
  return profile;
}

bool HasLine(const std::vector<std::string>& lines, const std::string& part) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& line) { return line.find(part) != std::string::npos; });
}

TEST(TimeBasisLines, StateEachGroupsThicknessAndDrainagePath) {
  // Layers of 100, 300 and 200 cm with cv 50, 100 and 400 cm2/day, drained at both outer faces:
  // H' = 382.84 cm on the first layer's cv.
  const std::vector<Clay> clays = {{1.0, 50, 1e-3, Drainage::kTop},
                                   {3.0, 100, 1e-3, Drainage::kNone},
                                   {2.0, 400, 1e-3, Drainage::kBottom}};
  struct Case {
    ConsolidationRule rule;
    std::vector<std::string> parts;
  } cases[] = {
      {ConsolidationRule::kEquivalent,
       {"換算層厚法", "群 1（層 1～3）　上下面排水　H' = 3.83 m　Hd = 1.91 m"}},
      {ConsolidationRule::kCoupled,
       {"多層連成", "群 1（層 1～3）　上下面排水　層厚 6.00 m　Hd = 3.00 m"}},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> lines =
        TimeBasisLines(SettlementCourseModel(Clays(clays, c.rule)));
    for (const std::string& part : c.parts)
      EXPECT_TRUE(HasLine(lines, part)) << part;
    EXPECT_TRUE(HasLine(lines, "載荷: 0 日に全荷重"));
  }
  // Each layer alone, as it drains.
  const std::vector<std::string> alone = TimeBasisLines(SettlementCourseModel(
      Clays({{4.0, 100, 1e-3, Drainage::kBoth}, {3.0, 100, 1e-3, Drainage::kTop}},
            ConsolidationRule::kLayers)));
  EXPECT_TRUE(HasLine(alone, "層 1 clay1　上下面排水　層厚 4.00 m　Hd = 2.00 m"));
  EXPECT_TRUE(HasLine(alone, "層 2 clay2　上面排水　層厚 3.00 m　Hd = 3.00 m"));
}

TEST(TimeBasisLines, NothingWithoutCvAndAGroupWithoutCvSaysSo) {
  EXPECT_TRUE(TimeBasisLines(SettlementCourseModel(Clays({{2.0, 0, 1e-3, Drainage::kBoth}},
                                                         ConsolidationRule::kLayers)))
                  .empty());
  const std::vector<std::string> lines = TimeBasisLines(SettlementCourseModel(
      Clays({{2.0, 0, 1e-3, Drainage::kTop}, {2.0, 50, 1e-3, Drainage::kBottom}},
            ConsolidationRule::kEquivalent)));
  EXPECT_TRUE(HasLine(lines, "cv のない層があり時間変化なし"));
}

TEST(TimeBasisLines, DrainsStateTheirGeometryAndEachLayersMu) {
  // An ideal drain with n = 5 (μ = 0.936497825), and a well resistance with kh = 2 m/day,
  // qw = 4, l = 6 whose average over the length is 36.19114737: kh = ch 1e-4 mv γw with
  // ch = 1e4 cm2/day, mv = 0.2, γw = 10.
  SoilProfile profile = Clays({{8.0, 1e4, 0.2, Drainage::kBoth}}, ConsolidationRule::kLayers);
  VerticalDrains drains;
  drains.pattern = DrainPattern::kSquare;
  drains.dw = 0.1;
  drains.spacing = 5 * drains.dw * std::sqrt(std::numbers::pi) / 2;
  drains.qw = 4.0;
  drains.bottom = 6.0;
  profile.drains = drains;
  const SettlementCourseModel model(profile);
  const std::vector<std::string> lines = TimeBasisLines(model);
  EXPECT_TRUE(HasLine(lines, "de = 0.500 m　n = 5.00　μs = 0.936")) << lines.back();
  EXPECT_TRUE(HasLine(lines, "中央が GL－6.00 m より浅い分割は水平方向にも排水"));
  const SettlementColumn column =
      model.model().Column(std::vector<double>(model.model().slices().size(), 10.0));
  const std::vector<std::string> layerLines = ColumnDrainLines(model, column);
  ASSERT_EQ(layerLines.size(), 1u);
  EXPECT_EQ(layerLines[0], "ドレーン 層 1 clay1　μs = 0.9365　μw = 36.19　μ = 37.13");
  EXPECT_TRUE(ColumnDrainLines(SettlementCourseModel(Clays({{8.0, 1e4, 0.2, Drainage::kBoth}},
                                                           ConsolidationRule::kLayers)),
                               column)
                  .empty());
}

}  // namespace
}  // namespace qel
