// The rows of a load list editor as a Qt table model.
#include "dialogs/qt/load_list_table_model.h"

namespace qel {

LoadListTableModel::LoadListTableModel(LoadListEditor& editor, QObject* parent)
    : QAbstractTableModel(parent), editor_(editor) {}

int LoadListTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : editor_.shownRowCount();
}

int LoadListTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : editor_.columnCount();
}

QVariant LoadListTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::AccessibleTextRole) return {};
  const ListCell cell = CellOf(index);
  return QString::fromStdString(editor_.Cell(cell.row, cell.column));
}

QVariant LoadListTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return QString::fromStdString(editor_.Header(section + 1));
}

Qt::ItemFlags LoadListTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  return editor_.IsEditable(CellOf(index)) ? shown | Qt::ItemIsEditable : shown;
}

bool LoadListTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  const bool kept = editor_.EndEdit(CellOf(index), value.toString().toStdString());
  // The status line may have changed even when the text was not kept.
  emit dataChanged(index, index);
  return kept;
}

void LoadListTableModel::Refresh() {
  emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

}  // namespace qel
