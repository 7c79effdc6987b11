// qel-cli settlement: compute's columns with their settlement, their slices and their settlement
// in time as CSV; the profiles and arguments it refuses, and what it leaves alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "base/cp932.h"
#include "base/text_file.h"
#include "cli/cli_run.h"
#include "support/csv_fields.h"
#include "support/test_files.h"

namespace qel {
namespace {

using namespace std::string_literals;

// Lines 1-9 of a soil section: every method, a layer that does not settle, the water table.
std::vector<std::string> Profile(int line = 0, const std::string& text = "") {
  std::vector<std::string> lines = {
      "water=2.5",
      "gammaw=9.81",
      "slice=1.0",
      "times=30,90,365,1825",
      "layer=1,粘土1,8.0,16.0,16.5,cc,2.10,0.80,0.08,60,,150,both,",
      "layer=2,砂,10.0,18.0,19.0,none,,,,,,,,",
      "layer=3,粘土2,20.0,15.5,15.5,elogp,,,0.05,,,80,top,1",
      "layer=4,粘土3,25.0,16.0,16.0,mv,,,,,0.0008,50,bottom,",
      "curve=1,9.8,2.45,19.6,2.40,39.2,2.31,78.5,2.12,157,1.90,314,1.68,628,1.47,1256,1.27"};
  if (line > static_cast<int>(lines.size())) lines.resize(static_cast<std::size_t>(line));
  if (line > 0) lines[static_cast<std::size_t>(line - 1)] = text;
  return lines;
}

double Number(const std::string& field) {
  return std::stod(field);
}

class SettlementTest : public CliTest {
 protected:
  // The example with a soil section of `lines` (none: without the section) in place of its
  // own, before its result listing, as a new file.
  std::string WithSoil(const std::optional<std::vector<std::string>>& lines,
                       const std::string& example = "embankment.qdw") {
    std::string bytes = test::ReadBytes(Example(example));
    const std::size_t own = bytes.find("$$SOIL\r\n");
    if (own != std::string::npos) bytes.erase(own, bytes.find("$$SOL\r\n") - own);
    if (lines)
      bytes.insert(bytes.find("$$SOL"), EncodeCp932("$$SOIL\r\n" + JoinCrLf(*lines)).bytes);
    const std::string path = folder.File("soil-" + std::to_string(++files_) + ".qdw");
    test::WriteBytes(path, bytes);
    return path;
  }
  // The CSV rows of a command that succeeds; the first is the heading.
  std::vector<std::vector<std::string>> Rows(const std::string& arguments) {
    const CliRun run = RunCli("settlement " + arguments + DataFolder());
    EXPECT_EQ(run.status, 0) << run.err;
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : SplitLines(run.out))
      rows.push_back(test::CsvFields(line));
    return rows;
  }

 private:
  int files_ = 0;
};

// The examples' own profiles: tens of centimetres under the embankment on soft clay, a few under
// the building on stiff ground.
TEST_F(SettlementTest, TheExamplesSettleAsTheirGroundSuggests) {
  const std::tuple<const char*, double, double> cases[] = {{"embankment.qdw", 0.3, 1.5},
                                                           {"building.qdw", 0.02, 0.15}};
  for (const auto& [example, least, most] : cases) {
    const auto rows = Rows(Example(example));
    ASSERT_GT(rows.size(), 1u) << example;
    double largest = 0.0;
    for (std::size_t i = 1; i < rows.size(); ++i)
      largest = std::max(largest, Number(rows[i][5]));
    EXPECT_GT(largest, least) << example;
    EXPECT_LT(largest, most) << example;
  }
}

// The columns are compute's strip x values and lattice (x, y) pairs in compute's order, each
// with S and t50 before t90.
TEST_F(SettlementTest, ListsTheColumnsOfComputeInItsOrder) {
  for (const char* example : {"embankment.qdw", "building.qdw"}) {
    const std::string path = WithSoil(Profile(), example);
    const auto rows = Rows(path);
    ASSERT_GT(rows.size(), 1u);
    EXPECT_EQ(rows[0], test::CsvFields("problem,xrow,yrow,x,y,S,t50,t90"));
    std::vector<std::vector<std::string>> sites, expected;
    for (std::size_t i = 1; i < rows.size(); ++i) {
      sites.push_back({rows[i].begin(), rows[i].begin() + 5});
      EXPECT_GT(Number(rows[i][5]), 0.0);
      EXPECT_LT(Number(rows[i][6]), Number(rows[i][7]));
    }
    for (const std::string& line : SplitLines(RunCli("compute " + path + DataFolder()).out)) {
      const std::vector<std::string> f = test::CsvFields(line);
      const std::vector<std::string> site = {f[0], f[1], f[2], f[4], f[5]};
      if (f[0] == rows[1][0] && std::find(expected.begin(), expected.end(), site) == expected.end())
        expected.push_back(site);
    }
    EXPECT_EQ(sites, expected) << example;
  }
}

// Each column's slices add up to its S, p1 is sigma0 + dP, the fields a method has no use for
// are empty; S(t) / S is U, growing with t; a settling layer without cv leaves the times empty.
TEST_F(SettlementTest, SlicesAndTimeAgreeWithTheColumns) {
  const std::string path = WithSoil(Profile());
  std::map<std::string, double> totals, sums, lastU;
  for (const auto& column : Rows(path))
    if (column[0] == "strip") totals[column[1]] = Number(column[5]);
  const auto slices = Rows(path + " --slices");
  EXPECT_EQ(slices.at(0),
            test::CsvFields(
                "problem,xrow,yrow,x,y,layer,slice,ztop,zbottom,zmid,sigma0,dP,p1,pc,e0,e1,S"));
  // 8 m of clay cut at the water table (3 + 6 slices), 10 m, 5 m; the sand has none.
  EXPECT_EQ(slices.size(), 1 + 24 * totals.size());
  for (std::size_t i = 1; i < slices.size(); ++i) {
    const std::vector<std::string>& s = slices[i];
    sums[s[1]] += Number(s[16]);
    EXPECT_DOUBLE_EQ(Number(s[12]), Number(s[10]) + Number(s[11]));
    EXPECT_EQ(s[13], s[5] == "1" ? "60" : "");
    EXPECT_EQ(s[14].empty() && s[15].empty(), s[5] == "4");
  }
  for (const auto& [row, total] : totals)
    EXPECT_NEAR(sums[row], total, 1e-12 * total) << row;
  const auto times = Rows(path + " --time");
  EXPECT_EQ(times.at(0), test::CsvFields("problem,xrow,yrow,x,y,t,S,U,Ssec,Sall"));
  EXPECT_EQ(times.size(), 1 + 4 * totals.size());
  for (std::size_t i = 1; i < times.size(); ++i) {
    // Without Calpha there is no secondary part.
    EXPECT_EQ(times[i][8], "0");
    EXPECT_EQ(times[i][9], times[i][6]);
    const double u = Number(times[i][7]);
    EXPECT_DOUBLE_EQ(u, Number(times[i][6]) / totals[times[i][1]]);
    EXPECT_TRUE(u > lastU[times[i][1]] && u < 1.0) << u;
    lastU[times[i][1]] = u;
  }
  const std::string withoutCv = WithSoil(Profile(8, "layer=4,粘土3,25.0,16,16,mv,,,,,0.0008,,,"));
  for (const char* form : {"", " --time"}) {
    const auto rows = Rows(withoutCv + form);
    for (std::size_t i = 1; i < rows.size(); ++i)
      EXPECT_EQ(rows[i][6] + rows[i][7] + (rows[i].size() > 8 ? rows[i][8] + rows[i][9] : ""), "")
          << form;
  }
}

// Stages share each column's S; the time rows gain the residual period's two days, and a clay
// with Calpha compresses further after its primary settlement.
TEST_F(SettlementTest, StagesAndSecondaryCompressionInTime) {
  std::vector<std::string> lines =
      Profile(5, "layer=1,粘土1,8.0,16.0,16.5,cc,2.10,0.80,0.08,60,,150,both,,0.02");
  for (const char* line : {"stage=1,0,60,0.5", "stage=2,120,150,1.0", "residual=365,3650"})
    lines.push_back(line);
  const std::string path = WithSoil(lines);
  std::map<std::string, double> totals, shares;
  const auto columns = Rows(path);
  for (const auto& column : columns)
    if (column[0] == "strip") totals[column[1]] = Number(column[5]);
  const auto stages = Rows(path + " --stages");
  EXPECT_EQ(stages.at(0), test::CsvFields("problem,xrow,yrow,x,y,stage,start,end,fraction,dS"));
  ASSERT_EQ(stages.size(), 1 + 2 * (columns.size() - 1));
  for (std::size_t i = 1; i < stages.size(); ++i) {
    EXPECT_EQ(stages[i][5] + "," + stages[i][8], i % 2 ? "1,0.5" : "2,1");
    if (stages[i][0] == "strip") shares[stages[i][1]] += Number(stages[i][9]);
  }
  for (const auto& [row, total] : totals)
    EXPECT_NEAR(shares[row], total, 1e-12 * total) << row;
  const auto times = Rows(path + " --time");
  std::vector<std::string> days;
  for (std::size_t i = 1; i < times.size() && times[i][1] == times[1][1]; ++i)
    days.push_back(times[i][5]);
  EXPECT_EQ(days, (std::vector<std::string>{"30", "90", "365", "1825", "365", "4015"}));
  for (std::size_t i = 1; i < times.size(); ++i) {
    EXPECT_DOUBLE_EQ(Number(times[i][9]), Number(times[i][6]) + Number(times[i][8]));
    // Secondary compression starts after the primary settlement nears its end.
    if (times[i][5] == "30") {
      EXPECT_EQ(times[i][8], "0");
    }
    if (times[i][5] == "4015") {
      EXPECT_GT(Number(times[i][8]), 0.0);
    }
  }
}

// Every fault of a profile stops settlement with the section's line and the field named, and
// leaves compute and convert alone: the lines are saved back as read.
TEST_F(SettlementTest, EveryFaultOfTheProfileIsNamedAndStopsOnlySettlement) {
  // The profile with `count` lines more, line(i) for i = 5, 6, ...
  auto appended = [](int count, std::string (*line)(int)) {
    std::vector<std::string> lines = Profile();
    for (int i = 5; i < 5 + count; ++i)
      lines.push_back(line(i));
    return lines;
  };

  std::string points = "curve=1";
  for (int i = 1; i <= 31; ++i)
    points += "," + std::to_string(i) + "," + std::to_string(3.0 - 0.05 * i);
  const std::string c1 = "layer=1,粘土1,8.0,16.0,16.5,", c3 = "layer=3,粘土2,20.0,15.5,";
  const std::string l1 = "5 行目: 土層 1 (粘土1): ", l3 = "7 行目: 土層 3 (粘土2): ";
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {Profile(6, "layer=2,砂,8.0,18,19,none,,,,,,,,"),
       "6 行目: 土層 2 (砂): 下端深さ 8.0 が上の層の下端 8.0 以下です"},
      {Profile(7, c3 + "9.5,elogp,,,0.05,,,80,top,1"),
       l3 + "γsat 9.5 が γw 9.81 より小さくなっています"},
      {Profile(5, c1 + "log,2.1,0.8,0.08,60,,150,both,"),
       l1 + "沈下計算法「log」は none, cc, elogp, mv のいずれかです"},
      {Profile(5, c1 + "cc,2.1,,0.08,60,,150,both,"), l1 + "Cc がありません"},
      {Profile(5, c1 + "cc,inf,0.8,0.08,60,,150,both,"), l1 + "e0「inf」が数値ではありません"},
      {Profile(9, "curve=1,9.8,2.45"), "9 行目: 曲線 1: 点が 2 つ以上必要です"},
      {Profile(9, "curve=1,9.8,2.45,9.8,2.4"),
       "9 行目: 曲線 1: 2 番目の p が前の点より大きくありません"},
      {Profile(9, "curve=1,-9.8,2.45,19.6,2.4"),
       "9 行目: 曲線 1: 1 番目の p は 0 より大きい値にしてください"},
      {Profile(9, "curve=1,9.8,2.45,19.6,2.5"),
       "9 行目: 曲線 1: 2 番目の e が前の点より小さくありません"},
      {Profile(9, points), "9 行目: 曲線 1: 点は 30 個までです"},
      {Profile(7, c3 + "15.5,elogp,,,0.05,,,80,top,7"), l3 + "e–log p 曲線 7 がありません"},
      {Profile(3, "slice=-1"), "3 行目: 分割厚さは 0 より大きい値にしてください"},
      {Profile(4, "times=30,-90"), "4 行目: 時間の 2 番目「-90」が負です"},
      {Profile(10, "stage=1,0,60,1.5"), "10 行目: 段階 1: 割合は 1 以下にしてください"},
      {Profile(10, "drains=square,1.2,1.5,,,,10"),
       "10 行目: バーチカルドレーン: 間隔 1.2 が直径 dw 1.5 以下です"},
      {Profile(1, "water=nan"), "1 行目: 地下水位「nan」が数値ではありません"},
      {Profile(5, c1 + "cc,2.1,0.8,0.08,60,,150,b\x01th,"),
       l1 + "排水条件「b\\x01th」は both, top, bottom, none のいずれかです"},
      {Profile(5, c1 + "cc,2.1,1e308,0.08,60,,150,both,"), l1 + "Cc は 20 以下にしてください"},
      {Profile(5, "layer=1,粘土1,8.0,16.0,1e308,cc,2.10,0.80,0.08,60,,150,both,"),
       l1 + "γsat は 100 以下にしてください"},
      {appended(50,
                [](int i) {
                  return "layer=" + std::to_string(i) + ",," + std::to_string(i + 21) +
                         ",18,19,none,,,,,,,,";
                }),
       "56 行目: 土層は 50 層までです"},
      {appended(20, [](int i) { return "curve=" + std::to_string(i) + ",10,1.0,100,0.8"; }),
       "29 行目: e–log p 曲線は 20 本までです"},
  };
  for (const auto& [lines, message] : cases) {
    const std::string path = WithSoil(lines);
    const CliRun run = RunCli("settlement " + path + DataFolder());
    EXPECT_EQ(run.status, 1) << message;
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("qel-cli: " + path + ": $$SOIL の " + message + "\n"), std::string::npos)
        << message << "\n"
        << run.err;
    EXPECT_EQ(RunCli("compute " + path + DataFolder()).status, 0) << message;
  }
  const std::string out = folder.File("out.qdw");
  ASSERT_EQ(RunCli("convert " + WithSoil(cases[0].first) + " " + out + DataFolder()).status, 0);
  EXPECT_NE(
      DecodeCp932(test::ReadBytes(out)).find("\r\n$$SOIL\r\n" + JoinCrLf(cases[0].first) + "$$SOL"),
      std::string::npos);
}

// A layer too thin for its drainage path to square: at t = 0 nothing has settled, at once after
// it everything has; no row holds nan or inf.
TEST_F(SettlementTest, TimeRowsOfAThinLayerStartAtZero) {
  const std::vector<std::vector<std::string>> rows = Rows(
      WithSoil({{"times=0,10", "layer=1,thin,1e-170,16,16,mv,,,,,0.001,100,both,"}}) + " --time");
  ASSERT_GT(rows.size(), 2u);
  EXPECT_EQ(rows[0], test::CsvFields("problem,xrow,yrow,x,y,t,S,U,Ssec,Sall"));
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const std::vector<std::string>& row = rows[i];
    ASSERT_EQ(row.size(), 10u);
    for (std::size_t field = 1; field < row.size(); ++field)  // numbers: no nan, no inf
      EXPECT_EQ(row[field].find_first_of("ni"), std::string::npos) << row[field];
    if (row[5] == "0") {
      EXPECT_EQ(std::make_pair(row[6], row[7]), std::make_pair("0"s, "0"s));
    }
    if (row[5] == "10" && Number(row[6]) > 0) {
      EXPECT_EQ(row[7], "1");
    }
  }
}

TEST_F(SettlementTest, RefusesADocumentWithoutAProfileAndBadArguments) {
  const std::string path = WithSoil(Profile());
  const std::string bare = WithSoil(std::nullopt);
  const std::tuple<std::string, int, std::string> cases[] = {
      {bare, 1, bare + ": 地盤の土層がありません"},
      {folder.File("none.qdw"), 1, ""},
      {path + " --slices --time", 2, "settlement takes one of --slices, --time and --stages"},
      {path + " --time --stages", 2, "settlement takes one of --slices, --time and --stages"},
      {path + " --circle-method round", 2, ""},
      {path + " --circle-method exact --circle-method compatible", 2,
       "--circle-method is given twice"},
      {path + " --depth 3", 2, ""},
      {"", 2, "settlement needs one data file"},
  };
  for (const auto& [arguments, status, error] : cases) {
    const CliRun run = RunCli("settlement " + arguments + DataFolder());
    EXPECT_EQ(run.status, status) << arguments;
    EXPECT_EQ(run.out, "") << arguments;
    EXPECT_EQ(run.err.rfind("qel-cli: " + error, 0), 0u) << arguments << "\n" << run.err;
  }
}

}  // namespace
}  // namespace qel
