// The data-entry commands opened from the menus as the user opens them, and the question that
// keeps unsaved work from being lost.
#include "app/data_entry_commands.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QUrl>

#include "app/app_fixture.h"
#include "app/modal_script.h"
#include "dialogs/qt/load_list_dlg.h"
#include "document/excluded_loads.h"
#include "document/strip_pieces.h"
#include "document/strip_points.h"
#include "support/cells_edit.h"
#include "support/computation_count.h"
#include "support/worst_document.h"

namespace qel::test {
namespace {

class DataEntryCommandsTest : public AppTest {
 protected:
  void SetUp() override { ASSERT_TRUE(Start()); }
  static void Click(QWidget& dialog, const char* name) {
    auto* button = dialog.findChild<QAbstractButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    button->click();
  }
  // Types `text` into the widget with the focus, then presses `key`.
  static void Type(const QString& text, Qt::Key key = Qt::Key_Return) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClicks(focus, text);
    QTest::keyClick(QApplication::focusWidget(), key);
  }
  static void Fill(QWidget& dialog,
                   const std::vector<std::pair<const char*, const char*>>& fields) {
    for (const auto& [name, text] : fields) {
      auto* field = dialog.findChild<QLineEdit*>(name);
      ASSERT_NE(field, nullptr) << name;
      QTest::keyClicks(field, text);
    }
  }
  QImage Screen() { return view().viewport()->grab().toImage(); }
  ModalScript script;
};

// An empty document, entered by keyboard alone, shown, saved and read back.
TEST_F(DataEntryCommandsTest, AProblemEnteredFromAnEmptyDocumentIsShownSavedAndReadBack) {
  const CountedComputations counted;
  counted.CountIn(state());
  const QImage emptyFigure = Screen();
  script.Then([](QWidget& dialog) {
    auto& list = dynamic_cast<LoadListDialog&>(dialog);
    QApplication::setActiveWindow(&dialog);  // the test platform activates no window itself
    list.table()->setFocus();
    QTest::keyClick(list.table(), Qt::Key_F2);
    const char* pieces[3][7] = {{"0", "1", "3", "4", "1", "1.8", "0"},
                                {"4", "5", "7", "8", "2", "1.8", "0"},
                                {"10", "10", "12", "12", "1", "2", "0"}};
    for (const auto& piece : pieces)
      for (const char* value : piece)
        Type(value);
    Type("", Qt::Key_Escape);
    Click(dialog, "ok");
  });
  Action(CommandId::StripLoad1).trigger();
  EXPECT_EQ(CountStripRows(state().document.cells(), 1), 3);
  EXPECT_EQ(state().document.cells().stripLoads[1][3][strip_col::kX4], "12");
  EXPECT_TRUE(app->document().IsModified());
  EXPECT_TRUE(frame().isWindowModified());
  EXPECT_EQ(frame().windowTitle(), "無題[*] - 地中の鉛直増加応力 Qel Ver.6");

  script.Then([](QWidget& dialog) {
    Fill(dialog, {{"x1", "2"}, {"x2", "6"}, {"z1", "1"}, {"z2", "3"}});
    Click(dialog, "ok");
  });
  Action(CommandId::StripPoints).trigger();
  EXPECT_EQ(script.pending(), 0u);
  EXPECT_NE(Screen(), emptyFigure);  // the figure draws the pieces and the points

  counted.CountIn(state());
  Action(CommandId::ShowStripResults)
      .trigger();  // the results of the four points, computed by the paint
  Screen();
  {
    const ComputationCount computed(counted);
    for (auto [x, z] : {std::pair{1, 1}, {2, 1}, {1, 2}, {2, 2}})
      EXPECT_GT(state().results.Strip(state().document).strip(x, z), 0.0) << x << "," << z;
    EXPECT_EQ(computed.strip(), 0);
  }

  const DocumentTables entered = state().document.cells();
  const std::string path = files.File("entered.qdw");
  chooser.ChooseNext(path);
  Action(CommandId::FileSave).trigger();  // untitled: asks for a name
  EXPECT_FALSE(app->document().IsModified());
  EXPECT_EQ(frame().windowTitle(), "entered.qdw[*] - 地中の鉛直増加応力 Qel Ver.6");
  Action(CommandId::FileNew).trigger();  // saved: no question
  EXPECT_TRUE(prompts.shown().empty());
  EXPECT_EQ(state().document.cells().stripLoads[1][1][strip_col::kNo], "");
  chooser.ChooseNext(path);
  Action(CommandId::FileOpen).trigger();
  for (int set = 1; set <= kStripSets; ++set)
    for (int row = 1; row <= kStripRows; ++row)
      for (int column = 1; column <= kStripColumns; ++column)
        EXPECT_EQ(state().document.cells().stripLoads[set][row][column],
                  entered.stripLoads[set][row][column]);
  for (int row = 1; row <= kStripPointRows; ++row)
    for (int column = 1; column <= 2; ++column)
      EXPECT_EQ(state().document.cells().stripPoints[row][column],
                entered.stripPoints[row][column]);
}

TEST_F(DataEntryCommandsTest, OkMovesToTheProblemsFigureAndCancelKeepsTheDisplay) {
  // Rectangle/circle data of several pages, so that a page kept can be told from page 1.
  FillWorstDocument(state(), false);
  struct Case {
    CommandId command;
    const char* button;
    DisplayMode after;
  };
  for (const Case& c : {Case{CommandId::StripPoints, "ok", DisplayMode::StripFigure},
                        Case{CommandId::StripPoints, "cancel", DisplayMode::RectCircleData},
                        Case{CommandId::StripLoad1, "ok", DisplayMode::StripFigure},
                        Case{CommandId::CircleLoads, "ok", DisplayMode::RectCircleData}}) {
    Action(CommandId::ShowRectCircleData).trigger();  // the rectangle/circle data
    QTest::keyClick(&view(), Qt::Key_End);
    const int last = state().view.currentPage;
    ASSERT_GE(last, 2);
    const char* button = c.button;
    script.Then([button](QWidget& dialog) { Click(dialog, button); });
    Action(c.command).trigger();
    EXPECT_EQ(state().view.displayMode, c.after) << static_cast<int>(c.command);
    EXPECT_EQ(state().view.currentPage, c.after == DisplayMode::RectCircleData ? last : 1);
    EXPECT_TRUE(frame().CommandAction(CommandId::ShowStripFigure)->isChecked() ==
                (c.after == DisplayMode::StripFigure));
  }
  // Nothing was changed, so nothing is to be saved.
  EXPECT_FALSE(app->document().IsModified());
}

TEST_F(DataEntryCommandsTest, ANegativePointOpensTheDialogAgainAndCancelKeepsIt) {
  script
      .Then([](QWidget& dialog) {
        Fill(dialog, {{"x1", "-1"}, {"z1", "2"}});
        Click(dialog, "ok");
      })
      .Then([](QWidget& dialog) {
        EXPECT_EQ(dialog.findChild<QLineEdit*>("x1")->text(), "-1");
        Click(dialog, "cancel");
      });
  Action(CommandId::StripPoints).trigger();
  EXPECT_EQ(script.pending(), 0u);
  EXPECT_EQ(prompts.CountShown("データが負です。正にして下さい。\n x1「-1」"), 1);
  EXPECT_EQ(state().document.cells().stripPoints[1][point_col::kX], "-1");
  EXPECT_TRUE(app->document().IsModified());

  // Lattice records: each with a negative value is told.
  script.Then([](QWidget& dialog) {
    Fill(dialog, {{"x1", "-1"}, {"x4", "-2"}});
    Click(dialog, "ok");
  });
  script.Then([](QWidget& dialog) {
    for (const char* name : {"x1", "x4"}) {
      auto* field = dialog.findChild<QLineEdit*>(name);
      field->selectAll();
      QTest::keyClicks(field, "1");
    }
    Click(dialog, "ok");
  });
  Action(CommandId::LatticePoints).trigger();
  EXPECT_EQ(prompts.CountShown("データが負です。正にして下さい。\n x1「-1」"), 2);
  EXPECT_EQ(prompts.CountShown("データが負です。正にして下さい。\n x4「-2」"), 1);
}

// What an input method types in full width goes into the cells and the file in ASCII, and
// every point entered that way is calculated.
TEST_F(DataEntryCommandsTest, FullWidthEntryIsSavedHalfWidthAndEveryPointIsCalculated) {
  // Commits `text` through the input method into `target`, then presses `key` there.
  const auto compose = [](QWidget* target, const QString& text, Qt::Key key) {
    ASSERT_NE(target, nullptr);
    QInputMethodEvent committed;
    committed.setCommitString(text);
    QApplication::sendEvent(target, &committed);
    QTest::keyClick(target, key);
  };
  const auto fillList = [compose](std::vector<std::vector<const char*>> rows) {
    return [compose, rows](QWidget& dialog) {
      auto& list = dynamic_cast<LoadListDialog&>(dialog);
      QApplication::setActiveWindow(&dialog);
      list.table()->setFocus();
      QTest::keyClick(list.table(), Qt::Key_F2);
      for (const auto& row : rows)
        for (const char* value : row)
          compose(QApplication::focusWidget(), QString::fromUtf8(value), Qt::Key_Return);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
      Click(dialog, "ok");
    };
  };
  const auto fillPoints = [compose](std::vector<std::pair<const char*, const char*>> fields) {
    return [compose, fields](QWidget& dialog) {
      for (const auto& [name, text] : fields)
        compose(dialog.findChild<QLineEdit*>(name), QString::fromUtf8(text), Qt::Key_Tab);
      Click(dialog, "ok");
    };
  };
  script.Then(fillList({{"０", "１", "３", "４", "１", "１．８", "０"},
                        {"４", "５", "７", "８", "２", "１．８", "０"},
                        {"１０", "１０", "１２", "１２", "１", "２", "０"}}));
  Action(CommandId::StripLoad1).trigger();
  script.Then(fillList({{"０", "０", "２", "３", "１０"}}));
  Action(CommandId::RectLoads).trigger();
  script.Then(fillList({{"５", "５", "１．５", "２０"}}));
  Action(CommandId::CircleLoads).trigger();
  script.Then(fillPoints({{"x1", "２"}, {"x2", "６"}, {"z1", "１"}, {"z2", "３．５"}}));
  Action(CommandId::StripPoints).trigger();
  script.Then(fillPoints({{"x1", "１"}, {"y1", "１．５"}, {"z1", "２"}}));
  Action(CommandId::LatticePoints).trigger();
  EXPECT_EQ(script.pending(), 0u);

  const std::string path = files.File("full_width.qdw");
  chooser.ChooseNext(path);
  Action(CommandId::FileSave).trigger();
  chooser.ChooseNext(path);
  Action(CommandId::FileOpen).trigger();
  const DocumentTables& t = state().document.cells();
  EXPECT_EQ(t.stripLoads[1][2][strip_col::kGamma], "1.8");
  EXPECT_EQ(t.rectLoads[1][rect_col::kQ], "10");
  EXPECT_EQ(t.circleLoads[1][circle_col::kR], "1.5");
  EXPECT_EQ(t.stripPoints[2][point_col::kZ], "3.5");
  EXPECT_EQ(t.gridPoints[1][point_col::kGridY], "1.5");
  EXPECT_EQ(CountStripRows(t, 1), 3);
  EXPECT_TRUE(FindExcludedLoads(t).empty());
  EXPECT_TRUE(FindExcludedPoints(t, false).empty());
  EXPECT_TRUE(FindExcludedPoints(t, true).empty());
  EXPECT_EQ(StripPoints(t).depths().size(), 2u);
  EXPECT_GT(state().results.Lattice(state().document, state().circleMethod).at(1, 1, 1), 0.0);
}

TEST_F(DataEntryCommandsTest, TheSortChoiceIsSharedByTheListsForTheWholeRun) {
  script.Then([](QWidget& dialog) {
    Click(dialog, "sortByTens");
    Click(dialog, "ok");
  });
  Action(CommandId::RectLoads).trigger();
  EXPECT_EQ(app->dialogSession().loadSortOption, LoadSortOption::ByTens);
  script.Then([](QWidget& dialog) {
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("sortByTens")->isChecked());
    Click(dialog, "sortConsecutive");
    Click(dialog, "cancel");  // Cancel keeps the shared choice
  });
  Action(CommandId::StripLoad2).trigger();
  EXPECT_EQ(app->dialogSession().loadSortOption, LoadSortOption::ByTens);
}

// Every way of replacing the document or ending the program asks first while it is modified;
// Cancel keeps everything, No lets the changes go.
TEST_F(DataEntryCommandsTest, EveryPathThatWouldLoseChangesAsksFirst) {
  const std::string other = files.File("other.qdw");
  std::filesystem::copy_file(Example("building.qdw"), other);
  struct Path {
    const char* name;
    std::function<void()> take;
    bool replacesTheDocument;  // else it ends the program
  };
  auto drop = [this, other] {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(other))});
    QDropEvent event(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject&>(frame()).event(&event);
    QApplication::processEvents();
  };
  auto recentFile = [this, other] {
    recent->Add(other);
    QMenu* menu = frame().menuBar()->actions().at(0)->menu();
    emit menu->aboutToShow();
    for (QAction* action : menu->actions())
      if (action->text().startsWith("&1 ")) action->trigger();
  };
  const Path paths[] = {
      {"new", [this] { Action(CommandId::FileNew).trigger(); }, true},
      {"open",
       [this, other] {
         chooser.ChooseNext(other);
         Action(CommandId::FileOpen).trigger();
       },
       true},
      {"recent file", recentFile, true},
      {"drop", drop, true},
      {"exit", [this] { Action(CommandId::AppExit).trigger(); }, false},
      {"close", [this] { frame().close(); }, false},
  };
  // The closed window must not end the test's application.
  QApplication::setQuitOnLastWindowClosed(false);
  for (const Path& path : paths) {
    for (PromptAnswer answer : {PromptAnswer::Cancel, PromptAnswer::No}) {
      SCOPED_TRACE(std::string(path.name) + (answer == PromptAnswer::No ? " no" : " cancel"));
      frame().show();
      state().document.Change("計算点",
                              [](DocumentTables& cells) { cells.stripPoints[1][1] = "edited"; });
      prompts.Clear();
      prompts.AnswerNext(answer);
      const std::string question = "「" + app->document().GetTitle() + "」への変更を保存しますか?";
      path.take();
      EXPECT_EQ(prompts.CountShown(question), 1);
      const bool goesOn = answer == PromptAnswer::No;
      if (path.replacesTheDocument) {
        EXPECT_EQ(state().document.cells().stripPoints[1][1] == "edited", !goesOn);
        EXPECT_EQ(app->document().IsModified(), !goesOn);
      } else {
        EXPECT_EQ(frame().isVisible(), !goesOn);
      }
    }
  }
}

}  // namespace
}  // namespace qel::test
