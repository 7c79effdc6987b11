// The calculation-point dialogs: ten x and ten depths of the strip loads (CStripPointDlg), or
// the twelve x, y and z values of the lattice (CLatticePointDlg), one field per value.
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "dialogs/point_editor.h"
#include "dialogs/qt/qel_dialog.h"

class QLabel;
class QLineEdit;
class QVBoxLayout;

namespace qel {

class PointDialog : public QelDialog {
  Q_OBJECT

 public:
  // Shows the texts of `model` and keeps them up to date; `prompts` shows the same-depth
  // warning of OK and the model's question before Cancel throws typed values away.
  PointDialog(PointEditor& model, PromptService& prompts, EnterKeyMode enterKey,
              QWidget* parent = nullptr);

  // The field of `row` in `column` (both 1-based).
  QLineEdit* Field(int row, int column) const;

  void reject() override;

 protected:
  // Shows the same-depth warning, which never stops OK.
  bool Commit() override;
  // The place under the fields for a sketch of the points.
  void AddSketch(QWidget* sketch);

 private:
  void ShowStatus();

  PointEditor& model_;
  PromptService& prompts_;
  std::vector<QLineEdit*> fields_;  // row by row
  QLabel* status_ = nullptr;
  QVBoxLayout* side_ = nullptr;
};

// "帯状荷重 >  地中の計算点".
class CStripPointDlg : public PointDialog {
  Q_OBJECT
 public:
  CStripPointDlg(PointEditor& model, PromptService& prompts, EnterKeyMode enterKey,
                 QWidget* parent = nullptr);
};

// "長方形円形荷重 > 地中の計算点".
class CLatticePointDlg : public PointDialog {
  Q_OBJECT
 public:
  CLatticePointDlg(PointEditor& model, PromptService& prompts, EnterKeyMode enterKey,
                   QWidget* parent = nullptr);
};

// The dialog of the points `model` edits.
std::unique_ptr<PointDialog> MakePointDialog(PointEditor& model, PromptService& prompts,
                                             EnterKeyMode enterKey, QWidget* parent = nullptr);

}  // namespace qel
