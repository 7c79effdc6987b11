// The marks and notes of the loads and points the calculation leaves out or reads differently.
#include "view/exclusion_notes.h"

#include "base/c_locale.h"
#include "document/cell_number.h"
#include "document/point_values.h"
#include "settings/number_format.h"

namespace qel {

namespace {

const std::string& NumberOf(const DocumentTables& t, const ExcludedLoad& load) {
  switch (load.kind) {
    case LoadKind::Strip:
      return t.stripLoads[load.set][load.row][strip_col::kNo];
    case LoadKind::Rectangle:
      return t.rectLoads[load.row][rect_col::kNo];
    case LoadKind::Circle:
      break;
  }
  return t.circleLoads[load.row][circle_col::kNo];
}

std::string CellOf(const ExcludedLoad& load) {
  return LoadColumnName(load.kind, load.column) + "「" + load.text + "」";
}

}  // namespace

bool IsMarkedRow(const std::vector<ExcludedLoad>& list, int row) {
  for (const ExcludedLoad& load : list)
    if (load.row == row) return true;
  return false;
}

std::vector<std::string> LoadNotes(const std::vector<ExcludedLoad>& list,
                                   const DocumentTables& tables) {
  std::vector<std::string> notes;
  int afterEnd = 0;
  for (const ExcludedLoad& load : list)
    afterEnd +=
        load.reason == ExclusionReason::EndsList || load.reason == ExclusionReason::AfterListEnd;
  bool endTold = false;
  for (const ExcludedLoad& load : list) {
    const std::string row = "※ 行No.[ " + NumberOf(tables, load) + " ] ";
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

void AddNoteLines(TableContent& content, double x, const std::vector<std::string>& notes) {
  for (const std::string& note : notes) {
    if (!note.empty()) content.AddWrappedText(x, note);
  }
}

std::string LoadCellText(unsigned outOfRange, int column, double value) {
  if (outOfRange & (1u << column)) return "－";
  return FormatUnsignedZero("%4.2f", value);
}

}  // namespace qel
