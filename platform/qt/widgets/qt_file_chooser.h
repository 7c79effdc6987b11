// Open and save dialogs shown with QFileDialog.
#pragma once

#include <QStringList>

#include "platform/file_chooser.h"

class QWidget;

namespace qel {

// The Qt name filters of the kinds of file: "name(*.ext1 *.ext2)", and "name(*)" for every
// file, since many files on Linux have no extension.
QStringList QtNameFilters(const std::vector<FileTypeFilter>& filters);

class QtFileChooser : public FileChooser {
 public:
  // `parent`: the window the dialogs are modal to (nullptr: the application).
  explicit QtFileChooser(QWidget* parent = nullptr) : parent_(parent) {}
  void set_parent(QWidget* parent) { parent_ = parent; }

  std::optional<std::string> Choose(const FileDialogRequest& request) override;

 private:
  QWidget* parent_;
};

}  // namespace qel
