// The base of every dialog of the program.
#include "dialogs/qt/qel_dialog.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>

#include "platform/prompts.h"

namespace qel {

QelDialog::QelDialog(QWidget* parent, EnterKeyMode enterKey)
    : QDialog(parent), enterKey_(enterKey) {
  setModal(true);
}

QDialogButtonBox* QelDialog::MakeOkCancel() {
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  QPushButton* cancel =
      buttons->addButton(QString::fromUtf8("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
  ok->setObjectName("ok");
  cancel->setObjectName("cancel");
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QelDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QelDialog::reject);
  return buttons;
}

void QelDialog::accept() {
  if (Commit()) QDialog::accept();
}

bool QelDialog::Accepts(const std::optional<ValidationError>& error, PromptService& prompts) {
  if (!error) return true;
  prompts.Show(error->message, PromptButtons::Ok);
  if (auto* field = findChild<QWidget*>(QString::fromStdString(error->field))) {
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
  }
  return false;
}

void QelDialog::OpenAtSizeThenResizable(QWidget* growing, QSize smallest) {
  growing->setMinimumSize(growing->size().expandedTo(growing->minimumSize()));
  growing_ = growing;
  growingSmallest_ = smallest;
}

void QelDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  if (growing_ != nullptr) {
    // The opening size is the one the layout gives with the widget at its full size; after
    // that it may shrink.
    if (layout() != nullptr) layout()->activate();
    const QSize opening = sizeHint().expandedTo(size());
    growing_->setMinimumSize(growingSmallest_);
    if (layout() != nullptr) layout()->activate();
    resize(opening);
  }
  const QScreen* shownOn = screen();
  if (shownOn == nullptr) return;
  // Room for the window manager's title bar and borders.
  constexpr int kFrameAllowance = 48;
  const QRect free = shownOn->availableGeometry();
  const QSize room(std::max(1, free.width() - kFrameAllowance),
                   std::max(1, free.height() - kFrameAllowance));
  if (width() > room.width() || height() > room.height())
    resize(size().boundedTo(room).expandedTo(minimumSizeHint()));
  // A dialog that overhangs the screen's edge moves back onto it.
  QPoint place = pos();
  place.setX(std::clamp(place.x(), free.left(), std::max(free.left(), free.right() - width())));
  place.setY(std::clamp(place.y(), free.top(), std::max(free.top(), free.bottom() - height())));
  if (place != pos()) move(place);
}

void QelDialog::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  // Only keys that the focused field left alone arrive here. A field without a name is not one
  // of the dialog's own (an input method's or a popup's), so it keeps the usual meaning.
  const QWidget* focus = focusWidget();
  if (enter && enterKey_ != EnterKeyMode::PressOk && focus != nullptr &&
      !focus->objectName().isEmpty()) {
    if (enterKey_ == EnterKeyMode::NextField) focusNextChild();
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace qel
