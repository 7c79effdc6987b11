// Printing and PDF output of the displays.
#include "app/view_printing.h"
#include "platform/file_messages.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>
#include <filesystem>
#include <limits>
#include <utility>

#include "app/file_commands.h"
#include "base/text_file.h"
#include "platform/file_chooser.h"
#include "platform/messages.h"
#include "platform/paper_units.h"
#include "platform/prompts.h"
#include "platform/qt/pdf_file.h"
#include "platform/qt/qt_page_sequence.h"
#include "platform/qt/widgets/qt_application_printer.h"

namespace qel {

namespace {

// The wait cursor for as long as the object lives.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// Writes `pages` into the PDF file at `path`, complete or not at all, every page worked out
// before the file is begun.
WriteOutcome WritePdfPages(ViewController& controller, const std::string& path,
                           const PdfPaper& paper, const std::vector<ReportPage>& pages) {
  WaitCursor wait;
  PreparePages(controller, pages, paper.dpi, paper.dpi);
  return WritePdfFile(path, paper,
                      [&](const NextPdfPage& next) { return DrawPages(controller, pages, next); });
}

}  // namespace

ViewPrinting::ViewPrinting(ViewController& controller, QtApplicationPrinter& printer,
                           FileChooser& chooser, PromptService& prompts, WindowHooks hooks)
    : controller_(controller),
      printer_(printer),
      chooser_(chooser),
      prompts_(prompts),
      hooks_(std::move(hooks)) {}

void ViewPrinting::EndPrinting() {
  TellFontsNotMade();
  hooks_.refresh();
}

void ViewPrinting::TellFontsNotMade() {
  // Drawing never tells it itself: once for the whole job.
  if (controller_.TakePaperFontFailures() > 0)
    prompts_.Show(kCannotCreateFontText, PromptButtons::Ok);
}

void ViewPrinting::SetDocumentPath(std::function<std::string()> documentPath) {
  documentPath_ = std::move(documentPath);
}

int ViewPrinting::CountPrintedPages(const QPrinter& printer) {
  const int resolution = printer.resolution();
  return controller_.CountPrintedPages(resolution, resolution);
}

bool ViewPrinting::PrintPageList(QPrinter& printer, const std::vector<ReportPage>& pages) {
  if (pages.empty()) return true;
  WaitCursor wait;
  // Every page is worked out before the first goes to the printer. In the preview, whose pages
  // were worked out before it opened, this computes nothing again.
  PreparePages(controller_, pages, printer.resolution(), printer.resolution());
  QtPageSequence sequence(printer, printer.resolution());
  const bool drawn = DrawPages(controller_, pages, [&] { return sequence.NextPage(); });
  return sequence.Finish() && drawn;
}

bool ViewPrinting::PrintPages(QPrinter& printer, int first, int last) {
  return PrintPageList(printer, ShownDisplayPages(controller_, first, last));
}

std::optional<std::string> ViewPrinting::ChoosePdfFile(const std::string& title) {
  const std::string document = documentPath_ ? documentPath_() : std::string();
  FileDialogRequest request;
  request.kind = FileDialogKind::Save;
  request.title = title;
  request.filters = {{"PDF", {"pdf"}}};
  request.defaultExtension = "pdf";
  if (document.empty()) {
    // An untitled document proposes the name its window title shows.
    request.initialName = std::string(kUntitledName) + ".pdf";
  } else {
    const std::filesystem::path path(document);
    request.startFolder = path.parent_path().string();
    request.initialName = path.stem().string() + ".pdf";
  }
  std::optional<std::string> chosen = chooser_.Choose(request);
  if (chosen && std::filesystem::path(*chosen).extension().empty()) *chosen += ".pdf";
  return chosen;
}

void ViewPrinting::ReportWritten(const std::string& path) {
  if (hooks_.showStatus)
    hooks_.showStatus(QString::fromStdString(MessageText(MessageId::PdfSaved, path)));
}

bool ViewPrinting::PrintToPdf(bool allDisplays) {
  QPrinter& printer = printer_.printer();
  const int resolution = printer.resolution();
  const std::vector<ReportPage> pages =
      allDisplays ? ReportPages(controller_, resolution, resolution)
                  : ShownDisplayPages(controller_, 1, CountPrintedPages(printer));
  if (pages.empty()) {
    prompts_.Show(MessageText(MessageId::NothingToReport), PromptButtons::Ok);
    return false;
  }
  std::optional<std::string> path = ChoosePdfFile(MessageText(MessageId::PrintToPdfNoPrinter));
  if (!path) return false;
  // The printer's paper and resolution, written as a PDF file is: complete, or not at all.
  const WriteOutcome outcome =
      WritePdfPages(controller_, *path, PdfPaper{printer.pageLayout(), resolution, ""}, pages);
  EndPrinting();
  if (!outcome.ok) {
    prompts_.Show(SaveFailureText(outcome, *path), PromptButtons::Ok);
    return false;
  }
  ReportWritten(*path);
  return true;
}

bool ViewPrinting::RunPrintDialog(int pages, int& first, int& last) {
  QPrinter& printer = printer_.printer();
  QPrintDialog dialog(&printer, hooks_.parent);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  dialog.setMinMax(1, std::max(1, pages));
  if (dialog.exec() != QDialog::Accepted) return false;
  // Another printer or paper may have been chosen in the dialog.
  if (!controller_.ReadDeviceGeometry()) prompts_.Show(kDeviceInfoErrorText, PromptButtons::Ok);
  hooks_.refresh();
  first = 1;
  last = std::numeric_limits<int>::max();
  if (printer.printRange() == QPrinter::PageRange) {
    if (printer.fromPage() > 0) first = printer.fromPage();
    if (printer.toPage() > 0) last = printer.toPage();
  }
  return true;
}

void ViewPrinting::OnFilePrint() {
  if (!printer_.IsRealPrinter()) {
    PrintToPdf(false);
    return;
  }
  QPrinter& printer = printer_.printer();
  // The range offered is that of the layout the printer will get, not the screen's.
  int first = 1, last = 1;
  if (!RunPrintDialog(CountPrintedPages(printer), first, last)) {
    EndPrinting();
    return;
  }
  last = std::min(last, CountPrintedPages(printer));
  if (first <= last && !PrintPages(printer, first, last))
    prompts_.Show(MessageText(MessageId::CannotRun), PromptButtons::Ok);
  EndPrinting();
}

void ViewPrinting::OnFilePrintAll() {
  if (!printer_.IsRealPrinter()) {
    PrintToPdf(true);
    return;
  }
  QPrinter& printer = printer_.printer();
  const int resolution = printer.resolution();
  const std::size_t offered = ReportPages(controller_, resolution, resolution).size();
  if (offered == 0) {
    prompts_.Show(MessageText(MessageId::NothingToReport), PromptButtons::Ok);
    return;
  }
  int first = 1, last = 1;
  if (!RunPrintDialog(static_cast<int>(offered), first, last)) {
    EndPrinting();
    return;
  }
  // The range is bounded by the pages the printer chosen in the dialog will get.
  const int chosenResolution = printer.resolution();
  const std::vector<ReportPage> all = ReportPages(controller_, chosenResolution, chosenResolution);
  last = std::min<long long>(last, static_cast<long long>(all.size()));
  if (first <= last) {
    const std::vector<ReportPage> range(all.begin() + (first - 1), all.begin() + last);
    if (!PrintPageList(printer, range))
      prompts_.Show(MessageText(MessageId::CannotRun), PromptButtons::Ok);
  }
  EndPrinting();
}

void ViewPrinting::OnFilePrintPreview() {
  QPrinter& printer = printer_.printer();
  {
    // The pages are worked out before the preview opens: its paint only draws them.
    WaitCursor wait;
    const int resolution = printer.resolution();
    PreparePages(controller_, ShownDisplayPages(controller_, 1, CountPrintedPages(printer)),
                 resolution, resolution);
  }
  QPrintPreviewDialog preview(&printer, hooks_.parent);
  QObject::connect(
      &preview, &QPrintPreviewDialog::paintRequested, &preview,
      [this](QPrinter* printer) { PrintPages(*printer, 1, CountPrintedPages(*printer)); });
  preview.exec();
  EndPrinting();
}

void ViewPrinting::OnFileSaveReport() {
  const std::vector<ReportPage> pages = ReportPages(controller_, kPaperDpi, kPaperDpi);
  if (pages.empty()) {
    prompts_.Show(MessageText(MessageId::NothingToReport), PromptButtons::Ok);
    return;
  }
  std::optional<std::string> path = ChoosePdfFile(MessageText(MessageId::SaveReportTitle));
  if (!path) return;
  const DeviceGeometry& g = controller_.state().geometry;
  const PdfPaper paper = PdfPaperOfSize(g.paperWidthMm, g.paperHeightMm, kPaperDpi,
                                        std::filesystem::path(*path).stem().string());
  const WriteOutcome outcome = WritePdfPages(controller_, *path, paper, pages);
  TellFontsNotMade();
  if (!outcome.ok) {
    prompts_.Show(SaveFailureText(outcome, *path), PromptButtons::Ok);
    return;
  }
  ReportWritten(*path);
}

}  // namespace qel
