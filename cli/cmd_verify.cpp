// qel-cli verify: the engine against its references, one line per family and the samples of
// each, optionally as a PDF.
#include <cstdio>
#include <ctime>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/drawing_program.h"
#include "cli/output_files.h"
#include "engine/verification.h"
#include "view/verification_page.h"

namespace qel {

int RunVerify(const std::vector<std::string>& words, VerificationPdfWriter writePdf) {
  std::string error;
  // --data-folder is taken as by every subcommand; the references need no settings.
  std::optional<CliArgs> args = ParseCliArgs(words, {"--out", "--data-folder"}, {}, error);
  if (!args) return UsageError(error);
  if (!args->positional.empty()) return UsageError("verify takes no file");
  const std::optional<std::string> out = args->Option("--out");
  if (out && !EndsInPdf(*out)) return UsageError("verify needs --out F.pdf");
  // The drawing program runs the whole command, so that the lines are computed and printed once.
  if (out && !writePdf) return RunDrawingProgram("verify", words);
  const std::vector<VerificationFamily> families = RunVerification();
  const VerificationStamp stamp = StampOf(std::time(nullptr));
  for (const std::string& line : VerificationTableLines(families, stamp))
    std::printf("%s\n", line.c_str());
  const bool passed = AllPassed(families);
  std::printf("%s\n", passed ? "all passed" : "FAILED");
  if (out && !writePdf(*out, families, stamp)) return kExitFailure;
  if (std::fflush(stdout) != 0) return kExitFailure;
  return passed ? kExitOk : kExitFailure;
}

}  // namespace qel
