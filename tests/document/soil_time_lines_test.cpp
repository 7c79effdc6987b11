// Tests of the soil section's lines of the settlement in time: stages, rules, drains, residual
// period, the 15th and 16th layer fields, and their faults.
#include <gtest/gtest.h>

#include <ostream>

#include "document/soil_profile_text.h"

namespace qel {

void PrintTo(const SoilProfileError& error, std::ostream* out);

namespace {

constexpr int kKiloNewtons = 1;

// A clay over sand over two clays that touch (3 drains at its top only, 4 at its bottom only).
std::vector<std::string> Section() {
  return {"water=2.5",
          "gammaw=9.81",
          "layer=1,粘土1,8.0,16.0,16.5,cc,2.10,0.80,0.08,60,,150,both,",
          "layer=2,砂,10.0,18.0,19.0,none,,,,,,,,",
          "layer=3,粘土2,20.0,15.5,15.5,mv,1.5,,,,0.001,80,top,",
          "layer=4,粘土3,25.0,16.0,16.0,mv,,,,,0.0008,40,bottom,"};
}

// The section with lines replaced (1-based; 0 appends).
std::vector<std::string> With(const std::vector<std::pair<int, std::string>>& changes) {
  std::vector<std::string> lines = Section();
  for (const auto& [line, text] : changes) {
    if (line == 0)
      lines.push_back(text);
    else
      lines[static_cast<std::size_t>(line - 1)] = text;
  }
  return lines;
}

TEST(ReadSoilTimeLines, WithoutThemTheProfileKeepsTodaysRule) {
  const SoilProfile p = *ReadSoilProfile(Section(), kKiloNewtons).profile;
  EXPECT_TRUE(p.stages.empty());
  EXPECT_EQ(p.timeLoading, TimeLoading::kExact);
  EXPECT_EQ(p.consolidation, ConsolidationRule::kLayers);
  EXPECT_EQ(p.secondaryStart, 0.95);
  EXPECT_FALSE(p.residual);
  EXPECT_FALSE(p.drains);
  EXPECT_FALSE(p.layers[0].calpha);
  EXPECT_FALSE(p.layers[0].ch);
}

TEST(ReadSoilTimeLines, EveryLineBecomesItsNumbers) {
  const SoilProfileReading reading = ReadSoilProfile(
      With({{3, "layer=1,粘土1,8.0,16.0,16.5,cc,2.10,0.80,0.08,60,,150,both,,0.02,300"},
            {5, "layer=3,粘土2,20.0,15.5,15.5,mv,1.5,,,,0.001,80,top,,0.01"},
            {6, "layer=4,粘土3,25.0,16.0,16.0,mv,,,,,0.0008,40,none,"},
            {0, "stage=1,0,60,0.5"},
            {0, "stage=2,120,150,1.0"},
            {0, " timeload = terzaghi "},
            {0, "consolidation=equivalent"},
            {0, "secondary=0.9"},
            {0, "residual=200"},
            {0, "drains=triangle,1.2,0.0662,0.2,2,100,15.0"},
            {0, "timecols=1,4,7"}}),
      kKiloNewtons);
  ASSERT_TRUE(reading.profile) << reading.errors.front().text;
  const SoilProfile& p = *reading.profile;
  EXPECT_EQ(p.stages, (std::vector<LoadStage>{{1, 0.0, 60.0, 0.5}, {2, 120.0, 150.0, 1.0}}));
  EXPECT_EQ(p.timeLoading, TimeLoading::kTerzaghi);
  EXPECT_EQ(p.consolidation, ConsolidationRule::kEquivalent);
  EXPECT_EQ(p.secondaryStart, 0.9);
  EXPECT_EQ(p.residual, (ResidualPeriod{200.0, 3650.0}));
  EXPECT_EQ(p.drains,
            (VerticalDrains{DrainPattern::kTriangle, 1.2, 0.0662, 0.2, 2.0, 100.0, 15.0}));
  EXPECT_EQ(p.timeColumns, (std::vector<int>{1, 4, 7}));
  EXPECT_EQ(p.layers[0].calpha, 0.02);
  EXPECT_EQ(p.layers[0].ch, 300.0);
  EXPECT_EQ(p.layers[2].calpha, 0.01);
  EXPECT_FALSE(p.layers[2].ch);
  EXPECT_EQ(p.layers[3].drainage, Drainage::kNone);
  // The optional drain fields may be left empty; the service life may be given.
  const SoilProfile q =
      *ReadSoilProfile(With({{0, "drains=square,1.5,0.05,,,,10"}, {0, "residual=100,7300"}}),
                       kKiloNewtons)
           .profile;
  EXPECT_EQ(q.drains, (VerticalDrains{DrainPattern::kSquare, 1.5, 0.05, std::nullopt, std::nullopt,
                                      std::nullopt, 10.0}));
  EXPECT_EQ(q.residual, (ResidualPeriod{100.0, 7300.0}));
}

// A band drain of 100 x 4 mm has the perimeter of a sand drain of 2 (a + b) / pi = 0.0662 m:
// its diameter left empty is derived, given it is used when it agrees to 0.5 %.
TEST(ReadSoilTimeLines, KeepsABandDrainsWidthAndThickness) {
  struct Case {
    const char* line;
    double dw;
    std::optional<BandDrain> band;
  };
  const Case cases[] = {
      {"drains=square,1.5,0.05,,,,10", 0.05, std::nullopt},
      {"drains=square,1.5,0.05,,,,10,,", 0.05, std::nullopt},
      {"drains=square,1.5,,,,,10,0.1,0.004", 0.0662085, BandDrain{0.1, 0.004}},
      {"drains=square,1.5,0.06621,,,,10,0.1,0.004", 0.06621, BandDrain{0.1, 0.004}},
      {"drains=square,1.5,0.0659,,,,10,0.1,0.004", 0.0659, BandDrain{0.1, 0.004}},
      {"drains=square,1.5,,,,,10, 0.3 , 0.3 ", 0.3819719, BandDrain{0.3, 0.3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const SoilProfileReading reading = ReadSoilProfile(With({{0, c.line}}), kKiloNewtons);
    ASSERT_TRUE(reading.profile) << reading.errors.front().text;
    ASSERT_TRUE(reading.profile->drains);
    EXPECT_NEAR(reading.profile->drains->dw, c.dw, 1e-7);
    EXPECT_EQ(reading.profile->drainBand, c.band);
  }
}

TEST(ReadSoilTimeLines, NamesTheLineOfEveryFault) {
  struct Case {
    std::vector<std::pair<int, std::string>> changes;
    SoilProfileError error;
  };
  const std::string c1 = "土層 1 (粘土1): ";
  const std::string d = "バーチカルドレーン: ";
  const Case cases[] = {
      {{{0, "stage=1,60,0,0.5"}}, {7, "段階 1: 終了 0 が開始 60 より前です"}},
      {{{0, "stage=1,0,60,0.5"}, {0, "stage=2,30,90,1"}},
       {8, "段階 2: 開始 30 が段階 1 の終了 60 より前です"}},
      {{{0, "stage=1,0,60,0.5"}, {0, "stage=2,60,90,0.5"}},
       {8, "段階 2: 割合 0.5 が段階 1 の割合 0.5 以下です"}},
      {{{0, "stage=1,0,60,0.5"}, {0, "stage=1,60,90,1"}},
       {8, "段階 1: 番号が 7 行目の施工段階と重複しています"}},
      {{{0, "stage=1,0,0,1.5"}}, {7, "段階 1: 割合は 1 以下にしてください"}},
      {{{0, "stage=1,0,0,0"}}, {7, "段階 1: 割合は 0 より大きい値にしてください"}},
      {{{0, "stage=1,0,2e7,1"}}, {7, "段階 1: 終了は 10000000 以下にしてください"}},
      {{{0, "stage=1,0,0"}}, {7, "7 行目の施工段階: 項目が 3 個あります (4 個必要です)"}},
      {{{0, "secondary=1"}}, {7, "二次圧密の開始は 1 より小さい値にしてください"}},
      {{{0, "secondary=0.4"}}, {7, "二次圧密の開始は 0.5 以上にしてください"}},
      {{{0, "timeload=slow"}}, {7, "載荷時間の扱い「slow」は exact, terzaghi のいずれかです"}},
      {{{0, "consolidation=joint"}},
       {7, "圧密計算法「joint」は layers, equivalent, coupled のいずれかです"}},
      {{{0, "consolidation=coupled"}, {0, "consolidation=layers"}},
       {8, "圧密計算法が重複しています"}},
      {{{3, "layer=1,粘土1,8.0,16.0,16.5,cc,2.10,0.80,0.08,60,,150,none,"}},
       {3, c1 + "排水条件 none は圧密計算法 equivalent か coupled のときだけ使えます"}},
      {{{5, "layer=3,粘土2,20.0,15.5,15.5,mv,,,,,0.001,80,none,"},
        {6, "layer=4,粘土3,25.0,16.0,16.0,mv,,,,,0.0008,40,none,"},
        {0, "consolidation=coupled"}},
       {5, "土層 3 (粘土2): 圧密グループ (土層 3–4) の上端も下端も排水しません"}},
      {{{3, "layer=1,粘土1,8.0,16.0,16.5,cc,2.10,0.80,0.08,60,,150,both,,-0.01"}},
       {3, c1 + "Cαは 0 以上にしてください"}},
      {{{3, "layer=1,粘土1,8.0,16.0,16.5,cc,2.10,0.80,0.08,60,,150,both,,,0"}},
       {3, c1 + "ch は 0 より大きい値にしてください"}},
      {{{0, "drains=hexagon,1.2,0.05,,,,15"}},
       {7, d + "配置「hexagon」は square, triangle のいずれかです"}},
      {{{0, "drains=square,0.05,0.05,,,,15"}}, {7, d + "間隔 0.05 が直径 dw 0.05 以下です"}},
      {{{0, "drains=square,1.2,0.05,0.04,,,15"}},
       {7, d + "スミア径 ds 0.04 が直径 dw 0.05 より小さくなっています"}},
      {{{0, "drains=square,1.2,0.05,,0.5,,15"}}, {7, d + "kh/ks は 1 以上にしてください"}},
      {{{0, "drains=square,1.2,0.05,,,0,15"}},
       {7, d + "通水能力 qw は 0 より大きい値にしてください"}},
      {{{0, "drains=square,1.2,0.05,,,,0"}}, {7, d + "下端深さは 0 より大きい値にしてください"}},
      {{{0, "drains=square,nan,0.05,,,,15"}}, {7, d + "間隔「nan」が数値ではありません"}},
      {{{0, "drains=square,200,0.05,,,,15"}}, {7, d + "間隔は 100 以下にしてください"}},
      {{{0, "drains=square,1.2,0.05,,,,"}}, {7, d + "下端深さがありません"}},
      {{{0, "drains=square,1.2"}}, {7, d + "項目が 2 個あります (7 個か 9 個必要です)"}},
      {{{0, "drains=square,1.2,,,,,15,0.1"}}, {7, d + "項目が 8 個あります (7 個か 9 個必要です)"}},
      {{{0, "drains=square,1.2,,,,,15,0.1,"}}, {7, d + "厚さ b がありません"}},
      {{{0, "drains=square,1.2,0.05,,,,15,,0.004"}}, {7, d + "幅 a がありません"}},
      {{{0, "drains=square,1.2,,,,,15,0,0.004"}}, {7, d + "幅 a は 0 より大きい値にしてください"}},
      {{{0, "drains=square,1.2,,,,,15,0.1,-0.004"}},
       {7, d + "厚さ b は 0 より大きい値にしてください"}},
      {{{0, "drains=square,1.2,0.0666,,,,15,0.1,0.004"}},
       {7, d + "直径 dw 0.0666 が幅 a と厚さ b の 2(a + b)/π = 0.06621 と合いません"}},
      {{{0, "drains=square,0.05,,,,,15,0.1,0.004"}},
       {7, d + "間隔 0.05 が直径 dw 0.06621 以下です"}},
      {{{2, "gammaw="}, {1, "water="}, {0, "drains=square,1.2,0.05,,,100,15"}},
       {7, "ドレーンの通水能力 qw があるときは γw が必要です"}},
      {{{0, "residual=-1"}}, {7, "残留沈下: 舗装日は 0 以上にしてください"}},
      {{{0, "residual=10,0"}}, {7, "残留沈下: 供用期間は 0 より大きい値にしてください"}},
      {{{0, "timecols=1,x"}}, {7, "時間－沈下曲線の列の 2 番目「x」が正の整数ではありません"}},
  };
  for (const Case& c : cases) {
    const SoilProfileReading reading = ReadSoilProfile(With(c.changes), kKiloNewtons);
    EXPECT_FALSE(reading.profile) << c.error.text;
    EXPECT_EQ(reading.errors, std::vector<SoilProfileError>{c.error});
  }
}

TEST(ReadSoilTimeLines, RefusesMoreStagesThanItHolds) {
  std::vector<std::pair<int, std::string>> stages;
  for (int i = 1; i <= kMaxLoadStages + 2; ++i)
    stages.push_back({0, "stage=" + std::to_string(i) + "," + std::to_string(i) + "," +
                             std::to_string(i) + "," + std::to_string(i / 30.0)});
  EXPECT_EQ(ReadSoilProfile(With(stages), kKiloNewtons).errors,
            (std::vector<SoilProfileError>{{27, "施工段階は 20 段階までです"}}));
}

}  // namespace
}  // namespace qel
