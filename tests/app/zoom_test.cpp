// The page view's zoom in the window: commands, keys and the wheel, fits to the window, the
// page kept centred, the zoom of each display kept for the run and in the profile, the page
// count in the status bar, and pictures of each zoom.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QWheelEvent>

#include "app/app_fixture.h"
#include "app/screenshot.h"

namespace qel::test {
namespace {

class ZoomTest : public AppTest {
 protected:
  void Open(const std::string& example) {
    ASSERT_TRUE(Start({QString::fromStdString(Example(example))}));
    frame().resize(1100, 850);
    QApplication::processEvents();
    view().setFocus();
  }
  double Factor() { return view().shownZoom().factor; }
  QScrollBar& Vertical() { return *view().verticalScrollBar(); }
  QScrollBar& Horizontal() { return *view().horizontalScrollBar(); }
  void Settle() { QApplication::processEvents(); }
  QString StatusText(const char* name) {
    auto* label = frame().statusBar()->findChild<QLabel*>(name);
    return label ? label->text() : QString();
  }
  void Wheel(int delta, Qt::KeyboardModifiers modifiers) {
    const QPointF at(100, 100);
    QWheelEvent event(at, view().viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view().viewport(), &event);
  }
};

TEST_F(ZoomTest, CommandsKeysAndTheWheelStepTheZoom) {
  Open("embankment.qdw");
  EXPECT_DOUBLE_EQ(Factor(), 1.0);
  EXPECT_EQ(StatusText("zoomText"), "100%");
  struct Step {
    std::function<void()> act;
    double factor;
  };
  const Step steps[] = {
      {[&] { Action(CommandId::ZoomIn).trigger(); }, 1.1},
      {[&] { Action(CommandId::ZoomIn).trigger(); }, 1.25},
      {[&] { Action(CommandId::ZoomOut).trigger(); }, 1.1},
      {[&] { Action(CommandId::ZoomActualSize).trigger(); }, 1.0},
      {[&] { QTest::keyClick(&view(), Qt::Key_Plus, Qt::ControlModifier); }, 1.1},
      {[&] { QTest::keyClick(&view(), Qt::Key_Equal, Qt::ControlModifier); }, 1.25},
      {[&] { QTest::keyClick(&view(), Qt::Key_Minus, Qt::ControlModifier); }, 1.1},
      {[&] { QTest::keyClick(&view(), Qt::Key_0, Qt::ControlModifier); }, 1.0},
      {[&] { Wheel(240, Qt::ControlModifier); }, 1.25},  // two notches
      {[&] { Wheel(-120, Qt::ControlModifier); }, 1.1},
      {[&] { Wheel(60, Qt::ControlModifier); }, 1.1},  // half a notch waits for the other half
      {[&] { Wheel(60, Qt::ControlModifier); }, 1.25},
      {[&] { Wheel(-120, Qt::NoModifier); }, 1.25},  // without Ctrl the wheel scrolls
  };
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    steps[i].act();
    EXPECT_DOUBLE_EQ(Factor(), steps[i].factor) << "step " << i;
  }
  EXPECT_EQ(StatusText("zoomText"), "125%");
  EXPECT_GT(Vertical().value(), 0);  // the plain wheel scrolled down
}

// The page at its zoom sets the scroll area, and a fit leaves no scrolling that is not needed.
TEST_F(ZoomTest, FitsTheWholePageOrItsWidthToTheWindow) {
  for (const std::string example : {"embankment", "building"}) {
    SCOPED_TRACE(example);
    app.reset();
    Open(example + ".qdw");
    const bool plan = example == "building";
    Action(plan ? CommandId::ShowRectCircleFigure : CommandId::ShowStripFigure)
        .trigger();  // the example's own figure
    const QSize window = view().maximumViewportSize();

    Action(CommandId::ZoomFitPage).trigger();  // ページ全体
    Settle();
    PageView page = view().pageView();
    EXPECT_LE(page.pageWidth + 2 * page.margin, window.width());
    EXPECT_LE(page.pageHeight + 2 * page.margin, window.height());
    EXPECT_GE(page.pageHeight + 2 * page.margin, window.height() - 5);  // the height limits
    EXPECT_EQ(Vertical().maximum(), 0);
    EXPECT_EQ(Horizontal().maximum(), 0);
    EXPECT_TRUE(Action(CommandId::ZoomFitPage).isChecked());
    SaveScreenshot(frame().grab().toImage(), QString::fromStdString(example + "-fit-page"));

    Action(CommandId::ZoomFitWidth).trigger();  // 幅に合わせる
    Settle();
    Vertical().setValue(0);
    page = view().pageView();
    EXPECT_LE(page.pageWidth + 2 * page.margin, view().viewport()->width());
    EXPECT_GE(page.pageWidth + 2 * page.margin, view().viewport()->width() - 5);
    EXPECT_EQ(Horizontal().maximum(), 0);
    EXPECT_GT(Vertical().maximum(), 0);  // A4 portrait is taller than the window is wide
    EXPECT_TRUE(Action(CommandId::ZoomFitWidth).isChecked());
    EXPECT_FALSE(Action(CommandId::ZoomFitPage).isChecked());
    SaveScreenshot(frame().grab().toImage(), QString::fromStdString(example + "-fit-width"));

    // The fit follows the window.
    const double before = Factor();
    frame().resize(800, 850);
    Settle();
    EXPECT_LT(Factor(), before);

    Action(CommandId::ZoomActualSize).trigger();  // 100 %
    frame().resize(1100, 850);
    Settle();
    page = view().pageView();
    EXPECT_EQ(page.pageWidth, PaperPixels(state().geometry.paperWidthMm, view().logicalDpiX()));
    EXPECT_EQ(Vertical().maximum(),
              page.pageHeight + 2 * page.margin - view().viewport()->height());
    QTest::keyClick(&view(), Qt::Key_Home);
    EXPECT_EQ(Vertical().value(), 0);
    SaveScreenshot(frame().grab().toImage(), QString::fromStdString(example + "-100"));

    // The results table at the three zooms, for people to look at.
    Action(plan ? CommandId::ShowRectCircleResults : CommandId::ShowStripResults).trigger();
    for (CommandId id :
         {CommandId::ZoomActualSize, CommandId::ZoomFitPage, CommandId::ZoomFitWidth}) {
      Action(id).trigger();
      Settle();
      Vertical().setValue(0);
      EXPECT_GT(InkedPixels(view().viewport()->grab().toImage(), view().viewport()->rect()), 1000);
      SaveScreenshot(
          frame().grab().toImage(),
          QString("%1-results-%2").arg(QString::fromStdString(example)).arg(static_cast<int>(id)));
    }
  }
}

// Zooming keeps the point of the page under the window's centre where it was.
TEST_F(ZoomTest, ZoomKeepsThePageCentred) {
  Open("building.qdw");
  Action(CommandId::ShowRectCircleData).trigger();
  Settle();
  Vertical().setValue(Vertical().maximum() / 2);
  auto centreOfPage = [&] {
    const PageView page = view().pageView();
    const double x =
        (view().viewport()->width() / 2.0 - page.PageLeft(Horizontal().value())) / page.pageWidth;
    const double y =
        (view().viewport()->height() / 2.0 - page.PageTop(Vertical().value())) / page.pageHeight;
    return std::pair<double, double>{x, y};
  };
  const auto before = centreOfPage();
  for (CommandId id : {CommandId::ZoomIn, CommandId::ZoomIn, CommandId::ZoomIn, CommandId::ZoomOut,
                       CommandId::ZoomActualSize}) {
    Action(id).trigger();
    Settle();
    const auto after = centreOfPage();
    EXPECT_NEAR(after.first, before.first, 0.01) << static_cast<int>(id);
    EXPECT_NEAR(after.second, before.second, 0.01) << static_cast<int>(id);
  }
}

TEST_F(ZoomTest, EachDisplayKeepsItsZoomForTheRunAndInTheProfile) {
  Open("embankment.qdw");
  Action(CommandId::ShowStripFigure).trigger();  // strip figure: 150 %
  Action(CommandId::ZoomIn).trigger();
  Action(CommandId::ZoomIn).trigger();
  Action(CommandId::ZoomIn).trigger();
  Action(CommandId::ShowStripResults).trigger();  // strip results: the whole page
  Action(CommandId::ZoomFitPage).trigger();
  Action(CommandId::ShowStripData).trigger();  // strip data: as it was
  EXPECT_DOUBLE_EQ(Factor(), 1.0);
  Action(CommandId::ShowStripFigure).trigger();
  EXPECT_DOUBLE_EQ(Factor(), 1.5);
  EXPECT_EQ(profile.Value("View", "Zoom1"), "150");
  EXPECT_EQ(profile.Value("View", "Zoom3"), "fit-page");

  app.reset();  // the next run of the program
  Open("embankment.qdw");
  EXPECT_DOUBLE_EQ(Factor(), 1.5);  // it starts on the strip figure
  Action(CommandId::ShowStripResults).trigger();
  EXPECT_EQ(view().shownZoom().mode, ZoomMode::FitPage);
  Action(CommandId::ShowRectCircleFigure).trigger();
  EXPECT_DOUBLE_EQ(Factor(), 1.0);
}

TEST_F(ZoomTest, TheStatusBarCountsThePagesOfTheDisplayShown) {
  Open("embankment.qdw");
  const int figurePages = view().controller().CountPages();
  EXPECT_EQ(StatusText("pageText"), QString("ページ 1 / %1").arg(figurePages));
  Action(CommandId::ShowStripResults).trigger();
  const int resultPages = view().controller().CountPages();
  ASSERT_GE(resultPages, 3);
  EXPECT_EQ(StatusText("pageText"), QString("ページ 1 / %1").arg(resultPages));
  QTest::keyClick(&view(), Qt::Key_Down);
  EXPECT_EQ(StatusText("pageText"), QString("ページ 2 / %1").arg(resultPages));
  QTest::keyClick(&view(), Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(StatusText("pageText"), QString("ページ %1 / %1").arg(resultPages));
  QTest::keyClick(&view(), Qt::Key_Home);
  EXPECT_EQ(StatusText("pageText"), QString("ページ 1 / %1").arg(resultPages));
}

}  // namespace
}  // namespace qel::test
