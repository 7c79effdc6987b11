// The table of displays: numbers, problems and kinds found both ways, and the texts
// qel-cli makes from it.
#include "view/display_table.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

// Every number with its problem names one display and every display its number; nothing else
// names one.
TEST(DisplayTable, NumbersAndKindsLeadToTheirDisplay) {
  for (const int number : {-1, 0, kDisplayNumbers + 1})
    EXPECT_EQ(DisplayModeFromNumber(number), std::nullopt) << number;
  for (const DisplayRow& row : kDisplays) {
    const int number = row.number;
    const std::optional<DisplayMode> mode = DisplayModeFromNumber(number, row.problem);
    ASSERT_EQ(mode, row.mode) << number;
    EXPECT_EQ(DisplayNumber(*mode), number);
    // A number of one problem's display names it whichever problem is asked for.
    if (!IsSharedNumber(number)) {
      for (const Problem other : {Problem::Strip, Problem::RectCircle})
        EXPECT_EQ(DisplayModeFromNumber(number, other), mode) << number;
    }
    // A problem and kind lead to the first display of them.
    const DisplayMode first = DisplayOf(row.problem, row.kind);
    EXPECT_EQ(ProblemOf(first), row.problem) << number;
    EXPECT_EQ(KindOf(first), row.kind) << number;
    EXPECT_LE(DisplayIndex(first), DisplayIndex(*mode)) << number;
    EXPECT_EQ(&kDisplays[DisplayIndex(*mode)], &row) << number;
    EXPECT_NE(row.render, nullptr) << number;
    EXPECT_NE(row.hasContent, nullptr) << number;
  }
}

// The rows run problem by problem, each problem's figure first, as the menu and the report
// list them; the texts of qel-cli follow the numbers.
TEST(DisplayTable, RowsRunProblemByProblemAndCliTextsFollowTheNumbers) {
  Problem previous = kDisplays[0].problem;
  int problemsSeen = 1;
  for (const DisplayRow& row : kDisplays) {
    if (row.problem != previous) ++problemsSeen;
    previous = row.problem;
    EXPECT_EQ(row.kind == DisplayKind::Figure,
              &row == &kDisplays[0] || (&row - 1)->problem != row.problem)
        << row.number;
  }
  EXPECT_EQ(problemsSeen, 2);
  EXPECT_EQ(DisplayNumberRange(), "1 to 13");
  EXPECT_EQ(TableDisplayNumbers(), "2|3|5|6|9|12|13");
  EXPECT_EQ(TableDisplayChoices(),
            "2 (strip data), 3 (strip results), 5 (rectangle/circle data), 6 "
            "(rectangle/circle results), 9 (settlement table), 12 (soil conditions) or 13 "
            "(settlement plates)");
}

}  // namespace
}  // namespace qel
