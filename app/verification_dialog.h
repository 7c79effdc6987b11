// ﾍﾙﾌﾟ > 計算の検証...: the engine's verification table and samples of each family, with a
// button that saves them as a PDF.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "engine/verification.h"
#include "view/verification_page.h"

namespace qel {

class FileChooser;
class PromptService;

class VerificationDialog : public QDialog {
 public:
  // `documentPath`: the document's file, whose folder the PDF is proposed in (empty: none).
  VerificationDialog(QWidget* parent, FileChooser& chooser, PromptService& prompts,
                     std::string documentPath);

  // "PDFで保存": asks for the file and writes every page; the path written, or empty when the
  // dialog was cancelled or the file not written (the reason shown).
  std::string SavePdf();

 private:
  FileChooser& chooser_;
  PromptService& prompts_;
  std::string documentPath_;
  std::vector<VerificationFamily> families_;
  VerificationStamp stamp_;
};

}  // namespace qel
