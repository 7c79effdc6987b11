// The table under a time-settlement graph: a row for each column of the graph with its legend
// sample, its name, S at each of the profile's times, the final S, t50 and t90.
#pragma once

#include <string>
#include <vector>

#include "view/render_context.h"

namespace qel {

// The texts of the table, already formatted; "－" where a value is missing.
struct TimeTableRow {
  std::string label;                 // "x = 12.00" or "x = 5.00, y = 2.50"
  std::vector<std::string> atTimes;  // S (cm) at each time of `TimeTable::times`
  std::string final, t50, t90;
  bool drawn = true;  // its curve is on the graph: the row shows its legend sample
};
struct TimeTable {
  std::vector<std::string> times;  // the profile's times (days) as the header prints them
  std::vector<TimeTableRow> rows;  // in the order of the graph's curves
  std::vector<std::string> notes;  // under the table, each wrapped to its width
};

// More time cells than two table lines take go unshown, the table saying so: the graph above
// it needs the page more.
inline constexpr int kMostTimeBlocks = 2;

// The table in device units: a caption line, then one block per table line of times (each its
// header row and a row per curve, blocks half a row apart), then the notes.
struct TimeTableLayout {
  int left = 0;
  int sampleWidth = 0, sampleLength = 0, nameWidth = 0, cellWidth = 0;
  int timesPerBlock = 1, blocks = 1, shownTimes = 0;
  int rowHeight = 0, textHeight = 0, rows = 0;
  std::vector<std::string> notes;  // wrapped, the note on unshown times included
  int Height() const;
  int BlockTop(int top, int block) const;
  int NotesTop(int top) const;
};

// The table of `table` from device x `left` to `right`, text `textHeight` high, legend samples
// `sampleLength` long, as many table lines of times (at most kMostTimeBlocks) as `mostHeight`
// leaves room for, never fewer than one, and as many note lines, the last then saying how many
// are left out.
TimeTableLayout LayOutTimeTable(const TimeTable& table, int left, int right, int textHeight,
                                int sampleLength, int mostHeight);

// Draws the table laid out as `layout` with its top at device y `top`.
void DrawTimeTable(DeviceContext& dc, RenderContext& ctx, const TimeTableLayout& layout,
                   const TimeTable& table, int top);

}  // namespace qel
