// The conditions dialog of the soil menu ("地盤 > 地下水位・分割・時間").
#pragma once

#include "dialogs/qt/qel_dialog.h"
#include "dialogs/soil_conditions_model.h"

namespace qel {

class PromptService;

class CSoilConditionsDlg : public QelDialog {
  Q_OBJECT

 public:
  CSoilConditionsDlg(SoilConditionsModel& model, PromptService& prompts, QWidget* parent = nullptr);

 protected:
  bool Commit() override;

 private:
  SoilConditionsModel& model_;
  PromptService& prompts_;
};

}  // namespace qel
