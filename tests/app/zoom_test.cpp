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
      {[&] { Action(32810).trigger(); }, 1.1},
      {[&] { Action(32810).trigger(); }, 1.25},
      {[&] { Action(32811).trigger(); }, 1.1},
      {[&] { Action(32812).trigger(); }, 1.0},
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
    Action(plan ? 32786 : 32785).trigger();  // the example's own figure
    const QSize window = view().maximumViewportSize();

    Action(32813).trigger();  // ページ全体
    Settle();
    PageView page = view().pageView();
    EXPECT_LE(page.pageWidth + 2 * page.margin, window.width());
    EXPECT_LE(page.pageHeight + 2 * page.margin, window.height());
    EXPECT_GE(page.pageHeight + 2 * page.margin, window.height() - 5);  // the height limits
    EXPECT_EQ(Vertical().maximum(), 0);
    EXPECT_EQ(Horizontal().maximum(), 0);
    EXPECT_TRUE(Action(32813).isChecked());
    SaveScreenshot(frame().grab().toImage(), QString::fromStdString(example + "-fit-page"));

    Action(32814).trigger();  // 幅に合わせる
    Settle();
    Vertical().setValue(0);
    page = view().pageView();
    EXPECT_LE(page.pageWidth + 2 * page.margin, view().viewport()->width());
    EXPECT_GE(page.pageWidth + 2 * page.margin, view().viewport()->width() - 5);
    EXPECT_EQ(Horizontal().maximum(), 0);
    EXPECT_GT(Vertical().maximum(), 0);  // A4 portrait is taller than the window is wide
    EXPECT_TRUE(Action(32814).isChecked());
    EXPECT_FALSE(Action(32813).isChecked());
    SaveScreenshot(frame().grab().toImage(), QString::fromStdString(example + "-fit-width"));

    // The fit follows the window.
    const double before = Factor();
    frame().resize(800, 850);
    Settle();
    EXPECT_LT(Factor(), before);

    Action(32812).trigger();  // 100 %
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
    Action(plan ? 32792 : 32790).trigger();
    for (int id : {32812, 32813, 32814}) {
      Action(id).trigger();
      Settle();
      Vertical().setValue(0);
      EXPECT_GT(InkedPixels(view().viewport()->grab().toImage(), view().viewport()->rect()), 1000);
      SaveScreenshot(frame().grab().toImage(),
                     QString("%1-results-%2").arg(QString::fromStdString(example)).arg(id));
    }
  }
}

// Zooming keeps the point of the page under the window's centre where it was.
TEST_F(ZoomTest, ZoomKeepsThePageCentred) {
  Open("building.qdw");
  Action(32791).trigger();
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
  for (int id : {32810, 32810, 32810, 32811, 32812}) {
    Action(id).trigger();
    Settle();
    const auto after = centreOfPage();
    EXPECT_NEAR(after.first, before.first, 0.01) << id;
    EXPECT_NEAR(after.second, before.second, 0.01) << id;
  }
}

TEST_F(ZoomTest, EachDisplayKeepsItsZoomForTheRunAndInTheProfile) {
  Open("embankment.qdw");
  Action(32785).trigger();  // strip figure: 150 %
  Action(32810).trigger();
  Action(32810).trigger();
  Action(32810).trigger();
  Action(32790).trigger();  // strip results: the whole page
  Action(32813).trigger();
  Action(32789).trigger();  // strip data: as it was
  EXPECT_DOUBLE_EQ(Factor(), 1.0);
  Action(32785).trigger();
  EXPECT_DOUBLE_EQ(Factor(), 1.5);
  EXPECT_EQ(profile.Value("View", "Zoom1"), "150");
  EXPECT_EQ(profile.Value("View", "Zoom3"), "fit-page");

  app.reset();  // the next run of the program
  Open("embankment.qdw");
  EXPECT_DOUBLE_EQ(Factor(), 1.5);  // it starts on the strip figure
  Action(32790).trigger();
  EXPECT_EQ(view().shownZoom().mode, ZoomMode::FitPage);
  Action(32786).trigger();
  EXPECT_DOUBLE_EQ(Factor(), 1.0);
}

TEST_F(ZoomTest, TheStatusBarCountsThePagesOfTheDisplayShown) {
  Open("embankment.qdw");
  const int figurePages = view().controller().CountPages();
  EXPECT_EQ(StatusText("pageText"), QString("ページ 1 / %1").arg(figurePages));
  Action(32790).trigger();
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
