// The document: changes as undo steps, undo and redo, the history's limit, the modified mark,
// the revisions of each problem, and the typed values of the problems.
#include "document/document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "document/data_file.h"
#include "settings/system_settings.h"

namespace qel {
namespace {

using Edit = std::function<void(DocumentTables&)>;

// The document rows of a list of load rows, point values or exclusions.
template <class Row>
std::vector<int> Rows(const std::vector<Row>& list) {
  std::vector<int> rows;
  for (const Row& entry : list)
    rows.push_back(entry.row);
  return rows;
}

Edit ScaleTo(int value) {
  return [value](DocumentTables& t) { t.settingLines[1] = std::to_string(value); };
}

TEST(DocumentChange, RecordsOneStepExactlyWhenTheContentChanges) {
  const std::vector<std::pair<Edit, bool>> cases = {
      {[](DocumentTables&) {}, false},
      {[](DocumentTables& t) { t.rectLoads[3][2] = "5"; }, false},  // what it holds
      {[](DocumentTables& t) { t.rectLoads[3][2] = "6", t.rectLoads[3][2] = "5"; }, false},
      {[](DocumentTables& t) { t.stripLoads[2][20][8] = "1"; }, true},
      {[](DocumentTables& t) { t.circleLoads[40][5] = "1"; }, true},
      {[](DocumentTables& t) { t.settingLines[110] = "x"; }, true},
      {[](DocumentTables& t) { t.figures.unreadLines.push_back("a=1"); }, true},
  };
  for (std::size_t n = 0; n < cases.size(); ++n) {
    DocumentTables start;
    start.rectLoads[3][2] = "5";
    Document document(start);
    const auto revision = document.revision();
    EXPECT_EQ(document.Change("step", cases[n].first), cases[n].second) << n;
    EXPECT_EQ(document.undoSteps(), cases[n].second ? 1u : 0u) << n;
    EXPECT_EQ(document.revision() > revision, cases[n].second) << n;
    EXPECT_EQ(document.IsModified(), cases[n].second) << n;
  }
  Document document;
  EXPECT_THROW(document.Change("broken",
                               [](DocumentTables& t) {
                                 t.stripPoints[1][1] = "3";
                                 throw std::runtime_error("cancelled");
                               }),
               std::runtime_error);
  EXPECT_TRUE(document.cells() == DocumentTables{});
  EXPECT_FALSE(document.CanUndo());
}

TEST(DocumentHistory, UndoAndRedoRestoreEveryStateExactly) {
  Document document;
  std::vector<DocumentTables> states{document.cells()};
  const char* const names[] = {"荷重1の入力", "計算点の入力", "等圧線"};
  const Edit edits[] = {[](DocumentTables& t) { t.stripLoads[1][1][1] = "1"; },
                        [](DocumentTables& t) { t.gridPoints[2][3] = "-4"; },
                        [](DocumentTables& t) {
                          t.figures.stripIsobars.levels = {1, 2.5};
                        }};
  for (int n = 0; n < 3; ++n) {
    ASSERT_TRUE(document.Change(names[n], edits[n]));
    states.push_back(document.cells());
  }
  for (int n = 3; n > 0; --n) {
    EXPECT_EQ(document.UndoName(), names[n - 1]);
    ASSERT_TRUE(document.Undo());
    EXPECT_TRUE(document.cells() == states[n - 1]) << n;
    EXPECT_EQ(document.RedoName(), names[n - 1]);
  }
  EXPECT_FALSE(document.Undo());
  for (int n = 1; n <= 3; ++n) {
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
  int undone = 0;
  while (document.Undo())
    ++undone;
  EXPECT_EQ(undone, 200);
  EXPECT_EQ(document.cells().settingLines[1], "5");  // the state after the oldest step kept
  EXPECT_EQ(document.RedoName(), "step 6");
}

TEST(DocumentHistory, AChangeAfterUndoForgetsTheUndoneSteps) {
  Document document;
  for (int n = 1; n <= 3; ++n)
    document.Change(std::to_string(n), ScaleTo(n));
  document.Undo();
  document.Undo();
  document.Change("4", ScaleTo(4));
  EXPECT_FALSE(document.CanRedo());
  EXPECT_EQ(document.RedoName(), "");
  document.Undo();
  EXPECT_EQ(document.UndoName(), "1");
}

TEST(DocumentModified, FollowsTheContentAgainstTheSavedContent) {
  Document document;
  document.Change("a", ScaleTo(1));
  document.Change("b", ScaleTo(2));
  document.MarkSaved();
  const std::pair<std::function<void(Document&)>, bool> moves[] = {
      {[](Document& d) { d.Change("c", ScaleTo(3)); }, true},
      {[](Document& d) { d.Undo(); }, false},  // back to the saved state
      {[](Document& d) { d.Redo(); }, true},
      {[](Document& d) { d.Undo(), d.Undo(); }, true},  // before the saved state
      {[](Document& d) { d.Redo(); }, false},
      {[](Document& d) { d.Change("e", ScaleTo(7)); }, true},
      {[](Document& d) { d.Change("f", ScaleTo(2)); }, false},  // edited back by hand
      {[](Document& d) { d.Undo(), d.MarkSaved(); }, false},
      {[](Document& d) { d.Redo(); }, true},
  };
  int n = 0;
  for (const auto& [move, modified] : moves) {
    move(document);
    EXPECT_EQ(document.IsModified(), modified) << n++;
  }
}

TEST(DocumentRevisions, MoveOnlyForTheProblemWhoseCellsChanged) {
  struct Case {
    Edit edit;
    bool strip, plan;
  };
  const Case cases[] = {
      {[](DocumentTables& t) { t.stripLoads[2][5][3] = "1"; }, true, false},
      {[](DocumentTables& t) { t.settingLines[7] = "1"; }, true, false},   // range Y
      {[](DocumentTables& t) { t.settingLines[40] = "1"; }, true, false},  // grid style
      {[](DocumentTables& t) { t.settingLines[92] = "1"; }, true, false},  // page centred
      {[](DocumentTables& t) { t.figures.stripIsobars.fill = true; }, true, false},
      {[](DocumentTables& t) { t.rectLoads[40][6] = "1"; }, false, true},
      {[](DocumentTables& t) { t.settingLines[8] = "1"; }, false, true},    // scale X
      {[](DocumentTables& t) { t.settingLines[51] = "1"; }, false, true},   // grid from Y
      {[](DocumentTables& t) { t.settingLines[105] = "1"; }, false, true},  // page centred
      {[](DocumentTables& t) { t.figures.section.at = 1.0; }, false, true},
      {[](DocumentTables& t) { t.settingLines[93] = "1"; }, false, false},  // read by none
      {[](DocumentTables& t) { t.figures.unreadLines = {"x=1"}; }, false, false},
  };
  int n = 0;
  for (const Case& c : cases) {
    Document document;
    const auto strip = document.revision(Problem::Strip);
    const auto plan = document.revision(Problem::RectCircle);
    ASSERT_TRUE(document.Change("step", c.edit)) << n;
    EXPECT_EQ(document.revision(Problem::Strip) > strip, c.strip) << n;
    EXPECT_EQ(document.revision(Problem::RectCircle) > plan, c.plan) << n;
    // Reads after a change work nothing out again; the change did, once, where it had to.
    for (int read = 0; read < 3; ++read)
      EXPECT_EQ(&document.problem(Problem::Strip), &document.strip());
    EXPECT_EQ(document.revision(Problem::Strip), strip + (c.strip ? 1 : 0)) << n;
    EXPECT_EQ(document.revision(Problem::RectCircle), plan + (c.plan ? 1 : 0)) << n;
    document.Undo();
    EXPECT_EQ(document.revision(Problem::Strip) > strip + 1, c.strip) << n++;
  }
}

// The settlement plates' lines are read once per change of them, with a revision of their own
// that no other change moves.
TEST(DocumentMeasurements, AreReadOncePerChangeOfTheirLinesWithARevisionOfTheirOwn) {
  Document document;
  EXPECT_FALSE(document.hasMeasurements());
  EXPECT_TRUE(document.measurements().errors.empty());
  const auto none = document.measurementsRevision();
  const auto plates = [](std::vector<std::string> lines) {
    return [lines](DocumentTables& t) { t.obsLines = lines; };
  };
  ASSERT_TRUE(document.Change("step", ScaleTo(3)));
  ASSERT_TRUE(document.Change("step", [](DocumentTables& t) { t.soilLines = {"water=1"}; }));
  EXPECT_EQ(document.measurementsRevision(), none);
  ASSERT_TRUE(document.Change("step", plates({"plate=1,a,0,0,0", "read=1,0,0"})));
  const auto good = document.measurementsRevision();
  EXPECT_GT(good, none);
  ASSERT_TRUE(document.measurements().measurements);
  EXPECT_EQ(document.measurements().measurements->plates[0].readings.size(), 1u);
  ASSERT_TRUE(document.Change("step", plates({"plate=1,a,0,0,0", "read=2,0,0"})));
  EXPECT_GT(document.measurementsRevision(), good);
  EXPECT_EQ(document.measurements().errors.size(), 1u);
  ASSERT_TRUE(document.Undo());
  EXPECT_TRUE(document.hasMeasurements());
  ASSERT_TRUE(document.measurements().measurements);
  EXPECT_GT(document.measurementsRevision(), good);
}

TEST(DocumentReplace, TakesTheNewCellsAsSavedAndForgetsTheHistory) {
  Document document;
  document.Change("a", ScaleTo(1));
  document.Change("b", ScaleTo(2));
  document.Undo();
  const auto strip = document.revision(Problem::Strip);
  DocumentTables opened;
  opened.rectLoads[1][1] = "1";
  document.Replace(opened);
  EXPECT_FALSE(document.CanUndo() || document.CanRedo() || document.IsModified());
  EXPECT_TRUE(document.cells() == opened);
  EXPECT_GT(document.revision(Problem::Strip), strip);
  EXPECT_EQ(document.plan().rectangles.listed.size(), 1u);
  EXPECT_EQ(document.strip().range.scaleX, 500);  // an empty scale line reads as 500
}

TEST(DocumentProblems, HoldWhatTheLoadPointAndOptionReadersGive) {
  const Edit edits[] = {
      [](DocumentTables&) {},
      [](DocumentTables& t) { t.stripLoads[1][2][strip_col::kH] = "nan"; },
      [](DocumentTables& t) { t.stripLoads[2][1][strip_col::kX1] = "x"; },  // ends set 2
      [](DocumentTables& t) { t.stripLoads[1][1][strip_col::kX1] = "1e9"; },
      [](DocumentTables& t) { t.stripPoints[2][1] = "1e400", t.stripPoints[3][2] = "３"; },
      [](DocumentTables& t) { t.rectLoads[1][rect_col::kX2] = "inf"; },
      [](DocumentTables& t) { t.circleLoads[1][circle_col::kY] = "y"; },  // not drawn
      [](DocumentTables& t) { t.circleLoads[30][circle_col::kNo] = "7"; },
      [](DocumentTables& t) { t.gridPoints[1][1] = "nan", t.gridPoints[4][3] = "-1"; },
      [](DocumentTables& t) { t.figures.stripNotes = false, t.figures.planDepth = 3.5; },
  };
  for (const char* example : {"building.qdw", "embankment.qdw"}) {
    DocumentTables file;
    ASSERT_EQ(ReadDataFile(std::string(QEL_SOURCE_DIR) + "/examples/" + example, file),
              ReadStatus::Ok);
    for (const Edit& edit : edits) {
      DocumentTables t = file;
      edit(t);
      const Document document(t);
      const StripProblem& strip = document.strip();
      const PlanProblem& plan = document.plan();
      const std::vector<ExcludedLoad> excluded = FindExcludedLoads(t);
      for (int set = 1; set <= kStripSets; ++set) {
        const StripLoadSet& loads = strip.set(set);
        EXPECT_EQ(loads.hasData, StripSetHasData(t, set));
        EXPECT_EQ(loads.readRows, CountStripRows(t, set));
        EXPECT_EQ(Rows(loads.listed), Rows(ListedStripPieces(t, set)));
        EXPECT_EQ(Rows(loads.calculated), Rows(CalculatedStripPieces(t, set)));
        EXPECT_EQ(Rows(loads.exclusions), Rows(ExclusionsOf(excluded, LoadKind::Strip, set)));
        EXPECT_EQ(strip.engineLoads.sets[set - 1].size(), loads.calculated.size());
      }
      EXPECT_EQ(strip.piecesReach, StripPiecesReach(t));
      EXPECT_EQ(Rows(strip.points.xs()), Rows(StripPoints(t).xs()));
      EXPECT_EQ(Rows(strip.points.depths()), Rows(StripPoints(t).depths()));
      EXPECT_EQ(Rows(strip.pointExclusions), Rows(FindExcludedPoints(t, false)));
      EXPECT_EQ(Rows(plan.rectangles.listed), Rows(ListedRectangles(t)));
      EXPECT_EQ(Rows(plan.rectangles.calculated), Rows(CalculatedRectangles(t)));
      EXPECT_EQ(Rows(plan.rectangles.drawn), Rows(DrawnRectangles(t)));
      EXPECT_EQ(Rows(plan.rectangles.exclusions),
                Rows(ExclusionsOf(excluded, LoadKind::Rectangle, 0)));
      EXPECT_EQ(Rows(plan.circles.listed), Rows(ListedCircles(t)));
      EXPECT_EQ(Rows(plan.circles.calculated), Rows(CalculatedCircles(t)));
      EXPECT_EQ(Rows(plan.circles.drawn), Rows(DrawnCircles(t)));
      EXPECT_EQ(Rows(plan.circles.exclusions), Rows(ExclusionsOf(excluded, LoadKind::Circle, 0)));
      EXPECT_EQ(plan.loadsReach(), std::max(RectanglesReach(t), CirclesReach(t)));
      EXPECT_EQ(plan.engineLoads.circles.size(), plan.circles.calculated.size());
      EXPECT_EQ(Rows(plan.lattice.xs()), Rows(LatticePoints(t).xs()));
      EXPECT_EQ(Rows(plan.lattice.ys()), Rows(LatticePoints(t).ys()));
      EXPECT_EQ(Rows(plan.lattice.depths()), Rows(LatticePoints(t).depths()));
      EXPECT_EQ(Rows(plan.pointExclusions), Rows(FindExcludedPoints(t, true)));
      EXPECT_EQ(strip.notes, t.figures.stripNotes);
      EXPECT_EQ(plan.notes, t.figures.rectNotes);
      EXPECT_EQ(plan.planDepth, t.figures.planDepth);
    }
  }
}

}  // namespace
}  // namespace qel
