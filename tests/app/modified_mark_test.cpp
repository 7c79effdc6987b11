// The modified mark over every menu command that opens a dialog: set exactly when the command
// changed the document's content; and the undo and redo of each change.
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

// What a command's change reaches.
enum class Reach {
  Nothing,     // a save writes what it wrote before
  Document,    // the document's content: a save writes it, and it is one undo step
  ResultsOnly  // only the decimals of the results listing a save writes: no change of content
};

struct MarkCase {
  const char* name;
  CommandId command;
  const char* example;  // the document the program starts on
  Change change;
  Reach reach;
};

// A failing case is reported by its name.
void PrintTo(const MarkCase& c, std::ostream* out) {
  *out << c.name;
}

class ModifiedMarkTest : public AppTest, public ::testing::WithParamInterface<MarkCase> {
 protected:
  // The bytes a save of the document writes now, written as the save commands write them, while
  // the document's saved content is left as it is.
  std::string SavedBytes(const std::string& name) {
    const std::string path = files.File(name);
    EXPECT_TRUE(SaveDocument(path, state().document, state().results, state().circleMethod,
                             state().settings));
    return ReadBytes(path);
  }
  void ExpectMark(bool modified) {
    EXPECT_EQ(app->document().IsModified(), modified);
    EXPECT_EQ(frame().isWindowModified(), modified);
  }
  ModalScript script;
};

const char* const kStrip = "embankment.qdw";  // strip loads and points, no lattice
const char* const kPlan = "building.qdw";     // rectangles, a circle and a lattice

const MarkCase kCases[] = {
    {"StripTitle", CommandId::StripTitleStyle, kStrip, Typed({{"figureTitle", "盛土の断面"}}),
     Reach::Document},
    {"StripTitleAsItWas", CommandId::StripTitleStyle, kStrip, Clicked(), Reach::Nothing},
    {"RectNotesOff", CommandId::RectTitleStyle, kPlan, Clicked("figureNotes"), Reach::Document},
    {"StripIsobars", CommandId::StripIsobars, kStrip, Clicked("shown"), Reach::Document},
    {"StripIsobarsAsTheyWere", CommandId::StripIsobars, kStrip, Clicked(), Reach::Nothing},
    {"StripIsobarFill", CommandId::StripIsobars, kStrip, Clicked("fill"), Reach::Document},
    {"RectIsobarLevels", CommandId::RectIsobars, kPlan, Typed({{"levels", "20, 60"}}),
     Reach::Document},
    {"RectSectionLine", CommandId::RectIsobars, kPlan, Typed({{"sectionAt", "4"}}),
     Reach::Document},
    {"StripLoad1", CommandId::StripLoad1, kStrip, Cell(1, 6, "6"), Reach::Document},
    {"StripLoad1AsItWas", CommandId::StripLoad1, kStrip, Clicked(), Reach::Nothing},
    {"StripLoad2", CommandId::StripLoad2, kStrip, Cell(2, 6, "2"), Reach::Document},
    {"StripPoints", CommandId::StripPoints, kPlan, Typed({{"x1", "6"}, {"z1", "2"}}),
     Reach::Document},
    {"StripPage", CommandId::StripPage, kStrip, Typed({{"figurePagePrefix", "("}}),
     Reach::Document},
    {"RectTitle", CommandId::RectTitleStyle, kPlan, Typed({{"gridStepX", "10"}}), Reach::Document},
    {"RectLoads", CommandId::RectLoads, kPlan, Cell(1, 6, "260"), Reach::Document},
    {"CircleLoads", CommandId::CircleLoads, kPlan, Cell(1, 5, "90"), Reach::Document},
    {"LatticePoints", CommandId::LatticePoints, kPlan, Typed({{"z6", "12"}}), Reach::Document},
    {"RectPage", CommandId::RectPage, kPlan, Typed({{"dataPageSuffix", ")"}}), Reach::Document},
    // The scales and print ranges are saved with the document as well as in Sys.ndx.
    // The soil profile's section: only a change of it is written.
    {"SoilWaterTable", CommandId::SoilConditions, kStrip, Typed({{"water", "2.0"}}),
     Reach::Document},
    {"SoilConditionsAsTheyWere", CommandId::SoilConditions, kPlan, Clicked(), Reach::Nothing},
    {"SoilLayersAsTheyWere", CommandId::SoilLayers, kStrip, Clicked(), Reach::Nothing},
    {"SoilCurvesAsTheyWere", CommandId::SoilCurves, kStrip, Clicked(), Reach::Nothing},
    {"SoilSecondaryStart", CommandId::SoilStages, kStrip, Typed({{"secondary", "0.9"}}),
     Reach::Document},
    {"SoilStagesAsTheyWere", CommandId::SoilStages, kPlan, Clicked(), Reach::Nothing},
    {"SoilDrainsAsTheyWere", CommandId::SoilDrains, kStrip, Clicked(), Reach::Nothing},
    {"SoilPlatesAsTheyWere", CommandId::SoilPlates, kStrip, Clicked(), Reach::Nothing},
    {"StripScale", CommandId::StripScale, kStrip, Typed({{"scaleX", "1000"}}), Reach::Document},
    {"StripScaleAsItWas", CommandId::StripScale, kStrip, Clicked(), Reach::Nothing},
    {"RectPrintRange", CommandId::RectScale, kPlan, Typed({{"leftX", "-8"}}), Reach::Document},
    // The saved lattice results are written with the decimals of dP, when there are any: the
    // bytes change, the document's content does not.
    {"DecimalsOfSavedResults", CommandId::LineMarginDigits, kPlan, Digits(3), Reach::ResultsOnly},
    {"DecimalsWithNoLatticePoint", CommandId::LineMarginDigits, kStrip, Digits(3), Reach::Nothing},
    {"LineWidth", CommandId::LineMarginDigits, kPlan, Typed({{"figureLineWidth", "4"}}),
     Reach::Nothing},
    {"StripStandardValues", CommandId::StripStandardValues, kStrip, Typed({{"gridStepX", "20"}}),
     Reach::Nothing},
    {"RectStandardValues", CommandId::RectStandardValues, kPlan, Clicked("factoryValues"),
     Reach::Nothing},
    {"FontTitle", CommandId::FontTitle, kStrip, Font({"IPAGothic", 14, true}), Reach::Nothing},
    {"FontStrip", CommandId::FontStrip, kStrip, Font({"IPAGothic", 9, false}), Reach::Nothing},
    {"FontRectCircle", CommandId::FontRectCircle, kPlan, Font({"IPAMincho", 9, false}),
     Reach::Nothing},
    {"FontPage", CommandId::FontPage, kPlan, Font({"IPAMincho", 8, true}), Reach::Nothing},
    {"KeyBehaviour", CommandId::KeyBehaviour, kStrip, Clicked("confirmOnly"), Reach::Nothing},
    {"Help", CommandId::Help, kStrip, Clicked("openAndPrint"), Reach::Nothing},
    {"About", CommandId::AppAbout, kStrip, kClose, Reach::Nothing},
    {"Print", CommandId::FilePrint, kPlan, Pdf("print.pdf"), Reach::Nothing},
    {"PrintAll", CommandId::FilePrintAll, kPlan, Pdf("all.pdf"), Reach::Nothing},
    {"SaveReport", CommandId::FileSaveReport, kPlan, Pdf("report.pdf"), Reach::Nothing},
    {"SaveTableCsv", CommandId::FileSaveTableCsv, kPlan, Pdf("table.csv"), Reach::Nothing},
    {"PrintPreview", CommandId::FilePrintPreview, kStrip, kClose, Reach::Nothing},
    {"PrintSetup", CommandId::FilePrintSetup, kStrip, kClose, Reach::Nothing},
};

TEST_P(ModifiedMarkTest, FollowsTheContentThroughTheCommandItsUndoAndRedo) {
  const MarkCase& c = GetParam();
  ASSERT_TRUE(Start({QString::fromStdString(Example(c.example))}));
  ExpectMark(false);
  EXPECT_FALSE(Action(CommandId::EditUndo).isEnabled());
  const std::string before = SavedBytes("before.qdw");
  QueueChange(c.change, script, chooser, fontChooser, files);
  frame().CommandAction(c.command)->trigger();
  EXPECT_EQ(script.pending(), 0u);
  EXPECT_EQ(chooser.pending(), 0u);
  const std::string after = SavedBytes("after.qdw");
  EXPECT_EQ(after != before, c.reach != Reach::Nothing);
  const bool changed = c.reach == Reach::Document;
  ExpectMark(changed);
  // A change of content is one step, named as its menu item shows it; anything else is none.
  EXPECT_EQ(Action(CommandId::EditUndo).isEnabled(), changed);
  if (!changed) return;
  EXPECT_TRUE(Action(CommandId::EditUndo).text().startsWith(QString::fromUtf8("元に戻す: ")))
      << Action(CommandId::EditUndo).text().toStdString();

  Action(CommandId::EditUndo).trigger();
  EXPECT_EQ(SavedBytes("undone.qdw"), before);
  ExpectMark(false);
  EXPECT_FALSE(Action(CommandId::EditUndo).isEnabled());
  ASSERT_TRUE(Action(CommandId::EditRedo).isEnabled());

  Action(CommandId::EditRedo).trigger();
  EXPECT_EQ(SavedBytes("redone.qdw"), after);
  ExpectMark(true);
  EXPECT_FALSE(Action(CommandId::EditRedo).isEnabled());
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
    CommandId::ShowSettlementTable,
    CommandId::ShowSettlementMap,
    CommandId::ShowSettlementTime,
    CommandId::ShowSoilConditions,
    CommandId::ShowSettlementPlates,
    CommandId::ZoomIn,
    CommandId::ZoomOut,
    CommandId::ZoomActualSize,
    CommandId::ZoomFitPage,
    CommandId::ZoomFitWidth,
    CommandId::EditCopy,
    CommandId::EditUndo,
    CommandId::EditRedo,
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
