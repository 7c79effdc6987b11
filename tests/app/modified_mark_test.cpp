// The modified mark over every menu command that opens a dialog: set exactly when the command
// changed the bytes a save of the document writes.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <set>
#include <utility>
#include <vector>

#include "app/app_fixture.h"
#include "app/command_changes.h"
#include "document/document_save.h"

namespace qel::test {
namespace {

struct MarkCase {
  const char* name;
  CommandId command;
  const char* example;  // the document the program starts on
  Change change;
  bool reachesTheFile;  // whether the change is one a save writes
};

// A failing case is reported by its name.
void PrintTo(const MarkCase& c, std::ostream* out) {
  *out << c.name;
}

class ModifiedMarkTest : public AppTest, public ::testing::WithParamInterface<MarkCase> {
 protected:
  // The bytes a save of the document writes now, written as the save commands write them, from
  // a copy of the tables so that the document itself is left as it is.
  std::string SavedBytes(const std::string& name) {
    DocumentTables copy = state().tables;
    const std::string path = files.File(name);
    EXPECT_TRUE(SaveDocument(path, copy, state().results, state().settings, prompts));
    return ReadBytes(path);
  }
  ModalScript script;
};

const char* const kStrip = "embankment.qdw";  // strip loads and points, no lattice
const char* const kPlan = "building.qdw";     // rectangles, a circle and a lattice

const MarkCase kCases[] = {
    {"StripTitle", CommandId::StripTitleStyle, kStrip, Typed({{"figureTitle", "盛土の断面"}}),
     true},
    {"StripTitleAsItWas", CommandId::StripTitleStyle, kStrip, Clicked(), false},
    {"RectNotesOff", CommandId::RectTitleStyle, kPlan, Clicked("figureNotes"), true},
    {"StripIsobars", CommandId::StripIsobars, kStrip, Clicked("shown"), true},
    {"StripIsobarsAsTheyWere", CommandId::StripIsobars, kStrip, Clicked(), false},
    {"StripIsobarFill", CommandId::StripIsobars, kStrip, Clicked("fill"), true},
    {"RectIsobarLevels", CommandId::RectIsobars, kPlan, Typed({{"levels", "20, 60"}}), true},
    {"RectSectionLine", CommandId::RectIsobars, kPlan, Typed({{"sectionAt", "4"}}), true},
    {"StripLoad1", CommandId::StripLoad1, kStrip, Cell(1, 6, "6"), true},
    {"StripLoad1AsItWas", CommandId::StripLoad1, kStrip, Clicked(), false},
    {"StripLoad2", CommandId::StripLoad2, kStrip, Cell(2, 6, "2"), true},
    {"StripPoints", CommandId::StripPoints, kPlan, Typed({{"x1", "6"}, {"z1", "2"}}), true},
    {"StripPage", CommandId::StripPage, kStrip, Typed({{"figurePagePrefix", "("}}), true},
    {"RectTitle", CommandId::RectTitleStyle, kPlan, Typed({{"gridStepX", "10"}}), true},
    {"RectLoads", CommandId::RectLoads, kPlan, Cell(1, 6, "260"), true},
    {"CircleLoads", CommandId::CircleLoads, kPlan, Cell(1, 5, "90"), true},
    {"LatticePoints", CommandId::LatticePoints, kPlan, Typed({{"z6", "12"}}), true},
    {"RectPage", CommandId::RectPage, kPlan, Typed({{"dataPageSuffix", ")"}}), true},
    // The scales and print ranges are saved with the document as well as in Sys.ndx.
    // The soil profile's section: only a change of it is written.
    {"SoilWaterTable", CommandId::SoilConditions, kStrip, Typed({{"water", "2.0"}}), true},
    {"SoilConditionsAsTheyWere", CommandId::SoilConditions, kPlan, Clicked(), false},
    {"SoilLayersAsTheyWere", CommandId::SoilLayers, kStrip, Clicked(), false},
    {"SoilCurvesAsTheyWere", CommandId::SoilCurves, kStrip, Clicked(), false},
    {"StripScale", CommandId::StripScale, kStrip, Typed({{"scaleX", "1000"}}), true},
    {"StripScaleAsItWas", CommandId::StripScale, kStrip, Clicked(), false},
    {"RectPrintRange", CommandId::RectScale, kPlan, Typed({{"leftX", "-8"}}), true},
    // The saved lattice results are written with the decimals of dP, when there are any.
    {"DecimalsOfSavedResults", CommandId::LineMarginDigits, kPlan, Digits(3), true},
    {"DecimalsWithNoLatticePoint", CommandId::LineMarginDigits, kStrip, Digits(3), false},
    {"LineWidth", CommandId::LineMarginDigits, kPlan, Typed({{"figureLineWidth", "4"}}), false},
    {"StripStandardValues", CommandId::StripStandardValues, kStrip, Typed({{"gridStepX", "20"}}),
     false},
    {"RectStandardValues", CommandId::RectStandardValues, kPlan, Clicked("factoryValues"), false},
    {"FontTitle", CommandId::FontTitle, kStrip, Font({"IPAGothic", 14, true}), false},
    {"FontStrip", CommandId::FontStrip, kStrip, Font({"IPAGothic", 9, false}), false},
    {"FontRectCircle", CommandId::FontRectCircle, kPlan, Font({"IPAMincho", 9, false}), false},
    {"FontPage", CommandId::FontPage, kPlan, Font({"IPAMincho", 8, true}), false},
    {"KeyBehaviour", CommandId::KeyBehaviour, kStrip, Clicked("confirmOnly"), false},
    {"Help", CommandId::Help, kStrip, Clicked("openAndPrint"), false},
    {"About", CommandId::AppAbout, kStrip, kClose, false},
    {"Print", CommandId::FilePrint, kPlan, Pdf("print.pdf"), false},
    {"PrintAll", CommandId::FilePrintAll, kPlan, Pdf("all.pdf"), false},
    {"SaveReport", CommandId::FileSaveReport, kPlan, Pdf("report.pdf"), false},
    {"SaveTableCsv", CommandId::FileSaveTableCsv, kPlan, Pdf("table.csv"), false},
    {"PrintPreview", CommandId::FilePrintPreview, kStrip, kClose, false},
    {"PrintSetup", CommandId::FilePrintSetup, kStrip, kClose, false},
};

TEST_P(ModifiedMarkTest, IsSetExactlyWhenTheSavedBytesChange) {
  const MarkCase& c = GetParam();
  ASSERT_TRUE(Start({QString::fromStdString(Example(c.example))}));
  ASSERT_FALSE(app->document().IsModified());
  const std::string before = SavedBytes("before.qdw");
  QueueChange(c.change, script, chooser, fontChooser, files);
  frame().CommandAction(c.command)->trigger();
  EXPECT_EQ(script.pending(), 0u);
  EXPECT_EQ(chooser.pending(), 0u);
  const bool changed = SavedBytes("after.qdw") != before;
  EXPECT_EQ(changed, c.reachesTheFile);
  EXPECT_EQ(app->document().IsModified(), changed);
  EXPECT_EQ(frame().isWindowModified(), changed);
}

INSTANTIATE_TEST_SUITE_P(EveryDialog, ModifiedMarkTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<MarkCase>& info) {
                           return std::string(info.param.name);
                         });

// Commands that open no dialog, or whose dialog is the file's own: new, open, save and save as
// set or clear the mark by their own rules (the file command tests).
const std::set<CommandId> kWithoutADialogCase = {
    CommandId::FileNew,
    CommandId::FileOpen,
    CommandId::FileSave,
    CommandId::FileSaveAs,
    CommandId::AppExit,
    CommandId::ViewToolBar,
    CommandId::ViewStatusBar,
    CommandId::ShowStripFigure,
    CommandId::ShowStripData,
    CommandId::ShowStripResults,
    CommandId::ShowRectCircleFigure,
    CommandId::ShowRectCircleData,
    CommandId::ShowRectCircleResults,
    CommandId::ShowStripDepth,
    CommandId::ShowRectCircleSection,
    CommandId::ZoomIn,
    CommandId::ZoomOut,
    CommandId::ZoomActualSize,
    CommandId::ZoomFitPage,
    CommandId::ZoomFitWidth,
    CommandId::EditCopy,
};

TEST_F(AppTest, EveryMenuCommandHasAModifiedMarkCaseOrOpensNoDialog) {
  ASSERT_TRUE(Start());
  std::set<CommandId> withCase;
  for (const MarkCase& c : kCases)
    withCase.insert(c.command);
  int commands = 0;
  for (QAction* menu : frame().menuBar()->actions()) {
    ASSERT_NE(menu->menu(), nullptr);
    for (QAction* item : menu->menu()->actions()) {
      const int id = item->data().toInt();
      // Separators and the recent files, which open a document.
      if (item->isSeparator() || id == 0 ||
          (id >= static_cast<int>(CommandId::FileRecentFirst) &&
           id < static_cast<int>(CommandId::FileRecentFirst) + 6))
        continue;
      ++commands;
      const auto command = static_cast<CommandId>(id);
      EXPECT_NE(withCase.count(command) == 1, kWithoutADialogCase.count(command) == 1)
          << item->text().toStdString() << " (" << id << ")";
    }
  }
  EXPECT_EQ(commands, static_cast<int>(withCase.size() + kWithoutADialogCase.size()));
}

}  // namespace
}  // namespace qel::test
