// Tests of a document's settlement as the displays read it: each column's course as built, and
// with drains the same course without them.
#include "analysis/settlement_analysis.h"

#include <gtest/gtest.h>

#include "document/document.h"
#include "support/example_document.h"

namespace qel {
namespace {

Document Example(const char* file) {
  return test::ExampleDocument(file);
}

// The drains example consolidates within months where it would take years without its drains,
// and without drains, stages or groups a course is each layer's own consolidation.
TEST(DocumentSettlement, DrainsShortenEveryColumnsConsolidation) {
  const DocumentSettlement drained =
      ComputeDocumentSettlement(Example("embankment-drains.qdw"), 1, CircleMethod::kExact, 1);
  ASSERT_EQ(drained.status, DocumentSettlement::Status::kComputed);
  ASSERT_EQ(drained.courses.size(), drained.columns.size());
  int compared = 0;
  for (const SettlementColumnResult& column : drained.columns) {
    const SettlementCourse& course = CourseOf(drained, column);
    const SettlementCourse* undrained = UndrainedCourseOf(drained, column);
    ASSERT_NE(undrained, nullptr);
    if (!course.t90 || !undrained->t90) continue;
    EXPECT_LT(*course.t90, 0.5 * *undrained->t90) << column.site.x;
    EXPECT_EQ(course.final.total, undrained->final.total);
    ++compared;
  }
  EXPECT_GT(compared, 3);

  const DocumentSettlement plain =
      ComputeDocumentSettlement(Example("embankment.qdw"), 1, CircleMethod::kExact, 1);
  ASSERT_EQ(plain.status, DocumentSettlement::Status::kComputed);
  EXPECT_EQ(UndrainedModelOf(plain), nullptr);
  for (const SettlementColumnResult& column : plain.columns) {
    EXPECT_EQ(UndrainedCourseOf(plain, column), nullptr);
    // Without stages, groups or drains the course is each layer's own consolidation.
    EXPECT_EQ(CourseOf(plain, column).t90, column.values.t90);
  }
}

}  // namespace
}  // namespace qel
