// The isobar dialog's model: what it accepts, what it refuses, and what it stores.
#include "dialogs/isobar_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support/scripted_prompts.h"

namespace qel {
namespace {

TEST(IsobarModel, RefusesLevelsDepthsAndSectionsThatDoNotReadAndNamesTheField) {
  struct Case {
    Problem problem;
    const char* levels;
    const char* depth;
    const char* field;  // empty: accepted
    const char* sectionAt = "";
  };
  const Case cases[] = {
      {Problem::Strip, "", "", ""},
      {Problem::Strip, " 5, 10 ,20", "", ""},
      {Problem::Strip, "5,,10", "", "levels"},
      {Problem::Strip, "5,5", "", "levels"},
      {Problem::Strip, "0", "", "levels"},
      {Problem::Strip, "ten", "", "levels"},
      {Problem::Strip, "5", "-1", ""},  // the strip has no depth: its field is not read
      {Problem::RectCircle, "5", "0", ""},
      {Problem::RectCircle, "", " 2.5 ", ""},
      {Problem::RectCircle, "", "-0.5", "depth"},
      {Problem::RectCircle, "", "1m", "depth"},
      {Problem::RectCircle, "", "", "", "-2.5"},
      {Problem::RectCircle, "", "", "sectionAt", "y=2"},
      {Problem::Strip, "", "", "", "y=2"},  // the strip has no section either
      // Full-width digits, signs and points, and "、" and "，" between levels, as an input
      // method types them.
      {Problem::Strip, "２０，４０", "", ""},
      {Problem::Strip, "２０、４０、－５", "", ""},
      {Problem::Strip, "２０，，４０", "", "levels"},
      {Problem::RectCircle, "", "４", ""},
      {Problem::RectCircle, "", "１．５", ""},
      {Problem::RectCircle, "", "－１", "depth"},
      {Problem::RectCircle, "", "", "", "－２．５"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.levels) + " | " + c.depth);
    IsobarModel model(DocumentTables{}, c.problem);
    model.fields().levels = c.levels;
    model.fields().depth = c.depth;
    model.fields().sectionAt = c.sectionAt;
    const std::optional<ValidationError> error = model.Validate();
    EXPECT_EQ(error ? error->field : "", c.field);
    if (error) {
      EXPECT_FALSE(error->message.empty());
    }
  }
}

// What OK stores is what the dialog opens with next time, and blank fields are the defaults.
TEST(IsobarModel, StoresTheFieldsInTheFigureOptionsAndShowsThemAgain) {
  DocumentTables tables;
  IsobarModel plan(tables, Problem::RectCircle);
  plan.fields() = {true, "12.5, 25,50", "1.5", true, " -3", true};
  plan.Apply(tables);
  EXPECT_EQ(tables.figures.planIsobars, (IsobarOptions{true, {12.5, 25, 50}, true}));
  EXPECT_EQ(tables.figures.planDepth, 1.5);
  EXPECT_EQ(tables.figures.section, (SectionLine{SectionAxis::kAtX, -3.0}));
  EXPECT_EQ(tables.figures.stripIsobars, IsobarOptions{});
  EXPECT_EQ(IsobarModel(tables, Problem::RectCircle).fields(),
            (IsobarFields{true, "12.5,25,50", "1.5", true, "-3", true}));
  IsobarModel cleared(tables, Problem::RectCircle);
  cleared.fields() = {false, " ", "", false, "", false};
  cleared.Apply(tables);
  EXPECT_EQ(tables.figures, FigureOptions{});
}

// What is typed with full-width digits and list separators is stored as the ASCII levels.
TEST(IsobarModel, StoresFullWidthEntriesAsTheirNumbers) {
  DocumentTables tables;
  IsobarModel plan(tables, Problem::RectCircle);
  plan.fields() = {true, "２０、４０，８０", "４", false, "－３．５", false};
  ASSERT_FALSE(plan.Validate());
  plan.Apply(tables);
  EXPECT_EQ(tables.figures.planIsobars.levels, (std::vector<double>{20, 40, 80}));
  EXPECT_EQ(tables.figures.planDepth, 4.0);
  EXPECT_EQ(tables.figures.section.at, -3.5);
}

// OK asks whether to correct levels none of which lies within the loads' range (no line would
// be drawn), naming that range; a level within it, the default levels, isobars off or no loads
// ask nothing. "はい" keeps the dialog open.
TEST(IsobarModel, AsksBeforeKeepingLevelsOutsideTheLoadsRange) {
  DocumentTables loaded;
  loaded.stripLoads[1][1][strip_col::kNo] = "1";
  loaded.stripLoads[1][1][strip_col::kX1] = "0";
  loaded.stripLoads[1][1][strip_col::kX2] = "1";
  loaded.stripLoads[1][1][strip_col::kX3] = "4";
  loaded.stripLoads[1][1][strip_col::kX4] = "5";
  loaded.stripLoads[1][1][strip_col::kH] = "2";
  loaded.stripLoads[1][1][strip_col::kGamma] = "18";
  loaded.stripLoads[1][1][strip_col::kY] = "0";
  const DocumentTables empty;
  struct Case {
    const DocumentTables* tables;
    bool shown;
    const char* levels;
    bool asked;
  };
  const Case cases[] = {
      {&loaded, true, "-10", true},      {&loaded, true, "1e9", true},
      {&loaded, true, "40,50", true},    {&loaded, true, "36", false},
      {&loaded, true, "-10, 20", false}, {&loaded, true, "", false},
      {&loaded, false, "-10", false},    {&empty, true, "-10", false},
      {&loaded, true, "ten", false},  // refused by Validate before any question
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.levels);
    IsobarModel model(*c.tables, Problem::Strip, 2);
    model.fields().shown = c.shown;
    model.fields().levels = c.levels;
    const std::optional<std::string> question = model.LevelsOutOfRangeQuestion();
    ASSERT_EQ(question.has_value(), c.asked);
    ScriptedPrompts prompts;
    prompts.AnswerNext(PromptAnswer::Yes);
    EXPECT_EQ(model.ConfirmLevels(prompts), !c.asked);
    EXPECT_EQ(prompts.shown().size(), c.asked ? 1u : 0u);
    if (!c.asked) continue;
    EXPECT_NE(question->find("dP 0.00〜36.00"), std::string::npos) << *question;
    EXPECT_EQ(prompts.shown().front().buttons, PromptButtons::YesNo);
    ScriptedPrompts keep;
    keep.AnswerNext(PromptAnswer::No);
    EXPECT_TRUE(model.ConfirmLevels(keep));
  }
}

// "1,2,...,count".
std::string CountedLevels(int count) {
  std::string text;
  for (int level = 1; level <= count; ++level)
    text += (level > 1 ? "," : "") + std::to_string(level);
  return text;
}

// At most kMostIsobarLevels levels may be typed; a document that holds more keeps them through
// the dialog as long as they are left as they are.
TEST(IsobarModel, RefusesMoreLevelsThanAFigureDrawsUnlessTheDocumentHeldThem) {
  const int most = static_cast<int>(kMostIsobarLevels);
  DocumentTables held;
  IsobarModel opener(held, Problem::Strip);
  opener.fields().levels = CountedLevels(most + 50);
  opener.Apply(held);
  ASSERT_EQ(held.figures.stripIsobars.levels.size(), kMostIsobarLevels + 50);
  struct Case {
    const DocumentTables* tables;
    std::string levels;  // empty: as the dialog opened
    bool refused;
  };
  const DocumentTables none;
  const Case cases[] = {
      {&none, CountedLevels(most), false},
      {&none, CountedLevels(most + 1), true},
      {&held, "", false},
      {&held, CountedLevels(most + 51), true},
      {&held, CountedLevels(most - 1), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.levels.size());
    IsobarModel model(*c.tables, Problem::Strip);
    if (!c.levels.empty()) model.fields().levels = c.levels;
    const std::optional<ValidationError> error = model.Validate();
    EXPECT_EQ(error.has_value(), c.refused);
    if (error) {
      EXPECT_EQ(error->field, "levels");
      EXPECT_NE(error->message.find(std::to_string(most) + " 個まで"), std::string::npos);
      continue;
    }
    DocumentTables stored = *c.tables;
    model.Apply(stored);
    EXPECT_EQ(IsobarLevelsText(stored.figures.stripIsobars.levels), model.fields().levels);
  }
}

// A depth or section position of -0, as a file may hold it, shows as 0 in its field.
TEST(IsobarModel, ShowsANegativeZeroAsZero) {
  DocumentTables tables;
  tables.figures.planDepth = -0.0;
  tables.figures.section.at = -0.0;
  const IsobarFields fields = IsobarModel(tables, Problem::RectCircle).fields();
  EXPECT_EQ(fields.depth, "0");
  EXPECT_EQ(fields.sectionAt, "0");
}

}  // namespace
}  // namespace qel
