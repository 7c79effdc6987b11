// What the window shows of a document just opened or made new, and the settings a new document
// starts with.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>

#include "app/app_fixture.h"
#include "app/command_changes.h"
#include "document/document_save.h"
#include "support/figure_range_edit.h"
#include "view/figure_pages.h"

namespace qel::test {
namespace {

class DocumentStartTest : public AppTest {
 protected:
  static void Settle() { QApplication::processEvents(); }
  // The strip results of the embankment, scrolled to the bottom of their last page.
  void ShowTheEndOfALongTable() {
    if (app->document().GetPathName() != Example("embankment.qdw")) {
      ASSERT_TRUE(app->OpenDocumentFile(Example("embankment.qdw")));
    }
    Action(CommandId::ShowStripResults).trigger();
    QTest::keyClick(&view(), Qt::Key_End);
    Settle();
    view().verticalScrollBar()->setValue(view().verticalScrollBar()->maximum());
    ASSERT_GT(state().view.currentPage, 1);
  }
  // The view shows page 1 of `display`, from the figure's left edge, at the top.
  void ExpectShowsTheStartOf(DisplayMode display) {
    const ViewState& shown = state().view;
    EXPECT_EQ(shown.displayMode, display);
    EXPECT_EQ(shown.currentPage, 1);
    EXPECT_EQ(shown.screenRow, 0);
    EXPECT_EQ(shown.screenLeftX, test::RangeOf(state(), ProblemOf(display)).leftX);
    EXPECT_EQ(view().verticalScrollBar()->value(), 0);
    EXPECT_EQ(view().horizontalScrollBar()->value(), 0);
    EXPECT_TRUE(frame()
                    .CommandAction(display == DisplayMode::StripFigure
                                       ? CommandId::ShowStripFigure
                                       : CommandId::ShowRectCircleFigure)
                    ->isChecked());
  }
};

// However a file is opened, the window shows its first figure with content: the strip figure,
// else the plan figure.
TEST_F(DocumentStartTest, OpeningAFileShowsItsFirstFigureAtTheTopOfPageOne) {
  struct Case {
    const char* example;
    DisplayMode first;
  };
  const std::pair<const char*, std::function<void(const std::string&)>> ways[] = {
      {"open",
       [this](const std::string& path) {
         chooser.ChooseNext(path);
         Action(CommandId::FileOpen).trigger();
       }},
      {"recent file", [this](const std::string& path) { app->OpenDocumentFile(path); }},
  };
  ASSERT_TRUE(Start());
  for (const auto& [way, open] : ways) {
    for (const Case& c : {Case{"building.qdw", DisplayMode::RectCircleFigure},
                          Case{"embankment.qdw", DisplayMode::StripFigure}}) {
      SCOPED_TRACE(std::string(way) + " " + c.example);
      ShowTheEndOfALongTable();
      open(Example(c.example));
      Settle();
      ASSERT_EQ(app->document().GetPathName(), Example(c.example));
      ExpectShowsTheStartOf(c.first);
    }
  }
  // On the command line as well.
  app.reset();
  ASSERT_TRUE(Start({QString::fromStdString(Example("building.qdw"))}));
  ExpectShowsTheStartOf(DisplayMode::RectCircleFigure);
}

// 新規作成 gives what a start of the program gives a document: the scales and print ranges of the
// settings file, its standard titles and grid, no page numbers; the user's own settings of the
// run (lines, fonts) are no part of a document and stay.
TEST_F(DocumentStartTest, ANewDocumentIsTheOneAStartGives) {
  ASSERT_TRUE(Start());  // a first start: the data folder is made from the shipped files
  struct Snapshot {
    std::string saved;  // the bytes a save writes
    std::vector<std::string> lines;
    ViewState view;
  };
  auto snapshot = [](CQelApp& from) {
    const ApplicationState& state = from.state();
    Snapshot taken{
        SavedDocumentText(state.document, state.results, state.circleMethod, state.settings),
        {},
        state.view};
    for (int line = 1; line <= kSettingLines; ++line)
      taken.lines.push_back(from.state().document.cells().settingLines[line]);
    return taken;
  };
  auto expectSame = [this](const Snapshot& now, const Snapshot& start) {
    EXPECT_EQ(now.saved, start.saved);
    EXPECT_EQ(now.lines, start.lines);
    EXPECT_EQ(now.view.displayMode, start.view.displayMode);
    EXPECT_EQ(now.view.currentPage, start.view.currentPage);
    EXPECT_EQ(now.view.screenLeftX, start.view.screenLeftX);
    EXPECT_EQ(now.view.screenRow, start.view.screenRow);
    EXPECT_FALSE(app->document().IsModified());
    EXPECT_EQ(app->document().GetPathName(), "");
  };
  const Snapshot firstStart = snapshot(*app);

  // A file with scales, titles and page numbers of its own, and settings changed for the run.
  ShowTheEndOfALongTable();
  ASSERT_NE(snapshot(*app).saved, firstStart.saved);
  state().settings.figureLineWidth = 7;
  state().fonts[kTitleFont].size = 13;
  Action(CommandId::FileNew).trigger();
  Settle();
  expectSame(snapshot(*app), firstStart);
  EXPECT_EQ(state().settings.figureLineWidth, 7);
  EXPECT_EQ(state().fonts[kTitleFont].size, 13);

  // Standard titles set in the settings are saved there: a new document, like the next start of
  // the program, takes them. A scale set in the scale dialog is the document's own: the new
  // document has the scale of the settings file.
  ShowTheEndOfALongTable();
  ModalScript script;
  QueueChange(Typed({{"scaleX", "1000"}}), script, chooser, fontChooser, files);
  Action(CommandId::StripScale).trigger();
  QueueChange(Typed({{"figureTitle", "標準の図"}}), script, chooser, fontChooser, files);
  Action(CommandId::StripStandardValues).trigger();
  ASSERT_EQ(script.pending(), 0u);
  prompts.AnswerNext(PromptAnswer::No);  // the file's changed scale is let go
  Action(CommandId::FileNew).trigger();
  Settle();
  EXPECT_EQ(state().settings.stripFigureDefault.scaleX, 200);
  EXPECT_EQ(test::RangeOf(state(), Problem::Strip).scaleX, 200);
  std::unique_ptr<CQelApp> first = std::move(app);
  ASSERT_TRUE(Start());
  const Snapshot nextStart = snapshot(*app);
  std::swap(first, app);
  expectSame(snapshot(*app), nextStart);
}

}  // namespace
}  // namespace qel::test
