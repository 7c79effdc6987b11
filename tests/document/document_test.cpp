// The document: changes as undo steps, undo and redo, the history's limit, the modified mark,
// the revisions of each problem and the typed values worked out once per change.
#include "document/document.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace qel {
namespace {

using Edit = std::function<void(DocumentTables&)>;

// A change that sets the strip's scale line to `value`.
Edit ScaleTo(int value) {
  return [value](DocumentTables& t) {
    t.settingLines[setting_line::kStripScaleX] = std::to_string(value);
  };
}

TEST(DocumentChange, RecordsOneStepExactlyWhenTheContentChanges) {
  struct Case {
    const char* name;
    Edit edit;
    bool changes;
  };
  const Case cases[] = {
      {"nothing", [](DocumentTables&) {}, false},
      {"a cell set to what it holds", [](DocumentTables& t) { t.rectLoads[3][2] = "5"; }, false},
      {"a cell changed and changed back",
       [](DocumentTables& t) {
         t.rectLoads[3][2] = "6";
         t.rectLoads[3][2] = "5";
       },
       false},
      {"the figure options as they are", [](DocumentTables& t) { t.figures.stripNotes = true; },
       false},
      {"a rectangle cell", [](DocumentTables& t) { t.rectLoads[3][2] = "5.0"; }, true},
      {"the last strip cell", [](DocumentTables& t) { t.stripLoads[2][20][8] = "1"; }, true},
      {"the last lattice cell", [](DocumentTables& t) { t.gridPoints[12][3] = "1"; }, true},
      {"the last circle cell", [](DocumentTables& t) { t.circleLoads[40][5] = "1"; }, true},
      {"the last setting line", [](DocumentTables& t) { t.settingLines[110] = "x"; }, true},
      {"a figure option", [](DocumentTables& t) { t.figures.planIsobars.shown = true; }, true},
      {"a kept option line", [](DocumentTables& t) { t.figures.unreadLines.push_back("a=1"); },
       true},
  };
  for (const Case& c : cases) {
    DocumentTables start;
    start.rectLoads[3][2] = "5";
    Document document(start);
    const auto revision = document.revision();
    EXPECT_EQ(document.Change(c.name, c.edit), c.changes) << c.name;
    EXPECT_EQ(document.undoSteps(), c.changes ? 1u : 0u) << c.name;
    EXPECT_EQ(document.UndoName(), c.changes ? c.name : "") << c.name;
    EXPECT_EQ(document.revision() > revision, c.changes) << c.name;
    EXPECT_EQ(document.IsModified(), c.changes) << c.name;
  }
}

TEST(DocumentChange, AnEditThatThrowsLeavesTheDocumentAsItWas) {
  Document document;
  document.Change("scale", ScaleTo(200));
  const DocumentTables before = document.cells();
  EXPECT_THROW(document.Change("broken",
                               [](DocumentTables& t) {
                                 t.stripPoints[1][1] = "3";
                                 throw std::runtime_error("cancelled");
                               }),
               std::runtime_error);
  EXPECT_TRUE(document.cells() == before);
  EXPECT_EQ(document.UndoName(), "scale");
  EXPECT_EQ(document.strip().points.xs().size(), 0u);
}

TEST(DocumentHistory, UndoAndRedoRestoreEveryStateExactly) {
  Document document;
  std::vector<DocumentTables> states{document.cells()};
  const std::vector<std::pair<std::string, Edit>> steps = {
      {"荷重1の入力", [](DocumentTables& t) { t.stripLoads[1][1][1] = "1"; }},
      {"計算点の入力", [](DocumentTables& t) { t.gridPoints[2][3] = "-4"; }},
      {"等圧線",
       [](DocumentTables& t) {
         t.figures.stripIsobars.levels = {1, 2.5};
       }},
      {"タイトル・様式", [](DocumentTables& t) { t.settingLines[57] = "title"; }},
  };
  for (const auto& [name, edit] : steps) {
    ASSERT_TRUE(document.Change(name, edit));
    states.push_back(document.cells());
  }
  for (std::size_t n = steps.size(); n > 0; --n) {
    EXPECT_EQ(document.UndoName(), steps[n - 1].first);
    ASSERT_TRUE(document.Undo());
    EXPECT_TRUE(document.cells() == states[n - 1]) << n;
    EXPECT_EQ(document.RedoName(), steps[n - 1].first);
  }
  EXPECT_FALSE(document.Undo());
  for (std::size_t n = 1; n <= steps.size(); ++n) {
    ASSERT_TRUE(document.Redo());
    EXPECT_TRUE(document.cells() == states[n]) << n;
  }
  EXPECT_FALSE(document.Redo());
  EXPECT_EQ(document.strip().isobars.levels, (std::vector<double>{1, 2.5}));
}

TEST(DocumentHistory, KeepsTheLatestTwoHundredSteps) {
  Document document;
  for (int n = 1; n <= 205; ++n)
    ASSERT_TRUE(document.Change("step " + std::to_string(n), ScaleTo(n)));
  EXPECT_EQ(document.undoSteps(), 200u);
  int undone = 0;
  while (document.Undo())
    ++undone;
  EXPECT_EQ(undone, 200);
  // The oldest five steps are forgotten: the earliest state left is that after step 5.
  EXPECT_EQ(document.cells().settingLines[setting_line::kStripScaleX], "5");
  EXPECT_EQ(document.RedoName(), "step 6");
}

TEST(DocumentHistory, AChangeAfterUndoForgetsTheUndoneSteps) {
  Document document;
  document.Change("a", ScaleTo(1));
  document.Change("b", ScaleTo(2));
  document.Change("c", ScaleTo(3));
  document.Undo();
  document.Undo();
  EXPECT_EQ(document.redoSteps(), 2u);
  document.Change("d", ScaleTo(4));
  EXPECT_FALSE(document.CanRedo());
  EXPECT_EQ(document.RedoName(), "");
  EXPECT_EQ(document.UndoName(), "d");
  document.Undo();
  EXPECT_EQ(document.UndoName(), "a");
}

TEST(DocumentModified, FollowsTheContentAgainstTheSavedContent) {
  Document document;
  document.Change("a", ScaleTo(1));
  document.Change("b", ScaleTo(2));
  document.MarkSaved();
  EXPECT_FALSE(document.IsModified());
  struct Move {
    const char* what;
    std::function<void(Document&)> move;
    bool modified;
  };
  const Move moves[] = {
      {"change", [](Document& d) { d.Change("c", ScaleTo(3)); }, true},
      {"undo to the saved state", [](Document& d) { d.Undo(); }, false},
      {"redo", [](Document& d) { d.Redo(); }, true},
      {"undo twice, before the save",
       [](Document& d) {
         d.Undo();
         d.Undo();
       },
       true},
      {"redo to the saved state", [](Document& d) { d.Redo(); }, false},
      {"change", [](Document& d) { d.Change("e", ScaleTo(7)); }, true},
      {"edit back to the saved content", [](Document& d) { d.Change("f", ScaleTo(2)); }, false},
      {"save elsewhere",
       [](Document& d) {
         d.Undo();
         d.MarkSaved();
       },
       false},
      {"back to the first save's content", [](Document& d) { d.Redo(); }, true},
  };
  for (const Move& m : moves) {
    m.move(document);
    EXPECT_EQ(document.IsModified(), m.modified) << m.what;
  }
}

TEST(DocumentRevisions, MoveOnlyForTheProblemWhoseCellsChanged) {
  using namespace setting_line;
  struct Case {
    const char* what;
    Edit edit;
    bool strip, plan;
  };
  const Case cases[] = {
      {"strip load", [](DocumentTables& t) { t.stripLoads[2][5][3] = "1"; }, true, false},
      {"strip point", [](DocumentTables& t) { t.stripPoints[10][2] = "1"; }, true, false},
      {"strip scale", [](DocumentTables& t) { t.settingLines[kStripRangeY] = "1"; }, true, false},
      {"strip grid style", [](DocumentTables& t) { t.settingLines[kGridStyle] = "1"; }, true,
       false},
      {"strip page text", [](DocumentTables& t) { t.settingLines[kPageTextCentered] = "1"; }, true,
       false},
      {"strip notes", [](DocumentTables& t) { t.figures.stripNotes = false; }, true, false},
      {"strip isobars", [](DocumentTables& t) { t.figures.stripIsobars.fill = true; }, true, false},
      {"rectangle", [](DocumentTables& t) { t.rectLoads[40][6] = "1"; }, false, true},
      {"circle", [](DocumentTables& t) { t.circleLoads[1][1] = "1"; }, false, true},
      {"lattice", [](DocumentTables& t) { t.gridPoints[1][1] = "1"; }, false, true},
      {"plan scale", [](DocumentTables& t) { t.settingLines[kRectScaleX] = "1"; }, false, true},
      {"plan grid from", [](DocumentTables& t) { t.settingLines[51] = "1"; }, false, true},
      {"plan grid style", [](DocumentTables& t) { t.settingLines[70] = "1"; }, false, true},
      {"plan page prefix", [](DocumentTables& t) { t.settingLines[94] = "("; }, false, true},
      {"plan page centred", [](DocumentTables& t) { t.settingLines[105] = "1"; }, false, true},
      {"plan depth", [](DocumentTables& t) { t.figures.planDepth = 2.0; }, false, true},
      {"section", [](DocumentTables& t) { t.figures.section.at = 1.0; }, false, true},
      {"plan notes", [](DocumentTables& t) { t.figures.rectNotes = false; }, false, true},
      {"unused line 15", [](DocumentTables& t) { t.settingLines[15] = "1"; }, false, false},
      {"unused line 50", [](DocumentTables& t) { t.settingLines[50] = "1"; }, false, false},
      {"unused line 93", [](DocumentTables& t) { t.settingLines[93] = "1"; }, false, false},
      {"kept option line", [](DocumentTables& t) { t.figures.unreadLines = {"x=1"}; }, false,
       false},
      {"both", [](DocumentTables& t) { t.stripPoints[1][1] = t.gridPoints[1][1] = "1"; }, true,
       true},
  };
  for (const Case& c : cases) {
    Document document;
    const auto all = document.revision();
    const auto strip = document.revision(Problem::Strip);
    const auto plan = document.revision(Problem::RectCircle);
    ASSERT_TRUE(document.Change(c.what, c.edit)) << c.what;
    EXPECT_GT(document.revision(), all) << c.what;
    EXPECT_EQ(document.revision(Problem::Strip) > strip, c.strip) << c.what;
    EXPECT_EQ(document.revision(Problem::RectCircle) > plan, c.plan) << c.what;
    EXPECT_EQ(document.derivations(Problem::Strip), c.strip ? 2 : 1) << c.what;
    EXPECT_EQ(document.derivations(Problem::RectCircle), c.plan ? 2 : 1) << c.what;
    // Undo moves the same revisions again.
    const auto stripAfter = document.revision(Problem::Strip);
    const auto planAfter = document.revision(Problem::RectCircle);
    document.Undo();
    EXPECT_EQ(document.revision(Problem::Strip) > stripAfter, c.strip) << c.what;
    EXPECT_EQ(document.revision(Problem::RectCircle) > planAfter, c.plan) << c.what;
  }
}

TEST(DocumentTypedValues, AreWorkedOutOncePerChangeAndFollowTheCells) {
  Document document;
  document.Change("points", [](DocumentTables& t) {
    t.stripPoints[1][point_col::kX] = "2.5";
    t.settingLines[setting_line::kRectScaleX] = "250";
  });
  const int strip = document.derivations(Problem::Strip);
  const int plan = document.derivations(Problem::RectCircle);
  for (int read = 0; read < 10; ++read) {
    EXPECT_EQ(document.strip().points.xs().at(0).value, 2.5);
    EXPECT_EQ(document.problem(Problem::RectCircle).range.scaleX, 250);
    EXPECT_EQ(&document.problem(Problem::Strip), &document.strip());
  }
  EXPECT_EQ(document.derivations(Problem::Strip), strip);
  EXPECT_EQ(document.derivations(Problem::RectCircle), plan);
  document.Undo();
  EXPECT_TRUE(document.strip().points.xs().empty());
  EXPECT_EQ(document.plan().range.scaleX, 500);  // an empty scale line reads as 500
}

TEST(DocumentReplace, TakesTheNewCellsAsSavedAndForgetsTheHistory) {
  Document document;
  document.Change("a", ScaleTo(1));
  document.Change("b", ScaleTo(2));
  document.Undo();
  const auto strip = document.revision(Problem::Strip);
  const auto plan = document.revision(Problem::RectCircle);
  DocumentTables opened;
  opened.rectLoads[1][1] = "1";
  document.Replace(opened);
  EXPECT_FALSE(document.CanUndo());
  EXPECT_FALSE(document.CanRedo());
  EXPECT_FALSE(document.IsModified());
  EXPECT_TRUE(document.cells() == opened);
  EXPECT_GT(document.revision(Problem::Strip), strip);
  EXPECT_GT(document.revision(Problem::RectCircle), plan);
  EXPECT_EQ(document.plan().rectangles.listed.size(), 1u);
  EXPECT_EQ(document.strip().range.scaleX, 500);
}

}  // namespace
}  // namespace qel
