// The in-place editor of a load list cell: a line field that takes only what a number cell of a
// data file can keep, and hands the keys that end an edit to the dialog, whose rules decide
// where the edit goes next.
#pragma once

#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>

namespace qel {

class LoadListCellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  // A frameless field named "cellEdit", named for the column for screen readers, that refuses
  // the characters a data-file row cannot keep and turns full-width number characters into
  // ASCII as they arrive.
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  // The cell's text.
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;
  // The part of the cell that is in view.
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const override;
  void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

  // The open field and the cell it edits; nullptr and an invalid index while no cell is edited.
  QLineEdit* editor() const { return editor_; }
  QModelIndex editedIndex() const { return edited_; }
  // Ends the open edit, if any, with the text typed going into the cell.
  void EndEdit();

 signals:
  // A character was refused as it arrived in the field (typed, pasted, from an input method).
  void characterRefused();
  // `key` ended the edit of `index`: Enter, Up, Down, Tab or Backtab with the text typed,
  // Escape with the text the cell had when the edit began. The list has the focus again.
  void endedByKey(const QModelIndex& index, int key);

 protected:
  // The keys above, and a loss of focus, end the edit; a context menu of the field keeps it.
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  void End(QWidget* editor);

  // Set while a field is open: editors are made and released through const members.
  mutable QPointer<QLineEdit> editor_;
  mutable QPersistentModelIndex edited_;
};

}  // namespace qel
