// The stages dialog of the soil menu ("地盤 > 施工段階・圧密計算").
#pragma once

#include "dialogs/qt/qel_dialog.h"
#include "dialogs/soil_stages_model.h"

class QTableWidget;
class QPushButton;

namespace qel {

class PromptService;

class CSoilStagesDlg : public QelDialog {
  Q_OBJECT

 public:
  CSoilStagesDlg(SoilStagesModel& model, PromptService& prompts, QWidget* parent = nullptr);

 protected:
  bool Commit() override;

 private:
  // Shows the model's stages in the table, each row numbered as it will be written.
  void ShowStages();
  void OnCellEdited(int row, int column);

  SoilStagesModel& model_;
  PromptService& prompts_;
  QTableWidget* table_ = nullptr;
  QPushButton* add_ = nullptr;
  bool filling_ = false;
};

}  // namespace qel
