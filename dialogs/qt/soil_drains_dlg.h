// The drains dialog of the soil menu ("地盤 > バーチカルドレーン").
#pragma once

#include "dialogs/qt/qel_dialog.h"
#include "dialogs/soil_drains_model.h"

class QLabel;

namespace qel {

class PromptService;

class CSoilDrainsDlg : public QelDialog {
  Q_OBJECT

 public:
  CSoilDrainsDlg(SoilDrainsModel& model, PromptService& prompts, QWidget* parent = nullptr);

 protected:
  bool Commit() override;

 private:
  // Enables the fields the choices use and shows the derived sizes.
  void ShowDerived();

  SoilDrainsModel& model_;
  PromptService& prompts_;
  QWidget* body_ = nullptr;
  QWidget* sandFields_ = nullptr;
  QWidget* bandFields_ = nullptr;
  QLabel* bandDiameter_ = nullptr;
  QLabel* cell_ = nullptr;
};

}  // namespace qel
