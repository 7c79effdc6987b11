// The base of every dialog of the program: OK and Cancel, the OK step that keeps the dialog open
// while the values cannot be accepted, and the Enter-key modes of the data-entry dialogs.
#pragma once

#include <QDialog>
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

  void keyPressEvent(QKeyEvent* event) override;

 private:
  EnterKeyMode enterKey_;
};

}  // namespace qel
