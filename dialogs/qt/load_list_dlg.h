// The load list dialogs: a table of the rows of one load list, edited in place, with the move
// and delete buttons, the numbering choice of OK and a status line. One widget serves the
// circles (CCircleLoadDlg), the rectangles (CRectLoadDlg) and the strip pieces (CStripLoadDlg);
// they differ only by the sketch beside the table.
#pragma once

#include <memory>
#include <optional>

#include "dialogs/load_list_editor.h"
#include "dialogs/qt/qel_dialog.h"

class QLabel;
class QLineEdit;
class QTableView;

namespace qel {

class LoadListCellDelegate;
class LoadListTableModel;

class LoadListDialog : public QelDialog {
  Q_OBJECT

 public:
  // Shows `model` and keeps it up to date; `prompts` asks the questions of OK and Cancel.
  LoadListDialog(LoadListEditor& model, PromptService& prompts, EnterKeyMode enterKey,
                 QWidget* parent = nullptr);
  ~LoadListDialog() override;

  QTableView* table() const { return table_; }
  // The field that edits a cell in place; nullptr while no cell is edited.
  QLineEdit* cellEditor() const;
  // The cell being edited, if any.
  std::optional<ListCell> editedCell() const;

  // Opens the in-place edit of `cell` (1-based), scrolling it into view; false where no cell can
  // be edited (the closing row, a column too narrow).
  bool OpenCellEdit(ListCell cell);
  // Ends an open edit: its text goes into the cell (the table model's setData). Escape in the
  // edit ends it with the text the cell had when it began; Enter, Tab, arrows, a click
  // elsewhere, another control taking the focus and scrolling keep what was typed.
  void EndCellEdit();

  void reject() override;

 protected:
  // While a cell is edited OK does nothing; else the rows are checked, with the questions.
  bool Commit() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  // The place beside the table for the sketch of the load shape.
  void SetSketch(QWidget* sketch);

 private:
  QWidget* BuildButtons();
  QWidget* BuildSortChoice();
  void SizeColumns();
  // Where the edit goes after `key` ended the edit of `index`: Enter to the right (wrapping to
  // the next row), Up and Down to the row above or below, Tab to the next control.
  void OnEditEndedByKey(const QModelIndex& index, int key);
  bool OnTableKey(QKeyEvent* event);
  // Opens the first data cell of the current row for text typed on the table.
  bool OpenForTyping();
  void MoveTo(std::optional<ListCell> next);
  void ShowModel();
  void ShowStatus();

  LoadListEditor& model_;
  PromptService& prompts_;
  LoadListTableModel* tableModel_ = nullptr;
  LoadListCellDelegate* delegate_ = nullptr;
  QTableView* table_ = nullptr;
  QLabel* status_ = nullptr;
  QWidget* sketchPlace_ = nullptr;
};

// "等分布 円形荷重 データ".
class CCircleLoadDlg : public LoadListDialog {
  Q_OBJECT
 public:
  CCircleLoadDlg(LoadListEditor& model, PromptService& prompts, EnterKeyMode enterKey,
                 QWidget* parent = nullptr);
};

// "等分布 長方形荷重 データ".
class CRectLoadDlg : public LoadListDialog {
  Q_OBJECT
 public:
  CRectLoadDlg(LoadListEditor& model, PromptService& prompts, EnterKeyMode enterKey,
               QWidget* parent = nullptr);
};

// "帯状荷重 > 荷重1 データ" and "帯状荷重 > 荷重2 データ".
class CStripLoadDlg : public LoadListDialog {
  Q_OBJECT
 public:
  CStripLoadDlg(LoadListEditor& model, PromptService& prompts, EnterKeyMode enterKey,
                QWidget* parent = nullptr);
};

// The dialog of the list `model` edits.
std::unique_ptr<LoadListDialog> MakeLoadListDialog(LoadListEditor& model, PromptService& prompts,
                                                   EnterKeyMode enterKey,
                                                   QWidget* parent = nullptr);

}  // namespace qel
