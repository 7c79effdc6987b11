// qel-cli verify: the engine against its references, one line per family and the samples of
// each, optionally as a PDF.
#include <cstdio>
#include <ctime>
#include <memory>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/output_files.h"
#include "cli/paged_document.h"
#include "engine/verification.h"
#include "platform/paper_units.h"
#include "platform/qt/pdf_file.h"
#include "settings/text_file.h"
#include "view/verification_page.h"

namespace qel {

int RunVerify(const std::vector<std::string>& words) {
  std::string error;
  // --data-folder is taken as by every subcommand; the references need no settings.
  std::optional<CliArgs> args = ParseCliArgs(words, {"--out", "--data-folder"}, {}, error);
  if (!args) return UsageError(error);
  if (!args->positional.empty()) return UsageError("verify takes no file");
  if (const std::optional<std::string> out = args->Option("--out"); out && !EndsInPdf(*out))
    return UsageError("verify needs --out F.pdf");
  const std::vector<VerificationFamily> families = RunVerification();
  const VerificationStamp stamp = StampOf(std::time(nullptr));
  for (const std::string& line : VerificationTableLines(families, stamp))
    std::printf("%s\n", line.c_str());
  const bool passed = AllPassed(families);
  std::printf("%s\n", passed ? "all passed" : "FAILED");
  if (std::optional<std::string> out = args->Option("--out")) {
    std::unique_ptr<QGuiApplication> app = MakeApplication();
    const WriteOutcome outcome = WritePdfFile(
        *out, PdfPaperOfSize(210, 297, kPaperDpi, "計算の検証"),
        [&](const NextPdfPage& next) { return DrawVerificationPages(next, families, stamp); });
    if (!outcome.ok) {
      std::fprintf(stderr, "qel-cli: %s\n", SaveFailureText(outcome, *out).c_str());
      return kExitFailure;
    }
  }
  if (std::fflush(stdout) != 0) return kExitFailure;
  return passed ? kExitOk : kExitFailure;
}

}  // namespace qel
