// The single view: the current page of the current display, scrolled, painted at its printed
// size, paged with the cursor keys, and printed.
#pragma once

#include <QAbstractScrollArea>

#include "view/view_controller.h"

class QPrinter;

namespace qel {

class FileChooser;
class PromptService;
class QtApplicationPrinter;

class CQelView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // `screenWidth`: the width of the screen in pixels when the program started, which sets the
  // size of the scroll area.
  CQelView(ViewController& controller, QtApplicationPrinter& printer, FileChooser& chooser,
           PromptService& prompts, int screenWidth, QWidget* parent = nullptr);

  // The first update, then the scroll area.
  void OnInitialUpdate();
  // After every change of the document: settings, printer page and a repaint.
  void OnUpdate();

  // The menu's six display commands and the tool bar's three.
  void OnDisplayCommand(CommandId command);
  void OnToolbarCommand(CommandId command);
  bool IsDisplayChecked(CommandId command) const { return controller_.IsDisplayChecked(command); }

  // "印刷": the print dialog bounded by the pages the printer will get; without a printer the
  // pages go to a PDF file chosen by the user.
  void OnFilePrint();
  // "印刷ﾌﾟﾚﾋﾞｭｰ".
  void OnFilePrintPreview();
  // Draws pages `first`..`last` of the current display on `printer`; false when the printer
  // cannot be drawn on.
  bool PrintPages(QPrinter& printer, int first, int last);
  // The pages the printer would get of the current display.
  int CountPrintedPages(const QPrinter& printer);

  ViewController& controller() { return controller_; }
  const ScrollSizes& scrollSizes() const { return scrollSizes_; }
  // The path of the last PDF written in place of a printer.
  const std::string& lastPdfPath() const { return lastPdfPath_; }

 signals:
  // The display or its page changed: check marks and the like need refreshing.
  void displayChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void UpdateScrollBars();
  // The screen is repainted once printing or its preview ends.
  void OnEndPrinting();
  bool PrintToPdf();

  ViewController& controller_;
  QtApplicationPrinter& printer_;
  FileChooser& chooser_;
  PromptService& prompts_;
  int screenWidth_;
  ScrollSizes scrollSizes_;
  std::string lastPdfPath_;
};

}  // namespace qel
