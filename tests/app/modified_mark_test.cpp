// The modified mark over every menu command that opens a dialog: set exactly when the command
// changed the bytes a save of the document writes.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <set>

#include "app/app_fixture.h"
#include "app/dialog_driver.h"
#include "app/modal_script.h"
#include "dialogs/qt/load_list_dlg.h"
#include "document/document_save.h"

namespace qel::test {
namespace {

class ModifiedMarkTest;

struct MarkCase {
  const char* name;
  CommandId command;
  const char* example;  // the document the program starts on
  // Makes the change: queues the steps of the dialogs and the choosers' answers.
  std::function<void(ModifiedMarkTest&)> change;
  bool reachesTheFile;  // whether the change is one a save writes
};

// A failing case is reported by its name.
void PrintTo(const MarkCase& c, std::ostream* out) {
  *out << c.name;
}

class ModifiedMarkTest : public AppTest, public ::testing::WithParamInterface<MarkCase> {
 public:
  using AppTest::chooser;
  using AppTest::files;
  using AppTest::fontChooser;

  // The bytes a save of the document writes now, written as the save commands write them, from
  // a copy of the tables so that the document itself is left as it is.
  std::string SavedBytes(const std::string& name) {
    DocumentTables copy = state().tables;
    const std::string path = files.File(name);
    EXPECT_TRUE(SaveDocument(path, copy, state().results, state().settings, prompts));
    return ReadBytes(path);
  }
  // Queues a dialog step: `act` on the dialog, then OK.
  void ThenOk(std::function<void(QWidget&)> act) {
    script.Then([act = std::move(act)](QWidget& dialog) {
      act(dialog);
      Click(dialog, "ok");
    });
  }
  // Queues a load list step: cell (row, column) gets `text`, then OK.
  void ThenCell(int row, int column, const char* text) {
    ThenOk([=](QWidget& dialog) {
      auto& list = dynamic_cast<LoadListDialog&>(dialog);
      ASSERT_TRUE(list.OpenCellEdit({row, column}));
      list.cellEditor()->setText(text);
      list.EndCellEdit();
    });
  }
  void ThenDigits(int position) {
    ThenOk([position](QWidget& dialog) {
      dialog.findChild<QComboBox*>("stressDigits")->setCurrentIndex(position);
    });
  }
  // Queues a dialog that is closed without OK.
  void ThenClose() {
    script.Then([](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });
  }

  ModalScript script;
};

void Nothing(QWidget&) {}

const MarkCase kCases[] = {
    {"StripTitle", CommandId::StripTitleStyle, "embankment.qdw",
     [](ModifiedMarkTest& t) {
       t.ThenOk([](QWidget& d) { Type(d, "figureTitle", "盛土の断面"); });
     },
     true},
    {"StripTitleAsItWas", CommandId::StripTitleStyle, "embankment.qdw",
     [](ModifiedMarkTest& t) { t.ThenOk(Nothing); }, false},
    {"StripLoad1", CommandId::StripLoad1, "embankment.qdw",
     [](ModifiedMarkTest& t) { t.ThenCell(1, 6, "6"); }, true},
    {"StripLoad1AsItWas", CommandId::StripLoad1, "embankment.qdw",
     [](ModifiedMarkTest& t) { t.ThenOk(Nothing); }, false},
    {"StripLoad2", CommandId::StripLoad2, "embankment.qdw",
     [](ModifiedMarkTest& t) { t.ThenCell(2, 6, "2"); }, true},
    {"StripPoints", CommandId::StripPoints, "building.qdw",
     [](ModifiedMarkTest& t) {
       t.ThenOk([](QWidget& d) {
         Type(d, "x1", "6");
         Type(d, "z1", "2");
       });
     },
     true},
    {"StripPage", CommandId::StripPage, "embankment.qdw",
     [](ModifiedMarkTest& t) { t.ThenOk([](QWidget& d) { Type(d, "figurePagePrefix", "("); }); },
     true},
    {"RectTitle", CommandId::RectTitleStyle, "building.qdw",
     [](ModifiedMarkTest& t) { t.ThenOk([](QWidget& d) { Type(d, "gridStepX", "10"); }); }, true},
    {"RectLoads", CommandId::RectLoads, "building.qdw",
     [](ModifiedMarkTest& t) { t.ThenCell(1, 6, "260"); }, true},
    {"CircleLoads", CommandId::CircleLoads, "building.qdw",
     [](ModifiedMarkTest& t) { t.ThenCell(1, 5, "90"); }, true},
    {"LatticePoints", CommandId::LatticePoints, "building.qdw",
     [](ModifiedMarkTest& t) { t.ThenOk([](QWidget& d) { Type(d, "z6", "12"); }); }, true},
    {"RectPage", CommandId::RectPage, "building.qdw",
     [](ModifiedMarkTest& t) { t.ThenOk([](QWidget& d) { Type(d, "dataPageSuffix", ")"); }); },
     true},
    // The scales and print ranges are saved with the document as well as in Sys.ndx.
    {"StripScale", CommandId::StripScale, "embankment.qdw",
     [](ModifiedMarkTest& t) {
       t.ThenOk([](QWidget& d) {
         Type(d, "scaleX", "1000");
         Leave(d, "scaleX");
       });
     },
     true},
    {"StripScaleAsItWas", CommandId::StripScale, "embankment.qdw",
     [](ModifiedMarkTest& t) { t.ThenOk(Nothing); }, false},
    {"RectPrintRange", CommandId::RectScale, "building.qdw",
     [](ModifiedMarkTest& t) { t.ThenOk([](QWidget& d) { Type(d, "leftX", "-8"); }); }, true},
    // The saved lattice results are written with the decimals of dP, when there are any.
    {"DecimalsOfSavedResults", CommandId::LineMarginDigits, "building.qdw",
     [](ModifiedMarkTest& t) { t.ThenDigits(3); }, true},
    {"DecimalsWithNoLatticePoint", CommandId::LineMarginDigits, "embankment.qdw",
     [](ModifiedMarkTest& t) { t.ThenDigits(3); }, false},
    {"LineWidth", CommandId::LineMarginDigits, "building.qdw",
     [](ModifiedMarkTest& t) { t.ThenOk([](QWidget& d) { Type(d, "figureLineWidth", "4"); }); },
     false},
    {"StripStandardValues", CommandId::StripStandardValues, "embankment.qdw",
     [](ModifiedMarkTest& t) { t.ThenOk([](QWidget& d) { Type(d, "gridStepX", "20"); }); }, false},
    {"RectStandardValues", CommandId::RectStandardValues, "building.qdw",
     [](ModifiedMarkTest& t) { t.ThenOk([](QWidget& d) { Click(d, "factoryValues"); }); }, false},
    {"FontTitle", CommandId::FontTitle, "embankment.qdw",
     [](ModifiedMarkTest& t) {
       t.fontChooser.ChooseNext({"IPAGothic", 14, true});
     },
     false},
    {"FontStrip", CommandId::FontStrip, "embankment.qdw",
     [](ModifiedMarkTest& t) {
       t.fontChooser.ChooseNext({"IPAGothic", 9, false});
     },
     false},
    {"FontRectCircle", CommandId::FontRectCircle, "building.qdw",
     [](ModifiedMarkTest& t) {
       t.fontChooser.ChooseNext({"IPAMincho", 9, false});
     },
     false},
    {"FontPage", CommandId::FontPage, "building.qdw",
     [](ModifiedMarkTest& t) {
       t.fontChooser.ChooseNext({"IPAMincho", 8, true});
     },
     false},
    {"KeyBehaviour", CommandId::KeyBehaviour, "embankment.qdw",
     [](ModifiedMarkTest& t) { t.ThenOk([](QWidget& d) { Click(d, "confirmOnly"); }); }, false},
    {"Help", CommandId::Help, "embankment.qdw",
     [](ModifiedMarkTest& t) { t.ThenOk([](QWidget& d) { Click(d, "openAndPrint"); }); }, false},
    {"About", CommandId::AppAbout, "embankment.qdw", [](ModifiedMarkTest& t) { t.ThenClose(); },
     false},
    {"Print", CommandId::FilePrint, "building.qdw",
     [](ModifiedMarkTest& t) { t.chooser.ChooseNext(t.files.File("print.pdf")); }, false},
    {"PrintAll", CommandId::FilePrintAll, "building.qdw",
     [](ModifiedMarkTest& t) { t.chooser.ChooseNext(t.files.File("all.pdf")); }, false},
    {"SaveReport", CommandId::FileSaveReport, "building.qdw",
     [](ModifiedMarkTest& t) { t.chooser.ChooseNext(t.files.File("report.pdf")); }, false},
    {"PrintPreview", CommandId::FilePrintPreview, "embankment.qdw",
     [](ModifiedMarkTest& t) { t.ThenClose(); }, false},
    {"PrintSetup", CommandId::FilePrintSetup, "embankment.qdw",
     [](ModifiedMarkTest& t) { t.ThenClose(); }, false},
};

TEST_P(ModifiedMarkTest, IsSetExactlyWhenTheSavedBytesChange) {
  const MarkCase& c = GetParam();
  ASSERT_TRUE(Start({QString::fromStdString(Example(c.example))}));
  ASSERT_FALSE(app->document().IsModified());
  const std::string before = SavedBytes("before.qdw");
  c.change(*this);
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
    CommandId::StripSpacer,
    CommandId::ViewToolBar,
    CommandId::ViewStatusBar,
    CommandId::ShowStripFigure,
    CommandId::ShowStripData,
    CommandId::ShowStripResults,
    CommandId::ShowRectCircleFigure,
    CommandId::ShowRectCircleData,
    CommandId::ShowRectCircleResults,
    CommandId::ZoomIn,
    CommandId::ZoomOut,
    CommandId::ZoomActualSize,
    CommandId::ZoomFitPage,
    CommandId::ZoomFitWidth,
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
