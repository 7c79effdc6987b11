// The scale dialog's model and the scale command's rules.
#include "dialogs/scale_model.h"

#include <gtest/gtest.h>

#include "base/c_locale.h"
#include "platform/messages.h"
#include "support/figure_range_edit.h"
#include "support/scale_documents.h"
#include "test_support/scripted_prompts.h"

namespace qel {
namespace {

using test::ScaleCells;
using test::ScalePaper;
using test::ScaleSettings;

TEST(ScaleModel, CopiesInTheProblemsScalesAndPrintRange) {
  const SystemSettings settings = ScaleSettings();
  const ScaleModel strip(ScaleCells(), settings, Problem::Strip, ScalePaper(210, 297));
  EXPECT_EQ(strip.WindowTitle(), "縮尺　帯状荷重");
  EXPECT_EQ(strip.fields(), (ScaleFields{"500", "500", "12.5", "100", "-5", "80", "3"}));
  EXPECT_EQ(strip.BottomY(), "-87.5");
  // 500 x (210 - 10 - 10) / 1000 and 500 x (297 - 20 - 20) / 1000, truncated.
  EXPECT_EQ(strip.PageMetresX(), 95);
  EXPECT_EQ(strip.PageMetresY(), 128);
  const ScaleModel rect(ScaleCells(), settings, Problem::RectCircle, ScalePaper(210, 297));
  EXPECT_EQ(rect.WindowTitle(), "縮尺-長方形円形荷重");
  EXPECT_EQ(rect.fields(), (ScaleFields{"200", "300", "40", "60", "0", "50", "0"}));
  EXPECT_FALSE(rect.HasChanged());
}

struct LeaveCase {
  int paperWidth;
  const char* scale;
  const char* range;  // the X range after leaving the field; nullptr: as it was
  bool message;
};

TEST(ScaleModel, LeavingAScaleFillsTheRangeWithWhatOnePageHolds) {
  const LeaveCase cases[] = {
      {200, "500", "90", false},  // 500 x (200 - 10 - 10) / 1000
      {200, "1000", "180", false},
      {200, "5", nullptr, true},   // 5 x 180 / 1000 holds no whole metre
      {15, "500", nullptr, true},  // a page narrower than its margins
      {200, "", nullptr, true},    // no scale at all
  };
  for (const LeaveCase& c : cases) {
    SystemSettings settings = ScaleSettings();
    ScaleModel model(ScaleCells(), settings, Problem::Strip, ScalePaper(c.paperWidth, 297));
    ScriptedPrompts prompts;
    const std::string before = model.fields().rangeX;
    model.fields().scaleX = c.scale;
    EXPECT_EQ(model.LeaveScaleX(prompts), !c.message) << c.scale;
    EXPECT_EQ(model.fields().rangeX, c.range ? c.range : before) << c.scale;
    if (c.range) {
      EXPECT_EQ(model.PageMetresX(), std::stoi(c.range)) << c.scale;
    }
    EXPECT_EQ(prompts.CountShown(std::string("作図長さがありません\n縮尺 1/") + c.scale +
                                 " では 1 ページに 1 m も入りません"),
              c.message ? 1 : 0)
        << c.scale;
  }
  // The vertical scale: the Y range and with it the bottom Y.
  SystemSettings settings = ScaleSettings();
  ScaleModel model(ScaleCells(), settings, Problem::Strip, ScalePaper(210, 297));
  ScriptedPrompts prompts;
  model.fields().scaleY = "100";
  model.LeaveScaleY(prompts);
  EXPECT_EQ(model.fields().rangeY, "25");
  EXPECT_EQ(model.BottomY(), "-12.5");
  EXPECT_TRUE(prompts.shown().empty());
}

TEST(ScaleModel, StandardValuesOfTheStripFigure) {
  SystemSettings settings = ScaleSettings();
  ScaleModel model(ScaleCells(), settings, Problem::Strip, ScalePaper(210, 297));
  model.fields() = ScaleFields{"9", "6000", "0.5", "7", "33", "7", "5"};
  model.ApplyStandardValues();
  // Scales outside 10..5000 become 500; a top Y below 1 becomes 100.
  EXPECT_EQ(model.fields(), (ScaleFields{"500", "500", "100", "128", "0", "95", "0"}));
  EXPECT_EQ(model.BottomY(), "-28.0");
  model.fields().topY = "45.7";
  model.ApplyStandardValues();
  EXPECT_EQ(model.fields().topY, "45");
}

TEST(ScaleModel, StandardValuesOfTheRectangleCirclePlan) {
  SystemSettings settings = ScaleSettings();
  settings.marginTop = 20;
  // A printable height of 40 m: 200 x (240 - 20 - 20) / 1000.
  ScaleModel model(ScaleCells(), settings, Problem::RectCircle, ScalePaper(210, 240));
  model.fields().scaleY = "200";
  model.fields().topY = "3";
  model.ApplyStandardValues();
  EXPECT_EQ(model.fields().topY, "32");
  EXPECT_EQ(model.fields().rangeY, "40");
  EXPECT_EQ(model.BottomY(), "-8.0");
  EXPECT_EQ(model.fields().leftX, "-1");
  EXPECT_EQ(model.fields().pageOverlap, "0");
  // A page holding one metre or less keeps the top Y typed.
  ScaleModel low(ScaleCells(), settings, Problem::RectCircle, ScalePaper(210, 45));
  low.fields().topY = "7.5";
  low.ApplyStandardValues();
  EXPECT_EQ(low.fields().topY, "7.5");
}

struct FieldRefusal {
  std::string ScaleFields::*field;
  const char* text;
  const char* name;
};

TEST(ScaleModel, RefusesValuesOutsideTheirRanges) {
  const FieldRefusal refusals[] = {
      {&ScaleFields::scaleY, "9", "scaleY"},
      {&ScaleFields::scaleX, "5001", "scaleX"},
      {&ScaleFields::topY, "1O", "topY"},
      {&ScaleFields::rangeY, "0", "rangeY"},
      {&ScaleFields::leftX, "-1001", "leftX"},
      {&ScaleFields::rangeX, "10001", "rangeX"},
      {&ScaleFields::pageOverlap, "-1", "pageOverlap"},
  };
  for (const FieldRefusal& r : refusals) {
    ScaleModel model(ScaleCells(), ScaleSettings(), Problem::Strip, ScalePaper(210, 297));
    EXPECT_FALSE(model.Validate().has_value());
    model.fields().*r.field = r.text;
    const std::optional<ValidationError> e = model.Validate();
    ASSERT_TRUE(e.has_value()) << r.name;
    EXPECT_EQ(e->field, r.name);
  }
  ScaleModel model(ScaleCells(), ScaleSettings(), Problem::Strip, ScalePaper(210, 297));
  model.fields().scaleY = "9";
  EXPECT_EQ(model.Validate()->message, MessageText(MessageId::IntegerOutOfRange, "10", "5000"));
  model.ApplyStandardValues();
  EXPECT_EQ(model.fields().scaleY, "500");
}

struct ApplyCase {
  ScaleFields typed;
  bool openAgain;
  int rangeX, rangeY, overlap;
  std::vector<std::string> messages;
};

// A model of `problem` on `paper` with `typed` in its fields.
ScaleModel Typed(Problem problem, const DeviceGeometry& paper, const ScaleFields& typed) {
  ScaleModel model(ScaleCells(), ScaleSettings(), problem, paper);
  model.fields() = typed;
  return model;
}

TEST(ScaleModel, ApplyCutsRangesToAPageAndResetsAnOverlapAsWideAsTheRange) {
  const std::string wide = MessageText(MessageId::PrintableWidth, "95");
  const std::string tall = MessageText(MessageId::PrintableHeight, "128");
  // The overlap reset is said before the dialog opens again.
  const std::string reset80 =
      "改ページ重複距離 80 m がＸ（横）範囲 80 m 以上のため、0 にしました。\n"
      "縮尺の画面をもう一度開きますので、確かめて下さい。";
  const ApplyCase cases[] = {
      {{"400", "500", "10", "100", "-3", "80", "5"}, false, 80, 100, 5, {}},
      // 97 = 95 + 2 still fits; 98 is cut.
      {{"500", "500", "10", "130", "0", "97", "0"}, false, 97, 130, 0, {}},
      {{"500", "500", "10", "131", "0", "98", "0"}, false, 97, 130, 0, {wide, tall}},
      {{"500", "500", "10", "100", "0", "80", "80"}, true, 80, 100, 0, {reset80}},
      {{"500", "500", "10", "100", "0", "500", "600"},
       true,
       97,
       100,
       0,
       {MessageText(MessageId::OverlapReset, "600", "500"), wide}},
  };
  for (const ApplyCase& c : cases) {
    DocumentTables cells = ScaleCells();
    const ScaleModel model = Typed(Problem::Strip, ScalePaper(210, 297), c.typed);
    ASSERT_FALSE(model.Validate().has_value());
    const ApplyOutcome outcome = model.Apply(cells);
    EXPECT_EQ(outcome.reopen, c.openAgain);
    const FigureRange strip = ReadFigureRange(cells, Problem::Strip);
    EXPECT_EQ(strip.rangeX, c.rangeX);
    EXPECT_EQ(strip.rangeY, c.rangeY);
    EXPECT_EQ(strip.pageOverlap, c.overlap);
    EXPECT_EQ(strip.scaleY, ToInt(c.typed.scaleY));
    EXPECT_EQ(strip.scaleX, ToInt(c.typed.scaleX));
    EXPECT_EQ(strip.leftX, ToInt(c.typed.leftX));
    EXPECT_EQ(strip.topY, 10.0);
    EXPECT_EQ(cells.settingLines[setting_line::kStripTopY], "10.00");  // as a save writes it
    EXPECT_EQ(outcome.notices, c.messages);
    EXPECT_EQ(ReadFigureRange(cells, Problem::RectCircle).rangeX, 50);  // the other is left alone
    EXPECT_EQ(ReadFigureRange(cells, Problem::RectCircle).scaleX, 300);
  }
}

TEST(ScaleModel, ApplyTellsThePrintableWidthOfANarrowPage) {
  DocumentTables cells = ScaleCells();
  // 500 m at 1/500 on a page 120 mm wide: 500 x 100 / 1000 = 50 m.
  const ApplyOutcome outcome =
      Typed(Problem::RectCircle, ScalePaper(120, 297), {"500", "500", "10", "100", "0", "500", "0"})
          .Apply(cells);
  EXPECT_EQ(ReadFigureRange(cells, Problem::RectCircle).rangeX, 52);
  EXPECT_EQ(outcome.notices, std::vector<std::string>{"１ページの印刷横幅は\n約 50 mです"});
  // A page narrower than its margins holds nothing: the range becomes 1 m, never 0 or less.
  Typed(Problem::RectCircle, ScalePaper(15, 297), {"500", "500", "10", "100", "0", "80", "0"})
      .Apply(cells);
  EXPECT_EQ(ReadFigureRange(cells, Problem::RectCircle).rangeX, 1);
}

}  // namespace
}  // namespace qel
