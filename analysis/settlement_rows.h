// The settlement of the columns as texts, cell by cell: what the calculation table prints and
// what leaves the program as CSV, formatted once for both.
#pragma once

#include <string>
#include <vector>

#include "analysis/settlement_analysis.h"
#include "settings/problem.h"

namespace qel {

// The cells of one slice in the order of kSliceHeadings: layer number and name, depth range,
// thickness, sigma'v0, dP, p1, p'c, e0, e1, S in cm, and its mark.
struct SliceCells {
  std::vector<std::string> cells;
  std::string mark;  // kOutsideCurveMark, kNoSettlementMark, kUnloadedMark or empty
};

inline constexpr const char* kOutsideCurveMark = "*";  // read off the curve's extended ends
inline constexpr const char* kNoSettlementMark = "†";  // the slice has no S
inline constexpr const char* kUnloadedMark = "↑";      // dP < 0: the slice is unloaded
inline constexpr const char* kPcBelowMark = "⚠";       // p'c < sigma'v0: settled as normal

// The headings of a slice's cells, and the units line under them ("kN/㎡" or "tf/㎡").
std::vector<std::string> SliceHeadings();
std::vector<std::string> SliceUnits(const char* stressUnit);

SliceCells CellsOfSlice(const SettlementModel& model, const SettlementColumnResult& column,
                        std::size_t slice);

// "帯状荷重 (3) x = 12.00 m" or "長方形円形荷重 (1) x = 5.00 m, y = 2.50 m": the column's number
// among its problem's columns (what the time curves' choice of columns names) and its place.
std::string ColumnHeading(const SettlementSite& site, int number);
// The column's total and times: "合計 S = 12.34 cm　t50 = 123.4 日　t90 = 456.7 日", with
// "－" and the reason where there is none.
// t50 and t90 are those of the column's course as built.
std::string ColumnTotalText(const SettlementCourse& course);
// "小計 S = 1.23 cm" of a layer, or "－" when it has none.
std::string LayerTotalText(const std::optional<double>& total);
// One line explaining each mark the column uses, in the order of the marks; of the slices'
// messages one line per layer and kind, naming its slices ("1～12", "1, 3, 5").
std::vector<std::string> MarkNotes(const SettlementColumnResult& column);
// The profile's conditions: water table, gamma_w, the largest slice.
std::string ConditionsText(const SettlementModel& model);
// Why the table is empty: no profile, or each line of the profile that does not read.
std::vector<std::string> UnreadProfileLines(const DocumentSettlement& settlement);

// The columns of `problem`.
std::vector<const SettlementColumnResult*> ColumnsOf(const DocumentSettlement& settlement,
                                                     Problem problem);

}  // namespace qel
