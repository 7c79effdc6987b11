// Tests of a document's settlement: no section, a section that does not read, and one that does.
#include "analysis/settlement_analysis.h"

#include <gtest/gtest.h>

#include "document/document.h"

namespace qel {
namespace {

TEST(ComputeDocumentSettlement, ReadsTheSectionThenSettlesEveryColumn) {
  using Status = DocumentSettlement::Status;
  struct Case {
    std::vector<std::string> soilLines;
    Status status;
    std::vector<SoilProfileError> errors;
    std::size_t columns;
  };
  const Case cases[] = {
      {{}, Status::kNoProfile, {}, 0},
      {{"slice=0.5", "layer=1,,4,18,,mv,,,,,x,,,"},
       Status::kBadProfile,
       {{2, "土層 1: mv「x」が数値ではありません"}},
       0},
      {{"slice=0.5", "layer=1,,4,18,,mv,,,,,0.001,,,"}, Status::kComputed, {}, 2},
  };
  for (const Case& c : cases) {
    DocumentTables t;
    const char* piece[] = {"", "1", "0", "2", "4", "6", "1", "1.8", "0"};
    for (int column = 1; column <= kStripColumns; ++column)
      t.stripLoads[1][1][column] = piece[column];
    t.stripPoints[1][point_col::kX] = "3";
    t.stripPoints[2][point_col::kX] = "8";
    t.soilLines = c.soilLines;
    const DocumentSettlement settlement =
        ComputeDocumentSettlement(Document(t), CircleMethod::kExact, 1);
    EXPECT_EQ(settlement.status, c.status) << c.soilLines.size();
    EXPECT_EQ(settlement.errors, c.errors);
    EXPECT_EQ(settlement.model.has_value(), c.status == Status::kComputed);
    ASSERT_EQ(settlement.columns.size(), c.columns);
    for (const SettlementColumnResult& column : settlement.columns)
      EXPECT_EQ(column.values.slices.size(), 8u);  // 4 m in 0.5 m slices
  }
}

}  // namespace
}  // namespace qel
