// The title/style and standard-value dialogs' models.
#include <gtest/gtest.h>

#include "dialogs/standard_value_model.h"
#include "dialogs/title_style_model.h"
#include "platform/messages.h"
#include "support/applied_change.h"

namespace qel {
namespace {

using namespace setting_line;

SystemSettings WithStandardValues() {
  SystemSettings settings;
  for (StyleDefaults* style : {&settings.stripStyle, &settings.rectStyle}) {
    *style = StyleDefaults{"-50",      "50",          "5", "0", "60", "5", "std figure",
                           "std data", "std results", 15,  16,  17,   18,  0};
  }
  settings.rectStyle.figureTitle = "rect figure";
  return settings;
}

class TitleStyleModelTest : public ::testing::TestWithParam<Problem> {
 protected:
  int Line(int stripLine) const { return Style(GetParam(), stripLine); }
  DocumentTables tables;
  SystemSettings settings = WithStandardValues();
};

TEST_P(TitleStyleModelTest, CopiesInTextsAsTheyAreAndNumbersAsWholeNumbers) {
  tables.settingLines[Line(kFigureTitle)] = "図 A";
  tables.settingLines[Line(kGridToX)] = "80.5";
  tables.settingLines[Line(kFigureTitleTop)] = " 14mm";
  tables.settingLines[Line(kTitleCentered)] = "1";
  tables.settingLines[Line(kResultTitleEveryPage)] = "2";
  tables.settingLines[Line(kGridStyle)] = "1";
  const TitleStyleModel model(tables, settings, GetParam());
  const TitleStyleFields& f = model.fields();
  EXPECT_EQ(f.figureTitle, "図 A");
  EXPECT_EQ(f.gridToX, "80.5");
  EXPECT_EQ(f.figureTitleTop, "14");
  EXPECT_EQ(f.dataTitleTop, "0");  // an empty line reads as 0
  EXPECT_TRUE(f.titleCentered);
  EXPECT_TRUE(f.resultTitleEveryPage);
  EXPECT_FALSE(f.dataTitleEveryPage);
  EXPECT_EQ(f.gridStyle, 1);
  EXPECT_FALSE(model.titleLeftEnabled());
  EXPECT_FALSE(model.HasChanged());
}

TEST_P(TitleStyleModelTest, StandardValuesReplaceTitlesPositionsAndGridOnly) {
  tables.settingLines[Line(kShowCalcTrace)] = "1";
  tables.settingLines[Line(kTitleCentered)] = "1";
  TitleStyleModel model(tables, settings, GetParam());
  model.ApplyStandardValues();
  const TitleStyleFields& f = model.fields();
  EXPECT_EQ(f.figureTitle, GetParam() == Problem::Strip ? "std figure" : "rect figure");
  EXPECT_EQ(f.gridFromY, "-50");
  EXPECT_EQ(f.gridToX, "60");
  EXPECT_EQ(f.resultTitleTop, "17");
  EXPECT_EQ(f.titleLeft, "18");
  // A standard centring of 0 clears the check and enables the left position.
  EXPECT_FALSE(f.titleCentered);
  EXPECT_TRUE(model.titleLeftEnabled());
  EXPECT_TRUE(f.showCalcTrace);
  EXPECT_TRUE(model.HasChanged());
  // Nothing is stored before OK.
  EXPECT_EQ(tables.settingLines[Line(kFigureTitle)], "");

  settings.stripStyle.titleCentered = settings.rectStyle.titleCentered = 1;
  TitleStyleModel centred(tables, settings, GetParam());
  centred.fields().titleCentered = false;
  centred.ApplyStandardValues();
  EXPECT_TRUE(centred.fields().titleCentered);
  EXPECT_FALSE(centred.titleLeftEnabled());
}

TEST_P(TitleStyleModelTest, ApplyWritesTheChangedFieldsOfItsProblemOnly) {
  tables.settingLines[Line(kFigureTitleTop)] = "12abc";
  TitleStyleModel model(tables, settings, GetParam());
  EXPECT_FALSE(test::AppliedAChange(model, tables));  // OK without a change changes no line
  EXPECT_EQ(tables.settingLines[Line(kFigureTitleTop)], "12abc");

  TitleStyleFields& f = model.fields();
  f.resultTitle = "結果";
  f.dataTitleTop = "+30";
  f.figureTitleEveryPage = true;
  f.gridStyle = 1;
  f.gridStepY = "2.5";
  ASSERT_FALSE(model.Validate().has_value());
  EXPECT_TRUE(test::AppliedAChange(model, tables));
  EXPECT_EQ(tables.settingLines[Line(kResultTitle)], "結果");
  EXPECT_EQ(tables.settingLines[Line(kDataTitleTop)], "30");
  EXPECT_EQ(tables.settingLines[Line(kFigureTitleEveryPage)], "1");
  EXPECT_EQ(tables.settingLines[Line(kGridStyle)], "1");
  EXPECT_EQ(tables.settingLines[Line(kGridStepY)], "2.5");
  EXPECT_EQ(tables.settingLines[Line(kFigureTitleTop)], "12abc");
  // The other problem's lines stay empty.
  const Problem other = GetParam() == Problem::Strip ? Problem::RectCircle : Problem::Strip;
  for (int line = kGridFromY; line <= kGridStyle; ++line)
    EXPECT_EQ(tables.settingLines[Style(other, line)], "") << line;
}

struct Refusal {
  std::string TitleStyleFields::*field;
  const char* text;
  const char* name;
  MessageId message;
};

TEST_P(TitleStyleModelTest, RefusesPositionsOutsideTheRangeAndSectionMarks) {
  const Refusal refusals[] = {
      {&TitleStyleFields::figureTitleTop, "501", "figureTitleTop", MessageId::IntegerOutOfRange},
      {&TitleStyleFields::titleLeft, "-1", "titleLeft", MessageId::IntegerOutOfRange},
      {&TitleStyleFields::resultTitleTop, "1.5", "resultTitleTop", MessageId::IntegerOutOfRange},
      {&TitleStyleFields::figureTitle, "図$$K1", "figureTitle", MessageId::SectionMarkerInText},
      {&TitleStyleFields::gridToY, "$$", "gridToY", MessageId::SectionMarkerInText},
  };
  for (const Refusal& r : refusals) {
    TitleStyleModel model(tables, settings, GetParam());
    model.fields().*r.field = r.text;
    const std::optional<ValidationError> e = model.Validate();
    ASSERT_TRUE(e.has_value()) << r.name;
    EXPECT_EQ(e->field, r.name);
    if (r.message == MessageId::IntegerOutOfRange)
      EXPECT_EQ(e->message, MessageText(r.message, "0", "500"));
    else
      EXPECT_EQ(e->message, MessageText(r.message));
  }
  TitleStyleModel model(tables, settings, GetParam());
  model.fields().figureTitleTop = "500";
  model.fields().figureTitle = "　";  // one ideographic space: a blank title
  EXPECT_FALSE(model.Validate().has_value());
}

INSTANTIATE_TEST_SUITE_P(BothProblems, TitleStyleModelTest,
                         ::testing::Values(Problem::Strip, Problem::RectCircle));

TEST(TitleStyleModel, EachProblemOffersItsOwnTitles) {
  const DocumentTables tables;
  const SystemSettings settings;
  const TitleStyleModel strip(tables, settings, Problem::Strip);
  const TitleStyleModel rect(tables, settings, Problem::RectCircle);
  EXPECT_EQ(strip.WindowTitle(), "帯状荷重 > タイトル・様式");
  EXPECT_EQ(rect.WindowTitle(), "長方形円形荷重 > タイトル・様式");
  EXPECT_EQ(strip.CalcTraceText(), "計算経過 （分割片毎の影響値など） を表示する");
  EXPECT_EQ(rect.CalcTraceText(), "計算経過 （形状毎の影響値など） を表示する");
  EXPECT_EQ(TitleSuggestions(Problem::Strip, TitleKind::Figure),
            (std::vector<std::string>{"地中の鉛直増加応力（帯状荷重）", "帯状荷重断面形状図",
                                      "断面形状図"}));
  EXPECT_EQ(TitleSuggestions(Problem::Strip, TitleKind::Result).back(), "");
  // The rectangle/circle dialog offers the rectangle/circle titles, none of the strip's.
  for (TitleKind kind : {TitleKind::Figure, TitleKind::Data, TitleKind::Result}) {
    EXPECT_EQ(TitleSuggestions(Problem::RectCircle, kind),
              StandardTitleList(Problem::RectCircle, kind));
    for (const std::string& title : TitleSuggestions(Problem::RectCircle, kind))
      EXPECT_EQ(title.find("帯状"), std::string::npos) << title;
  }
}

struct FactoryCase {
  Problem kind;
  const char* windowTitle;
  const char* titles[3];
};

class StandardValueModelTest : public ::testing::TestWithParam<FactoryCase> {};

TEST_P(StandardValueModelTest, FactoryValuesAreTheSecondListEntriesAndTheStandardGrid) {
  const FactoryCase& c = GetParam();
  SystemSettings settings = WithStandardValues();
  StandardValueModel model(settings, c.kind);
  EXPECT_EQ(model.WindowTitle(), c.windowTitle);
  EXPECT_EQ(model.fields().figureTitle, c.kind == Problem::Strip ? "std figure" : "rect figure");
  EXPECT_EQ(model.fields().titleLeft, "18");
  model.ApplyFactoryValues();
  const StyleFields& f = model.fields();
  EXPECT_EQ(f.figureTitle, c.titles[0]);
  EXPECT_EQ(f.dataTitle, c.titles[1]);
  EXPECT_EQ(f.resultTitle, c.titles[2]);
  EXPECT_EQ((std::vector<std::string>{f.gridFromY, f.gridToY, f.gridStepY, f.gridFromX, f.gridToX,
                                      f.gridStepX}),
            (std::vector<std::string>{"-100", "100", "10", "-10", "100", "10"}));
  EXPECT_EQ(
      (std::vector<std::string>{f.figureTitleTop, f.dataTitleTop, f.resultTitleTop, f.titleLeft}),
      (std::vector<std::string>{"12", "12", "12", "12"}));
  EXPECT_TRUE(f.titleCentered);
  EXPECT_FALSE(model.titleLeftEnabled());
  EXPECT_EQ(model.TitleList(TitleKind::Figure).back(), "　");

  // Nothing is stored before OK; Apply stores the kind's block only.
  EXPECT_EQ(settings.stripStyle.gridFromY, "-50");
  model.Apply(settings);
  const StyleDefaults& stored = c.kind == Problem::Strip ? settings.stripStyle : settings.rectStyle;
  const StyleDefaults& other = c.kind == Problem::Strip ? settings.rectStyle : settings.stripStyle;
  EXPECT_EQ(stored.figureTitle, c.titles[0]);
  EXPECT_EQ(stored.gridFromY, "-100");
  EXPECT_EQ(stored.figureTitleTop, 12);
  EXPECT_EQ(stored.titleCentered, 1);
  EXPECT_EQ(other.gridFromY, "-50");
}

INSTANTIATE_TEST_SUITE_P(
    BothKinds, StandardValueModelTest,
    ::testing::Values(FactoryCase{Problem::Strip,
                                  "標準値 > 帯状荷重の初期設定",
                                  {"地中の鉛直増加応力（帯状荷重）",
                                   "地中の鉛直増加応力（帯状荷重）断面形状データ",
                                   "地中の鉛直増加応力（帯状荷重）計算結果"}},
                      FactoryCase{Problem::RectCircle,
                                  "標準値 > 長方形円形等分布荷重の初期設定",
                                  {"等分布荷重 形状図", "等分布荷重 形状データ",
                                   "等分布荷重 鉛直増加応力計算結果"}}));

TEST(StandardValueModel, RefusesWhatTheTitleStyleDialogRefuses) {
  const SystemSettings settings;
  StandardValueModel model(settings, Problem::Strip);
  model.fields().dataTitleTop = "600";
  EXPECT_EQ(model.Validate()->field, "dataTitleTop");
  model.fields().dataTitleTop = "6";
  model.fields().gridStepX = "1$$";
  EXPECT_EQ(model.Validate()->field, "gridStepX");
  model.fields().gridStepX = "1";
  EXPECT_FALSE(model.Validate().has_value());
  EXPECT_TRUE(model.HasChanged());
}

}  // namespace
}  // namespace qel
