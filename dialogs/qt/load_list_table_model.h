// The rows of a load list editor as a Qt table model, for the list view of the dialog.
#pragma once

#include <QAbstractTableModel>

#include "dialogs/load_list_editor.h"

namespace qel {

class LoadListTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  LoadListTableModel(const LoadListEditor& editor, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // The cells are edited in place by the dialog, not through the view's own editors.
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // The editor's rows changed (an edit, a move, a deletion).
  void Refresh();

 private:
  const LoadListEditor& editor_;
};

}  // namespace qel
