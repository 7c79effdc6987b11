// The marks and notes of the loads and points the calculation leaves out or reads differently.
#include "analysis/exclusion_notes.h"

#include "base/c_locale.h"
#include "document/cell_number.h"
#include "document/point_values.h"
#include "settings/number_format.h"

namespace qel {

namespace {

std::string CellOf(const ExcludedLoad& load) {
  return LoadColumnName(load.kind, load.column) + "「" + load.text + "」";
}

}  // namespace

bool IsMarkedRow(const std::vector<ExcludedLoad>& list, int row) {
  for (const ExcludedLoad& load : list)
    if (load.row == row) return true;
  return false;
}

std::vector<std::string> LoadNotes(const std::vector<ExcludedLoad>& list) {
  std::vector<std::string> notes;
  int afterEnd = 0;
  for (const ExcludedLoad& load : list)
    afterEnd +=
        load.reason == ExclusionReason::EndsList || load.reason == ExclusionReason::AfterListEnd;
  bool endTold = false;
  for (const ExcludedLoad& load : list) {
    const std::string row = "※ 行No.[ " + load.number + " ] ";
    switch (load.reason) {
      case ExclusionReason::ReadAsZero:
        notes.push_back(row + CellOf(load) + " は 0 として計算しています");
        break;
      case ExclusionReason::ReadAsHalfWidth:
        notes.push_back(row + CellOf(load) + " は " + HalfWidthCellText(load.text) +
                        " として計算しています");
        break;
      case ExclusionReason::OutOfRange:
        notes.push_back(row + CellOf(load) + " は計算できる範囲の数値ではないため計算に入りません");
        break;
      case ExclusionReason::NoExtent:
        notes.push_back(row + "r が 0.001 m 未満のため計算に加わりません");
        break;
      case ExclusionReason::NotAscending:
        notes.push_back(row + LoadColumnName(load.kind, load.column) + " が " +
                        LoadColumnName(load.kind, load.column + 1) +
                        " より大きく、台形ではなく入力の値のまま計算しています");
        break;
      case ExclusionReason::EndsList:
      case ExclusionReason::AfterListEnd:
        if (endTold) break;
        endTold = true;
        notes.push_back((load.reason == ExclusionReason::EndsList
                             ? row + CellOf(load) + " から後の "
                             : FormatC("※ データ行 %d から後の ", load.row)) +
                        FormatC("%d 行は計算に入りません", afterEnd));
        break;
    }
  }
  return notes;
}

std::string LoadCellText(unsigned outOfRange, int column, double value) {
  if (outOfRange & (1u << column)) return "－";
  return FormatUnsignedZero("%4.2f", value);
}

}  // namespace qel
