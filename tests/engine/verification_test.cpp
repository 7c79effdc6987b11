// The verification families: every one compares something and passes on this engine.
#include "engine/verification.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "engine/verification_recorder.h"

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

// Every family carries its evidence: the first comparison, a middle one and the one with the
// largest error, in order, each once, with their inputs; the influence values are per unit load
// intensity, the settlement core in its own units; the strips are named as the program names
// them.
TEST(Verification, EveryFamilyHasSamplesAndItsUnit) {
  int perIntensity = 0, others = 0;
  for (const VerificationFamily& family : RunVerification()) {
    SCOPED_TRACE(family.name);
    ASSERT_FALSE(family.samples.empty());
    EXPECT_LE(family.samples.size(), 3u);
    EXPECT_EQ(family.samples.front().index, 1);
    int largest = 0, last = 0;
    for (const VerificationSample& sample : family.samples) {
      EXPECT_GT(sample.index, last);
      last = sample.index;
      EXPECT_FALSE(sample.inputs.empty());
      // The error is taken from the reference before it is rounded to a double.
      EXPECT_NEAR(sample.error, std::fabs(sample.value - sample.reference),
                  2e-16 * std::max(1.0, std::fabs(sample.reference)));
      if (sample.largest) {
        ++largest;
        EXPECT_EQ(sample.error, family.largestError);
      }
    }
    EXPECT_EQ(largest, 1);
    const bool hasMiddle = std::any_of(
        family.samples.begin(), family.samples.end(),
        [&](const VerificationSample& sample) { return sample.index == family.count / 2 + 1; });
    EXPECT_TRUE(hasMiddle);
    EXPECT_EQ(family.name.find("帯荷重"), std::string::npos);
    const bool settlement = family.name.find("沈下") != std::string::npos ||
                            family.name.find("圧密") != std::string::npos ||
                            family.name.find("土被り") != std::string::npos;
    EXPECT_EQ(family.unit == ErrorUnit::kPerLoadIntensity, !settlement);
    (settlement ? others : perIntensity) += 1;
  }
  EXPECT_GE(perIntensity, 10);
  EXPECT_GE(others, 8);
}

// A value that is no number is the family's largest error, and fails it.
TEST(Verification, AValueThatIsNoNumberIsTheLargestErrorAndFails) {
  VerificationRecorder recorder("test", 1e-9, ErrorUnit::kMetre);
  recorder.Compare({{"a", 1}}, 1.0, 1.0L);
  recorder.Compare({{"a", 2}}, NAN, 2.0L);
  recorder.Compare({{"a", 3}}, 3.5, 3.0L);
  const VerificationFamily family = recorder.result();
  EXPECT_EQ(family.count, 3);
  EXPECT_EQ(family.largestError, INFINITY);
  EXPECT_FALSE(family.passed());
  ASSERT_EQ(family.samples.size(), 2u);  // the first, and the middle one with the largest error
  EXPECT_EQ(family.samples[1].index, 2);
  EXPECT_TRUE(family.samples[1].largest);
  EXPECT_EQ(family.unit, ErrorUnit::kMetre);
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
