// The settlement plates' section read into plates, readings and fits, each fault named by its
// line; and one plate's reading lines replaced in place.
#include "document/measurements_text.h"

#include <gtest/gtest.h>

#include "document/plate_reading_lines.h"

namespace qel {

void PrintTo(const MeasurementsError& error, std::ostream* out) {
  *out << error.line << ": " << error.text;
}

namespace {

// Lines 1-10: two plates, the second's lines before its plate line, blanks and an empty line.
std::vector<std::string> Section() {
  return {"plate=1,SP-1,15.0,,120",
          "read=1,0,0.000",
          "read=1,100,0.050",
          "read=1,200,0.080",
          "read=1,300,0.095",
          "fit=1,hyperbolic,150,300",
          " fit = 1 , asaoka , 100 , 300 , 14 ",
          "",
          "read=2,10,0.01",
          "plate=2,SP-2,24.0,-3.5,0"};
}

TEST(ReadMeasurements, ReadsPlatesReadingsAndFitsInAnyOrder) {
  const MeasurementsReading reading = ReadMeasurements(Section());
  ASSERT_TRUE(reading.errors.empty()) << reading.errors[0].text;
  const std::vector<SettlementPlate> plates = {
      {1,
       1,
       "SP-1",
       15.0,
       0.0,
       120.0,
       {{0, 0.0}, {100, 0.05}, {200, 0.08}, {300, 0.095}},
       {{6, FitMethod::kHyperbolic, 150, 300, kDefaultAsaokaStep},
        {7, FitMethod::kAsaoka, 100, 300, 14}}},
      {2, 10, "SP-2", 24.0, -3.5, 0.0, {{10, 0.01}}, {}}};
  EXPECT_EQ(reading.measurements->plates, plates);
  EXPECT_EQ(reading.measurements->Plate(2), &reading.measurements->plates[1]);
  EXPECT_EQ(reading.measurements->Plate(3), nullptr);
  EXPECT_TRUE(ReadMeasurements({}).measurements->plates.empty());
}

// Each fault is told on its line, naming the plate and the field; nothing is read then.
TEST(ReadMeasurements, NamesEachFaultByLineAndField) {
  struct Case {
    int line;          // replaced (or added, past the end) by `text`
    std::string text;  // the line
    int errorLine;
    std::string error;
  };
  const std::string p1 = "沈下板 1 (SP-1): ", r1 = "沈下板 1 の読み値: ";
  const std::string h1 = "沈下板 1 の予測 (hyperbolic): ";
  const Case cases[] = {
      {1, "plate=1,SP-1,x,0,120", 1, p1 + "x「x」が数値ではありません"},
      {1, "plate=1,SP-1,15,0,", 1, p1 + "t0 がありません"},
      {1, "plate=1,SP-1,1e8,0,0", 1, p1 + "x「1e8」は 10000000 以下にしてください"},
      {1, "plate=1,SP-1,15,0", 1, "1 行目の沈下板: 項目が 4 個あります (5 個必要です)"},
      {11, "plate=0,SP-3,15,0,0", 11, "11 行目の沈下板: 沈下板の番号「0」が正の整数ではありません"},
      {11, "plate=1,again,15,0,0", 11, "沈下板 1: 番号が 1 行目の沈下板と重複しています"},
      {3, "read=1,inf,0.05", 3, r1 + "日「inf」が数値ではありません"},
      {3, "read=1,100,nan", 3, r1 + "沈下量「nan」が数値ではありません"},
      {3, "read=1,100,200", 3, r1 + "沈下量「200」は 100 以下にしてください"},
      {4, "read=1,100,0.08", 4,
       r1 + "日「100」が前の読み値 (3 行目) の日「100」より後ではありません"},
      {11, "read=3,10,0.01", 11, "11 行目の読み値: 沈下板 3 がありません"},
      {11, "read=1,400", 11, "11 行目の読み値: 項目が 2 個あります (3 個必要です)"},
      {6, "fit=1,hyperbolic,150,301", 6,
       h1 + "期間「150」〜「301」が読み値の日 0〜300 を外れています"},
      {6, "fit=1,hyperbolic,-1,300", 6,
       h1 + "期間「-1」〜「300」が読み値の日 0〜300 を外れています"},
      {6, "fit=1,hyperbolic,300,150", 6, h1 + "開始日「300」が終了日「150」より後です"},
      {6, "fit=1,hyperbolic,150,300,7", 6, h1 + "Δt は asaoka にだけ使います"},
      {6, "fit=1,asaoka,150,300,0", 6,
       "沈下板 1 の予測 (asaoka): Δt「0」は 0 より大きい値にしてください"},
      {6, "fit=1,log,150,300", 6,
       "沈下板 1 の予測: 予測法「log」は hyperbolic, asaoka, sqrt のいずれかです"},
      {6, "fit=4,sqrt,150,300", 6, "6 行目の予測: 沈下板 4 がありません"},
      {6, "fit=2,sqrt,10,10", 6, ""},  // a window of one day is for the fit to refuse
      {6, "fit=1,sqrt", 6, "6 行目の予測: 項目が 2 個あります (4 個か 5 個です)"},
      {8, "depth=3", 8, "8 行目: 不明な項目「depth」です"},
      {1, "plate=1," + std::string(201, 'n') + ",15,0,0", 1,
       "沈下板 1: 名称が長すぎます (200 文字まで)「" + std::string(40, 'n') + "…」"},
      {8, "x" + std::string(100, 'y') + "=1", 8,
       "8 行目: 不明な項目「x" + std::string(79, 'y') + "…」です"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines = Section();
    if (c.line > static_cast<int>(lines.size())) lines.resize(static_cast<std::size_t>(c.line));
    lines[static_cast<std::size_t>(c.line - 1)] = c.text;
    const MeasurementsReading reading = ReadMeasurements(lines);
    if (c.error.empty()) {
      EXPECT_TRUE(reading.errors.empty()) << c.text;
      continue;
    }
    EXPECT_FALSE(reading.measurements) << c.text;
    EXPECT_EQ(reading.errors, (std::vector<MeasurementsError>{{c.errorLine, c.error}})) << c.text;
  }
}

// The bounds are told once, on the first line beyond them.
TEST(ReadMeasurements, TellsEachBoundOnceOnTheFirstLineBeyondIt) {
  std::vector<std::string> plates, readings = {"plate=1,a,0,0,0"}, fits = readings;
  for (int i = 1; i <= kMaxPlates + 2; ++i)
    plates.push_back("plate=" + std::to_string(i) + ",p,0,0,0");
  for (int i = 0; i <= kMaxPlateReadings + 1; ++i)
    readings.push_back("read=1," + std::to_string(i) + ",0.001");
  fits.insert(fits.end(), {"read=1,0,0", "read=1,1,0.1"});
  for (int i = 0; i <= kMaxPlateFits + 1; ++i)
    fits.push_back("fit=1,sqrt,0,1");
  const std::pair<std::vector<std::string>, MeasurementsError> cases[] = {
      {plates, {kMaxPlates + 1, "沈下板は 50 枚までです"}},
      {readings, {kMaxPlateReadings + 2, "沈下板 1 の読み値は 2000 個までです"}},
      {fits, {kMaxPlateFits + 4, "沈下板 1 の予測は 20 個までです"}},
  };
  for (const auto& [lines, error] : cases)
    EXPECT_EQ(ReadMeasurements(lines).errors, std::vector<MeasurementsError>{error});
}

TEST(ReplacePlateReadings, ReplacesOnePlatesReadingsWhereTheyStoodAndKeepsEveryOtherLine) {
  const std::vector<SettlementReading> readings = {{0, 0}, {7.5, 0.021}};
  const std::string first = "read=2,0,0", second = "read=2,7.5,0.021";
  struct Case {
    std::vector<std::string> lines;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {{"plate=2,a,0,0,0", "read=1,0,1", "read=2,1,1", "fit=2,sqrt,0,1", "read=2,3,1", "x"},
       {"plate=2,a,0,0,0", "read=1,0,1", first, second, "fit=2,sqrt,0,1", "x"}},
      {{"plate=1,a,0,0,0", "plate= 2 ,b,0,0,0", "fit=2,sqrt,0,1"},
       {"plate=1,a,0,0,0", "plate= 2 ,b,0,0,0", first, second, "fit=2,sqrt,0,1"}},
      {{"read=1,0,1"}, {"read=1,0,1", first, second}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReplacePlateReadings(c.lines, 2, readings), c.expected);
  EXPECT_TRUE(HasPlateLine(cases[1].lines, 2));
  EXPECT_FALSE(HasPlateLine(cases[0].expected, 1));
}

}  // namespace
}  // namespace qel
