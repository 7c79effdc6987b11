// The model of the load list dialogs.
#include "dialogs/load_list_editor.h"

#include "base/c_locale.h"
#include "base/text_fields.h"
#include "dialogs/cell_text.h"
#include "dialogs/numeric_entry.h"
#include "platform/messages.h"
#include "platform/prompts.h"

namespace qel {

namespace {

const char* const kClosingRowNumber = " _";
const char* const kDuplicateHeading = "同じデータNo.の行があります";
const char* const kFixQuestion = "訂正しますか? ";

MessageId MessageOf(RowVerdict verdict) {
  switch (verdict) {
    case RowVerdict::Missing:
      return MessageId::NoData;
    case RowVerdict::Unsuitable:
      return MessageId::UnsuitableData;
    case RowVerdict::XNotAscending:
      return MessageId::XNotAscending;
    case RowVerdict::YNotAscending:
      return MessageId::YNotAscending;
    default:
      return MessageId::AbnormalValue;
  }
}

// The document row `row` of the list of `kind`: the cells are indexed by column, from 1.
template <typename Tables>
auto* DocumentRowOf(Tables& tables, LoadListKind kind, int stripSet, int row) {
  switch (kind) {
    case LoadListKind::Rectangle:
      return tables.rectLoads[row];
    case LoadListKind::Strip:
      return tables.stripLoads[stripSet][row];
    case LoadListKind::Circle:
      break;
  }
  return tables.circleLoads[row];
}

// What keeping a row whose `column` cannot be read means for the calculation.
std::string ConsequenceOf(LoadListKind kind, int column) {
  if (column == 1) return "No.は保存のときに番号が付け直されます";
  if (kind == LoadListKind::Strip && column == 2) return "この行から後の荷重は計算に入りません";
  if (kind == LoadListKind::Strip && column == 8) return "Yは描画で 0 として扱われます";
  return "この値は計算で 0 として扱われます";
}

// Characters of a UTF-8 text (its bytes that do not continue a character).
std::size_t CharacterCount(const std::string& text) {
  std::size_t count = 0;
  for (char c : text)
    count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

}  // namespace

LoadListEditor::LoadListEditor(LoadListKind kind, const DocumentTables& tables, int unitSystem,
                               LoadSortOption sortOption, int stripSet)
    : layout_(LayoutOf(kind)),
      stripSet_(stripSet == 2 ? 2 : 1),
      unitSystem_(unitSystem),
      sortOption_(sortOption),
      rows_(layout_.rowLimit, LoadRow(layout_.columns.size())) {
  const int columns = columnCount();
  int lastCopied = 0;
  for (int row = 1; row <= rowLimit(); ++row) {
    const std::string* cells = DocumentRowOf(tables, kind, stripSet_, row);
    if (IsNumericText(cells[1]) != 1) continue;
    for (int column = 1; column <= columns; ++column)
      rows_[row - 1][column - 1] = cells[column];
    lastCopied = row;
  }
  // The rows after the data are numbered on from the last copied number, in tens.
  if (lastCopied > 0) {
    long long number = (ToInt(rows_[lastCopied - 1][0]) / 10 + 1) * 10LL;
    for (int row = lastCopied + 1; row <= rowLimit(); ++row, number += 10)
      rows_[row - 1][0] = FormatC("%lld", number);
  } else {
    for (int row = 1; row <= rowLimit(); ++row)
      rows_[row - 1][0] = FormatC("%2d", row * 10);
  }
  original_ = rows_;
  // The list opens on its first rows, so that the data entered are what the user sees first.
  currentRow_ = 1;
}

std::string LoadListEditor::Title() const {
  switch (layout_.kind) {
    case LoadListKind::Circle:
      return "等分布 円形荷重 データ";
    case LoadListKind::Rectangle:
      return "等分布 長方形荷重 データ";
    case LoadListKind::Strip:
      return "帯状荷重 > 荷重" + std::to_string(stripSet_) + " データ";
  }
  return "";
}

std::string LoadListEditor::Header(int column) const {
  return ColumnHeader(layout_, column, unitSystem_);
}

const std::string& LoadListEditor::Cell(int row, int column) const {
  static const std::string closingNumber = kClosingRowNumber, empty;
  if (row == rowLimit() + 1) return column == 1 ? closingNumber : empty;
  if (row < 1 || row > rowLimit() || column < 1 || column > columnCount()) return empty;
  return rows_[row - 1][column - 1];
}

bool LoadListEditor::IsEditable(ListCell cell) const {
  return cell.row >= 1 && cell.row <= rowLimit() && cell.column >= 1 &&
         cell.column <= columnCount();
}

void LoadListEditor::SelectRow(int row) {
  SetCurrentRow(row);
  status_.clear();
}

void LoadListEditor::SetCurrentRow(int row) {
  currentRow_ = row >= 0 && row <= shownRowCount() ? row : 0;
}

bool LoadListEditor::EndEdit(ListCell cell, const std::string& text) {
  if (!IsStorableCellText(text)) {
    RefuseCharacter();
    return false;
  }
  if (cell.row > rowLimit()) {
    status_ = MessageText(MessageId::TooManyRows);
    return false;
  }
  if (!IsEditable(cell)) return false;
  LoadRow& row = rows_[cell.row - 1];
  // Every column holds a number: what an input method types in full width is kept in ASCII.
  row[cell.column - 1] = HalfWidthNumber(text);
  if (layout_.orderCheckColumn == 0) return true;
  status_ = " ";
  if (cell.column == layout_.orderCheckColumn) {
    const RowVerdict verdict = CheckRow(layout_, row, layout_.orderCheckColumn);
    if (verdict == RowVerdict::XNotAscending || verdict == RowVerdict::YNotAscending)
      status_ = MessageText(MessageOf(verdict));
  }
  return true;
}

void LoadListEditor::RefuseCharacter() {
  status_ = MessageText(MessageId::RefusedCharacter);
}

std::optional<ListCell> LoadListEditor::CellAfterEnter(ListCell cell) const {
  if (!IsEditable(cell)) return std::nullopt;
  if (cell.column < columnCount()) return ListCell{cell.row, cell.column + 1};
  // The No. is skipped when the edit wraps to the next row.
  if (cell.row < rowLimit()) return ListCell{cell.row + 1, 2};
  return std::nullopt;
}

std::optional<ListCell> LoadListEditor::CellAbove(ListCell cell) const {
  if (!IsEditable(cell) || cell.row == 1) return std::nullopt;
  return ListCell{cell.row - 1, cell.column};
}

std::optional<ListCell> LoadListEditor::CellBelow(ListCell cell) const {
  if (!IsEditable(cell) || cell.row == rowLimit()) return std::nullopt;
  return ListCell{cell.row + 1, cell.column};
}

bool LoadListEditor::DeleteCurrentRow() {
  if (currentRow_ < 1 || currentRow_ > rowLimit()) return false;
  rows_.erase(rows_.begin() + (currentRow_ - 1));
  rows_.emplace_back(columnCount());
  currentRow_ = 0;
  return true;
}

bool LoadListEditor::MoveCurrentRowUp() {
  if (currentRow_ < 2 || currentRow_ > rowLimit()) return false;
  std::swap(rows_[currentRow_ - 1], rows_[currentRow_ - 2]);
  --currentRow_;
  status_ = " ";
  return true;
}

bool LoadListEditor::MoveCurrentRowDown() {
  if (currentRow_ < 1 || currentRow_ >= LastRowWithText()) return false;
  std::swap(rows_[currentRow_ - 1], rows_[currentRow_]);
  ++currentRow_;
  status_ = " ";
  return true;
}

int LoadListEditor::LastFilledRow() const {
  for (int row = rowLimit(); row >= 1; --row)
    if (IsFilled(rows_[row - 1])) return row;
  return 0;
}

int LoadListEditor::LastRowWithText() const {
  for (int row = rowLimit(); row >= 1; --row)
    for (const std::string& cell : rows_[row - 1])
      if (!cell.empty()) return row;
  return 0;
}

bool LoadListEditor::HasChanged() const {
  return rows_ != original_;
}

bool LoadListEditor::AsksBeforeCancel() const {
  return HasChanged() && LastFilledRow() > 0;
}

RowConfirmation LoadListEditor::ConfirmRows(PromptService& prompts) const {
  const int last = LastFilledRow();
  for (int row = 1; row <= last; ++row) {
    const LoadRow& cells = rows_[row - 1];
    const RowCheck check = CheckRowCells(layout_, cells, columnCount());
    const RowVerdict verdict = check.verdict;
    if (verdict == RowVerdict::Valid || verdict == RowVerdict::Empty) continue;
    if (verdict == RowVerdict::BadNumber) {
      prompts.Show(MessageText(MessageId::AbnormalValue), PromptButtons::Ok);
      continue;
    }
    std::string question = MessageText(MessageOf(verdict)) + "\n行No.[ " + cells[0] + " ]";
    if (verdict == RowVerdict::Missing || verdict == RowVerdict::Unsuitable) {
      // The cell that cannot be read and what keeping it means.
      question += " " + ColumnHeader(layout_, check.column, unitSystem_) + "「" +
                  cells[check.column - 1] + "」\n" + ConsequenceOf(kind(), check.column);
    }
    question += std::string("\n") + kFixQuestion;
    if (prompts.Show(question, PromptButtons::YesNo) == PromptAnswer::Yes) return {false, row};
  }
  return {true, 0};
}

LoadListEditor::Commit LoadListEditor::Ordered() const {
  // Every filled row is stored: one that was asked about was let through by the user.
  std::vector<LoadRow> remaining;
  for (const LoadRow& row : rows_)
    if (IsFilled(row)) remaining.push_back(row);

  Commit commit;
  int duplicates = 0;
  for (int stored = 1; !remaining.empty(); ++stored) {
    std::size_t picked = 0;
    int number = ToInt(remaining[0][0]);
    if (sortOption_ == LoadSortOption::ByNumber) {
      // The smallest number; of equal ones, the earlier row.
      for (std::size_t i = 1; i < remaining.size(); ++i) {
        const int candidate = ToInt(remaining[i][0]);
        if (candidate < number) {
          picked = i;
          number = candidate;
        }
      }
      if (duplicates <= 6 && number >= -99) {
        for (std::size_t i = picked + 1; i < remaining.size(); ++i) {
          if (CharacterCount(commit.duplicateReport) >= layout_.duplicateReportLimit) break;
          if (ToInt(remaining[i][0]) != number) continue;
          if (++duplicates <= 6)
            commit.duplicateReport += "No.[ " + remaining[picked][0] + " ] \r\n";
        }
      }
    }
    LoadRow row = std::move(remaining[picked]);
    remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(picked));
    switch (sortOption_) {
      case LoadSortOption::ByNumber:
        row[0] = FormatC("%d", number);
        break;
      case LoadSortOption::ByTens:
        row[0] = FormatC("%d", stored * 10);
        break;
      case LoadSortOption::Consecutive:
        row[0] = FormatC("%d", stored);
        break;
    }
    commit.rows.push_back(std::move(row));
  }
  return commit;
}

ApplyOutcome LoadListEditor::Apply(DocumentTables& tables) const {
  const Commit commit = Ordered();
  const int columns = columnCount();
  for (int row = 1; row <= rowLimit(); ++row) {
    std::string* cells = DocumentRowOf(tables, layout_.kind, stripSet_, row);
    const bool stored = row <= static_cast<int>(commit.rows.size());
    for (int column = 1; column <= columns; ++column)
      cells[column] = stored ? commit.rows[row - 1][column - 1] : std::string();
  }
  ApplyOutcome outcome;
  if (std::string notice = DuplicateNotice(); !notice.empty())
    outcome.notices.push_back(std::move(notice));
  return outcome;
}

std::string LoadListEditor::DuplicateNotice() const {
  const Commit commit = Ordered();
  if (commit.duplicateReport.empty()) return std::string();
  return std::string(kDuplicateHeading) + "\r\n" + commit.duplicateReport;
}

}  // namespace qel
