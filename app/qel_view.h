// The single view: the current page of the current display as a sheet of paper in the window,
// zoomed, scrolled, paged with the keys, and printed.
#pragma once

#include <QAbstractScrollArea>
#include <QPageLayout>
#include <functional>
#include <string>
#include <vector>

#include "engine/circle_method.h"
#include "settings/safe_file_writer.h"
#include "view/page_view.h"
#include "view/report.h"
#include "view/view_controller.h"

class QPrinter;

namespace qel {

class FileChooser;
class Profile;
class PromptService;
class QtApplicationPrinter;

class CQelView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // `screenWidth`: the width of the screen in pixels when the program started, which sets the
  // scroll step.
  CQelView(ViewController& controller, QtApplicationPrinter& printer, FileChooser& chooser,
           PromptService& prompts, int screenWidth, QWidget* parent = nullptr);

  // The first update, then the scroll area.
  void OnInitialUpdate();
  // After every change of the document: settings, printer page and a repaint.
  void OnUpdate();
  // How circles are computed; a change is kept in the profile and recomputes what is shown.
  void SetCircleMethod(CircleMethod method);
  CircleMethod circleMethod() const;
  // The printer's paper may have changed: the page is sized and fitted again.
  void OnPaperChanged();

  // Where the zoom of each display is kept between runs (nullptr: for this run only); the
  // zooms kept there are read at once.
  void UseProfile(Profile* profile);
  // The path of the document's file (empty while it has none), for the names proposed for PDF
  // files.
  void SetDocumentPath(std::function<std::string()> documentPath);

  // The menu's six display commands and the tool bar's three.
  void OnDisplayCommand(CommandId command);
  void OnToolbarCommand(CommandId command);
  bool IsDisplayChecked(CommandId command) const { return controller_.IsDisplayChecked(command); }

  // The zoom of the display shown: a step in or out, the printed size, a fit to the page or to
  // its width. The point of the page at the window's centre stays there.
  void ZoomIn();
  void ZoomOut();
  void ZoomActualSize();
  void ZoomFitPage();
  void ZoomFitWidth();
  void SetZoom(const DisplayZoom& zoom);
  const DisplayZoom& shownZoom() const;

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

  // "ページ n / N" of the display shown, and its zoom ("100%"), for the status bar.
  QString PageText();
  QString ZoomText() const;

  ViewController& controller() { return controller_; }
  // The page in the window as it is painted now.
  PageView pageView() const;
  // The path of the last PDF written in place of a printer, or as a report.
  const std::string& lastPdfPath() const { return lastPdfPath_; }

 signals:
  // The display, its page or its zoom changed: check marks and the status bar need refreshing.
  void displayChanged();
  // A short note for the status bar, such as where a PDF file went.
  void statusMessage(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  DisplayZoom& ShownZoom();
  // Works out a fit again and sets the scroll ranges and steps for the page as it is now.
  void UpdateScrollBars();
  void SaveZoom();
  // The screen is repainted once printing or its preview ends; a font the pages could not make
  // is told once.
  void OnEndPrinting();
  // "Can't create font": drawing never tells it itself (see ViewController::OnDraw).
  void TellFontNotMade();
  // Prints `pages` (of any displays) on `printer`; false when the printer cannot be drawn on.
  bool PrintPageList(QPrinter& printer, const std::vector<ReportPage>& pages);
  // The print dialog bounded by `pages` pages; the range chosen, or nothing when cancelled.
  bool RunPrintDialog(int pages, int& first, int& last);
  // Without a printer: the pages (of the display shown, or of every display) go to a PDF file
  // chosen in a dialog that says so.
  bool PrintToPdf(bool allDisplays);
  // Writes `pages` into a PDF file on `layout`'s paper at `dpi`, through the safe output file.
  WriteOutcome WritePdf(const std::string& path, const QPageLayout& layout, int dpi,
                        const std::vector<ReportPage>& pages, const std::string& title);
  // Asks for the PDF file to write, proposing the document's name in its folder.
  std::optional<std::string> ChoosePdfFile(const std::string& title);
  void ReportWritten(const std::string& path);

  ViewController& controller_;
  QtApplicationPrinter& printer_;
  FileChooser& chooser_;
  PromptService& prompts_;
  int screenWidth_;
  int lineStep_ = 0;
  Profile* profile_ = nullptr;
  std::function<std::string()> documentPath_;
  int wheelZoom_ = 0;  // eighths of a degree of Ctrl+wheel not yet turned into zoom steps
  bool updatingScrollBars_ = false;
  std::string lastPdfPath_;
};

}  // namespace qel
