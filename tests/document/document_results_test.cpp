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
  Document document(SmallDocument());
  const test::CountedComputations computed;
  DocumentResults results(computed.Results());
  const double strip = results.Strip(document).strip(1, 1);
  const double lattice = results.Lattice(document, CircleMethod::kExact).at(1, 1, 1);
  results.Strip(document);  // nothing changed: nothing computed again
  results.Lattice(document, CircleMethod::kExact);
  EXPECT_EQ(computed.strip(), 1);
  EXPECT_EQ(computed.lattice(), 1);

  document.Change("change", GetParam().change);
  ResultsGrid expected;
  ComputeStripResults(document.strip(), expected);
  ComputeLatticeResults(document.plan(), expected);
  const bool changesStrip = GetParam().strip;
  EXPECT_EQ(results.Strip(document).strip(1, 1), expected.strip(1, 1));
  EXPECT_EQ(results.Lattice(document, CircleMethod::kExact).at(1, 1, 1), expected.at(1, 1, 1));
  EXPECT_EQ(computed.strip(), changesStrip ? 2 : 1);
  EXPECT_EQ(computed.lattice(), changesStrip ? 1 : 2);
  EXPECT_NE(changesStrip ? strip : lattice,
            changesStrip ? expected.strip(1, 1) : expected.at(1, 1, 1));
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
  const Document document(SmallDocument());
  const test::CountedComputations computed;
  DocumentResults results(computed.Results());
  const double exact = results.Lattice(document, CircleMethod::kExact).at(1, 1, 1);
  const double compatible = results.Lattice(document, CircleMethod::kCompatible).at(1, 1, 1);
  EXPECT_EQ(computed.lattice(), 2);
  EXPECT_NE(exact, compatible);
  EXPECT_EQ(results.Lattice(document, CircleMethod::kExact).at(1, 1, 1), exact);
  EXPECT_EQ(computed.lattice(), 3);
  EXPECT_EQ(computed.strip(), 0);
}

// A change outside what dP is computed from (where a piece is drawn, a title, the other
// problem) computes nothing again; a load change and its undo compute again.
TEST(DocumentResults, OnlyTheCellsDpIsComputedFromComputeAgain) {
  Document document(SmallDocument());
  const test::CountedComputations computed;
  DocumentResults results(computed.Results());
  results.Strip(document);
  results.Lattice(document, CircleMethod::kExact);
  document.Change("表題", [](DocumentTables& t) {
    t.stripLoads[1][1][strip_col::kY] = "5";  // only places the piece in the figure
    t.settingLines[27] = "another title";
  });
  results.Strip(document);
  results.Lattice(document, CircleMethod::kExact);
  document.Change("長方形", [](DocumentTables& t) { t.rectLoads[1][rect_col::kQ] = "5"; });
  results.Strip(document);
  EXPECT_EQ(computed.strip(), 1);
  EXPECT_EQ(computed.lattice(), 1);
  document.Change("荷重1", [](DocumentTables& t) { t.stripLoads[1][1][strip_col::kH] = "2"; });
  const double loaded = results.Strip(document).strip(1, 1);
  EXPECT_EQ(computed.strip(), 2);
  ASSERT_TRUE(document.Undo());
  EXPECT_NE(results.Strip(document).strip(1, 1), loaded);
  EXPECT_EQ(computed.strip(), 3);
}

}  // namespace
}  // namespace qel
