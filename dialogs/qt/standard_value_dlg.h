// The standard-value dialog of one problem ("標準値 > 帯状荷重の初期設定" and its
// rectangle/circle twin): the titles, positions and grid that "標準の設定" copies into a
// document.
#pragma once

#include "dialogs/qt/dialog_fields.h"
#include "dialogs/qt/qel_dialog.h"
#include "dialogs/standard_value_model.h"

namespace qel {

class PromptService;

class CStandardValueDlg : public QelDialog {
  Q_OBJECT

 public:
  CStandardValueDlg(StandardValueModel& model, PromptService& prompts, QWidget* parent = nullptr);

 protected:
  bool Commit() override;

 private:
  StandardValueModel& model_;
  PromptService& prompts_;
  FieldBindings bindings_;
};

}  // namespace qel
