// The in-place editor of a load list cell.
#include "dialogs/qt/load_list_cell_delegate.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "dialogs/qt/refusing_validator.h"

namespace qel {

QWidget* LoadListCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                            const QModelIndex& index) const {
  auto* field = new QLineEdit(parent);
  field->setObjectName("cellEdit");
  field->setAccessibleName(
      index.model()->headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString());
  field->setFrame(false);
  field->setTextMargins(3, 0, 3, 0);
  // Every column of a load list holds a number.
  RefusingValidator* validator = SetEntryValidator(field, RefusingValidator::Kind::Number);
  connect(validator, &RefusingValidator::refused, this, &LoadListCellDelegate::characterRefused);
  editor_ = field;
  edited_ = index;
  return field;
}

void LoadListCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  static_cast<QLineEdit*>(editor)->setText(index.data(Qt::EditRole).toString());
}

void LoadListCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                        const QModelIndex& index) const {
  model->setData(index, static_cast<QLineEdit*>(editor)->text(), Qt::EditRole);
}

void LoadListCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                                const QModelIndex&) const {
  editor->setGeometry(option.rect.intersected(editor->parentWidget()->rect()));
}

void LoadListCellDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
  if (editor == editor_) {
    editor_.clear();
    edited_ = QPersistentModelIndex();
  }
  QStyledItemDelegate::destroyEditor(editor, index);
}

void LoadListCellDelegate::End(QWidget* editor) {
  emit commitData(editor);
  emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void LoadListCellDelegate::EndEdit() {
  if (editor_) End(editor_);
}

bool LoadListCellDelegate::eventFilter(QObject* object, QEvent* event) {
  if (object != editor_) return QStyledItemDelegate::eventFilter(object, event);
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    switch (key) {
      case Qt::Key_Escape:
        // Escape takes the edit back: the cell keeps the text it had when the edit began, and
        // the dialog stays open.
        editor_->setText(edited_.data(Qt::EditRole).toString());
        [[fallthrough]];
      case Qt::Key_Return:
      case Qt::Key_Enter:
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_Tab:
      case Qt::Key_Backtab: {
        const QModelIndex index = edited_;
        End(editor_);
        emit endedByKey(index, key);
        return true;
      }
      default:
        break;
    }
  }
  if (event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason)
    return false;
  return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace qel
