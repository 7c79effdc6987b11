// Tests of reading and checking the soil profile's lines.
#include "document/soil_profile_text.h"

#include <gtest/gtest.h>

#include <ostream>

namespace qel {

void PrintTo(const SoilProfileError& error, std::ostream* out) {
  *out << error.line << ": " << error.text;
}

namespace {

// The unit system of the examples: kN-m (unit weights up to 100 kN/m3).
constexpr int kKiloNewtons = 1;

// Lines 1-9 of a section: water table, unit weight of water, slices, times, four layers and a
// curve.
std::vector<std::string> Example() {
  return {"water=2.5",
          "gammaw=9.81",
          "slice=1.0",
          "times=30,90,365,1825",
          "layer=1,粘土1,8.0,16.0,16.5,cc,2.10,0.80,0.08,60,,150,both,",
          "layer=2,砂,10.0,18.0,19.0,none,,,,,,,,",
          "layer=3,粘土2,20.0,15.5,15.5,elogp,,,0.05,,,80,top,1",
          "layer=4,粘土3,25.0,16.0,16.0,mv,,,,,0.0008,,bottom,",
          "curve=1,9.8,2.45,19.6,2.40,39.2,2.31,78.5,2.12,157,1.90,314,1.68,628,1.47,1256,1.27"};
}

TEST(ReadSoilProfile, TheExampleBecomesItsNumbers) {
  const SoilProfileReading reading = ReadSoilProfile(Example(), kKiloNewtons);
  ASSERT_TRUE(reading.errors.empty()) << reading.errors[0].text;
  ASSERT_TRUE(reading.profile);
  const SoilProfile& p = *reading.profile;
  EXPECT_EQ(p.waterDepth, 2.5);
  EXPECT_EQ(p.gammaW, 9.81);
  EXPECT_EQ(p.sliceThickness, 1.0);
  EXPECT_EQ(p.times, (std::vector<double>{30, 90, 365, 1825}));
  ASSERT_EQ(p.layers.size(), 4u);
  SoilLayer first{1,
                  "粘土1",
                  8.0,
                  16.0,
                  16.5,
                  SettlementMethod::kCc,
                  2.10,
                  0.80,
                  0.08,
                  60.0,
                  0.0,
                  150.0,
                  Drainage::kBoth,
                  0,
                  std::nullopt,
                  std::nullopt};
  EXPECT_EQ(p.layers[0], first);
  EXPECT_EQ(p.layers[1].method, SettlementMethod::kNone);
  EXPECT_EQ(p.layers[2].method, SettlementMethod::kElogP);
  EXPECT_EQ(p.layers[2].curve, 1);
  EXPECT_EQ(p.layers[2].cs, 0.05);
  EXPECT_EQ(p.layers[2].drainage, Drainage::kTop);
  EXPECT_EQ(p.layers[3].mv, 0.0008);
  EXPECT_EQ(p.layers[3].cv, std::nullopt);
  EXPECT_EQ(p.layers[3].drainage, Drainage::kBottom);
  ASSERT_EQ(p.curves.size(), 1u);
  EXPECT_EQ(p.curves[0].p.size(), 8u);
  EXPECT_EQ(p.curves[0].e.back(), 1.27);
}

TEST(ReadSoilProfile, AcceptsWhatIsLeftOutOrNotUsed) {
  struct Case {
    const char* what;
    std::vector<std::pair<int, std::string>> changes;  // line (1-based) and its new text
  };
  const Case cases[] = {
      {"no water table and no gammaw", {{1, "water="}, {2, ""}}},
      {"gammaSat under gammaW above the water table",
       {{1, "water=25"}, {5, "layer=1,粘土1,8.0,16.0,5,cc,2.10,0.80,0.08,60,,150,both,"}}},
      {"blanks around keys and fields",
       {{3, " slice = 0.5 "}, {6, "layer= 2 , 砂 , 10 , 18 , 19 , none ,,,,,,,,"}}},
      {"empty times, blank lines", {{4, "times="}, {2, "   "}, {1, ""}}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines = Example();
    for (const auto& [line, text] : c.changes)
      lines[static_cast<std::size_t>(line - 1)] = text;
    const SoilProfileReading reading = ReadSoilProfile(lines, kKiloNewtons);
    EXPECT_TRUE(reading.profile) << c.what << ": "
                                 << (reading.errors.empty() ? "" : reading.errors[0].text);
  }
  const SoilProfile defaults =
      *ReadSoilProfile({"layer=1,,5,18,,mv,,,,,0.001,,,"}, kKiloNewtons).profile;
  EXPECT_EQ(defaults.sliceThickness, 1.0);
  EXPECT_EQ(defaults.times, kDefaultSettlementTimes);
  EXPECT_FALSE(defaults.waterDepth);
}

// The example with the 1-based field `field` of line `line` replaced (the whole line when field
// is 0); a line beyond the example is added.
std::vector<std::string> Changed(int line, int field, const std::string& text) {
  std::vector<std::string> lines = Example();
  if (line > static_cast<int>(lines.size())) lines.emplace_back();
  std::string& target = lines[static_cast<std::size_t>(line - 1)];
  if (field == 0) {
    target = text;
    return lines;
  }
  std::size_t begin = target.find('=') + 1;
  for (int i = 1; i < field; ++i)
    begin = target.find(',', begin) + 1;
  target.replace(begin, target.find(',', begin) - begin, text);
  return lines;
}

TEST(ReadSoilProfile, NamesTheLineAndFieldOfEveryFault) {
  struct Case {
    int line, field;  // what is changed
    std::string text;
    std::string error;
    int errorLine = 0;  // 0: the changed line
  };
  const std::string c1 = "土層 1 (粘土1): ";
  const Case cases[] = {
      {6, 3, "8.0", "土層 2 (砂): 下端深さ 8.0 が上の層の下端 8.0 以下です"},
      {5, 3, "0", c1 + "下端深さは 0 より大きい値にしてください"},
      {7, 5, "9.5", "土層 3 (粘土2): γsat 9.5 が γw 9.81 より小さくなっています"},
      {5, 5, "9.5", c1 + "γsat 9.5 が γw 9.81 より小さくなっています"},  // partly below
      {5, 4, "", c1 + "γt がありません"},
      {5, 6, "CC", c1 + "沈下計算法「CC」は none, cc, elogp, mv のいずれかです"},
      {5, 6, "", c1 + "沈下計算法がありません"},
      {5, 8, "", c1 + "Cc がありません"},
      {5, 7, "0", c1 + "e0 は 0 より大きい値にしてください"},
      {5, 9, "-0.08", c1 + "Cs は 0 以上にしてください"},
      {5, 12, "0", c1 + "cv は 0 より大きい値にしてください"},
      {5, 13, "up", c1 + "排水条件「up」は both, top, bottom, none のいずれかです"},
      {5, 13, "", c1 + "排水条件がありません"},
      {5, 4, "inf", c1 + "γt「inf」が数値ではありません"},
      {5, 7, "1e999", c1 + "e0「1e999」が数値ではありません"},
      {5, 10, "6O", c1 + "p'c「6O」が数値ではありません"},
      {5, 1, "x", "5 行目の土層: 番号「x」が正の整数ではありません"},
      {5, 0, "layer=1,粘土1,8.0", "5 行目の土層: 項目が 3 個あります (14–16 個必要です)"},
      {6, 1, "1", "土層 1 (砂): 番号が 5 行目の土層と重複しています"},
      {7, 14, "", "土層 3 (粘土2): 曲線番号がありません"},
      {7, 14, "2", "土層 3 (粘土2): e–log p 曲線 2 がありません"},
      {8, 11, "", "土層 4 (粘土3): mv がありません"},
      {9, 0, "curve=1,9.8,2.45", "曲線 1: 点が 2 つ以上必要です"},
      {9, 0, "curve=1,9.8,2.45,19.6", "曲線 1: p と e の数が揃っていません"},
      {9, 4, "9.8", "曲線 1: 2 番目の p が前の点より大きくありません"},
      {9, 2, "0", "曲線 1: 1 番目の p は 0 より大きい値にしてください"},
      {9, 5, "2.45", "曲線 1: 2 番目の e が前の点より小さくありません"},
      {10, 0, "curve=1,9.8,2.45,19.6,2.40", "曲線 1: 番号が重複しています"},
      {1, 0, "water=abc", "地下水位「abc」が数値ではありません"},
      {2, 0, "", "地下水位があるときは γw が必要です", 1},
      {10, 0, "water=3", "地下水位が重複しています"},
      {3, 0, "slice=0", "分割厚さは 0 より大きい値にしてください"},
      {3, 0, "slice=0.0001", "分割数が 2000 を超えます。分割厚さを大きくしてください"},
      {4, 2, "-5", "時間の 2 番目「-5」が負です"},
      {4, 2, "", "時間の 2 番目「」が数値ではありません"},
      {10, 0, "depth=3", "10 行目: 不明な項目「depth」です"},
      {10, 0, "layer", "10 行目: 不明な項目「layer」です"},
      // Finite numbers beyond what any ground holds: refused, so that nothing overflows.
      {5, 5, "1e308", c1 + "γsat は 100 以下にしてください"},
      {5, 4, "1e200", c1 + "γt は 100 以下にしてください"},
      {5, 8, "1e308", c1 + "Cc は 20 以下にしてください"},
      {5, 7, "25", c1 + "e0 は 20 以下にしてください"},
      {5, 10, "2e6", c1 + "p'c は 1000000 以下にしてください"},
      {5, 12, "2e8", c1 + "cv は 100000000 以下にしてください"},
      {8, 11, "1e308", "土層 4 (粘土3): mv は 1 以下にしてください"},
      {8, 3, "1e200", "土層 4 (粘土3): 下端深さは 10000 以下にしてください"},
      {9, 16, "2e6", "曲線 1: 8 番目の p は 1000000 以下にしてください"},
      {9, 17, "0", "曲線 1: 8 番目の e は 0 より大きい値にしてください"},
      {1, 0, "water=-2e4", "地下水位は -10000 以上にしてください"},
      {2, 0, "gammaw=101", "γw は 100 以下にしてください"},
      {3, 0, "slice=2e4", "分割厚さは 10000 以下にしてください"},
      {4, 2, "2e7", "時間の 2 番目「2e7」は 10000000 以下にしてください"},
      // A cell of more than 200 characters is named and quoted to 40; messages quote at most 80
      // characters of any text, with control characters shown.
      {5, 2, std::string(201, 'n'),
       "5 行目の土層: 名称が長すぎます (200 文字まで)「" + std::string(40, 'n') + "…」"},
      {10, 0, "x" + std::string(100, 'y') + "=1",
       "10 行目: 不明な項目「x" + std::string(79, 'y') + "…」です"},
      {5, 6, std::string("c\0c", 3),
       c1 + "沈下計算法「c\\x00c」は none, cc, elogp, mv のいずれかです"},
  };
  for (const Case& c : cases) {
    const SoilProfileReading reading =
        ReadSoilProfile(Changed(c.line, c.field, c.text), kKiloNewtons);
    EXPECT_FALSE(reading.profile) << c.error;
    const SoilProfileError expected{c.errorLine ? c.errorLine : c.line, c.error};
    EXPECT_EQ(reading.errors, std::vector<SoilProfileError>{expected});
  }
}

TEST(ReadSoilProfile, UnitWeightsAreBoundedInTheDocumentsUnitsAndLineEndsAreBlanks) {
  // 16 tf/m3 is no soil; 16 kN/m3 is.
  const std::vector<std::string> lines = {"layer=1,a,5,16,,mv,,,,,0.001,,,"};
  EXPECT_TRUE(ReadSoilProfile(lines, kKiloNewtons).profile);
  EXPECT_EQ(ReadSoilProfile(lines, 0).errors,
            (std::vector<SoilProfileError>{{1, "土層 1 (a): γt は 10 以下にしてください"}}));
  // A file whose lines end CR CR LF leaves a CR on each line.
  std::vector<std::string> example = Example();
  for (std::string& line : example)
    line += "\r";
  const SoilProfileReading reading = ReadSoilProfile(example, kKiloNewtons);
  ASSERT_TRUE(reading.profile) << reading.errors.front().text;
  EXPECT_EQ(*reading.profile, *ReadSoilProfile(Example(), kKiloNewtons).profile);
}

TEST(ReadSoilProfile, RefusesMoreLayersCurvesPointsOrTimesThanItHolds) {
  auto layers = [](int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
      lines.push_back("layer=" + std::to_string(i) + ",," + std::to_string(i) +
                      ",18,,none,,,,,,,,");
    return lines;
  };
  auto withLine = [](std::vector<std::string> lines, const std::string& line) {
    lines.push_back(line);
    return lines;
  };
  auto repeated = [](std::string text, const std::string& item, int count) {
    for (int i = 0; i < count; ++i)
      text += (i ? "," : "") + item;
    return text;
  };
  std::vector<std::string> curves = layers(1);
  for (int i = 1; i <= kMaxCurves + 2; ++i)
    curves.push_back("curve=" + std::to_string(i) + ",10,1.0,100,0.8");
  std::string points = "curve=1";
  for (int i = 1; i <= kMaxCurvePoints + 1; ++i)
    points += "," + std::to_string(i) + "," + std::to_string(10.0 - 0.1 * i);
  struct Case {
    std::vector<std::string> lines;
    std::vector<SoilProfileError> errors;
  };
  const Case cases[] = {
      {layers(kMaxSoilLayers), {}},
      {layers(kMaxSoilLayers + 2), {{51, "土層は 50 層までです"}}},
      {curves, {{22, "e–log p 曲線は 20 本までです"}}},
      {withLine(layers(1), points), {{2, "曲線 1: 点は 30 個までです"}}},
      {withLine(layers(1), repeated("times=", "1", kMaxSettlementTimes)), {}},
      {withLine(layers(1), repeated("times=", "1", kMaxSettlementTimes + 1)),
       {{2, "時間は 100 個までです"}}},
      {{"water=1"}, {{0, "土層がありません"}, {1, "地下水位があるときは γw が必要です"}}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReadSoilProfile(c.lines, kKiloNewtons).errors, c.errors) << c.lines.back();
}

}  // namespace
}  // namespace qel
