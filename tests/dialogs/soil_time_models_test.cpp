// The stages and drains dialogs' models: what an unchanged dialog writes, the lines edits
// write and where, the field each fault focuses, and the band drain's equivalent diameter.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/soil_drains_model.h"
#include "dialogs/soil_stages_model.h"

namespace qel {
namespace {

// A valid profile whose clay drains on neither face: it consolidates only with its neighbours,
// which the "coupled" rule allows and the "layers" rule refuses.
const std::vector<std::string> kSection = {"water=1.0",
                                           "gammaw=9.81",
                                           "layer=1,砂,2.0,18,19,none,,,,,,,,",
                                           "layer=2,粘土,6.0,15,15.5,mv,,,,,0.001,100,none,",
                                           "layer=3,砂,9.0,18,19,none,,,,,,,,",
                                           "note=kept",
                                           "consolidation=coupled",
                                           "stage=1,0,30,0.5",
                                           "stage=2,30,60,1.0",
                                           "curve=1,10,2.0,100,1.5"};

DocumentTables WithSoil(std::vector<std::string> lines) {
  DocumentTables tables;
  tables.soilLines = std::move(lines);
  return tables;
}

TEST(SoilStagesModel, UnchangedOrDefaultChoicesWriteNothing) {
  const std::vector<std::vector<std::string>> sections = {
      kSection, {}, {"stage=5, 0 ,10,1", "timeload= exact", "residual=100"}};
  for (const std::vector<std::string>& lines : sections) {
    DocumentTables tables = WithSoil(lines);
    SoilStagesModel model(tables, 1);
    // Looking at the lists picks what they already show.
    model.SetTimeLoad(model.TimeLoad());
    model.SetConsolidation(model.Consolidation());
    EXPECT_FALSE(model.HasChanged());
    EXPECT_FALSE(model.Validate());
    model.Apply(tables);
    EXPECT_EQ(tables.soilLines, lines);
  }
}

TEST(SoilStagesModel, WritesStageRowsInPlaceNumberedByFilledRows) {
  DocumentTables tables = WithSoil(kSection);
  SoilStagesModel model(tables, 1);
  ASSERT_TRUE(model.AddStage());  // stays blank: not written, not numbered
  ASSERT_TRUE(model.AddStage());
  model.SetStageCell(3, SoilStageColumn::kStart, "６０");
  model.SetStageCell(3, SoilStageColumn::kEnd, "90");
  model.SetStageCell(1, SoilStageColumn::kFraction, "０．８");
  model.SetStageCell(3, SoilStageColumn::kFraction, "1");
  model.SetTimeLoad("terzaghi");
  model.SetSecondary("0.9");
  model.SetPaving("120");
  EXPECT_EQ(model.StageNumber(2), "");
  EXPECT_EQ(model.StageNumber(3), "3");
  ASSERT_FALSE(model.Validate());
  model.Apply(tables);
  std::vector<std::string> expected = kSection;
  expected[8] = "stage=2,30,60,0.8";
  expected.insert(expected.begin() + 9,
                  {"stage=3,60,90,1", "timeload=terzaghi", "secondary=0.9", "residual=120"});
  EXPECT_EQ(tables.soilLines, expected);

  // Removing every stage drops their lines and keeps the rest.
  SoilStagesModel again(tables, 1);
  while (!again.fields().stages.empty())
    again.RemoveStage(0);
  again.Apply(tables);
  EXPECT_EQ(std::count_if(tables.soilLines.begin(), tables.soilLines.end(),
                          [](const std::string& line) { return line.rfind("stage=", 0) == 0; }),
            0);
  EXPECT_EQ(tables.soilLines.size(), expected.size() - 3);
}

TEST(SoilStagesModel, HoldsAtMostTwentyStages) {
  SoilStagesModel model(DocumentTables{}, 1);
  int added = 0;
  while (model.AddStage())
    ++added;
  EXPECT_EQ(added, SoilStagesModel::kMostStages);
}

TEST(SoilStagesModel, NamesTheFieldOfEachFault) {
  struct Case {
    const char* what;
    std::function<void(SoilStagesModel&)> edit;
    const char* field;
    const char* message;
  };
  const Case cases[] = {
      {"overlap", [](SoilStagesModel& m) { m.SetStageCell(1, SoilStageColumn::kStart, "20"); },
       "stages", "2 行目: 段階 2: 開始 20 が段階 1 の終了 30 より前です"},
      {"end before start",
       [](SoilStagesModel& m) { m.SetStageCell(1, SoilStageColumn::kEnd, "25"); }, "stages",
       "2 行目: 段階 2: 終了 25 が開始 30 より前です"},
      {"fraction falls",
       [](SoilStagesModel& m) { m.SetStageCell(1, SoilStageColumn::kFraction, "0.5"); }, "stages",
       "2 行目: 段階 2: 割合 0.5 が段階 1 の割合 0.5 以下です"},
      {"after a blank row",
       [](SoilStagesModel& m) {
         m.AddStage();
         m.AddStage();
         m.SetStageCell(3, SoilStageColumn::kStart, "50");
         m.SetStageCell(3, SoilStageColumn::kEnd, "70");
         m.SetStageCell(3, SoilStageColumn::kFraction, "1");
       },
       "stages", "4 行目: 段階 3: 開始 50 が段階 2 の終了 60 より前です"},
      {"fraction above one",
       [](SoilStagesModel& m) { m.SetStageCell(1, SoilStageColumn::kFraction, "1.2"); }, "stages",
       ""},
      {"fraction zero",
       [](SoilStagesModel& m) { m.SetStageCell(0, SoilStageColumn::kFraction, "0"); }, "stages",
       ""},
      {"none drainage under layers", [](SoilStagesModel& m) { m.SetConsolidation("layers"); },
       "consolidation",
       "土層 2 (粘土): 排水条件 none は圧密計算法 equivalent か coupled のときだけ使えます"},
      {"secondary", [](SoilStagesModel& m) { m.SetSecondary("0.4"); }, "secondary", ""},
      {"paving", [](SoilStagesModel& m) { m.SetPaving("x"); }, "paving", ""},
      {"service without paving", [](SoilStagesModel& m) { m.SetService("3650"); }, "paving", ""},
      {"service",
       [](SoilStagesModel& m) {
         m.SetPaving("100");
         m.SetService("-1");
       },
       "service", ""},
      {"accepted", [](SoilStagesModel& m) { m.SetConsolidation("equivalent"); }, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SoilStagesModel model(WithSoil(kSection), 1);
    c.edit(model);
    const std::optional<ValidationError> error = model.Validate();
    EXPECT_EQ(error ? error->field : "", c.field);
    if (error && *c.message) {
      EXPECT_EQ(error->message, c.message);
    }
    // A stage's fault names the row the dialog makes current.
    const std::optional<int> row = model.FaultRow();
    EXPECT_EQ(row.has_value(), error && error->field == "stages");
    if (row) {
      EXPECT_EQ(error->message.rfind(std::to_string(*row + 1) + " 行目: ", 0), 0u);
    }
  }
}

// A fault the dialog's lines did not bring about is the other dialogs' business.
TEST(SoilStagesModel, AcceptsOverFaultsOfOtherLines) {
  std::vector<std::string> lines = kSection;
  lines[2] = "layer=1,砂,2.0,x,19,none,,,,,,,,";
  SoilStagesModel model(WithSoil(lines), 1);
  model.SetSecondary("0.9");
  EXPECT_FALSE(model.Validate());
}

const std::vector<std::string> kDrained = {
    "gammaw=9.81", "layer=1,粘土,10,15,15.5,mv,,,,,0.001,100,both,,,150",
    "drains=square,1.5,0.05,,,,10", "curve=1,10,2.0,100,1.5"};

TEST(SoilDrainsModel, UnchangedWritesNothingAndNoneRemovesOnlyTheLine) {
  for (const std::vector<std::string>& lines : {kDrained, std::vector<std::string>{}}) {
    DocumentTables tables = WithSoil(lines);
    SoilDrainsModel model(tables, 1);
    EXPECT_EQ(model.fields().present, !lines.empty());
    EXPECT_FALSE(model.HasChanged());
    model.Apply(tables);
    EXPECT_EQ(tables.soilLines, lines);
  }
  DocumentTables tables = WithSoil(kDrained);
  SoilDrainsModel model(tables, 1);
  model.SetPresent(false);
  EXPECT_FALSE(model.Validate());
  model.Apply(tables);
  EXPECT_EQ(tables.soilLines, (std::vector<std::string>{kDrained[0], kDrained[1], kDrained[3]}));
}

// A band drain of a x b keeps the perimeter's diameter 2 (a + b) / pi: 100 x 4 mm gives
// 0.06621 m. de is 1.128 s on a square grid and 1.050 s on a triangular one.
TEST(SoilDrainsModel, WritesABandDrainAsItsEquivalentDiameter) {
  DocumentTables tables = WithSoil(kDrained);
  SoilDrainsModel model(tables, 1);
  model.SetBand(true);
  model.SetBandWidth("０．１");
  model.SetBandThickness("0.004");
  ASSERT_TRUE(model.BandDiameter());
  EXPECT_NEAR(*model.BandDiameter(), 0.0662085, 1e-7);
  EXPECT_EQ(model.BandDiameterText(), "dw = 0.066 m");
  EXPECT_EQ(model.CellText(), "de = 1.693 m  n = 25.6");
  model.SetPattern("triangle");
  EXPECT_EQ(model.CellText(), "de = 1.575 m  n = 23.8");
  model.SetDs("0.15");
  model.SetKhks("3");
  model.SetQw("100");
  ASSERT_FALSE(model.Validate());
  model.Apply(tables);
  EXPECT_EQ(tables.soilLines[2], "drains=triangle,1.5,0.06621,0.15,3,100,10,0.1,0.004");
}

SoilDrainFields Sizes(bool band, const char* dw, const char* width, const char* thickness) {
  SoilDrainFields fields;
  fields.band = band;
  fields.dw = dw;
  fields.bandWidth = width;
  fields.bandThickness = thickness;
  return fields;
}

// The drain reopens as it was given: a band drain with its width and thickness, its diameter
// written as computed from them; a sand drain's line keeps seven fields.
TEST(SoilDrainsModel, ReopensTheDrainAsItWasGiven) {
  struct Case {
    const char* what;
    const char* line;
    std::function<void(SoilDrainsModel&)> edit;
    const char* written;
    SoilDrainFields reopened;  // the drain's kind and sizes only
  };
  const Case cases[] = {
      {"sand drain edited", "drains=square,1.5,0.05,,,,10",
       [](SoilDrainsModel& m) { m.SetSpacing("1.2"); }, "drains=square,1.2,0.05,,,,10",
       Sizes(false, "0.05", "", "")},
      {"band drain edited", "drains=square,1.5,0.06621,,,,10,0.1,0.004",
       [](SoilDrainsModel& m) { m.SetSpacing("1.2"); }, "drains=square,1.2,0.06621,,,,10,0.1,0.004",
       Sizes(true, "0.06621", "0.1", "0.004")},
      {"band drain without dw", "drains=square,1.5,,,,,10,0.1,0.004",
       [](SoilDrainsModel& m) { m.SetBandThickness("0.003"); },
       "drains=square,1.5,0.06557,,,,10,0.1,0.003", Sizes(true, "0.06557", "0.1", "0.003")},
      {"band drain made a sand drain", "drains=square,1.5,0.06621,,,,10,0.1,0.004",
       [](SoilDrainsModel& m) { m.SetBand(false); }, "drains=square,1.5,0.06621,,,,10",
       Sizes(false, "0.06621", "", "")},
      {"sand drain made a band drain", "drains=square,1.5,0.05,,,,10",
       [](SoilDrainsModel& m) {
         m.SetBand(true);
         m.SetBandWidth("0.1");
         m.SetBandThickness("0.004");
       },
       "drains=square,1.5,0.06621,,,,10,0.1,0.004", Sizes(true, "0.06621", "0.1", "0.004")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DocumentTables tables = WithSoil({kDrained[0], kDrained[1], c.line});
    SoilDrainsModel model(tables, 1);
    c.edit(model);
    ASSERT_FALSE(model.Validate());
    model.Apply(tables);
    EXPECT_EQ(tables.soilLines[2], c.written);
    const SoilDrainFields again = SoilDrainsModel(tables, 1).fields();
    EXPECT_EQ(again.band, c.reopened.band);
    EXPECT_EQ(again.dw, c.reopened.dw);
    EXPECT_EQ(again.bandWidth, c.reopened.bandWidth);
    EXPECT_EQ(again.bandThickness, c.reopened.bandThickness);
  }
}

TEST(SoilDrainsModel, NamesTheFieldOfEachFault) {
  struct Case {
    const char* what;
    std::function<void(SoilDrainsModel&)> edit;
    const char* field;
    const char* message;
  };
  const Case cases[] = {
      {"spacing not above dw", [](SoilDrainsModel& m) { m.SetSpacing("0.05"); }, "spacing",
       "バーチカルドレーン: 間隔 0.05 が直径 dw 0.05 以下です"},
      {"no dw", [](SoilDrainsModel& m) { m.SetDw(""); }, "dw", ""},
      {"ds below dw", [](SoilDrainsModel& m) { m.SetDs("0.04"); }, "ds",
       "バーチカルドレーン: スミア径 ds 0.04 が直径 dw 0.05 より小さくなっています"},
      {"kh/ks below one", [](SoilDrainsModel& m) { m.SetKhks("0.5"); }, "khks", ""},
      {"qw zero", [](SoilDrainsModel& m) { m.SetQw("0"); }, "qw", ""},
      {"bottom zero", [](SoilDrainsModel& m) { m.SetBottom("0"); }, "bottom", ""},
      {"band without width", [](SoilDrainsModel& m) { m.SetBand(true); }, "bandWidth",
       "バーチカルドレーン: 幅 a がありません"},
      {"band thickness not a number",
       [](SoilDrainsModel& m) {
         m.SetBand(true);
         m.SetBandWidth("0.1");
         m.SetBandThickness("b");
       },
       "bandThickness", "バーチカルドレーン: 厚さ b「b」が数値ではありません"},
      {"new drains without a bottom",
       [](SoilDrainsModel& m) {
         m.SetPresent(true);
         m.SetSpacing("1.2");
         m.SetDw("0.05");
       },
       "bottom", ""},
      {"accepted", [](SoilDrainsModel& m) { m.SetPattern("triangle"); }, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const bool fresh = std::string(c.what).starts_with("new");
    SoilDrainsModel model(
        WithSoil(fresh ? std::vector<std::string>{kDrained[0], kDrained[1]} : kDrained), 1);
    c.edit(model);
    const std::optional<ValidationError> error = model.Validate();
    EXPECT_EQ(error ? error->field : "", c.field);
    if (error && *c.message) {
      EXPECT_EQ(error->message, c.message);
    }
  }
}

// qw needs the unit weight of water: without a gammaw line the discharge capacity is refused.
TEST(SoilDrainsModel, DischargeCapacityWithoutGammaWFocusesQw) {
  SoilDrainsModel model(WithSoil({kDrained[1], kDrained[2]}), 1);
  model.SetQw("100");
  const std::optional<ValidationError> error = model.Validate();
  ASSERT_TRUE(error);
  EXPECT_EQ(error->field, "qw");
}

}  // namespace
}  // namespace qel
