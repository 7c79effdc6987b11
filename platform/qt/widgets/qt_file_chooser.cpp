// Open and save dialogs shown with QFileDialog.
#include "platform/qt/widgets/qt_file_chooser.h"

#include <QFileDialog>

namespace qel {

namespace {

const char* const kOpenTitle = "ファイルを開く";
const char* const kSaveTitle = "名前を付けて保存";

}  // namespace

QStringList QtNameFilters(const std::vector<FileTypeFilter>& filters) {
  QStringList names;
  for (const FileTypeFilter& filter : filters) {
    QStringList patterns;
    for (const std::string& extension : filter.extensions)
      patterns << "*." + QString::fromStdString(extension);
    if (patterns.isEmpty()) patterns << "*";
    // Qt reads the patterns from the parentheses at the end of the name.
    names << QString::fromStdString(filter.name) + "(" + patterns.join(' ') + ")";
  }
  return names;
}

std::optional<std::string> QtFileChooser::Choose(const FileDialogRequest& request) {
  const bool open = request.kind == FileDialogKind::Open;
  const std::string title =
      request.title.empty() ? std::string(open ? kOpenTitle : kSaveTitle) : request.title;
  QFileDialog dialog(parent_, QString::fromStdString(title));
  dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  // A name that does not exist may be typed in the open dialog too: opening it then reports
  // the missing file.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(QtNameFilters(request.filters));
  if (!request.defaultExtension.empty())
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
  if (!request.startFolder.empty())
    dialog.setDirectory(QString::fromStdString(request.startFolder));
  if (!request.initialName.empty()) dialog.selectFile(QString::fromStdString(request.initialName));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.front().toStdString();
}

}  // namespace qel
