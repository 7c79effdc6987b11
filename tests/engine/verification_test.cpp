// The verification families: every one compares something and passes on this engine.
#include "engine/verification.h"

#include <gtest/gtest.h>

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
