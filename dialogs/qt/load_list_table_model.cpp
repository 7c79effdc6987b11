// The rows of a load list editor as a Qt table model.
#include "dialogs/qt/load_list_table_model.h"

namespace qel {

LoadListTableModel::LoadListTableModel(const LoadListEditor& editor, QObject* parent)
    : QAbstractTableModel(parent), editor_(editor) {}

int LoadListTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : editor_.shownRowCount();
}

int LoadListTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : editor_.columnCount();
}

QVariant LoadListTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) return {};
  return QString::fromStdString(editor_.Cell(index.row() + 1, index.column() + 1));
}

QVariant LoadListTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return QString::fromStdString(editor_.Header(section + 1));
}

Qt::ItemFlags LoadListTableModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void LoadListTableModel::Refresh() {
  emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

}  // namespace qel
