// Tests of grouping settling layers by the faces they drain through.
#include "engine/consolidation_groups.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

// Layers top down, each settling by mv unless its drainage is empty (a sand that does not).
SoilProfile Profile(ConsolidationRule rule, const std::vector<std::optional<Drainage>>& layers) {
  SoilProfile profile;
  profile.consolidation = rule;
  for (std::size_t i = 0; i < layers.size(); ++i) {
    SoilLayer layer;
    layer.bottom = static_cast<double>(i + 1);
    layer.method = layers[i] ? SettlementMethod::kMv : SettlementMethod::kNone;
    layer.drainage = layers[i].value_or(Drainage::kBoth);
    profile.layers.push_back(layer);
  }
  return profile;
}

TEST(ConsolidationGroups, JoinRunsWithoutADrainedFaceBetweenThem) {
  using D = Drainage;
  const auto E = ConsolidationRule::kEquivalent;
  struct Case {
    const char* what;
    SoilProfile profile;
    std::vector<LayerGroup> groups;
  };
  const Case cases[] = {
      {"layers rule: each alone, as it drains",
       Profile(ConsolidationRule::kLayers, {D::kTop, D::kBottom}),
       {{0, 0, true, false}, {1, 1, false, true}}},
      {"top then bottom: one group drained at both outer faces",
       Profile(E, {D::kTop, D::kBottom}),
       {{0, 1, true, true}}},
      {"a drained face inside splits",
       Profile(E, {D::kBoth, D::kNone, D::kBottom}),
       {{0, 0, true, true}, {1, 2, false, true}}},
      {"the layer below draining at its top splits",
       Profile(E, {D::kNone, D::kTop}),
       {{0, 0, false, false}, {1, 1, true, false}}},
      {"a sand between: two groups, what lies beyond does not count",
       Profile(E, {D::kNone, std::nullopt, D::kNone}),
       {{0, 0, false, false}, {2, 2, false, false}}},
      {"coupled groups alike",
       Profile(ConsolidationRule::kCoupled, {D::kTop, D::kNone, D::kNone}),
       {{0, 2, true, false}}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ConsolidationGroups(c.profile), c.groups) << c.what;
}

}  // namespace
}  // namespace qel
