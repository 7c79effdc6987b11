// The line, margin and digits dialog ("線種・マージン・桁数など"): line widths and colours of the
// figures, decimals of the tables, unit system, paper margins and the registered texts.
#pragma once

#include "dialogs/line_margin_model.h"
#include "dialogs/qt/dialog_fields.h"
#include "dialogs/qt/qel_dialog.h"

namespace qel {

class ColourChooser;
class PromptService;

class CLineMarginDlg : public QelDialog {
  Q_OBJECT

 public:
  // `colours`: the colour dialog of the three "色" buttons.
  CLineMarginDlg(LineMarginModel& model, PromptService& prompts, ColourChooser& colours,
                 QWidget* parent = nullptr);

 protected:
  bool Commit() override;

 private:
  LineMarginModel& model_;
  PromptService& prompts_;
  ColourChooser& colours_;
  FieldBindings bindings_;
};

}  // namespace qel
