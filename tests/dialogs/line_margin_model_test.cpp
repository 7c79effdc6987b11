// The line, margin and digits dialog's model and its command's rules.
#include "dialogs/line_margin_model.h"

#include <gtest/gtest.h>

#include "platform/messages.h"
#include "support/figure_range_edit.h"

namespace qel {
namespace {

SystemSettings Settings() {
  SystemSettings s;
  s.colourMode = 1;
  s.figureLineWidth = 3;
  s.axisLineWidth = 2;
  s.axisDashOn = 4;
  s.axisDashOff = 5;
  s.axisColour = "0x123456";
  s.pointColour = "0x404040";
  s.gridColour = "12632256";  // decimal, as an older file may hold it
  s.influenceDigits = 4;
  s.stressDigits = 1;  // not in the list: nothing is chosen, and the value is kept
  s.stripResultColumns = 8;
  s.unitSystem = 1;
  s.marginTop = 25;
  s.marginLeft = 15;
  s.organisationName = "地盤研究所";
  return s;
}

TEST(LineMarginModel, CopiesInTheSettingsWithDigitsAsListPositions) {
  const LineMarginModel model(Settings());
  const LineMarginFields& f = model.fields();
  EXPECT_EQ(f.colourMode, 1);
  EXPECT_EQ(f.figureLineWidth, "3");
  EXPECT_EQ(f.axisDashOff, "5");
  EXPECT_EQ(f.axisColour, "0x123456");
  EXPECT_EQ(f.influenceDigits, 2);
  EXPECT_EQ(f.stressDigits, -1);
  EXPECT_EQ(f.stripResultColumns, 6);
  EXPECT_EQ(f.marginTop, "25");
  EXPECT_TRUE(model.dashFieldsEnabled());
  EXPECT_FALSE(model.HasChanged());
  EXPECT_EQ(LineMarginModel::DigitChoices(),
            (std::vector<std::string>{"2", "3", "4", "5", "6", "7", "8"}));

  SystemSettings s;
  s.influenceDigits = 3;
  s.stressDigits = 3;
  LineMarginFields stored = LineMarginModel(s).fields();
  EXPECT_EQ(stored.influenceDigits, 1);
  LineMarginModel again(s);
  again.fields().stressDigits = 6;
  again.Apply(s);
  EXPECT_EQ(s.stressDigits, 8);
}

TEST(LineMarginModel, ColourModeDrawsTheAxesSolid) {
  SystemSettings s = Settings();
  LineMarginModel model(s);
  model.SetColourMode(0);
  EXPECT_EQ(model.fields().axisDashOff, "0");
  EXPECT_FALSE(model.dashFieldsEnabled());
  model.SetColourMode(1);
  EXPECT_TRUE(model.dashFieldsEnabled());
  EXPECT_EQ(model.fields().axisDashOff, "0");
  // Opened in colour mode, the gap shows 0 at once.
  s.colourMode = 0;
  EXPECT_EQ(LineMarginModel(s).fields().axisDashOff, "0");
  EXPECT_FALSE(LineMarginModel(s).dashFieldsEnabled());
}

TEST(LineMarginModel, StandardValuesLeaveTheUnitsAndTextsAlone) {
  LineMarginModel model(Settings());
  model.ApplyStandardValues();
  const LineMarginFields& f = model.fields();
  EXPECT_EQ((std::vector<std::string>{f.figureLineWidth, f.axisLineWidth, f.axisDashOn,
                                      f.axisDashOff, f.pointMarkWidth, f.pointMarkSize,
                                      f.gridLineWidth, f.gridMarkSize, f.marginTop, f.marginLeft}),
            (std::vector<std::string>{"2", "1", "3", "0", "2", "4", "1", "2", "20", "10"}));
  EXPECT_EQ(f.influenceDigits, 1);
  EXPECT_EQ(f.stressDigits, 1);
  EXPECT_EQ(f.stripResultColumns, 4);
  EXPECT_EQ(f.colourMode, 0);
  EXPECT_FALSE(model.dashFieldsEnabled());
  EXPECT_EQ((std::vector<std::string>{f.axisColour, f.pointColour, f.gridColour}),
            (std::vector<std::string>{"0x808080", "0x404040", "0xc0c0c0"}));
  EXPECT_EQ(f.unitSystem, 1);
  EXPECT_EQ(f.organisationName, "地盤研究所");
}

TEST(LineMarginModel, ColoursKeepRedInTheLowestByte) {
  EXPECT_EQ(LineMarginModel::ColourText(0x0000ff), "0x0000ff");  // pure red
  EXPECT_EQ(LineMarginModel::ColourText(0xff0000), "0xff0000");  // pure blue
  EXPECT_EQ(LineMarginModel::ColourOf("0x808080"), 0x808080u);
  EXPECT_EQ(LineMarginModel::ColourOf("255"), 0xffu);
}

struct Refusal {
  std::string LineMarginFields::*field;
  const char* text;
  const char* name;
  std::string message;
};

TEST(LineMarginModel, RefusesValuesOutsideTheirRanges) {
  const Refusal refusals[] = {
      {&LineMarginFields::figureLineWidth, "101", "figureLineWidth",
       MessageText(MessageId::IntegerOutOfRange, "0", "100")},
      {&LineMarginFields::gridMarkSize, "-1", "gridMarkSize",
       MessageText(MessageId::IntegerOutOfRange, "0", "100")},
      {&LineMarginFields::pointColour, "0x1000000", "pointColour",
       MessageText(MessageId::NotAColour)},
      {&LineMarginFields::gridColour, "grey", "gridColour", MessageText(MessageId::NotAColour)},
      {&LineMarginFields::marginTop, "-5", "marginTop",
       MessageText(MessageId::IntegerOutOfRange, "0", "200")},
      {&LineMarginFields::contactText, "a$$b", "contactText",
       MessageText(MessageId::SectionMarkerInText)},
      {&LineMarginFields::organisationName, "😀", "organisationName",
       MessageText(MessageId::UnencodableInField, "😀", "U+1F600")},
  };
  for (const Refusal& r : refusals) {
    LineMarginModel model(Settings());
    EXPECT_FALSE(model.Validate().has_value());
    model.fields().*r.field = r.text;
    const std::optional<ValidationError> e = model.Validate();
    ASSERT_TRUE(e.has_value()) << r.name;
    EXPECT_EQ(e->field, r.name);
    EXPECT_EQ(e->message, r.message);
  }
}

TEST(LineMarginModel, ApplyStoresEveryValue) {
  SystemSettings s = Settings();
  LineMarginModel model(s);
  LineMarginFields& f = model.fields();
  f.gridLineWidth = "7";
  f.gridColour = "0x0000ff";
  f.influenceDigits = 0;
  f.unitSystem = 0;
  f.marginLeft = "30";
  f.contactText = "tel 0123";
  model.Apply(s);
  EXPECT_EQ(s.gridLineWidth, 7);
  EXPECT_EQ(s.gridColour, "0x0000ff");
  EXPECT_EQ(s.influenceDigits, 2);
  EXPECT_EQ(s.stressDigits, 1);
  EXPECT_EQ(s.unitSystem, 0);
  EXPECT_EQ(s.marginLeft, 30);
  EXPECT_EQ(s.contactText, "tel 0123");
  EXPECT_EQ(s.axisDashOn, 4);
}

TEST(LowerRangesToPage, LowersRangesThatNoLongerFitAndKeepsTheOthers) {
  SystemSettings s;
  s.stripFigureDefault.scaleX = s.stripFigureDefault.scaleY = s.rectFigureDefault.scaleX =
      s.rectFigureDefault.scaleY = 500;
  s.marginLeft = 40;  // 500 x (210 - 40 - 10) / 1000 = 80
  s.marginTop = 60;   // 500 x (297 - 60 - 20) / 1000 = 108
  s.stripFigureDefault.rangeX = 95;
  s.stripFigureDefault.rangeY = 50;
  s.rectFigureDefault.rangeX = 70;
  s.rectFigureDefault.rangeY = 128;
  DeviceGeometry paper;
  paper.paperWidthMm = 210;
  paper.paperHeightMm = 297;
  LowerRangesToPage(s, paper);
  EXPECT_EQ(s.stripFigureDefault.rangeX, 80);
  EXPECT_EQ(s.stripFigureDefault.rangeY, 50);
  EXPECT_EQ(s.rectFigureDefault.rangeX, 70);
  EXPECT_EQ(s.rectFigureDefault.rangeY, 108);
  // A page that holds nothing leaves a range of 1 m, never 0 or less.
  s.marginLeft = 200;
  LowerRangesToPage(s, paper);
  EXPECT_EQ(s.stripFigureDefault.rangeX, 1);
}

// The document's own ranges are lowered as the defaults are; lines that fit keep their text.
TEST(LowerRangesToPage, LowersTheDocumentsRangesThatNoLongerFit) {
  SystemSettings s;
  s.marginLeft = 40;  // 500 x (210 - 40 - 10) / 1000 = 80
  s.marginTop = 60;   // 500 x (297 - 60 - 20) / 1000 = 108
  DocumentTables cells;
  FigureRange range;
  range.scaleX = range.scaleY = 500;
  range.rangeX = 95;
  range.rangeY = 50;
  test::SetFigureRange(cells, Problem::Strip, range);
  range.rangeX = 70;
  range.rangeY = 128;
  test::SetFigureRange(cells, Problem::RectCircle, range);
  cells.settingLines[setting_line::kStripTopY] = "12.5";  // as typed: fits, so kept
  DeviceGeometry paper;
  paper.paperWidthMm = 210;
  paper.paperHeightMm = 297;
  LowerRangesToPage(cells, s, paper);
  EXPECT_EQ(cells.settingLines[setting_line::kStripRangeX], "80");
  EXPECT_EQ(cells.settingLines[setting_line::kStripRangeY], "50");
  EXPECT_EQ(cells.settingLines[setting_line::kRectRangeX], "70");
  EXPECT_EQ(cells.settingLines[setting_line::kRectRangeY], "108");
  EXPECT_EQ(cells.settingLines[setting_line::kStripTopY], "12.50");  // the lowered problem's lines
  cells.settingLines[setting_line::kRectTopY] = "7.125";
  LowerRangesToPage(cells, s, paper);
  EXPECT_EQ(cells.settingLines[setting_line::kRectTopY], "7.125");  // nothing left to lower
}

TEST(FitRangesToMargins, LowersTheDocumentsRangesAsOneNamedStep) {
  SystemSettings s = Settings();
  DocumentTables cells;
  FigureRange range;
  range.scaleX = range.scaleY = 500;
  range.rangeX = range.rangeY = 1000;
  test::SetFigureRange(cells, Problem::Strip, range);
  Document document(cells);
  ViewState view;
  LineMarginModel model(s);
  DeviceGeometry paper;
  paper.paperWidthMm = 210;
  paper.paperHeightMm = 297;
  model.Apply(s);
  FitRangesToMargins(paper, s, document, "線種", view);
  EXPECT_LT(ReadFigureRange(document.cells(), Problem::Strip).rangeX, 1000);
  EXPECT_EQ(document.undoSteps(), 1u);
  EXPECT_EQ(document.UndoName(), "線種");
}

TEST(FitRangesToMargins, ATableDisplayGoesBackToItsFirstPage) {
  for (DisplayMode mode : {DisplayMode::StripFigure, DisplayMode::StripData,
                           DisplayMode::RectCircleFigure, DisplayMode::RectCircleResults}) {
    SystemSettings s = Settings();
    ViewState view;
    view.displayMode = mode;
    view.currentPage = 3;
    LineMarginModel model(s);
    model.fields().marginTop = "30";
    Document document;
    model.Apply(s);
    FitRangesToMargins(DeviceGeometry{}, s, document, "線種", view);
    EXPECT_EQ(s.marginTop, 30);
    EXPECT_EQ(view.displayMode, mode);
    EXPECT_EQ(view.currentPage, KindOf(mode) == DisplayKind::Figure ? 3 : 1);
  }
}

}  // namespace
}  // namespace qel
