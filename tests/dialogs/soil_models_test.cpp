// The soil dialogs' models: what each method needs, the greyed cells, the paste of curve
// points, the proposed γw, and the section's lines written back and read again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/soil_conditions_model.h"
#include "dialogs/soil_curve_model.h"
#include "dialogs/soil_layer_model.h"
#include "document/data_file.h"
#include "document/document.h"
#include "document/document_results.h"
#include "document/document_save.h"
#include "document/soil_profile_text.h"
#include "settings/system_settings.h"
#include "support/test_files.h"

namespace qel {
namespace {

DocumentTables WithSoil(std::vector<std::string> lines) {
  DocumentTables tables;
  tables.soilLines = std::move(lines);
  return tables;
}

// A layer typed into row 0 of an empty table, with a water table and one curve in the section.
TEST(SoilLayerModel, NamesTheFirstMissingFieldOfEachMethodByRow) {
  struct Case {
    const char* method;
    std::vector<std::pair<int, const char*>> cells;
    const char* message;  // empty: accepted
  };
  const Case cases[] = {
      {"なし", {}, ""},
      {"Cc", {{kSoilE0, "2.1"}, {kSoilCc, "0.8"}}, "1 行目: 土層 1 (粘土): Cs がありません"},
      {"Cc", {{kSoilE0, "2.1"}, {kSoilCc, "0.8"}, {kSoilCs, "0.08"}}, ""},
      {"Cc",
       {{kSoilE0, "０"}, {kSoilCc, "0.8"}, {kSoilCs, "0.08"}},
       "1 行目: 土層 1 (粘土): e0 は 0 より大きい値にしてください"},
      {"e-logp", {}, "1 行目: 土層 1 (粘土): 曲線番号がありません"},
      {"e-logp", {{kSoilCurve, "2"}}, "1 行目: 土層 1 (粘土): e–log p 曲線 2 がありません"},
      {"e-logp", {{kSoilCurve, "1"}}, ""},
      {"mv", {}, "1 行目: 土層 1 (粘土): mv がありません"},
      {"mv",
       {{kSoilMv, "0.0008"}, {kSoilCv, "150"}},
       "1 行目: 土層 1 (粘土): 排水条件がありません"},
      {"mv", {{kSoilMv, "0.0008"}, {kSoilCv, "150"}, {kSoilDrain, "両面"}}, ""},
      {"mv", {{kSoilMv, "abc"}}, "1 行目: 土層 1 (粘土): mv「abc」が数値ではありません"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.method) + " -> " + c.message);
    SoilLayerModel model(WithSoil({"water=1.0", "gammaw=9.81", "curve=1,10,2.0,100,1.5"}), 1);
    for (const auto& [column, text] :
         std::vector<std::pair<int, const char*>>{{kSoilName, "粘土"},
                                                  {kSoilBottom, "５.0"},
                                                  {kSoilGammaT, "16"},
                                                  {kSoilGammaSat, "16.5"},
                                                  {kSoilMethod, c.method}})
      model.SetCell(0, column, text);
    for (const auto& [column, text] : c.cells)
      model.SetCell(0, column, text);
    const std::optional<ValidationError> error = model.Validate();
    EXPECT_EQ(error ? error->message : "", c.message);
    if (error) {
      EXPECT_EQ(error->field, "layers");
    }
  }
}

// The bottoms must deepen, and a name the section's line could not hold is refused, each named
// by its row of the table (a blank row between is left out, not counted as a layer).
TEST(SoilLayerModel, NamesRowsOfTheTableThroughBlankRows) {
  SoilLayerModel model(DocumentTables{}, 1);
  const char* rows[][3] = {{"砂", "3", "18"}, {"", "", ""}, {"粘土", "2", "16"}};
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column)
      if (*rows[row][column]) model.SetCell(row, kSoilName + column, rows[row][column]);
  for (int row : {0, 2})
    model.SetCell(row, kSoilMethod, "なし");
  ASSERT_TRUE(model.Validate());
  EXPECT_EQ(model.Validate()->message,
            "3 行目: 土層 3 (粘土): 下端深さ 2 が上の層の下端 3 以下です");
  model.SetCell(2, kSoilBottom, "8");
  EXPECT_FALSE(model.Validate());
  EXPECT_EQ(model.rows()[2][kSoilNo], "3");  // numbered by its row when typed into
  model.SetCell(2, kSoilName, "粘土,2");
  ASSERT_TRUE(model.Validate());
  EXPECT_EQ(model.Validate()->message, "3 行目の土層名に「,」は使えません");
}

TEST(SoilLayerModel, GreysTheCellsAMethodDoesNotUse) {
  // Columns e0 .. ch, in order: which each method uses.
  const std::pair<const char*, const char*> cases[] = {
      {"none", ".........."}, {"cc", "XXXX.XX.XX"}, {"elogp", "..X..XXXXX"},
      {"mv", "....XXX.XX"},   {"", "XXXXXXXXXX"},   {"typo", "XXXXXXXXXX"},
  };
  for (const auto& [method, used] : cases) {
    SCOPED_TRACE(method);
    for (int column = 0; column <= kSoilMethod; ++column)
      EXPECT_TRUE(SoilColumnUsed(method, column));
    for (int column = kSoilE0; column < kSoilColumnCount; ++column)
      EXPECT_EQ(SoilColumnUsed(method, column), used[column - kSoilE0] == 'X') << column;
  }
}

TEST(SoilCurvePaste, ReadsTabCommaAndBlankSeparatedLines) {
  struct Case {
    const char* text;
    std::vector<SoilCurvePoint> points;
    const char* error;  // empty: none
  };
  const Case cases[] = {
      {"9.8\t2.45\r\n19.6\t2.40\r\n", {{"9.8", "2.45"}, {"19.6", "2.40"}}, ""},
      {"p,e\n10, 2.0\n\n100 ,1.5", {{"10", "2.0"}, {"100", "1.5"}}, ""},
      {"１０、２．０\n100  1.5", {{"10", "2.0"}, {"100", "1.5"}}, ""},
      {"10\t2.0\n100\t1.5\t7", {}, "2 行目「100\t1.5\t7」は p と e の 2 つの数値ではありません"},
      {"10\t2.0\nx\t1.5", {}, "2 行目「x\t1.5」は p と e の 2 つの数値ではありません"},
      {"p\te\n", {}, "貼り付ける p, e の行がありません"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const SoilCurvePaste paste = ParseSoilCurvePaste(c.text);
    EXPECT_EQ(paste.error.value_or(""), c.error);
    if (!paste.error) {
      EXPECT_EQ(paste.points, c.points);
    }
  }
}

// A paste fills the chosen curve from the chosen row; one that would pass 30 points changes
// nothing.
TEST(SoilCurveModel, PasteFillsTheCurveFromTheRowAndRefusesTooManyPoints) {
  SoilCurveModel model(WithSoil({"curve=3,5,2.5,10,2.4"}));
  EXPECT_FALSE(model.Paste(2, 1, "20\t2.2\n40\t2.0"));
  EXPECT_EQ(model.points(2), (SoilCurvePoints{{"5", "2.5"}, {"20", "2.2"}, {"40", "2.0"}}));
  std::string many;
  for (int i = 1; i <= 29; ++i)
    many += std::to_string(i * 10) + "\t" + std::to_string(3.0 - i * 0.05) + "\n";
  EXPECT_EQ(model.Paste(2, 2, many).value_or(""), "点は 30 個までです (31 個になります)");
  EXPECT_EQ(model.points(2).size(), 3u);
  EXPECT_FALSE(model.Validate());
  model.SetCell(2, 2, 0, "15");  // p no longer rising
  ASSERT_TRUE(model.Validate());
  EXPECT_EQ(model.Validate()->message, "曲線 3: 3 番目の p が前の点より大きくありません");
}

TEST(SoilConditionsModel, ProposesGammaWByUnitsOnlyWithoutAProfile) {
  struct Case {
    std::vector<std::string> lines;
    int unitSystem;
    SoilConditionsFields fields;
  };
  const Case cases[] = {
      {{}, 1, {"", "9.81", "1.0", "", ""}},
      {{}, 0, {"", "1.0", "1.0", "", ""}},
      {{"layer=1,砂,3,18,19,none,,,,,,,,"}, 1, {"", "", "", "", ""}},
      {{"water=2", "gammaw=10", "slice=0.5", "times=30, 90", "timecols=4, 2"},
       0,
       {"2", "10", "0.5", "30, 90", "4, 2"}},
  };
  for (const Case& c : cases) {
    const SoilConditionsModel model(WithSoil(c.lines), c.unitSystem);
    EXPECT_EQ(model.fields(), c.fields);
    EXPECT_FALSE(model.HasChanged());
  }
}

TEST(SoilConditionsModel, NamesTheFieldOfAFault) {
  const std::pair<std::vector<const char*>, const char*> cases[] = {
      {{"1", "9.81", "1.0", "30,90", "3，1"}, ""}, {{"1", "", "1.0", "", ""}, "water"},
      {{"", "9.81", "０", "", ""}, "slice"},       {{"", "x", "1", "", ""}, "gammaW"},
      {{"", "9.81", "1", "30、-5", ""}, "times"},  {{"", "9.81", "1", "", "2,0"}, "timeColumns"},
  };
  for (const auto& [texts, field] : cases) {
    SoilConditionsModel model(DocumentTables{}, 1);
    model.SetWater(texts[0]);
    model.SetGammaW(texts[1]);
    model.SetSlice(texts[2]);
    model.SetTimes(texts[3]);
    model.SetTimeColumns(texts[4]);
    const std::optional<ValidationError> error = model.Validate();
    EXPECT_EQ(error ? error->field : "", field) << texts[0] << texts[1] << texts[2] << texts[3];
  }
}

// Each dialog replaces only its own lines, where they were; unknown lines stay; and what the
// three wrote reads as the profile typed.
TEST(SoilModels, ApplyWritesLinesThatReadBackAsTheProfile) {
  DocumentTables tables = WithSoil(
      {"# note", "slice=2", "layer=1,old,4,18,19,none,,,,,,,,", "future=1", "curve=9,1,2,10,1"});
  SoilConditionsModel conditions(tables, 1);
  conditions.SetWater("１.5");
  conditions.SetGammaW("9.81");
  conditions.SetSlice("0.5");
  conditions.SetTimes("30，365");
  ASSERT_FALSE(conditions.Validate());
  conditions.Apply(tables);

  SoilCurveModel curves(tables);
  ASSERT_FALSE(curves.Paste(0, 0, "10\t2.00\n100\t1.50\n1000\t1.00"));
  ASSERT_FALSE(curves.Validate());
  curves.Apply(tables);

  SoilLayerModel layers(tables, 1);
  const char* typed[][kSoilCalpha] = {
      // the fields every line has
      {"1", "盛土", "1.0", "18", "19", "なし", "", "", "", "", "", "", "", ""},
      {"2", "粘土", "6.0", "16", "16.5", "e-logp", "", "", "0.05", "", "", "150", "上面", "1"},
      {"3", "砂", "9", "18", "19", "なし", "", "", "", "", "", "", "", ""}};
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < kSoilCalpha; ++column)
      layers.SetCell(row, column, typed[row][column]);
  ASSERT_FALSE(layers.Validate());
  EXPECT_TRUE(layers.HasChanged());
  layers.Apply(tables);

  EXPECT_EQ(tables.soilLines,
            (std::vector<std::string>{"# note", "water=1.5", "gammaw=9.81", "slice=0.5",
                                      "times=30,365", "layer=1,盛土,1.0,18,19,none,,,,,,,,",
                                      "layer=2,粘土,6.0,16,16.5,elogp,,,0.05,,,150,top,1",
                                      "layer=3,砂,9,18,19,none,,,,,,,,", "future=1",
                                      "curve=1,10,2.00,100,1.50,1000,1.00", "curve=9,1,2,10,1"}));
  // The unknown lines are the reader's faults only; without them the profile reads as typed.
  std::vector<std::string> known = tables.soilLines;
  std::erase(known, "# note");
  std::erase(known, "future=1");
  const SoilProfileReading reading = ReadSoilProfile(known, 1);
  ASSERT_TRUE(reading.profile) << reading.errors.front().text;
  const SoilProfile& profile = *reading.profile;
  EXPECT_EQ(profile.waterDepth, 1.5);
  EXPECT_EQ(profile.sliceThickness, 0.5);
  EXPECT_EQ(profile.times, (std::vector<double>{30, 365}));
  ASSERT_EQ(profile.layers.size(), 3u);
  EXPECT_EQ(profile.layers[1].method, SettlementMethod::kElogP);
  EXPECT_EQ(profile.layers[1].drainage, Drainage::kTop);
  EXPECT_EQ(profile.layers[1].cv, 150.0);
  EXPECT_EQ(profile.layers[2].bottom, 9.0);
}

// Each dialog writes its lines in place: a changed line stays where it was, a line that says
// what it said keeps its text as typed, and every other line stays in its place and order.
// Cα and ch, the optional last fields of a layer line, survive an edit of the table, and a line
// carries them only up to the last one typed; a drainage of neither face is written "none".
TEST(SoilLayerModel, WritesTheOptionalFieldsOnlyUpToTheLastTyped) {
  const std::string plain = "layer=1,a,5,16,17,cc,2,0.8,0.08,60,,150,top,";
  struct Case {
    std::string line;
    int column;
    const char* text;
    std::string written;
  };
  const Case cases[] = {
      {plain + ",0.02,300", kSoilBottom, "6",
       "layer=1,a,6,16,17,cc,2,0.8,0.08,60,,150,top,,0.02,300"},
      {plain, kSoilCalpha, "0.01", plain + ",0.01"},
      {plain, kSoilCh, "200", plain + ",,200"},
      {plain + ",0.02", kSoilCalpha, "", plain},
      {plain, kSoilDrain, "なし", "layer=1,a,5,16,17,cc,2,0.8,0.08,60,,150,none,"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    DocumentTables tables = WithSoil({c.line});
    SoilLayerModel layers(tables, 1);
    layers.SetCell(0, c.column, c.text);
    layers.Apply(tables);
    EXPECT_EQ(tables.soilLines, std::vector<std::string>{c.written});
  }
}

// OK tells of a Cc layer whose p'c lies below its overburden and of a settling layer without cv,
// naming the layer; a layer that does not settle, and an OK without a change, tell nothing.
TEST(SoilLayerModel, OkTellsOfPcBelowTheOverburdenAndOfNoCv) {
  struct Case {
    std::string layer;
    std::vector<std::string> told;  // what each notice holds, in order
  };
  const Case cases[] = {
      {"layer=1,a,10,16,17,cc,2,0.8,0.08,10,,150,both,", {"土層 1 (粘土): p'c = 10 が"}},
      {"layer=1,a,10,16,17,cc,2,0.8,0.08,500,,,both,", {"土層 1 (粘土): 圧密係数 cv がない"}},
      {"layer=1,a,10,16,17,cc,2,0.8,0.08,10,,,both,", {"p'c = 10", "cv がない"}},
      {"layer=1,a,10,16,17,none,,,,,,,,", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.layer);
    DocumentTables tables = WithSoil({c.layer});
    EXPECT_TRUE(SoilLayerModel(tables, 1).Apply(tables).notices.empty());  // nothing changed
    SoilLayerModel layers(tables, 1);
    layers.SetCell(0, kSoilName, "粘土");
    const ApplyOutcome outcome = layers.Apply(tables);
    ASSERT_EQ(outcome.notices.size(), c.told.size());
    for (std::size_t i = 0; i < c.told.size(); ++i)
      EXPECT_NE(outcome.notices[i].find(c.told[i]), std::string::npos) << outcome.notices[i];
  }
}

TEST(SoilModels, EachDialogWritesItsLinesInPlace) {
  {
    DocumentTables tables =
        WithSoil({"water=1", "# note", "times=30", "layer=1,a,5,16,17,none,,,,,,,,"});
    SoilConditionsModel conditions(tables, 1);
    conditions.SetWater("2");
    conditions.Apply(tables);
    EXPECT_EQ(tables.soilLines, (std::vector<std::string>{"water=2", "# note", "times=30",
                                                          "layer=1,a,5,16,17,none,,,,,,,,"}));
  }
  {
    DocumentTables tables = WithSoil({"layer=1, a ,5,16,17,none,,,,,,,,", "# about b",
                                      "layer=2,b,9,16,17,none,,,,,,,,", "curve=1,10,2,100,1"});
    SoilLayerModel layers(tables, 1);
    layers.SetCell(1, kSoilBottom, "10");
    ASSERT_FALSE(layers.Validate());
    layers.Apply(tables);
    EXPECT_EQ(tables.soilLines,
              (std::vector<std::string>{"layer=1, a ,5,16,17,none,,,,,,,,", "# about b",
                                        "layer=2,b,10,16,17,none,,,,,,,,", "curve=1,10,2,100,1"}));
    // A layer typed below the last one is a line after the last layer line, numbered by its
    // place.
    SoilLayerModel more(tables, 1);
    for (const auto& [column, text] : std::vector<std::pair<int, const char*>>{
             {kSoilName, "c"}, {kSoilBottom, "15"}, {kSoilGammaT, "16"}, {kSoilMethod, "なし"}})
      more.SetCell(2, column, text);
    ASSERT_FALSE(more.Validate());
    more.Apply(tables);
    EXPECT_EQ(tables.soilLines,
              (std::vector<std::string>{"layer=1, a ,5,16,17,none,,,,,,,,", "# about b",
                                        "layer=2,b,10,16,17,none,,,,,,,,",
                                        "layer=3,c,15,16,,none,,,,,,,,", "curve=1,10,2,100,1"}));
  }
  {
    DocumentTables tables = WithSoil({"curve=1, 10 ,2,100,1", "# c2", "curve=2,10,3,100,2"});
    SoilCurveModel curves(tables);
    curves.SetCell(1, 1, 1, "1.5");
    curves.Apply(tables);
    EXPECT_EQ(tables.soilLines,
              (std::vector<std::string>{"curve=1, 10 ,2,100,1", "# c2", "curve=2,10,3,100,1.5"}));
  }
}

// Opening every soil dialog on a document without a profile and pressing OK without a change
// (or cancelling) writes nothing: the document saves byte for byte as before.
TEST(SoilModels, ADocumentWithoutAProfileSavesAsBeforeAfterTheDialogs) {
  DocumentTables tables;
  SystemSettings settings;
  ASSERT_EQ(ReadDataFile(test::Fixture("datafiles/japanese.in.qdw"), tables), ReadStatus::Ok);
  ASSERT_TRUE(tables.soilLines.empty());
  const DocumentResults results;
  const std::string before =
      SavedDocumentText(Document(tables), results, CircleMethod::kExact, settings);
  const SoilLayerModel layers(tables, settings.unitSystem);
  const SoilCurveModel curves(tables);
  const SoilConditionsModel conditions(tables, settings.unitSystem);
  EXPECT_FALSE(layers.HasChanged() || curves.HasChanged() || conditions.HasChanged());
  layers.Apply(tables);
  curves.Apply(tables);
  conditions.Apply(tables);
  EXPECT_EQ(SavedDocumentText(Document(tables), results, CircleMethod::kExact, settings), before);
}

}  // namespace
}  // namespace qel
