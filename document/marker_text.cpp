// Texts that a data file would read back as a section marker, found before a save.
#include "document/marker_text.h"

#include "base/quoted_text.h"
#include "base/text_fields.h"

namespace qel {

namespace {

bool HoldsMarker(const std::string& text) {
  return text.find("$$") != std::string::npos;
}

std::string CellName(const char* table, int row, const char* column) {
  return std::string(table) + " " + std::to_string(row) + " 行目 " + column;
}

// The first of `rows` rows (of `columns` cells named by `names`) holding "$$"; with
// `stopAtEmptyNo`, the rows a save writes end at the first without a number in column 1.
template <std::size_t Columns>
std::optional<std::string> FindInRows(const std::string (*cells)[Columns], int rows, int columns,
                                      const char* const* names, const char* table,
                                      bool stopAtEmptyNo) {
  for (int row = 1; row <= rows; ++row) {
    if (stopAtEmptyNo && !IsPresent(cells[row][1])) break;
    for (int col = 1; col <= columns; ++col)
      if (HoldsMarker(cells[row][col])) return CellName(table, row, names[col]);
  }
  return std::nullopt;
}

// The name of a setting line: its title or page text where it is one.
std::string SettingLineName(int line) {
  using namespace setting_line;
  struct Named {
    int line;
    const char* name;
  };
  static const Named kTexts[] = {
      {kFigureTitle, "図のタイトル"},
      {kDataTitle, "データのタイトル"},
      {kResultTitle, "結果のタイトル"},
      {kFigurePagePrefix, "図のページの前の文字"},
      {kFigurePageSuffix, "図のページの後の文字"},
      {kDataPagePrefix, "データのページの前の文字"},
      {kDataPageSuffix, "データのページの後の文字"},
      {kResultPagePrefix, "結果のページの前の文字"},
      {kResultPageSuffix, "結果のページの後の文字"},
  };
  for (const Named& text : kTexts) {
    for (Problem problem : {Problem::Strip, Problem::RectCircle}) {
      const int offset = text.line >= kFigurePagePrefix ? Page(problem, text.line) - text.line
                                                        : Style(problem, text.line) - text.line;
      if (line == text.line + offset)
        return std::string(problem == Problem::Strip ? "帯状荷重 " : "長方形円形荷重 ") + text.name;
    }
  }
  return "設定の " + std::to_string(line) + " 行目";
}

}  // namespace

std::optional<std::string> FindSectionMarkerText(const DocumentTables& t) {
  for (int line = 1; line <= kSettingLines; ++line)
    if (HoldsMarker(t.settingLines[line])) return SettingLineName(line);
  static const char* const kStrip[] = {"", "No.", "X1", "X2", "X3", "X4", "h", "γ", "Y"};
  static const char* const kSet[] = {"", "帯状荷重 荷重1", "帯状荷重 荷重2"};
  for (int set = 1; set <= kStripSets; ++set)
    if (auto found =
            FindInRows(t.stripLoads[set], kStripRows, kStripColumns, kStrip, kSet[set], true))
      return found;
  static const char* const kStripPoint[] = {"", "x", "z"};
  if (auto found =
          FindInRows(t.stripPoints, kStripPointRows, 2, kStripPoint, "帯状荷重 計算点", false))
    return found;
  static const char* const kRect[] = {"", "No.", "X1", "Y1", "X2", "Y2", "q"};
  if (auto found = FindInRows(t.rectLoads, kRectRows, kRectColumns, kRect, "長方形荷重", true))
    return found;
  static const char* const kCircle[] = {"", "No.", "X", "Y", "r", "q"};
  if (auto found =
          FindInRows(t.circleLoads, kCircleRows, kCircleColumns, kCircle, "円形荷重", true))
    return found;
  static const char* const kGrid[] = {"", "x", "y", "z"};
  if (auto found = FindInRows(t.gridPoints, kGridRows, 3, kGrid, "長方形円形荷重 計算点", false))
    return found;
  for (const std::string& line : t.figures.unreadLines)
    if (HoldsMarker(line)) return "図の設定の行" + QuotedInput(line);
  for (std::size_t line = 0; line < t.soilLines.size(); ++line)
    if (HoldsMarker(t.soilLines[line])) return "地盤の " + std::to_string(line + 1) + " 行目";
  for (std::size_t line = 0; line < t.obsLines.size(); ++line)
    if (HoldsMarker(t.obsLines[line]))
      return "沈下板の実測値の " + std::to_string(line + 1) + " 行目";
  return std::nullopt;
}

}  // namespace qel
