// Printing and PDF output of the displays: the print dialog, its preview, printing every
// display, and the PDF files written in place of a printer or as the report.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "view/report.h"

class QPrinter;
class QWidget;

namespace qel {

class FileChooser;
class PromptService;
class QtApplicationPrinter;

class ViewPrinting {
 public:
  // What printing asks of the window it prints for.
  struct WindowHooks {
    QWidget* parent = nullptr;  // of the print and preview dialogs
    // The printer or its paper may have changed, or printing ended: the window shows the
    // display as it is now.
    std::function<void()> refresh;
    // A short note for the status bar, such as where a PDF file went.
    std::function<void(const QString&)> showStatus;
  };

  ViewPrinting(ViewController& controller, QtApplicationPrinter& printer, FileChooser& chooser,
               PromptService& prompts, WindowHooks hooks);

  // The path of the document's file (empty while it has none), for the names proposed for PDF
  // files.
  void SetDocumentPath(std::function<std::string()> documentPath);

  // "印刷": the print dialog bounded by the pages the printer will get; without a printer the
  // pages go to a PDF file.
  void OnFilePrint();
  // "すべての表示を印刷": the same for every display with content, one after another.
  void OnFilePrintAll();
  // "印刷ﾌﾟﾚﾋﾞｭｰ".
  void OnFilePrintPreview();
  // "報告書をPDFで保存": every display with content into one PDF file.
  void OnFileSaveReport();

  // Draws pages `first`..`last` of the current display on `printer`; false when the printer
  // cannot be drawn on.
  bool PrintPages(QPrinter& printer, int first, int last);
  // The pages the printer would get of the current display.
  int CountPrintedPages(const QPrinter& printer);

 private:
  // Printing or its preview ended: a font the pages could not make is told once, and the
  // window shows the display again.
  void EndPrinting();
  void TellFontsNotMade();
  // Prints `pages` (of any displays) on `printer`; false when the printer cannot be drawn on.
  bool PrintPageList(QPrinter& printer, const std::vector<ReportPage>& pages);
  // The print dialog bounded by `pages` pages; the range chosen, or nothing when cancelled.
  bool RunPrintDialog(int pages, int& first, int& last);
  // Without a printer: the pages (of the display shown, or of every display) go to a PDF file
  // chosen in a dialog that says so.
  bool PrintToPdf(bool allDisplays);
  // Asks for the PDF file to write, proposing the document's name in its folder.
  std::optional<std::string> ChoosePdfFile(const std::string& title);
  void ReportWritten(const std::string& path);

  ViewController& controller_;
  QtApplicationPrinter& printer_;
  FileChooser& chooser_;
  PromptService& prompts_;
  WindowHooks hooks_;
  std::function<std::string()> documentPath_;
};

}  // namespace qel
