// Message boxes shown with QMessageBox.
#include "platform/qt/widgets/qt_prompts.h"

#include <QApplication>
#include <QMessageBox>

namespace qel {

namespace {

const char* const kApplicationName = "Qel";

QMessageBox::StandardButtons ButtonsOf(PromptButtons buttons) {
  switch (buttons) {
    case PromptButtons::Ok:
      break;
    case PromptButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

}  // namespace

PromptAnswer QtPrompts::Show(const std::string& text, PromptButtons buttons) {
  const bool question = buttons != PromptButtons::Ok;
  // Plain text: the messages contain paths and Japanese text, never markup, and their line
  // breaks are kept; a "\r\n" break is one line break.
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  // A question asked while a dialog is open belongs to that dialog: above it, not behind it.
  QWidget* owner = QApplication::activeModalWidget();
  QMessageBox box(question ? QMessageBox::Question : QMessageBox::Warning,
                  QString::fromUtf8(kApplicationName), shown, ButtonsOf(buttons),
                  owner != nullptr ? owner : parent_);
  box.setTextFormat(Qt::PlainText);
  if (!question) {
    box.exec();
    return PromptAnswer::Ok;
  }
  box.setDefaultButton(QMessageBox::Yes);
  // Closing the box without choosing (Escape, the window's close button) loses nothing: Cancel
  // where it is offered, else No.
  const bool cancellable = buttons == PromptButtons::YesNoCancel;
  box.setEscapeButton(cancellable ? QMessageBox::Cancel : QMessageBox::No);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return PromptAnswer::Yes;
    case QMessageBox::No:
      return PromptAnswer::No;
    default:
      return cancellable ? PromptAnswer::Cancel : PromptAnswer::No;
  }
}

}  // namespace qel
