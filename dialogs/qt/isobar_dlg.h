// The isobar dialog of one problem ("帯状荷重 > 等圧線" and its rectangle/circle twin).
#pragma once

#include "dialogs/isobar_model.h"
#include "dialogs/qt/qel_dialog.h"

namespace qel {

class PromptService;

class CIsobarDlg : public QelDialog {
  Q_OBJECT

 public:
  // Shows `model` and keeps it up to date as the user types; OK is refused while the model
  // finds a value it cannot accept.
  CIsobarDlg(IsobarModel& model, PromptService& prompts, QWidget* parent = nullptr);

 protected:
  bool Commit() override;

 private:
  IsobarModel& model_;
  PromptService& prompts_;
};

}  // namespace qel
