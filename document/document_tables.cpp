// Clearing, counting and the numeric mirrors of the document tables.
#include "document/document_tables.h"

#include "settings/c_locale.h"
#include "settings/system_settings.h"
#include "settings/text_fields.h"

namespace qel {

void ClearDocumentData(DocumentTables& t) {
  for (int line = 1; line <= kSettingLines; ++line)
    t.settingLines[line].clear();
  for (int set = 1; set <= kStripSets; ++set)
    for (int row = 1; row <= kStripRows; ++row)
      for (int col = 1; col <= kStripColumns; ++col)
        t.stripLoads[set][row][col].clear();
  for (int row = 1; row <= kRectRows; ++row)
    for (int col = 1; col <= kRectColumns; ++col)
      t.rectLoads[row][col].clear();
  for (int row = 1; row <= kCircleRows; ++row)
    for (int col = 1; col <= kCircleColumns; ++col)
      t.circleLoads[row][col].clear();
  for (int row = 1; row <= kStripPointRows; ++row)
    for (int col = 1; col <= 2; ++col)
      t.stripPoints[row][col].clear();
  for (int row = 1; row <= kGridRows; ++row)
    for (int col = 1; col <= 3; ++col)
      t.gridPoints[row][col].clear();
}

void LinesToSettings(const DocumentTables& t, SystemSettings& s) {
  using namespace setting_line;
  const auto* lines = t.settingLines;
  s.stripScaleX = ToInt(lines[kStripScaleX]);
  s.stripScaleY = ToInt(lines[kStripScaleY]);
  s.stripLeftX = ToInt(lines[kStripLeftX]);
  s.stripRangeX = ToInt(lines[kStripRangeX]);
  s.stripPageOverlap = ToInt(lines[kStripPageOverlap]);
  s.stripTopY = ToDouble(lines[kStripTopY]);
  s.stripRangeY = ToInt(lines[kStripRangeY]);
  s.rectScaleX = ToInt(lines[kRectScaleX]);
  s.rectScaleY = ToInt(lines[kRectScaleY]);
  s.rectLeftX = ToInt(lines[kRectLeftX]);
  s.rectRangeX = ToInt(lines[kRectRangeX]);
  s.rectPageOverlap = ToInt(lines[kRectPageOverlap]);
  s.rectTopY = ToDouble(lines[kRectTopY]);
  s.rectRangeY = ToInt(lines[kRectRangeY]);
}

void SettingsToLines(const SystemSettings& s, DocumentTables& t) {
  using namespace setting_line;
  auto* lines = t.settingLines;
  lines[kStripScaleX] = FormatC("%d", s.stripScaleX);
  lines[kStripScaleY] = FormatC("%d", s.stripScaleY);
  lines[kStripLeftX] = FormatC("%d", s.stripLeftX);
  lines[kStripRangeX] = FormatC("%d", s.stripRangeX);
  lines[kStripPageOverlap] = FormatC("%d", s.stripPageOverlap);
  lines[kStripTopY] = FormatC("%.2f", s.stripTopY);
  lines[kStripRangeY] = FormatC("%d", s.stripRangeY);
  lines[kRectScaleX] = FormatC("%d", s.rectScaleX);
  lines[kRectScaleY] = FormatC("%d", s.rectScaleY);
  lines[kRectLeftX] = FormatC("%d", s.rectLeftX);
  lines[kRectRangeX] = FormatC("%d", s.rectRangeX);
  lines[kRectPageOverlap] = FormatC("%d", s.rectPageOverlap);
  lines[kRectTopY] = FormatC("%.2f", s.rectTopY);
  lines[kRectRangeY] = FormatC("%d", s.rectRangeY);
}

int CountStripRows(const DocumentTables& t, int set) {
  if (set < 1 || set > kStripSets) return 0;
  int count = 0;
  while (count < kStripRows && IsPresent(t.stripLoads[set][count + 1][strip_col::kNo]) &&
         IsPresent(t.stripLoads[set][count + 1][strip_col::kX1])) {
    ++count;
  }
  return count;
}

int CountRectRows(const DocumentTables& t) {
  int count = 0;
  while (count < kRectRows && IsPresent(t.rectLoads[count + 1][rect_col::kNo]))
    ++count;
  return count;
}

int CountCircleRows(const DocumentTables& t) {
  int count = 0;
  while (count < kCircleRows && IsPresent(t.circleLoads[count + 1][circle_col::kNo]))
    ++count;
  return count;
}

int CountGridValues(const DocumentTables& t, int column) {
  if (column < 1 || column > 3) return 0;
  int count = 0;
  for (int row = 1; row <= kGridRows; ++row)
    count += IsPresent(t.gridPoints[row][column]);
  return count;
}

}  // namespace qel
