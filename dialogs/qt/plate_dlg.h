// The settlement plates dialog of the soil menu ("地盤 > 沈下板の実測値"): the plates, and the
// readings and fits of the chosen one.
#pragma once

#include <string>

#include "dialogs/plate_model.h"
#include "dialogs/qt/qel_dialog.h"

class QComboBox;
class QLineEdit;
class QTableWidget;

namespace qel {

class PromptService;

class CPlateDlg : public QelDialog {
  Q_OBJECT

 public:
  CPlateDlg(PlateModel& model, PromptService& prompts, QWidget* parent = nullptr);

  // Replaces the chosen plate's readings by pasted rows (the 貼り付け button and Ctrl+V in
  // the readings); a row that does not read is told and nothing changes.
  void PasteText(const std::string& text);

 protected:
  bool Commit() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowPlates();
  void ShowPlate(int plate);
  void ShowReadings();
  void ShowFits();
  void RemoveCurrentRow(QTableWidget* table);

  PlateModel& model_;
  PromptService& prompts_;
  QTableWidget* plates_ = nullptr;
  QTableWidget* readings_ = nullptr;
  QTableWidget* fits_ = nullptr;
  QComboBox* unit_ = nullptr;
  QLineEdit* day0_ = nullptr;
  int plate_ = 0;
  bool filling_ = false;
};

}  // namespace qel
