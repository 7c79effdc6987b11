// The base of every dialog of the program: OK and Cancel, the OK step that keeps the dialog open
// while the values cannot be accepted, and the Enter-key modes of the data-entry dialogs.
#pragma once

#include <QDialog>
#include <QSize>
#include <optional>

#include "dialogs/key_behaviour_model.h"
#include "dialogs/validation.h"

class QDialogButtonBox;

namespace qel {

class PromptService;

class QelDialog : public QDialog {
  Q_OBJECT

 public:
  // `enterKey`: what Enter does when the field with the focus does not use it itself. Settings
  // dialogs keep the platform's meaning (PressOk).
  explicit QelDialog(QWidget* parent, EnterKeyMode enterKey = EnterKeyMode::PressOk);

  // OK closes the dialog only when Commit() agrees.
  void accept() override;

  // The OK ("OK") and Cancel ("ｷｬﾝｾﾙ") buttons, object names "ok" and "cancel"; OK is the
  // default button.
  QDialogButtonBox* MakeOkCancel();

 protected:
  // Called by OK: true lets the dialog close with OK. The default accepts.
  virtual bool Commit() { return true; }

  // When `error` holds a failure: shows its message, puts the focus on its field (with its text
  // selected) and returns false, so that Commit() can return it. True when there is none.
  bool Accepts(const std::optional<ValidationError>& error, PromptService& prompts);

  // `growing` (a table, a long text) opens at the size it has when this is called and, from
  // then on, shrinks to `smallest` or grows as the user resizes the dialog.
  void OpenAtSizeThenResizable(QWidget* growing, QSize smallest);

  void keyPressEvent(QKeyEvent* event) override;
  // The first showing fits the dialog into the screen's free area (less a margin for the
  // window frame), as far as its fields allow.
  void showEvent(QShowEvent* event) override;

 private:
  EnterKeyMode enterKey_;
  QWidget* growing_ = nullptr;
  QSize growingSmallest_;
  bool shown_ = false;
};

}  // namespace qel
