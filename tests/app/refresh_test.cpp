// After every command that changes the document, the settings or what is shown, the status bar
// and the scroll area are those a view opened afresh on the same state gives: nothing stays
// stale until the next key.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <set>
#include <utility>
#include <vector>

#include "app/app_fixture.h"
#include "app/command_changes.h"
#include "app/command_table.h"
#include "app/screenshot.h"

namespace qel::test {
namespace {

struct RefreshCase {
  const char* name;
  CommandId command;
  const char* example;      // the document the program starts on
  DisplayMode shownBefore;  // shown at its last page when the command starts
  Change change;
  // Commands run first, as soon as the program has started (what undo and redo take back).
  std::vector<std::pair<CommandId, Change>> before = {};
};

void PrintTo(const RefreshCase& c, std::ostream* out) {
  *out << c.name;
}

// The menu command that shows each display, by display number.
const CommandId kShow[] = {CommandId::ShowStripFigure,    CommandId::ShowStripData,
                           CommandId::ShowStripResults,   CommandId::ShowRectCircleFigure,
                           CommandId::ShowRectCircleData, CommandId::ShowRectCircleResults,
                           CommandId::ShowStripDepth,     CommandId::ShowRectCircleSection};

class RefreshTest : public AppTest, public ::testing::WithParamInterface<RefreshCase> {
 protected:
  static void Settle() { QApplication::processEvents(); }
  QString StatusText(const char* name) {
    auto* label = frame().statusBar()->findChild<QLabel*>(name);
    EXPECT_NE(label, nullptr) << name;
    return label != nullptr ? label->text() : QString();
  }
  ModalScript script;
};

const char* const kStrip = "embankment.qdw";
const char* const kPlan = "building.qdw";
using D = DisplayMode;
using C = CommandId;

// Each command from a display it changes: the other problem's table for the commands whose OK
// moves to their figure, the problem's own long table for the others.
const RefreshCase kCases[] = {
    {"StripLoad1", C::StripLoad1, kStrip, D::RectCircleData, Cell(1, 4, "60")},
    {"StripLoad2", C::StripLoad2, kStrip, D::RectCircleData, Cell(1, 6, "3")},
    {"StripPoints", C::StripPoints, kPlan, D::RectCircleResults, Typed({{"x1", "6"}, {"z1", "2"}})},
    {"RectLoads", C::RectLoads, kPlan, D::StripData, Cell(1, 6, "260")},
    {"CircleLoads", C::CircleLoads, kPlan, D::StripData, Cell(1, 5, "90")},
    {"LatticePoints", C::LatticePoints, kPlan, D::StripData, Typed({{"z6", "12"}})},
    {"StripTitle", C::StripTitleStyle, kStrip, D::RectCircleData, Typed({{"figureTitle", "断面"}})},
    {"RectTitle", C::RectTitleStyle, kPlan, D::StripData, Typed({{"gridStepX", "10"}})},
    {"StripIsobars", C::StripIsobars, kStrip, D::RectCircleData, Clicked("shown")},
    {"RectIsobars", C::RectIsobars, kPlan, D::StripData, Typed({{"depth", "2"}})},
    {"RectSectionShown", C::RectIsobars, kPlan, D::RectCircleSection, Typed({{"sectionAt", "4"}})},
    {"StripPage", C::StripPage, kStrip, D::RectCircleData, Typed({{"figurePagePrefix", "("}})},
    {"RectPage", C::RectPage, kPlan, D::StripData, Typed({{"dataPageSuffix", ")"}})},
    {"SoilConditions", C::SoilConditions, kStrip, D::StripResults, Typed({{"water", "2.0"}})},
    {"SoilLayers", C::SoilLayers, kPlan, D::RectCircleResults, Clicked()},
    {"SoilCurves", C::SoilCurves, kStrip, D::StripResults, Clicked()},
    {"SoilStages", C::SoilStages, kPlan, D::RectCircleResults, Typed({{"secondary", "0.9"}})},
    {"SoilDrains", C::SoilDrains, kStrip, D::StripResults, Clicked()},
    {"SoilPlates", C::SoilPlates, kPlan, D::RectCircleResults, Clicked()},
    {"StripScale", C::StripScale, kStrip, D::StripResults, Typed({{"scaleX", "1000"}})},
    {"RectScale", C::RectScale, kPlan, D::StripData, Typed({{"leftX", "-8"}})},
    {"LineMarginDigits", C::LineMarginDigits, kPlan, D::RectCircleResults, Digits(3)},
    {"StripStandardValues", C::StripStandardValues, kStrip, D::RectCircleData,
     Typed({{"gridStepX", "20"}})},
    {"RectStandardValues", C::RectStandardValues, kPlan, D::StripData, Clicked("factoryValues")},
    {"FontTitle", C::FontTitle, kStrip, D::StripResults, Font({"IPAGothic", 20, true})},
    {"FontStrip", C::FontStrip, kStrip, D::StripResults, Font({"IPAGothic", 16, false})},
    {"FontRectCircle", C::FontRectCircle, kPlan, D::RectCircleResults,
     Font({"IPAMincho", 16, false})},
    {"FontPage", C::FontPage, kPlan, D::RectCircleResults, Font({"IPAMincho", 30, true})},
    {"KeyBehaviour", C::KeyBehaviour, kStrip, D::StripResults, Clicked("confirmOnly")},
    {"New", C::FileNew, kStrip, D::StripResults, kNoDialog},
    {"Open", C::FileOpen, kStrip, D::StripResults, Opened(kPlan)},
    {"PrintSetup", C::FilePrintSetup, kStrip, D::StripResults, kAccept},
    {"ShowStripFigure", C::ShowStripFigure, kStrip, D::StripResults, kNoDialog},
    {"ShowStripData", C::ShowStripData, kStrip, D::StripResults, kNoDialog},
    {"ShowStripResults", C::ShowStripResults, kStrip, D::StripFigure, kNoDialog},
    {"ShowRectCircleFigure", C::ShowRectCircleFigure, kPlan, D::RectCircleResults, kNoDialog},
    {"ShowRectCircleData", C::ShowRectCircleData, kPlan, D::RectCircleResults, kNoDialog},
    {"ShowRectCircleResults", C::ShowRectCircleResults, kPlan, D::RectCircleFigure, kNoDialog},
    {"ShowStripDepth", C::ShowStripDepth, kStrip, D::StripResults, kNoDialog},
    {"ShowRectCircleSection", C::ShowRectCircleSection, kPlan, D::RectCircleResults, kNoDialog},
    {"ToolbarFigure", C::ToolbarFigure, kStrip, D::StripResults, kNoDialog},
    {"ToolbarData", C::ToolbarData, kPlan, D::RectCircleResults, kNoDialog},
    {"ToolbarResults", C::ToolbarResults, kStrip, D::StripFigure, kNoDialog},
    {"ToolbarDepth", C::ToolbarDepth, kPlan, D::RectCircleFigure, kNoDialog},
    {"ShowSettlementTable", C::ShowSettlementTable, kStrip, D::StripResults, kNoDialog},
    {"ShowSettlementMap", C::ShowSettlementMap, kPlan, D::RectCircleResults, kNoDialog},
    {"ShowSettlementTime", C::ShowSettlementTime, kStrip, D::StripFigure, kNoDialog},
    {"ShowSettlementPlates", C::ShowSettlementPlates, kPlan, D::RectCircleData, kNoDialog},
    {"ToolbarSettlementTable", C::ToolbarSettlementTable, kPlan, D::RectCircleFigure, kNoDialog},
    {"ToolbarSettlementMap", C::ToolbarSettlementMap, kStrip, D::StripData, kNoDialog},
    {"ToolbarSettlementTime", C::ToolbarSettlementTime, kPlan, D::RectCircleData, kNoDialog},
    {"ShowSoilConditions", C::ShowSoilConditions, kStrip, D::StripFigure, kNoDialog},
    {"ToolbarSoilConditions", C::ToolbarSoilConditions, kPlan, D::RectCircleData, kNoDialog},
    {"ZoomIn", C::ZoomIn, kStrip, D::StripFigure, kNoDialog},
    {"ZoomOut", C::ZoomOut, kStrip, D::StripResults, kNoDialog},
    {"ZoomActualSize", C::ZoomActualSize, kStrip, D::StripFigure, kNoDialog},
    {"ZoomFitPage", C::ZoomFitPage, kStrip, D::StripResults, kNoDialog},
    {"ZoomFitWidth", C::ZoomFitWidth, kPlan, D::RectCircleFigure, kNoDialog},
    // A fitted page takes the room the bars leave.
    {"ViewToolBar", C::ViewToolBar, kStrip, D::StripFigure, kNoDialog},
    {"ViewStatusBar", C::ViewStatusBar, kPlan, D::RectCircleFigure, kNoDialog},
    {"Undo", C::EditUndo, kStrip, D::StripData, kNoDialog, {{C::StripLoad2, Cell(1, 6, "3")}}},
    {"Redo",
     C::EditRedo,
     kPlan,
     D::RectCircleData,
     kNoDialog,
     {{C::CircleLoads, Cell(1, 5, "40")}, {C::EditUndo, kNoDialog}}},
};

TEST_P(RefreshTest, StatusBarAndScrollAreaAreThoseOfAFreshView) {
  const RefreshCase& c = GetParam();
  // The figures fit the page, the tables show 100 %: moving between them changes the zoom.
  for (const char* figure : {"Zoom1", "Zoom4"})
    profile.SetValue("View", figure, "fit-page");
  ASSERT_TRUE(Start({QString::fromStdString(Example(c.example))}));
  frame().resize(1100, 850);
  Settle();
  for (const auto& [command, change] : c.before) {
    QueueChange(change, script, chooser, fontChooser, files);
    Action(command).trigger();
    Settle();
  }
  Action(kShow[DisplayNumber(c.shownBefore) - 1]).trigger();
  QTest::keyClick(&view(), Qt::Key_End);
  Settle();
  QueueChange(c.change, script, chooser, fontChooser, files);
  Action(c.command).trigger();
  Settle();
  EXPECT_EQ(script.pending(), 0u);
  EXPECT_EQ(chooser.pending(), 0u);
  // The window as the screen shows it, status bar included, for people to look at.
  SaveScreenshot(frame().screen()->grabWindow(frame().winId()).toImage(),
                 QString("refresh-") + c.name);

  // A view opened now on the same state, as large as the window's.
  CQelView fresh(app->controller(), app->printer(), chooser, prompts, frame().screenWidth());
  fresh.resize(view().size());
  fresh.show();
  Settle();
  fresh.Refresh();
  Settle();
  EXPECT_EQ(StatusText("pageText"), fresh.PageText());
  EXPECT_EQ(StatusText("zoomText"), fresh.ZoomText());
  for (auto bar :
       {&QAbstractScrollArea::horizontalScrollBar, &QAbstractScrollArea::verticalScrollBar}) {
    EXPECT_EQ((view().*bar)()->maximum(), (fresh.*bar)()->maximum());
    EXPECT_EQ((view().*bar)()->pageStep(), (fresh.*bar)()->pageStep());
  }
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, RefreshTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<RefreshCase>& info) {
                           return std::string(info.param.name);
                         });

// Commands that change neither the document, nor the settings, nor what is shown.
const std::set<CommandId> kShowNothingNew = {
    C::FileSave,     C::FileSaveAs,       C::FileSaveReport, C::FilePrint,
    C::FilePrintAll, C::FilePrintPreview, C::AppExit,        C::AppAbout,
    C::Help,         C::FileSaveTableCsv, C::EditCopy,
};

TEST(RefreshCases, CoverEveryCommandThatChangesWhatIsShown) {
  std::set<CommandId> withCase;
  for (const RefreshCase& c : kCases)
    withCase.insert(c.command);
  for (const CommandRow& row : CommandTable()) {
    if (!row.id) continue;
    EXPECT_NE(withCase.count(*row.id) == 1, kShowNothingNew.count(*row.id) == 1)
        << (row.text != nullptr ? row.text : row.prompt);
  }
}

}  // namespace
}  // namespace qel::test
