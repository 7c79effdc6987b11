// The single view: the current page of the current display as a sheet of paper in the window,
// zoomed, scrolled and paged with the keys; its printing is ViewPrinting's.
#pragma once

#include <QAbstractScrollArea>
#include <string>

#include "app/page_preparer.h"
#include "app/view_printing.h"
#include "engine/circle_method.h"
#include "view/display_table.h"
#include "view/page_view.h"
#include "view/view_controller.h"

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

  // The first update, then the scroll area, showing the document from its start.
  void OnInitialUpdate();
  // The one way the window learns of a change of the document, the settings or what is shown:
  // the page count is worked out again (a page beyond it goes back to 1), a fitted zoom is
  // fitted again, the scroll ranges are set, the page is repainted, and displayChanged tells the
  // frame to refresh its check marks, status bar and command states. Every command ends here.
  void Refresh();
  // A document was opened or made new: after an update, the view shows it from its start, the
  // first figure with content (the strip figure, else the rectangle/circle figure) at the top
  // of page 1.
  void ShowDocumentStart();
  // How circles are computed; a change is kept in the profile and recomputes what is shown.
  void SetCircleMethod(CircleMethod method);
  CircleMethod circleMethod() const;
  // Where the zoom of each display is kept between runs (nullptr: for this run only); the
  // zooms kept there are read at once.
  void UseProfile(Profile* profile);

  // The view menu's display commands, by display number, and the tool bar's kind buttons
  // (ViewController::ShowDisplayNumber and ShowKind), then the refresh.
  void ShowDisplayNumber(int number);
  void ShowKind(DisplayKind kind);

  // The zoom of the display shown: a step in or out, the printed size, a fit to the page or to
  // its width. The point of the page at the window's centre stays there.
  void ZoomIn();
  void ZoomOut();
  void ZoomActualSize();
  void ZoomFitPage();
  void ZoomFitWidth();
  void SetZoom(const DisplayZoom& zoom);
  const DisplayZoom& shownZoom() const;

  // "ページ n / N" of the display shown, and its zoom ("100%"), for the status bar.
  QString PageText() const;
  QString ZoomText() const;

  ViewController& controller() { return controller_; }
  // The page in the window as it is painted now.
  PageView pageView() const;
  // Printing and PDF output of the displays.
  ViewPrinting& printing() { return printing_; }

 signals:
  // Sent by Refresh only: the display, its page, its zoom or the document changed, and check
  // marks, the status bar and the command states need refreshing.
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
  // Counts the pages of the display shown and prepares its page on the preparer's thread,
  // serving the window meanwhile.
  void PrepareShownPage();
  // Works out a fit again and sets the scroll ranges and steps for the page as it is now.
  void UpdateScrollBars();
  void SaveZoom();
  // "Can't create font": drawing never tells it itself (see ViewController::OnDraw).
  void TellFontNotMade();

  ViewController& controller_;
  PromptService& prompts_;
  int screenWidth_;
  int lineStep_ = 0;
  Profile* profile_ = nullptr;
  PagePreparer preparer_;
  bool preparing_ = false;     // the preparer's thread works on the page: the paint waits
  bool refreshAgain_ = false;  // a Refresh was asked for while the page was prepared
  QSize paintedSize_;          // the viewport's size at the last paint of a page
  int shownPages_ = 1;         // the page count of the display shown, as of the last Refresh
  int wheelZoom_ = 0;          // eighths of a degree of Ctrl+wheel not yet turned into zoom steps
  bool updatingScrollBars_ = false;
  ViewPrinting printing_;
};

}  // namespace qel
