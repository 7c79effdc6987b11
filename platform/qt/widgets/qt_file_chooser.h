// Open and save dialogs shown with QFileDialog.
#pragma once

#include <QStringList>

#include "platform/file_chooser.h"

class QWidget;

namespace qel {

// The Qt name filters of a "label|patterns|...||" filter text. "*.*" means every file, as it
// does on Windows: on Linux that is "*", since many files have no extension.
QStringList QtNameFilters(const std::string& filter);

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
