// The scale dialog of one problem's figure ("縮尺　帯状荷重", "縮尺-長方形円形荷重"): the scales,
// the paper and what one page holds, and the print range.
#pragma once

#include "dialogs/qt/dialog_fields.h"
#include "dialogs/qt/qel_dialog.h"
#include "dialogs/scale_model.h"

namespace qel {

class PromptService;

class CScaleDlg : public QelDialog {
  Q_OBJECT

 public:
  CScaleDlg(ScaleModel& model, PromptService& prompts, QWidget* parent = nullptr);

 protected:
  bool Commit() override;

 private:
  ScaleModel& model_;
  PromptService& prompts_;
  FieldBindings bindings_;
};

}  // namespace qel
