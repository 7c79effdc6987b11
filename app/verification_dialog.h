// ﾍﾙﾌﾟ > 計算の検証...: the engine's verification table, with a button that saves it as a PDF.
#pragma once

#include <QDialog>
#include <vector>

#include "engine/verification.h"

namespace qel {

class VerificationDialog : public QDialog {
 public:
  explicit VerificationDialog(QWidget* parent);

 private:
  void SavePdf();

  std::vector<VerificationFamily> families_;
};

}  // namespace qel
