// The layer dialog of the soil menu ("地盤 > 土層"): the table of layers and the column sketch.
#pragma once

#include "dialogs/qt/qel_dialog.h"
#include "dialogs/soil_layer_model.h"

class QTableWidget;

namespace qel {

class PromptService;
class SoilColumnView;

class CSoilLayerDlg : public QelDialog {
  Q_OBJECT

 public:
  CSoilLayerDlg(SoilLayerModel& model, PromptService& prompts, QWidget* parent = nullptr);

 protected:
  bool Commit() override;

 private:
  void ShowRow(int row);
  void OnCellEdited(int row, int column);

  SoilLayerModel& model_;
  PromptService& prompts_;
  QTableWidget* table_ = nullptr;
  SoilColumnView* sketch_ = nullptr;
  bool filling_ = false;
};

}  // namespace qel
