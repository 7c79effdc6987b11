// The table of displays: every display's number, problem, kind, texts, renderer and content
// test. Menus, tool bar, view state, report, page titles and qel-cli are made from it.
#pragma once

#include <cstddef>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "settings/problem.h"
#include "view/display_content.h"
#include "view/renderers.h"

namespace qel {

// The displays. A display's number is a column of kDisplays, never its place in this list.
enum class DisplayMode {
  StripFigure,
  StripData,
  StripResults,
  StripDepth,  // dP against depth under each strip calculation x
  RectCircleFigure,
  RectCircleData,
  RectCircleResults,
  RectCircleSection,  // the vertical section and dP against depth of the lattice columns
  // The consolidation settlement of each problem's columns under the document's soil profile:
  // the slice tables, the settlement along the section or over the plan, S against time.
  StripSettlementTable,
  StripSettlementMap,
  StripSettlementTime,
  RectCircleSettlementTable,
  RectCircleSettlementMap,
  RectCircleSettlementTime,
  // The soil profile as entered, before each problem's settlement displays.
  StripSoilConditions,
  RectCircleSoilConditions,
  // The settlement plates' readings and predictions beside the nearest column of each problem.
  StripSettlementPlates,
  RectCircleSettlementPlates,
};

// The kinds of display of each problem: the tool bar's buttons switch between them.
enum class DisplayKind {
  Figure,
  Data,
  Results,
  Depth,
  SettlementTable,   // the slice table of every column
  SettlementMap,     // settlement along the section (strip) or over the plan (lattice)
  SettlementTime,    // settlement against time
  SoilConditions,    // the soil profile as entered
  SettlementPlates,  // the plates' readings, the fits made of them and the calculated curve
};

// Paints page ctx.view.currentPage of a display when `dc` is given and `draw` is set, and returns
// the display's number of pages; with `dc` null it only counts them.
using DisplayRenderer = int (*)(RenderContext& ctx, DeviceContext* dc, bool draw);
// Whether a display has something to show for these tables.
using DisplayContentTest = bool (*)(const Document& document);

struct DisplayRow {
  // The number the user knows the display by: its key, its view menu command, qel-cli
  // --display. The settlement displays have one number for both problems: their rows share the
  // number, and its command shows the row of the problem on screen.
  int number;
  DisplayMode mode;
  Problem problem;
  DisplayKind kind;
  const char* menuText;  // the view menu's text
  // The status-line prompt, then after "\n" the tool tip.
  const char* prompt;
  const char* cliName;  // how qel-cli's usage and messages name it (ASCII)
  // What a depth display puts in place of the figure word of its problem's figure title;
  // nullptr: the display takes its kind's own title line.
  const char* titleWord;
  DisplayRenderer render;
  DisplayContentTest hasContent;
  bool exportsTable;  // its rows go to CSV: qel-cli table, 表をCSVで保存, コピー
};

// The texts of the settlement displays' commands, one command for both problems.
inline constexpr const char* kSettlementTableMenuText = "沈下量 計算表";
inline constexpr const char* kSettlementTablePrompt =
    "地盤の分割ごとの圧密沈下量の計算表を表示\n沈下量 計算表";
inline constexpr const char* kSettlementMapMenuText = "沈下量 分布";
inline constexpr const char* kSettlementMapPrompt =
    "断面に沿った沈下量、または平面の等沈下量線を表示\n沈下量 分布";
inline constexpr const char* kSettlementTimeMenuText = "時間－沈下曲線";
inline constexpr const char* kSettlementTimePrompt =
    "圧密による沈下量の時間変化を表示\n時間－沈下曲線";
inline constexpr const char* kSoilConditionsMenuText = "地盤条件";
inline constexpr const char* kSoilConditionsPrompt =
    "地盤の土層、地下水位・分割・時間と e-log p 曲線の入力を表示\n地盤条件";
inline constexpr const char* kSettlementPlatesMenuText = "実測沈下量と予測";
inline constexpr const char* kSettlementPlatesPrompt =
    "沈下板の実測沈下量、最終沈下量の予測と計算値を表示\n実測沈下量と予測";

// Every display, in the order the report prints them: each problem's figure, data, results and
// depth display, then its soil profile as entered and its settlement displays, the strip
// problem first.
inline constexpr DisplayRow kDisplays[] = {
    {1, DisplayMode::StripFigure, Problem::Strip, DisplayKind::Figure, "帯状荷重図",
     "帯状荷重の断面図を表示\n帯状荷重図", "strip figure", nullptr, StripFigureDisplay,
     HasStripFigureContent, false},
    {2, DisplayMode::StripData, Problem::Strip, DisplayKind::Data, "帯状荷重データ",
     "帯状荷重の入力データを表示\n帯状荷重データ", "strip data", nullptr, RenderStripData,
     HasStripLoads, true},
    {3, DisplayMode::StripResults, Problem::Strip, DisplayKind::Results, "帯状荷重計算結果",
     "帯状荷重の計算結果を表示\n帯状荷重計算結果", "strip results", nullptr, RenderStripResults,
     HasStripPoints, true},
    {7, DisplayMode::StripDepth, Problem::Strip, DisplayKind::Depth, "帯状荷重 深さ分布",
     "帯状荷重の計算点ごとに深さと増加応力の関係を表示\n帯状荷重 深さ分布", "strip depth graphs",
     "深さ分布", RenderStripDepth, HasStripPoints, false},
    {12, DisplayMode::StripSoilConditions, Problem::Strip, DisplayKind::SoilConditions,
     kSoilConditionsMenuText, kSoilConditionsPrompt, "soil conditions", "地盤条件",
     RenderStripSoilConditions, HasStripSoilContent, true},
    {9, DisplayMode::StripSettlementTable, Problem::Strip, DisplayKind::SettlementTable,
     kSettlementTableMenuText, kSettlementTablePrompt, "settlement table", "沈下量 計算表",
     RenderStripSettlementTable, HasStripSettlementContent, true},
    {10, DisplayMode::StripSettlementMap, Problem::Strip, DisplayKind::SettlementMap,
     kSettlementMapMenuText, kSettlementMapPrompt, "settlement map", "沈下量 分布",
     RenderStripSettlementMap, HasStripSettlementContent, false},
    {11, DisplayMode::StripSettlementTime, Problem::Strip, DisplayKind::SettlementTime,
     kSettlementTimeMenuText, kSettlementTimePrompt, "settlement time curves",
     kSettlementTimeMenuText, RenderStripSettlementTime, HasStripSettlementContent, false},
    {13, DisplayMode::StripSettlementPlates, Problem::Strip, DisplayKind::SettlementPlates,
     kSettlementPlatesMenuText, kSettlementPlatesPrompt, "settlement plates", "実測沈下量と予測",
     RenderStripSettlementPlates, HasStripSettlementPlates, true},
    {4, DisplayMode::RectCircleFigure, Problem::RectCircle, DisplayKind::Figure, "長方形円形図",
     "長方形・円形荷重の平面図を表示\n長方形円形図", "rectangle/circle figure", nullptr,
     RectCircleFigureDisplay, HasRectCircleFigureContent, false},
    {5, DisplayMode::RectCircleData, Problem::RectCircle, DisplayKind::Data, "長方形円形データ",
     "長方形・円形荷重の入力データを表示\n長方形円形データ", "rectangle/circle data", nullptr,
     RenderRectCircleData, HasRectCircleLoads, true},
    {6, DisplayMode::RectCircleResults, Problem::RectCircle, DisplayKind::Results,
     "長方形円形計算結果", "長方形・円形荷重の計算結果を表示\n長方形円形計算結果",
     "rectangle/circle results", nullptr, RenderRectCircleResults, HasLattice, true},
    {8, DisplayMode::RectCircleSection, Problem::RectCircle, DisplayKind::Depth,
     "長方形円形 断面・深さ分布",
     "長方形・円形荷重の鉛直断面の等圧線と深さ分布を表示\n長方形円形 断面・深さ分布",
     "rectangle/circle section", "断面・深さ分布", RenderRectCircleSection, HasLattice, false},
    {12, DisplayMode::RectCircleSoilConditions, Problem::RectCircle, DisplayKind::SoilConditions,
     kSoilConditionsMenuText, kSoilConditionsPrompt, "soil conditions", "地盤条件",
     RenderRectCircleSoilConditions, HasRectCircleSoilContent, true},
    {9, DisplayMode::RectCircleSettlementTable, Problem::RectCircle, DisplayKind::SettlementTable,
     kSettlementTableMenuText, kSettlementTablePrompt, "settlement table", "沈下量 計算表",
     RenderRectCircleSettlementTable, HasRectCircleSettlementContent, true},
    {10, DisplayMode::RectCircleSettlementMap, Problem::RectCircle, DisplayKind::SettlementMap,
     kSettlementMapMenuText, kSettlementMapPrompt, "settlement map", "沈下量 分布",
     RenderRectCircleSettlementMap, HasRectCircleSettlementContent, false},
    {11, DisplayMode::RectCircleSettlementTime, Problem::RectCircle, DisplayKind::SettlementTime,
     kSettlementTimeMenuText, kSettlementTimePrompt, "settlement time curves",
     kSettlementTimeMenuText, RenderRectCircleSettlementTime, HasRectCircleSettlementContent,
     false},
    {13, DisplayMode::RectCircleSettlementPlates, Problem::RectCircle,
     DisplayKind::SettlementPlates, kSettlementPlatesMenuText, kSettlementPlatesPrompt,
     "settlement plates", "実測沈下量と予測", RenderRectCircleSettlementPlates,
     HasRectCircleSettlementPlates, true},
};

// How many rows the table has, and the largest display number: displays are numbered
// 1..kDisplayNumbers.
inline constexpr int kDisplayRows = static_cast<int>(std::size(kDisplays));
inline constexpr int kDisplayNumbers = [] {
  int largest = 0;
  for (const DisplayRow& row : kDisplays)
    largest = row.number > largest ? row.number : largest;
  return largest;
}();

// The tool bar's buttons, one a kind of display: each shows the kind of the problem shown.
struct DisplayKindRow {
  DisplayKind kind;
  const char* icon;    // the name of its icon among the program's SVG icons
  const char* prompt;  // the status-line prompt, then after "\n" the tool tip
};

inline constexpr DisplayKindRow kDisplayKinds[] = {
    {DisplayKind::Figure, "figure", "図を表示\n図"},
    {DisplayKind::Data, "data", "データを表示\nデータ"},
    {DisplayKind::Results, "results", "計算結果を表示\n計算結果"},
    {DisplayKind::Depth, "depth", "深さ分布を表示\n深さ分布"},
    {DisplayKind::SettlementTable, "settlement-table", "沈下量の計算表を表示\n沈下量 計算表"},
    {DisplayKind::SettlementMap, "settlement-map", "沈下量の分布を表示\n沈下量 分布"},
    {DisplayKind::SettlementTime, "settlement-time", "時間－沈下曲線を表示\n時間－沈下曲線"},
    {DisplayKind::SoilConditions, "soil-conditions", "地盤条件を表示\n地盤条件"},
};

// The row of a display.
constexpr const DisplayRow& DisplayRowOf(DisplayMode mode) {
  for (const DisplayRow& row : kDisplays)
    if (row.mode == mode) return row;
  return kDisplays[0];  // every mode has a row: the checks below hold the table to that
}

// The place of a display's row in kDisplays: what arrays of one entry a display are indexed by.
constexpr std::size_t DisplayIndex(DisplayMode mode) {
  return static_cast<std::size_t>(&DisplayRowOf(mode) - kDisplays);
}

// The number of a display (1..kDisplayNumbers).
constexpr int DisplayNumber(DisplayMode mode) {
  return DisplayRowOf(mode).number;
}
// The display of number 1..kDisplayNumbers: of a number both problems share, the row of
// `problem`; nothing for any other number.
std::optional<DisplayMode> DisplayModeFromNumber(int number, Problem problem = Problem::Strip);
// Whether both problems have a display of this number.
bool IsSharedNumber(int number);

inline Problem ProblemOf(DisplayMode mode) {
  return DisplayRowOf(mode).problem;
}
inline DisplayKind KindOf(DisplayMode mode) {
  return DisplayRowOf(mode).kind;
}
inline bool IsFigure(DisplayMode mode) {
  return KindOf(mode) == DisplayKind::Figure;
}
// The display of a problem and kind: the first in the table.
DisplayMode DisplayOf(Problem problem, DisplayKind kind);

// qel-cli's texts about display numbers: "1 to 12"; the tables' numbers "2|3|5|6|9|12"; and
// "2 (strip data), ... or 9 (settlement table)".
std::string DisplayNumberRange();
std::string TableDisplayNumbers();
std::string TableDisplayChoices();

namespace display_table_checks {

// Numbers 1..kDisplayNumbers, each once, or once for each problem with one kind and menu text;
// one row for each display; every kind of display for each problem (the tool bar's buttons and
// DisplayOf take the first row of a problem and kind).
constexpr bool RowsAreComplete() {
  for (int number = 1; number <= kDisplayNumbers; ++number) {
    // The first row of the number by its place, not its address: under the sanitizers a
    // comparison of addresses is not a constant expression.
    int first = -1, rows = 0, strip = 0;
    for (int index = 0; index < kDisplayRows; ++index) {
      const DisplayRow& row = kDisplays[index];
      if (row.number != number) continue;
      if (first < 0) first = index;
      if (row.kind != kDisplays[first].kind ||
          std::string_view(row.menuText) != kDisplays[first].menuText)
        return false;
      ++rows;
      strip += row.problem == Problem::Strip ? 1 : 0;
    }
    if (rows < 1 || rows > 2 || (rows == 2 && strip != 1)) return false;
  }
  for (const DisplayRow& row : kDisplays) {
    int same = 0;
    for (const DisplayRow& other : kDisplays)
      same += other.mode == row.mode ? 1 : 0;
    // Whether the functions are given is checked by the tests: under the undefined-behaviour
    // sanitizer the address of a function is not a constant expression.
    if (same != 1) return false;
  }
  for (const Problem problem : {Problem::Strip, Problem::RectCircle})
    for (const DisplayKindRow& kind : kDisplayKinds) {
      bool found = false;
      for (const DisplayRow& row : kDisplays)
        found = found || (row.problem == problem && row.kind == kind.kind);
      if (!found) return false;
    }
  return true;
}
static_assert(RowsAreComplete(), "every display has one row and one number");

}  // namespace display_table_checks

}  // namespace qel
