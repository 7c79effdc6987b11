// The rows of a load list editor as a Qt table model, for the list view of the dialog: what
// each cell shows, and the end of an edit in place stored through setData.
#pragma once

#include <QAbstractTableModel>

#include "dialogs/load_list_editor.h"

namespace qel {

class LoadListTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  LoadListTableModel(LoadListEditor& editor, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  // The cell's text for showing, for an edit to begin with and for screen readers.
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // The cells the editor lets the user edit are editable; the closing row is not.
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // An edit of the cell ends with `value`: the editor stores it (LoadListEditor::EndEdit) and
  // sets its status line. False when the text was not kept.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  // The editor's rows changed (a move, a deletion).
  void Refresh();

 private:
  static ListCell CellOf(const QModelIndex& index) { return {index.row() + 1, index.column() + 1}; }

  LoadListEditor& editor_;
};

}  // namespace qel
