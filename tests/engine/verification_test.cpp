// The verification families: every one compares something and passes on this engine.
#include "engine/verification.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace qel {
namespace {

TEST(Verification, EveryFamilyComparesValuesAndPasses) {
  const std::vector<VerificationFamily> families = RunVerification();
  ASSERT_GE(families.size(), 10u);
  std::set<std::string> names;
  for (const VerificationFamily& family : families) {
    EXPECT_GT(family.count, 0) << family.name;
    EXPECT_LE(family.largestError, family.tolerance) << family.name;
    names.insert(family.name);
  }
  EXPECT_EQ(names.size(), families.size());  // each family named once
  EXPECT_TRUE(AllPassed(families));
}

// Every family carries its evidence: its first comparison, the middle one and the one with the
// largest error, in order, with their inputs. Influence values are per unit load intensity, the
// settlement core has units of its own, and the strips are named as the program names them.
TEST(Verification, EveryFamilyHasSamplesAndItsUnit) {
  int settlementFamilies = 0;
  for (const VerificationFamily& family : RunVerification()) {
    SCOPED_TRACE(family.name);
    std::set<int> indices;
    int largest = 0;
    for (const VerificationSample& sample : family.samples) {
      EXPECT_TRUE(indices.empty() || sample.index > *indices.rbegin());
      indices.insert(sample.index);
      EXPECT_FALSE(sample.inputs.empty());
      // The error is taken from the reference before it is rounded to a double.
      EXPECT_NEAR(sample.error, std::fabs(sample.value - sample.reference),
                  2e-16 * std::max(1.0, std::fabs(sample.reference)));
      if (sample.largest) {
        EXPECT_EQ(sample.error, family.largestError);
      }
      largest += sample.largest;
    }
    EXPECT_EQ(largest, 1);
    EXPECT_TRUE(indices.count(1) && indices.count(family.count / 2 + 1));
    EXPECT_EQ(family.name.find("帯荷重"), std::string::npos);
    const bool settlement = family.name.find("沈下") != std::string::npos ||
                            family.name.find("圧密") != std::string::npos ||
                            family.name.find("土被り") != std::string::npos;
    EXPECT_EQ(family.unit == ErrorUnit::kPerLoadIntensity, !settlement);
    settlementFamilies += settlement;
  }
  EXPECT_GE(settlementFamilies, 8);
}

TEST(Verification, AFamilyOutOfToleranceOrWithoutValuesFails) {
  std::vector<VerificationFamily> families = RunVerification();
  families[0].largestError = 2.0 * families[0].tolerance;
  EXPECT_FALSE(families[0].passed());
  EXPECT_FALSE(AllPassed(families));
  VerificationFamily empty;
  EXPECT_FALSE(empty.passed());
}

}  // namespace
}  // namespace qel
