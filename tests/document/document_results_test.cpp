// The results kept beside the document tables: computed once, and again after any load or point
// cell changed.
#include "document/document_results.h"

#include <gtest/gtest.h>

#include <functional>

#include "document/document.h"
#include "document/load_lists.h"
#include "support/computation_count.h"

namespace qel {
namespace {

// A strip piece with two points, and a rectangle and a circle over a small lattice.
DocumentTables SmallDocument() {
  DocumentTables t;
  const char* piece[] = {"", "1", "0", "2", "4", "6", "1", "1.8", "0"};
  for (int column = 1; column <= kStripColumns; ++column)
    t.stripLoads[1][1][column] = piece[column];
  t.stripPoints[1][point_col::kX] = "3";
  t.stripPoints[2][point_col::kX] = "8";
  t.stripPoints[1][point_col::kZ] = "2";
  const char* rect[] = {"", "1", "0", "0", "4", "2", "10"};
  for (int column = 1; column <= kRectColumns; ++column)
    t.rectLoads[1][column] = rect[column];
  const char* circle[] = {"", "1", "6", "1", "1.5", "20"};
  for (int column = 1; column <= kCircleColumns; ++column)
    t.circleLoads[1][column] = circle[column];
  for (int row = 1; row <= 2; ++row)
    for (int column = point_col::kGridX; column <= point_col::kGridZ; ++column)
      t.gridPoints[row][column] = std::to_string(row * column);
  return t;
}

struct CellChange {
  const char* what;
  std::function<void(DocumentTables&)> change;
  bool strip;  // whether the strip results (else the lattice results) depend on it
};

class DocumentResultsTest : public ::testing::TestWithParam<CellChange> {};

TEST_P(DocumentResultsTest, AChangedCellGivesNewResultsOfItsProblemOnly) {
  DocumentTables tables = SmallDocument();
  const test::CountedComputations counted;
  DocumentResults results(counted.Results());
  const test::ComputationCount computed(counted);
  const ResultsGrid before = results.All(tables);
  results.All(tables);  // nothing changed: nothing computed again
  EXPECT_EQ(computed.strip(), 1);
  EXPECT_EQ(computed.lattice(), 1);

  GetParam().change(tables);
  const ResultsGrid& after = results.All(tables);
  ResultsGrid expected;
  ComputeStripResults(tables, expected);
  ComputeLatticeResults(tables, expected);
  const bool strip = GetParam().strip;
  EXPECT_EQ(computed.strip(), strip ? 2 : 1);
  EXPECT_EQ(computed.lattice(), strip ? 1 : 2);
  EXPECT_EQ(after.strip(1, 1), expected.strip(1, 1));
  EXPECT_EQ(after.at(1, 1, 1), expected.at(1, 1, 1));
  EXPECT_NE(strip ? before.strip(1, 1) : before.at(1, 1, 1),
            strip ? after.strip(1, 1) : after.at(1, 1, 1));
}

INSTANTIATE_TEST_SUITE_P(
    Cells, DocumentResultsTest,
    ::testing::Values(
        CellChange{"strip height",
                   [](DocumentTables& t) { t.stripLoads[1][1][strip_col::kH] = "2"; }, true},
        CellChange{"strip depth", [](DocumentTables& t) { t.stripPoints[1][point_col::kZ] = "3"; },
                   true},
        CellChange{"rectangle corner",
                   [](DocumentTables& t) { t.rectLoads[1][rect_col::kX2] = "5"; }, false},
        CellChange{"circle load",
                   [](DocumentTables& t) { t.circleLoads[1][circle_col::kQ] = "30"; }, false},
        CellChange{"lattice depth",
                   [](DocumentTables& t) { t.gridPoints[1][point_col::kGridZ] = "1.5"; }, false}));

// The circle method is part of what the lattice values are computed from: a change computes
// them again (and only the circles' share changes), changing it back gives the first values.
TEST(DocumentResults, TheCircleMethodKeysTheLatticeValues) {
  const DocumentTables t = SmallDocument();
  const test::CountedComputations counted;
  DocumentResults results(counted.Results());
  const test::ComputationCount computed(counted);
  const double exact = results.Lattice(t).at(1, 1, 1);
  results.SetCircleMethod(CircleMethod::kCompatible);
  const double compatible = results.Lattice(t).at(1, 1, 1);
  EXPECT_EQ(computed.lattice(), 2);
  EXPECT_NE(exact, compatible);
  results.SetCircleMethod(CircleMethod::kExact);
  EXPECT_EQ(results.Lattice(t).at(1, 1, 1), exact);
  EXPECT_EQ(computed.lattice(), 3);
  EXPECT_EQ(computed.strip(), 0);
}

TEST(DocumentResults, CellsThatDoNotEnterDpComputeNothingAgain) {
  DocumentTables tables = SmallDocument();
  const test::CountedComputations counted;
  DocumentResults results(counted.Results());
  const test::ComputationCount computed(counted);
  results.All(tables);
  tables.stripLoads[1][1][strip_col::kY] = "5";  // only places the piece in the figure
  tables.settingLines[27] = "another title";
  results.All(tables);
  EXPECT_EQ(computed.strip(), 1);
  EXPECT_EQ(computed.lattice(), 1);
}

// Through the document, the key of the cells is made once per revision of its problem: a change
// of the other problem keeps it, a change outside the load and point cells makes a new key but
// computes nothing, a load change (and its undo) computes again.
TEST(DocumentResults, ThroughTheDocumentTheKeyFollowsTheRevisionOfItsProblem) {
  Document document(SmallDocument());
  const test::CountedComputations counted;
  DocumentResults results(counted.Results());
  const test::ComputationCount computed(counted);
  results.Strip(document);
  const std::string* key = &results.InputsKey(document, Problem::Strip);
  const std::string first = *key;
  document.Change("長方形", [](DocumentTables& t) { t.rectLoads[1][rect_col::kQ] = "5"; });
  EXPECT_EQ(&results.InputsKey(document, Problem::Strip), key);
  EXPECT_EQ(results.InputsKey(document, Problem::Strip), first);
  document.Change("表題", [](DocumentTables& t) { t.stripLoads[1][1][strip_col::kY] = "5"; });
  results.Strip(document);
  EXPECT_EQ(computed.strip(), 1);
  document.Change("荷重1", [](DocumentTables& t) { t.stripLoads[1][1][strip_col::kH] = "2"; });
  const double loaded = results.Strip(document).strip(1, 1);
  EXPECT_EQ(computed.strip(), 2);
  ASSERT_TRUE(document.Undo());
  EXPECT_NE(results.Strip(document).strip(1, 1), loaded);
  EXPECT_EQ(computed.strip(), 3);
}

}  // namespace
}  // namespace qel
