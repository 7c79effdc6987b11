// The page dialog's model.
#include "dialogs/page_model.h"

#include <gtest/gtest.h>

#include "platform/messages.h"
#include "support/applied_change.h"

namespace qel {
namespace {

using namespace setting_line;

class PageModelTest : public ::testing::TestWithParam<Problem> {
 protected:
  std::string& Line(int stripLine) { return tables.settingLines[Page(GetParam(), stripLine)]; }
  DocumentTables tables;
};

TEST_P(PageModelTest, CopiesInTheProblemsLinesAndShowsSamples) {
  Line(kFigurePagePrefix) = "-";
  Line(kFigureStartPage) = "1";
  Line(kFigurePageSuffix) = "-";
  Line(kResultStartPage) = "5";
  Line(kPageTextTop) = "270";
  Line(kPageTextLeft) = "20";
  Line(kPageTextCentered) = "0";
  const PageModel model(tables, GetParam(), 210, 297);
  EXPECT_EQ(model.WindowTitle(),
            GetParam() == Problem::Strip ? "帯状荷重 > ページ" : "長方形円形荷重 > ページ");
  EXPECT_EQ(model.Sample(PageRow::Figure), "-1-");
  EXPECT_EQ(model.Sample(PageRow::Data), "");
  EXPECT_EQ(model.Sample(PageRow::Result), "5");
  EXPECT_EQ(model.fields().top, "270");
  EXPECT_TRUE(model.leftEnabled());
  EXPECT_FALSE(model.HasChanged());
}

TEST_P(PageModelTest, OpeningWithBothDistancesEmptyFillsInTheStandardValues) {
  const PageModel model(tables, GetParam(), 210, 297);
  EXPECT_EQ(model.fields().top, "281");
  EXPECT_EQ(model.fields().left, "105");
  EXPECT_TRUE(model.fields().centered);
  EXPECT_FALSE(model.leftEnabled());
  Line(kPageTextLeft) = "30";
  EXPECT_EQ(PageModel(tables, GetParam(), 210, 297).fields().top, "");
}

TEST_P(PageModelTest, StandardLeftDistanceIsHalfThePaperButAtMost150) {
  for (const auto& [width, left] : {std::pair{280, "140"}, {320, "150"}, {211, "105"}}) {
    Line(kPageTextTop) = "10";
    PageModel model(tables, GetParam(), width, 400);
    model.fields().centered = false;
    model.ApplyStandardValues();
    EXPECT_EQ(model.fields().left, left) << width;
    EXPECT_EQ(model.fields().top, "384");
    EXPECT_TRUE(model.fields().centered);
  }
}

struct PrefixCase {
  const char* prefix;
  const char* suffix;
  const char* prefixAfter;
  const char* suffixAfter;
};

TEST_P(PageModelTest, LeavingTheBeforeTextCompletesAnEmptyAfterText) {
  const PrefixCase cases[] = {
      {"(", "", "(", ")"},       {"-", "", "-", "-"},         {"(", "]", "(", "]"},
      {"   <無し>", "", "", ""}, {"   <無し>", ")", "", ")"}, {"p.", "", "p.", ""},
  };
  for (const PrefixCase& c : cases) {
    PageModel model(tables, GetParam(), 210, 297);
    PageText& row = model.row(PageRow::Figure);
    row.prefix = c.prefix;
    row.startPage = "3";
    row.suffix = c.suffix;
    model.LeavePrefix(PageRow::Figure);
    EXPECT_EQ(row.prefix, c.prefixAfter) << c.prefix;
    EXPECT_EQ(row.suffix, c.suffixAfter) << c.prefix;
    EXPECT_EQ(model.Sample(PageRow::Figure), std::string(c.prefixAfter) + "3" + c.suffixAfter);
  }
}

TEST_P(PageModelTest, ADistanceBelowThePaperIsSaidAndStillStored) {
  PageModel model(tables, GetParam(), 210, 297);
  model.fields().top = "281";
  EXPECT_TRUE(model.Apply(tables).notices.empty());
  model.fields().top = "282";
  const ApplyOutcome outcome = model.Apply(tables);
  EXPECT_EQ(outcome.notices,
            std::vector<std::string>{MessageText(MessageId::FooterOffPaper, "282")});
  EXPECT_FALSE(outcome.reopen);
  EXPECT_EQ(Line(kPageTextTop), "282");
}

TEST_P(PageModelTest, ApplyWritesChangedFieldsAndTheCentringAsOneOrZero) {
  Line(kPageTextTop) = "270";
  Line(kPageTextCentered) = "5";
  Line(kDataStartPage) = "1";
  PageModel model(tables, GetParam(), 210, 297);
  EXPECT_FALSE(test::AppliedAChange(model, tables));
  EXPECT_EQ(Line(kPageTextCentered), "5");
  model.row(PageRow::Data).prefix = "(";
  model.row(PageRow::Data).suffix = ")";
  model.fields().centered = false;
  EXPECT_TRUE(test::AppliedAChange(model, tables));
  EXPECT_EQ(Line(kDataPagePrefix), "(");
  EXPECT_EQ(Line(kDataPageSuffix), ")");
  EXPECT_EQ(Line(kPageTextCentered), "0");
  EXPECT_EQ(Line(kPageTextLeft), "");
  // The other problem's lines are left alone.
  const Problem other = GetParam() == Problem::Strip ? Problem::RectCircle : Problem::Strip;
  EXPECT_EQ(tables.settingLines[Page(other, kDataPagePrefix)], "");
}

struct TextField {
  const char* name;
  std::string& (*field)(PageModel&);
};

TEST_P(PageModelTest, RefusesSectionMarksInEveryText) {
  const TextField fields[] = {
      {"figurePagePrefix",
       [](PageModel& m) -> std::string& { return m.row(PageRow::Figure).prefix; }},
      {"dataStartPage",
       [](PageModel& m) -> std::string& { return m.row(PageRow::Data).startPage; }},
      {"resultPageSuffix",
       [](PageModel& m) -> std::string& { return m.row(PageRow::Result).suffix; }},
      {"pageTextTop", [](PageModel& m) -> std::string& { return m.fields().top; }},
      {"pageTextLeft", [](PageModel& m) -> std::string& { return m.fields().left; }},
  };
  for (const TextField& f : fields) {
    PageModel model(tables, GetParam(), 210, 297);
    EXPECT_FALSE(model.Validate().has_value());
    f.field(model) = "$$K1";
    const std::optional<ValidationError> e = model.Validate();
    ASSERT_TRUE(e.has_value()) << f.name;
    EXPECT_EQ(e->field, f.name);
    EXPECT_EQ(e->message, MessageText(MessageId::SectionMarkerInText));
  }
}

INSTANTIATE_TEST_SUITE_P(BothProblems, PageModelTest,
                         ::testing::Values(Problem::Strip, Problem::RectCircle));

}  // namespace
}  // namespace qel
