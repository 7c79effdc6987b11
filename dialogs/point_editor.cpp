// The model of the calculation-point dialogs.
#include "dialogs/point_editor.h"

#include <cmath>

#include "base/c_locale.h"
#include "base/text_fields.h"
#include "dialogs/cell_text.h"
#include "dialogs/numeric_entry.h"
#include "document/excluded_loads.h"
#include "platform/messages.h"
#include "platform/prompts.h"

namespace qel {

namespace {

constexpr double kSameDepthTolerance = 0.000001;
constexpr int kListedDepthPairs = 3;

// The cells of record `row` of the strip points or the lattice, indexed by table column.
template <typename Tables>
auto* RecordOf(Tables& tables, PointKind kind, int row) {
  return kind == PointKind::Strip ? tables.stripPoints[row] : tables.gridPoints[row];
}

}  // namespace

const PointLayout& PointLayoutOf(PointKind kind) {
  static const PointLayout strip{PointKind::Strip,
                                 "帯状荷重 >  地中の計算点",
                                 kStripPointRows,
                                 {{point_col::kX, "ｘ", "x"}, {point_col::kZ, "ｚ （深度）", "z"}}};
  static const PointLayout lattice{PointKind::Lattice,
                                   "長方形円形荷重 > 地中の計算点",
                                   kGridRows,
                                   {{point_col::kGridX, "x", "x"},
                                    {point_col::kGridY, "y", "y"},
                                    {point_col::kGridZ, "z （深度）", "z"}}};
  return kind == PointKind::Strip ? strip : lattice;
}

PointEditor::PointEditor(PointKind kind, const DocumentTables& tables)
    : layout_(PointLayoutOf(kind)) {
  texts_.resize(layout_.rows);
  for (int row = 1; row <= layout_.rows; ++row) {
    const std::string* record = RecordOf(tables, kind, row);
    for (const PointColumn& column : layout_.columns)
      texts_[row - 1].push_back(record[column.tableColumn]);
  }
  original_ = texts_;
}

std::string PointEditor::FieldName(int row, int column) const {
  return layout_.columns[column - 1].name + std::to_string(row);
}

bool PointEditor::SetText(int row, int column, const std::string& text) {
  if (!IsStorableCellText(text)) {
    RefuseCharacter();
    return false;
  }
  texts_[row - 1][column - 1] = HalfWidthNumber(text);
  return true;
}

void PointEditor::RefuseCharacter() {
  status_ = MessageText(MessageId::RefusedCharacter);
}

bool PointEditor::ConfirmCancel(PromptService& prompts) const {
  return !HasChanged() || prompts.Show(MessageText(MessageId::ConfirmCancel),
                                       PromptButtons::YesNo) == PromptAnswer::Yes;
}

std::optional<PointEditor::Field> PointEditor::ConfirmFields(PromptService& prompts) const {
  const bool lattice = kind() == PointKind::Lattice;
  for (int column = 1; column <= columnCount(); ++column) {
    for (int row = 1; row <= rowCount(); ++row) {
      const std::string& text = Text(row, column);
      if (IsNumericText(text) != 0) continue;  // empty, or begins like a number
      const std::string question =
          MessageText(MessageId::UnsuitableData) + "\n" +
          PointFieldName(lattice, row, layout_.columns[column - 1].tableColumn) + "「" + text +
          "」\nこの計算点は計算に入りません\n訂正しますか? ";
      if (prompts.Show(question, PromptButtons::YesNo) == PromptAnswer::Yes)
        return Field{row, column};
    }
  }
  return std::nullopt;
}

std::optional<std::string> PointEditor::SameDepthWarning() const {
  const int depth = columnCount();  // the depth is the last column
  std::string warning = "同じ深度があります\r\n";
  int pairs = 0;
  for (int i = 1; i < rowCount(); ++i) {
    const std::string& earlier = Text(i, depth);
    if (IsNumericText(earlier) != 1) continue;
    const double value = ToDouble(earlier);
    for (int j = i + 1; j <= rowCount(); ++j) {
      const std::string& later = Text(j, depth);
      if (IsNumericText(later) != 1) continue;
      if (std::fabs(value - ToDouble(later)) > kSameDepthTolerance) continue;
      if (++pairs <= kListedDepthPairs) warning += " " + earlier + " m \r\n";
    }
  }
  if (pairs == 0) return std::nullopt;
  return warning;
}

ApplyOutcome PointEditor::Apply(DocumentTables& tables) {
  for (int row = 1; row <= rowCount(); ++row) {
    std::string* record = RecordOf(tables, kind(), row);
    for (int column = 1; column <= columnCount(); ++column)
      record[layout_.columns[column - 1].tableColumn] = Text(row, column);
  }
  original_ = texts_;
  ApplyOutcome outcome;
  if (std::optional<std::string> warning = SameDepthWarning())
    outcome.notices.push_back(std::move(*warning));
  const std::vector<int> negative = NegativePointRecords(kind(), tables);
  for (int row : negative)
    outcome.notices.push_back(MessageText(MessageId::NegativeData) + "\n" +
                              NegativeFieldsOf(kind(), tables, row));
  outcome.reopen = !negative.empty();
  return outcome;
}

std::vector<int> NegativePointRecords(PointKind kind, const DocumentTables& tables) {
  const PointLayout& layout = PointLayoutOf(kind);
  std::vector<int> records;
  for (int row = 1; row <= layout.rows; ++row) {
    const std::string* record = RecordOf(tables, kind, row);
    // After a first negative lattice record only x is looked at.
    const std::size_t tested =
        kind == PointKind::Lattice && !records.empty() ? 1 : layout.columns.size();
    for (std::size_t i = 0; i < tested; ++i) {
      if (ToDouble(record[layout.columns[i].tableColumn]) < 0) {
        records.push_back(row);
        break;
      }
    }
  }
  return records;
}

std::string NegativeFieldsOf(PointKind kind, const DocumentTables& tables, int row) {
  const PointLayout& layout = PointLayoutOf(kind);
  const std::string* record = RecordOf(tables, kind, row);
  std::string named;
  for (const PointColumn& column : layout.columns) {
    const std::string& text = record[column.tableColumn];
    if (ToDouble(text) < 0)
      named += " " + PointFieldName(kind == PointKind::Lattice, row, column.tableColumn) + "「" +
               text + "」";
  }
  return named;
}

}  // namespace qel
