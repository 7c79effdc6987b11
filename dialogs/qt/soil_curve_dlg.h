// The curve dialog of the soil menu ("地盤 > e-log p 曲線"): the curves, their points and graph.
#pragma once

#include <string>

#include "dialogs/qt/qel_dialog.h"
#include "dialogs/soil_curve_model.h"

class QListWidget;
class QTableWidget;

namespace qel {

class PromptService;
class SoilCurveView;

class CSoilCurveDlg : public QelDialog {
  Q_OBJECT

 public:
  CSoilCurveDlg(SoilCurveModel& model, PromptService& prompts, QWidget* parent = nullptr);

  // Pastes clipboard text into the shown curve from the current row (the 貼り付け button and
  // Ctrl+V in the table).
  void PasteText(const std::string& text);

 protected:
  bool Commit() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowCurve(int slot);
  void ShowCurveNames();

  SoilCurveModel& model_;
  PromptService& prompts_;
  QListWidget* curves_ = nullptr;
  QTableWidget* table_ = nullptr;
  SoilCurveView* graph_ = nullptr;
  int slot_ = 0;
  bool filling_ = false;
};

}  // namespace qel
