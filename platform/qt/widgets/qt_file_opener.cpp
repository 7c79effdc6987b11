// Opening a file with the desktop's program for its type (QDesktopServices).
#include "platform/qt/widgets/qt_file_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace qel {

bool QtFileOpener::Open(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

}  // namespace qel
