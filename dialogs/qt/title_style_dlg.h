// The title/style dialog of one problem ("帯状荷重 > タイトル・様式" and its rectangle/circle
// twin): titles and their positions, the figure grid and the calculation trace.
#pragma once

#include "dialogs/qt/dialog_fields.h"
#include "dialogs/qt/qel_dialog.h"
#include "dialogs/title_style_model.h"

class QLineEdit;

namespace qel {

class PromptService;

class CTitleStyleDlg : public QelDialog {
  Q_OBJECT

 public:
  // Shows `model` and keeps it up to date as the user types; OK is refused while the model
  // finds a value it cannot accept.
  CTitleStyleDlg(TitleStyleModel& model, PromptService& prompts, QWidget* parent = nullptr);

 protected:
  bool Commit() override;

 private:
  TitleStyleModel& model_;
  PromptService& prompts_;
  FieldBindings bindings_;
};

}  // namespace qel
