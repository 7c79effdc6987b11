// The view window: display commands of the menu and the tool bar, paging keys, scrolling and
// the painted page.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "app/app_fixture.h"
#include "app/screenshot.h"
#include "platform/messages.h"
#include "support/figure_range_edit.h"
#include "support/worst_document.h"

namespace qel::test {
namespace {

const CommandId kDisplayCommands[] = {
    CommandId::ShowStripFigure,    CommandId::ShowStripData,
    CommandId::ShowStripResults,   CommandId::ShowRectCircleFigure,
    CommandId::ShowRectCircleData, CommandId::ShowRectCircleResults};

class ViewTest : public AppTest {
 protected:
  void Open(const std::string& example) {
    ASSERT_TRUE(Start({QString::fromStdString(Example(example))}));
    view().setFocus();
  }
  int Mode() { return DisplayNumber(state().view.displayMode); }
  int Page() { return state().view.currentPage; }
  // The display commands whose menu items carry a check mark.
  std::vector<CommandId> Checked() {
    std::vector<CommandId> checked;
    for (CommandId id : kDisplayCommands)
      if (Action(id).isChecked()) checked.push_back(id);
    return checked;
  }
  void ClickToolBar(CommandId id) {
    QWidget* button = frame().toolBar()->widgetForAction(&Action(id));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
  }
  void Key(Qt::Key key) { QTest::keyClick(&view(), key); }
};

TEST_F(ViewTest, MenuSwitchesDisplaysWithCheckMarks) {
  Open("embankment.qdw");
  EXPECT_EQ(Checked(), std::vector<CommandId>{CommandId::ShowStripFigure});
  const int modes[] = {1, 2, 3, 4, 5, 6};
  for (int i = 0; i < 6; ++i) {
    Action(kDisplayCommands[i]).trigger();
    EXPECT_EQ(Mode(), modes[i]);
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(Checked(), std::vector<CommandId>{kDisplayCommands[i]});
  }
  // Choosing the shown display again keeps its check mark.
  Action(CommandId::ShowRectCircleResults).trigger();
  EXPECT_EQ(Checked(), std::vector<CommandId>{CommandId::ShowRectCircleResults});
}

TEST_F(ViewTest, ToolBarSwitchesWithinTheProblemAndTheFigureKeepsItsPosition) {
  Open("embankment.qdw");
  // Narrow pages, so the figure has several.
  test::ChangeFigureRange(state(), Problem::Strip, [](FigureRange& range) {
    range.rangeX = 20;
    range.pageOverlap = 0;
  });
  Action(CommandId::ShowStripFigure).trigger();
  const double left = test::RangeOf(state(), Problem::Strip).leftX;
  EXPECT_EQ(state().view.screenLeftX, left);
  Key(Qt::Key_Right);
  EXPECT_EQ(state().view.screenLeftX, left + 20);
  EXPECT_EQ(Page(), 2);

  ClickToolBar(CommandId::ToolbarResults);
  EXPECT_EQ(Mode(), 3);
  EXPECT_EQ(Page(), 1);
  EXPECT_EQ(Checked(), std::vector<CommandId>{CommandId::ShowStripResults});
  ClickToolBar(CommandId::ToolbarData);
  EXPECT_EQ(Mode(), 2);
  ClickToolBar(CommandId::ToolbarFigure);
  EXPECT_EQ(Mode(), 1);
  EXPECT_EQ(Page(), 1);
  EXPECT_EQ(state().view.screenLeftX, left + 20);  // where the figure was left
  // The menu brings the figure back to its left edge.
  Action(CommandId::ShowStripFigure).trigger();
  EXPECT_EQ(state().view.screenLeftX, left);

  // From the plan figure the tool bar stays with rectangles and circles.
  Action(CommandId::ShowRectCircleFigure).trigger();
  ClickToolBar(CommandId::ToolbarData);
  EXPECT_EQ(Mode(), 5);
  ClickToolBar(CommandId::ToolbarResults);
  EXPECT_EQ(Mode(), 6);
  Key(Qt::Key_Down);  // a page of a one-page display: nothing to turn
  ClickToolBar(CommandId::ToolbarResults);
  EXPECT_EQ(Mode(), 6);
}

TEST_F(ViewTest, ArrowKeysTurnTheFigurePages) {
  Open("embankment.qdw");
  test::ChangeFigureRange(state(), Problem::Strip, [](FigureRange& range) {
    range.rangeX = 30;
    range.pageOverlap = 5;
  });
  Action(CommandId::ShowStripFigure).trigger();
  const int pages = view().controller().CountPages();
  ASSERT_GE(pages, 2);
  const double left = test::RangeOf(state(), Problem::Strip).leftX;
  Key(Qt::Key_Left);  // already at the left edge
  EXPECT_EQ(state().view.screenLeftX, left);
  EXPECT_EQ(Page(), 1);
  Key(Qt::Key_Right);
  EXPECT_EQ(state().view.screenLeftX, left + 25);
  EXPECT_EQ(Page(), 2);
  Key(Qt::Key_Down);  // one row of pages: Down does nothing on a figure
  EXPECT_EQ(Page(), 2);
  // Page Down scrolls down the page taller than the window before it would turn one.
  ASSERT_GT(view().verticalScrollBar()->maximum(), 0);
  Key(Qt::Key_PageDown);
  EXPECT_EQ(Page(), 2);
  EXPECT_EQ(view().verticalScrollBar()->value(), std::min(view().verticalScrollBar()->pageStep(),
                                                          view().verticalScrollBar()->maximum()));
  for (int i = 0; i < pages + 3; ++i)
    Key(Qt::Key_Right);
  EXPECT_EQ(Page(), pages);
  EXPECT_LT(state().view.screenLeftX, state().view.figureExtentX);
  for (int i = 0; i < pages + 3; ++i)
    Key(Qt::Key_Left);
  EXPECT_EQ(state().view.screenLeftX, left);
  EXPECT_EQ(Page(), 1);
}

TEST_F(ViewTest, UpDownAndPageKeysTurnTheTablePages) {
  Open("embankment.qdw");
  Action(CommandId::ShowStripResults).trigger();  // the strip results run over several pages
  Action(CommandId::ZoomFitPage)
      .trigger();                 // the whole page in the window: Page Down turns at once
  QApplication::processEvents();  // the scroll bars go
  const int pages = view().controller().CountPages();
  ASSERT_GE(pages, 3);
  Key(Qt::Key_Down);
  EXPECT_EQ(Page(), 2);
  Key(Qt::Key_PageDown);
  EXPECT_EQ(Page(), 3);
  Key(Qt::Key_Right);  // figure keys do nothing on a table
  Key(Qt::Key_Left);
  EXPECT_EQ(Page(), 3);
  Key(Qt::Key_Up);
  Key(Qt::Key_PageUp);
  Key(Qt::Key_PageUp);
  EXPECT_EQ(Page(), 1);
  for (int i = 0; i < pages + 2; ++i)
    Key(Qt::Key_PageDown);
  EXPECT_EQ(Page(), pages);
  EXPECT_EQ(view().verticalScrollBar()->value(), 0);
}

// The scroll area is the page and its margin: scrolling stops at the page's edge. The line
// step follows the screen width.
TEST_F(ViewTest, ScrollAreaIsThePageAndTheStepFollowsTheScreenWidth) {
  Open("embankment.qdw");
  const ScrollSizes expected = ViewController::ScrollSizesFor(frame().screenWidth());
  EXPECT_EQ(view().verticalScrollBar()->singleStep(), expected.line);
  const PageView page = view().pageView();
  EXPECT_EQ(page.pageHeight, PaperPixels(state().geometry.paperHeightMm, view().logicalDpiY()));
  EXPECT_EQ(view().verticalScrollBar()->maximum(),
            page.pageHeight + 2 * page.margin - view().viewport()->height());
  EXPECT_EQ(view().horizontalScrollBar()->maximum(), page.MaxScrollX());
}

// A page that takes long to prepare (the plan of settlement of the largest document: a fine field
// under 80 loads) leaves the window served meanwhile: a resize then reaches the view at once, and
// its refresh comes once the page is ready, so that the scroll area is the new size's.
TEST_F(ViewTest, AResizeWhileThePageIsPreparedIsTakenOnceItIsReady) {
  Open("building.qdw");
  FillWorstDocument(state(), false);
  DocumentTables cells = state().document.cells();
  cells.soilLines = kSpeedCheckProfile;
  state().document.Replace(cells);
  Action(CommandId::ShowRectCircleFigure).trigger();
  QApplication::processEvents();
  const QSize before = view().viewport()->size();
  QSize duringPreparation;
  QTimer::singleShot(0, &frame(), [&] {
    frame().resize(frame().width() - 150, frame().height() - 100);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    duringPreparation = view().viewport()->size();
  });
  Action(CommandId::ShowSettlementMap).trigger();
  ASSERT_TRUE(duringPreparation.isValid())
      << "the window was not served while the page was prepared";
  EXPECT_NE(duringPreparation, before);
  const PageView page = view().pageView();
  EXPECT_EQ(view().verticalScrollBar()->maximum(), page.MaxScrollY());
  EXPECT_EQ(view().horizontalScrollBar()->maximum(), page.MaxScrollX());
  EXPECT_EQ(view().viewport()->size(), duringPreparation);
}

// Every display of both examples paints its page.
TEST_F(ViewTest, EveryDisplayPaintsItsPage) {
  for (const std::string example : {"embankment", "building"}) {
    app.reset();
    Open(example + ".qdw");
    frame().resize(1200, 900);
    for (int i = 0; i < 6; ++i) {
      SCOPED_TRACE(example + " display " + std::to_string(i + 1));
      Action(kDisplayCommands[i]).trigger();
      QApplication::processEvents();
      const QImage window = frame().grab().toImage();
      SaveScreenshot(window, QString("%1-%2").arg(QString::fromStdString(example)).arg(i + 1));
      const QImage page = view().viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
      // The white page carries the display's lines and texts.
      EXPECT_EQ(page.pixel(page.width() - 2, page.height() - 2), qRgb(255, 255, 255));
      EXPECT_GT(InkedPixels(page, page.rect()), 1000);  // at least the title
    }
  }
}

// A font that cannot be made is told from the event loop after the paint, never inside it: once
// while the paints keep failing, again when it fails after a paint that made every font, and
// once for a print job.
TEST_F(ViewTest, AFontThatCannotBeMadeIsToldOnceAfterThePaint) {
  Open("embankment.qdw");
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame()));
  QApplication::processEvents();  // the first paints, with the shipped fonts
  FontSlot& title = state().fonts[kTitleFont];
  const std::string face = title.faceName;
  auto paint = [this](const std::string& titleFace) {
    state().fonts[kTitleFont].faceName = titleFace;
    view().viewport()->repaint();
    const int duringThePaint = prompts.CountShown(kCannotCreateFontText);
    QApplication::processEvents();
    return std::pair{duringThePaint, prompts.CountShown(kCannotCreateFontText)};
  };
  using Told = std::pair<int, int>;
  EXPECT_EQ(paint("   "), (Told{0, 1}));  // blanks name no face
  EXPECT_EQ(paint("   "), (Told{1, 1}));
  EXPECT_EQ(paint(face), (Told{1, 1}));
  EXPECT_EQ(paint("   "), (Told{1, 2}));
  chooser.ChooseNext(files.File("figure.pdf"));
  Action(CommandId::FilePrint).trigger();
  QApplication::processEvents();
  EXPECT_EQ(prompts.CountShown(kCannotCreateFontText), 3);
  EXPECT_EQ(prompts.shown().size(), 3u);
  EXPECT_EQ(title.faceName, "   ");
}

// Each menu opened, with the check mark of the shown display.
TEST_F(ViewTest, OpenedMenusShowTheirItems) {
  Open("building.qdw");
  Action(CommandId::ShowRectCircleData).trigger();
  const QList<QAction*> menus = frame().menuBar()->actions();
  for (int i = 0; i < menus.size(); ++i) {
    QMenu* menu = menus[i]->menu();
    menu->popup(frame().mapToGlobal(QPoint(10, 30)));
    QApplication::processEvents();
    const QImage image = menu->grab().toImage();
    SaveScreenshot(image, QString("menu-%1").arg(i + 1));
    EXPECT_GT(image.height(), 20 * (menu->actions().size() / 2));
    menu->hide();
  }
  EXPECT_TRUE(Action(CommandId::ShowRectCircleData).isChecked());
}

}  // namespace
}  // namespace qel::test
