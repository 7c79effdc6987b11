// The lines of qel-cli influence: values for well-formed lines, an error line for the rest,
// never a conversion of a number that does not fit.
#include "cli/influence_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace qel {
namespace {

TEST(EvaluateInfluenceLine, NumbersThatAreNoIntAreRefusedBeforeTheyAreConverted) {
  const char* lines[] = {"ramp nan 1 1 1", "ramp 1e300 1 1 1", "ramp -inf 1 1 1", "ramp 2.5 1 1 1",
                         "ramp 2147483648 1 1 1"};
  for (const char* line : lines)
    EXPECT_EQ(EvaluateInfluenceLine(line), "error: s must be a whole number within the int range")
        << line;
  EXPECT_EQ(EvaluateInfluenceLine("ramp -2147483648 1 1 1").rfind("error", 0), std::string::npos);
}

TEST(EvaluateInfluenceLine, ARectangleAtTheSurfaceHasTheSurfaceValue) {
  // The load itself under the rectangle, half of it on a side, a quarter at a corner, nothing
  // outside: what the program gives a lattice point at depth 0.
  struct Case {
    const char* line;
    double expected;
  };
  const Case cases[] = {
      {"rect 0 0 0 0 0 1 1", 0.25},  {"rect 0.5 0.5 0 0 0 1 1", 1.0},
      {"rect 1 0.5 0 0 0 1 1", 0.5}, {"rect 2 2 0 0 0 1 1", 0.0},
      {"rect 0 0 -0 0 0 1 1", 0.25}, {"rect 0 0 0.000001 0 0 1 1", 0.25},
  };
  for (const Case& c : cases) {
    const std::string answer = EvaluateInfluenceLine(c.line);
    ASSERT_EQ(answer.find("nan"), std::string::npos) << c.line;
    EXPECT_NEAR(std::stod(answer), c.expected, 1e-9) << c.line;
  }
  // Below the surface the depth is used as given.
  EXPECT_EQ(EvaluateInfluenceLine("rect 0 0 2 0 0 1 1"),
            EvaluateInfluenceLine("rect 0 0 2.0 0 0 1 1"));
}

TEST(EvaluateInfluenceLine, MalformedLinesGiveOneErrorLine) {
  const char* lines[] = {"bogus 1", "circle 1 x 1", "rect 1 2", "strip", "epi 1 2 3 4"};
  for (const char* line : lines) {
    const std::string answer = EvaluateInfluenceLine(line);
    EXPECT_EQ(answer.rfind("error: ", 0), 0u) << line;
    EXPECT_EQ(answer.find('\n'), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace qel
