// The table of displays: numbers, commands, problems and kinds found both ways, and the texts
// qel-cli makes from it.
#include "view/display_table.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

// Every number names one display and every display its number; nothing else names one.
TEST(DisplayTable, NumbersCommandsAndKindsLeadToTheirDisplay) {
  for (int number = -1; number <= kDisplayCount + 1; ++number) {
    const std::optional<DisplayMode> mode = DisplayModeFromNumber(number);
    EXPECT_EQ(mode.has_value(), number >= 1 && number <= kDisplayCount) << number;
    if (!mode) continue;
    EXPECT_EQ(DisplayNumber(*mode), number);
    const DisplayRow& row = DisplayRowOf(*mode);
    EXPECT_EQ(DisplayOfCommand(row.command), mode) << number;
    // A problem and kind lead to the first display of them.
    const DisplayMode first = DisplayOf(row.problem, row.kind);
    EXPECT_EQ(ProblemOf(first), row.problem) << number;
    EXPECT_EQ(KindOf(first), row.kind) << number;
    EXPECT_LE(DisplayIndex(first), DisplayIndex(*mode)) << number;
    EXPECT_EQ(&kDisplays[DisplayIndex(*mode)], &row) << number;
    EXPECT_NE(row.render, nullptr) << number;
    EXPECT_NE(row.hasContent, nullptr) << number;
  }
  EXPECT_EQ(DisplayOfCommand(CommandId::ToolbarFigure), std::nullopt);
  for (const DisplayKindRow& kind : kDisplayKinds)
    EXPECT_EQ(KindOfToolbarCommand(kind.toolbarCommand), kind.kind) << kind.icon;
  EXPECT_EQ(KindOfToolbarCommand(CommandId::ShowStripFigure), std::nullopt);
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
  EXPECT_EQ(DisplayNumberRange(), "1 to 8");
  EXPECT_EQ(TableDisplayNumbers(), "2|3|5|6");
  EXPECT_EQ(TableDisplayChoices(),
            "2 (strip data), 3 (strip results), 5 (rectangle/circle data) or 6 "
            "(rectangle/circle results)");
}

}  // namespace
}  // namespace qel
