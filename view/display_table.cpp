// Looking displays up in the table of displays, and qel-cli's texts about their numbers.
#include "view/display_table.h"

#include <vector>

namespace qel {

namespace {

// The table displays in number order, one row a number.
std::vector<const DisplayRow*> TableRowsByNumber() {
  std::vector<const DisplayRow*> rows;
  for (int number = 1; number <= kDisplayNumbers; ++number)
    if (const DisplayRow& row = DisplayRowOf(*DisplayModeFromNumber(number)); row.exportsTable)
      rows.push_back(&row);
  return rows;
}

}  // namespace

std::optional<DisplayMode> DisplayModeFromNumber(int number, Problem problem) {
  std::optional<DisplayMode> found;
  for (const DisplayRow& row : kDisplays) {
    if (row.number != number) continue;
    if (row.problem == problem) return row.mode;
    if (!found) found = row.mode;
  }
  return found;
}

bool IsSharedNumber(int number) {
  int rows = 0;
  for (const DisplayRow& row : kDisplays)
    rows += row.number == number ? 1 : 0;
  return rows > 1;
}

DisplayMode DisplayOf(Problem problem, DisplayKind kind) {
  for (const DisplayRow& row : kDisplays)
    if (row.problem == problem && row.kind == kind) return row.mode;
  return kDisplays[0].mode;  // the table has every problem and kind
}

std::string DisplayNumberRange() {
  return "1 to " + std::to_string(kDisplayNumbers);
}

std::string TableDisplayNumbers() {
  std::string text;
  for (const DisplayRow* row : TableRowsByNumber())
    text += (text.empty() ? "" : "|") + std::to_string(row->number);
  return text;
}

std::string TableDisplayChoices() {
  const std::vector<const DisplayRow*> rows = TableRowsByNumber();
  std::string text;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i > 0) text += i + 1 == rows.size() ? " or " : ", ";
    text += std::to_string(rows[i]->number) + " (" + rows[i]->cliName + ")";
  }
  return text;
}

}  // namespace qel
