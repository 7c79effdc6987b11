// Open and save dialogs shown with QFileDialog.
#include "platform/qt/widgets/qt_file_chooser.h"

#include <QFileDialog>

namespace qel {

namespace {

const char* const kOpenTitle = "ファイルを開く";
const char* const kSaveTitle = "名前を付けて保存";

// "*.*" -> "*" in a list of patterns separated by ";".
QString LinuxPatterns(const QString& patterns) {
  QStringList parts = patterns.split(';', Qt::SkipEmptyParts);
  for (QString& part : parts) {
    part = part.trimmed();
    if (part == "*.*") part = "*";
  }
  return parts.join(' ');
}

}  // namespace

QStringList QtNameFilters(const std::string& filter) {
  QStringList filters;
  for (const FileFilterEntry& entry : ParseFileFilter(filter)) {
    QString label = QString::fromStdString(entry.label);
    const QString original = QString::fromStdString(entry.patterns);
    const QString patterns = LinuxPatterns(original);
    // Qt reads the patterns from the parentheses at the end of the label.
    const QString shown = "(" + original + ")";
    if (label.endsWith(shown)) label.chop(shown.size());
    filters << label + "(" + patterns + ")";
  }
  return filters;
}

std::optional<std::string> QtFileChooser::Choose(const FileDialogRequest& request) {
  const bool open = request.kind == FileDialogKind::Open;
  QFileDialog dialog(parent_, QString::fromUtf8(open ? kOpenTitle : kSaveTitle));
  dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  // A name that does not exist may be typed in the open dialog too: opening it then reports
  // the missing file.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(QtNameFilters(request.filter));
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
