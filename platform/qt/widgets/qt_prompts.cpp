// Message boxes shown with QMessageBox.
#include "platform/qt/widgets/qt_prompts.h"

#include <QMessageBox>

namespace qel {

namespace {
const char* const kApplicationName = "Qel";
}

PromptAnswer QtPrompts::Show(const std::string& text, PromptButtons buttons) {
  const bool question = buttons == PromptButtons::YesNo;
  // Plain text: the messages contain paths and Japanese text, never markup, and their line
  // breaks are kept.
  QMessageBox box(question ? QMessageBox::Question : QMessageBox::Warning,
                  QString::fromUtf8(kApplicationName), QString::fromStdString(text),
                  question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent_);
  box.setTextFormat(Qt::PlainText);
  if (!question) {
    box.exec();
    return PromptAnswer::Ok;
  }
  box.setDefaultButton(QMessageBox::Yes);
  // Closing the box without choosing (Escape, the window's close button) counts as No.
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes ? PromptAnswer::Yes : PromptAnswer::No;
}

}  // namespace qel
