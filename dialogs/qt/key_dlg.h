// The key dialog ("キーの動作"): what Enter does in the data-entry dialogs.
#pragma once

#include "dialogs/key_behaviour_model.h"
#include "dialogs/qt/qel_dialog.h"

namespace qel {

class CKeyDlg : public QelDialog {
  Q_OBJECT

 public:
  // Shows the choice of `model` and keeps it up to date as the user chooses.
  CKeyDlg(KeyBehaviourModel& model, QWidget* parent = nullptr);

 private:
  KeyBehaviourModel& model_;
};

}  // namespace qel
