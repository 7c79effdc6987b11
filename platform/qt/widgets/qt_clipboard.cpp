// The desktop's clipboard (QGuiApplication::clipboard).
#include "platform/qt/widgets/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace qel {

void QtClipboard::SetText(const std::string& text) {
  if (QClipboard* clipboard = QGuiApplication::clipboard())
    clipboard->setText(QString::fromStdString(text));
}

}  // namespace qel
