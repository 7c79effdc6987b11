// The model of the load list dialogs: the rows of one load list as the user edits them, their
// checks on OK and the commit that orders, numbers and stores them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dialogs/dialog_model.h"
#include "dialogs/load_list_layout.h"
#include "document/document_tables.h"

namespace qel {

class PromptService;

// How OK numbers the rows: one value shared by the three lists for the whole run
// (DialogSession).
enum class LoadSortOption : int {
  ByNumber = 0,    // ordered by their No., each keeping its number
  ByTens = 1,      // list order, renumbered 10, 20, 30, ...
  Consecutive = 2  // list order, renumbered 1, 2, 3, ...
};

// A cell of the list, 1-based.
struct ListCell {
  int row;
  int column;
  bool operator==(const ListCell&) const = default;
};

// What OK may do after the rows were checked.
struct RowConfirmation {
  bool proceed;  // false: the user wants to correct a row and the dialog stays open
  int rowToFix;  // the row the user wants to correct (0 when proceeding)
};

class LoadListEditor {
 public:
  // Copies the list of `kind` (for strips, load set `stripSet`) out of `tables`: every row whose
  // No. holds a number, empty rows otherwise, and numbers prefilled after the last copied row.
  // The first row is the current row, and the list opens scrolled to the top.
  LoadListEditor(LoadListKind kind, const DocumentTables& tables, int unitSystem,
                 LoadSortOption sortOption, int stripSet = 1);

  const LoadListLayout& layout() const { return layout_; }
  LoadListKind kind() const { return layout_.kind; }
  int stripSet() const { return stripSet_; }
  // The window title.
  std::string Title() const;
  int rowLimit() const { return layout_.rowLimit; }
  int columnCount() const { return static_cast<int>(layout_.columns.size()); }
  // The rows shown: the editable rows and the closing row after them.
  int shownRowCount() const { return rowLimit() + 1; }
  std::string Header(int column) const;

  // The text of a cell; the closing row (rowLimit() + 1) reads " _" in its No. and is empty
  // elsewhere.
  const std::string& Cell(int row, int column) const;
  const LoadRow& Row(int row) const { return rows_[row - 1]; }
  bool IsEditable(ListCell cell) const;

  // The selected row (0: none).
  int currentRow() const { return currentRow_; }
  // A row clicked (0 or any row shown): it becomes current and the status line is cleared.
  void SelectRow(int row);
  // The current row moves (by keys, or to the row an edit opens in); the status line stays.
  void SetCurrentRow(int row);

  // Ends an edit of `cell` with `text`: stores it when the cell is editable and the text can be
  // kept in the data file (false otherwise), and sets the status line: blank, a fall of the
  // coordinates when the order-check column was edited, or the row limit when the edit was on
  // the closing row.
  bool EndEdit(ListCell cell, const std::string& text);
  // The status line shows why a character was refused.
  void RefuseCharacter();

  // Where Enter, Up and Down go from `cell` while an edit is open; nothing where editing stops.
  // Enter moves right and wraps to column 2 of the next row.
  std::optional<ListCell> CellAfterEnter(ListCell cell) const;
  std::optional<ListCell> CellAbove(ListCell cell) const;
  std::optional<ListCell> CellBelow(ListCell cell) const;

  // "削除": the current row goes and an empty row closes the list; no row is current after.
  bool DeleteCurrentRow();
  // "↑": the current row changes places with the one above it; it stays current.
  bool MoveCurrentRowUp();
  // "↓": the same downwards, for a row above the last row that holds any text.
  bool MoveCurrentRowDown();

  const std::string& status() const { return status_; }

  LoadSortOption sortOption() const { return sortOption_; }
  void SetSortOption(LoadSortOption option) { sortOption_ = option; }

  // Whether the rows differ from those copied in.
  bool HasChanged() const;
  // Whether Cancel must ask before it throws the changes away.
  bool AsksBeforeCancel() const;

  // The checks of OK, in list order. Each filled row that is not valid is asked about ("訂正しま
  // すか? "): Yes stops and keeps the dialog open on that row; No lets it be stored as typed.
  // A No. outside 0..99999 is only told.
  RowConfirmation ConfirmRows(PromptService& prompts) const;

  // Rows are asked about in ConfirmRows, never refused.
  std::optional<ValidationError> Validate() const { return std::nullopt; }
  // Stores the filled rows in the document list, ordered and numbered by the sort option, and
  // empties the document rows after them. The duplicate notice, if any, is told.
  ApplyOutcome Apply(DocumentTables& tables) const;
  // What the user is told after OK stored the rows: the rows that share a No. (sort by No.),
  // under their heading; empty when there are none.
  std::string DuplicateNotice() const;

  // The rows to store and their numbers, and the duplicate report (empty when there is none).
  struct Commit {
    std::vector<LoadRow> rows;
    std::string duplicateReport;
  };
  Commit Ordered() const;

 private:
  int LastFilledRow() const;
  int LastRowWithText() const;

  const LoadListLayout& layout_;
  int stripSet_;
  int unitSystem_;
  LoadSortOption sortOption_;
  std::vector<LoadRow> original_;
  std::vector<LoadRow> rows_;
  int currentRow_ = 0;
  std::string status_;
};

static_assert(DialogModel<LoadListEditor, DocumentTables>);

}  // namespace qel
