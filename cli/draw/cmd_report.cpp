// qel-cli report: every display with content, in order, into one PDF, as the printer lays it
// out.
#include <cstdio>
#include <filesystem>

#include "base/text_file.h"
#include "cli/cli_args.h"
#include "cli/draw/drawing_commands.h"
#include "cli/draw/paged_document.h"
#include "cli/load_warnings.h"
#include "cli/output_files.h"
#include "cli/page_options.h"
#include "platform/file_messages.h"
#include "platform/messages.h"
#include "platform/paper_units.h"
#include "platform/qt/pdf_file.h"
#include "view/report.h"

namespace qel {

int RunReport(const std::vector<std::string>& words) {
  std::string error;
  std::optional<CliArgs> args =
      ParseCliArgs(words, {"--data-folder", "--dpi", "--paper", "--out", "--circle-method"},
                   {"--restart-numbering"}, error);
  if (!args) return UsageError(error);
  if (!ReadCircleMethod(*args, error)) return UsageError(error);
  if (args->positional.size() != 1) return UsageError("report needs one data file");
  std::optional<std::string> out = args->Option("--out");
  if (!out || !EndsInPdf(*out)) return UsageError("report needs --out F.pdf");
  std::optional<PageOptions> options = ReadPaperOptions(*args, kPaperDpi, error);
  if (!options) return UsageError(error);
  if (OutputWouldReplaceInput(args->positional[0], *out)) return kExitFailure;

  std::unique_ptr<QGuiApplication> app = MakeApplication();
  PagedDocument doc(*args, *options);
  if (!doc.Open(args->positional[0], *options)) return kExitFailure;
  WarnAboutExcludedLoads(doc.session.state().document, args->positional[0], doc.session.prompts());
  // The report holds the sections, which draw the plan's levels whether its figure shows them
  // or not.
  WarnAboutCutIsobarLevels(doc.session.state().document, args->positional[0], doc.session.prompts(),
                           doc.session.state().document.strip().isobars.shown, true);
  for (const DisplayRow& row : kDisplays) {
    if (row.kind != DisplayKind::Figure) continue;
    doc.session.state().view.displayMode = row.mode;
    doc.ShowFigureNotice();
  }
  // One sequence of page numbers through the report, or each display's own on request.
  const std::vector<ReportPage> pages =
      ReportPages(doc.controller, options->dpi, options->dpi,
                  args->Flag("--restart-numbering") ? ReportNumbering::EachDisplayOwn
                                                    : ReportNumbering::Continuous);
  if (pages.empty()) {
    doc.session.prompts().Show(
        MessageText(MessageId::NothingToReport) + " ( " + args->positional[0] + " )",
        PromptButtons::Ok);
    return kExitFailure;
  }

  // The earlier report stays until a complete new one replaces it.
  const PdfPaper paper = PdfPaperOfSize(options->paperWidthMm, options->paperHeightMm, options->dpi,
                                        std::filesystem::path(args->positional[0]).stem().string());
  const WriteOutcome outcome = WritePdfFile(
      *out, paper, [&](const NextPdfPage& next) { return DrawPages(doc.controller, pages, next); });
  doc.ShowFontNotice();
  if (!outcome.ok) {
    doc.session.prompts().Show(SaveFailureText(outcome, *out), PromptButtons::Ok);
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace qel
