// qel-cli verify --out: the verification report drawn into a PDF.
#include <cstdio>
#include <memory>

#include "base/text_file.h"
#include "cli/draw/drawing_commands.h"
#include "cli/draw/paged_document.h"
#include "engine/verification.h"
#include "platform/file_messages.h"
#include "platform/paper_units.h"
#include "platform/qt/pdf_file.h"
#include "view/verification_page.h"

namespace qel {

namespace {

bool WriteVerificationPdf(const std::string& out, const std::vector<VerificationFamily>& families,
                          const VerificationStamp& stamp) {
  std::unique_ptr<QGuiApplication> app = MakeApplication();
  const WriteOutcome outcome = WritePdfFile(
      out, PdfPaperOfSize(210, 297, kPaperDpi, "計算の検証"),
      [&](const NextPdfPage& next) { return DrawVerificationPages(next, families, stamp); });
  if (outcome.ok) return true;
  std::fprintf(stderr, "qel-cli: %s\n", SaveFailureText(outcome, out).c_str());
  return false;
}

}  // namespace

int RunVerifyDrawingPdf(const std::vector<std::string>& words) {
  return RunVerify(words, WriteVerificationPdf);
}

}  // namespace qel
