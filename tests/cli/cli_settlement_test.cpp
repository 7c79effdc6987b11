// qel-cli settlement: the columns of compute with their settlement, their slices and their
// settlement in time as CSV; the profiles and arguments it refuses, and what it leaves alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "cli/cli_run.h"
#include "settings/cp932.h"
#include "settings/text_file.h"
#include "support/test_files.h"

namespace qel {
namespace {

// Lines 1-9 of a soil section: every method, a layer that does not settle, the water table.
std::vector<std::string> Profile() {
  return {"water=2.5",
          "gammaw=9.81",
          "slice=1.0",
          "times=30,90,365,1825",
          "layer=1,粘土1,8.0,16.0,16.5,cc,2.10,0.80,0.08,60,,150,both,",
          "layer=2,砂,10.0,18.0,19.0,none,,,,,,,,",
          "layer=3,粘土2,20.0,15.5,15.5,elogp,,,0.05,,,80,top,1",
          "layer=4,粘土3,25.0,16.0,16.0,mv,,,,,0.0008,50,bottom,",
          "curve=1,9.8,2.45,19.6,2.40,39.2,2.31,78.5,2.12,157,1.90,314,1.68,628,1.47,1256,1.27"};
}

std::vector<std::string> Fields(const std::string& row) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t comma; (comma = row.find(',', start)) != std::string::npos; start = comma + 1)
    fields.push_back(row.substr(start, comma - start));
  fields.push_back(row.substr(start));
  return fields;
}

double Number(const std::string& field) {
  return std::stod(field);
}

class SettlementTest : public CliTest {
 protected:
  // The example with a soil section of `lines` before its result listing, as a file.
  std::string WithSoil(const std::string& example, const std::vector<std::string>& lines) {
    std::string bytes = test::ReadBytes(Example(example));
    bytes.insert(bytes.find("$$SOL"), EncodeCp932("$$SOIL\r\n" + JoinCrLf(lines)).bytes);
    const std::string path = folder.File("soil-" + std::to_string(++files_) + ".qdw");
    test::WriteBytes(path, bytes);
    return path;
  }
  // The rows of a command's CSV without its heading; the heading in `heading`.
  std::vector<std::vector<std::string>> Rows(const std::string& arguments, std::string* heading) {
    const CliRun run = RunCli("settlement " + arguments + DataFolder());
    EXPECT_EQ(run.status, 0) << run.err;
    std::vector<std::vector<std::string>> rows;
    const std::vector<std::string> lines = SplitLines(run.out);
    if (heading && !lines.empty()) *heading = lines.front();
    for (std::size_t i = 1; i < lines.size(); ++i)
      rows.push_back(Fields(lines[i]));
    return rows;
  }

 private:
  int files_ = 0;
};

// The columns are compute's strip x values and lattice (x, y) pairs, in compute's order, for
// each problem with loads.
TEST_F(SettlementTest, ListsTheColumnsOfComputeInItsOrder) {
  for (const char* example : {"embankment.qdw", "building.qdw"}) {
    SCOPED_TRACE(example);
    const std::string path = WithSoil(example, Profile());
    std::string heading;
    const auto columns = Rows(path, &heading);
    EXPECT_EQ(heading, "problem,xrow,yrow,x,y,S,t50,t90");
    std::set<std::string> problems;  // those with loads
    for (const auto& column : columns)
      problems.insert(column.at(0));
    std::vector<std::vector<std::string>> expected;
    const CliRun compute = RunCli("compute " + path + DataFolder());
    for (const std::string& line : SplitLines(compute.out)) {
      std::vector<std::string> f = Fields(line);
      if (!problems.count(f[0])) continue;
      std::vector<std::string> site = {f[0], f[1], f[2], f[4], f[5]};
      if (std::find(expected.begin(), expected.end(), site) == expected.end())
        expected.push_back(site);
    }
    std::vector<std::vector<std::string>> sites;
    for (const auto& column : columns) {
      ASSERT_EQ(column.size(), 8u);
      sites.push_back({column[0], column[1], column[2], column[3], column[4]});
      EXPECT_GT(Number(column[5]), 0.0);
      EXPECT_LT(Number(column[6]), Number(column[7]));  // t50 before t90
    }
    EXPECT_EQ(sites, expected);
  }
}

// Each column's slices add up to its S; the fields a method has no use for are empty; S(t)
// over S is U, growing with t; and a settling layer without cv leaves S(t), U and the times
// empty.
TEST_F(SettlementTest, SlicesAndTimeAgreeWithTheColumns) {
  std::vector<std::string> lines = Profile();
  const std::string path = WithSoil("embankment.qdw", lines);
  lines[7] = "layer=4,粘土3,25.0,16.0,16.0,mv,,,,,0.0008,,bottom,";
  const std::string withoutCv = WithSoil("embankment.qdw", lines);

  std::map<std::string, double> totals;
  for (const auto& column : Rows(path, nullptr))
    totals[column[1]] = Number(column[5]);
  std::string heading;
  std::map<std::string, double> sums;
  std::map<std::string, int> sliceCounts;
  for (const auto& slice : Rows(path + " --slices", &heading)) {
    ASSERT_EQ(slice.size(), 17u);
    const std::string& layer = slice[5];
    sums[slice[1]] += Number(slice[16]);
    ++sliceCounts[slice[1]];
    EXPECT_NE(layer, "2");  // sand does not settle
    EXPECT_DOUBLE_EQ(Number(slice[9]), (Number(slice[7]) + Number(slice[8])) / 2);
    EXPECT_DOUBLE_EQ(Number(slice[12]), Number(slice[10]) + Number(slice[11]));  // p1
    EXPECT_EQ(slice[13], layer == "1" ? "60" : "");                              // pc
    EXPECT_EQ(slice[14].empty() && slice[15].empty(), layer == "4");             // e0, e1
  }
  EXPECT_EQ(heading, "problem,xrow,yrow,x,y,layer,slice,ztop,zbottom,zmid,sigma0,dP,p1,pc,e0,e1,S");
  ASSERT_EQ(sums.size(), totals.size());
  for (const auto& [row, total] : totals) {
    EXPECT_NEAR(sums[row], total, 1e-12 * total) << row;
    // 8 m of clay cut at the water table (3 + 6), 10 m, 5 m.
    EXPECT_EQ(sliceCounts[row], 24) << row;
  }

  std::map<std::string, double> lastU;
  for (const auto& time : Rows(path + " --time", &heading)) {
    ASSERT_EQ(time.size(), 8u);
    const double u = Number(time[7]);
    EXPECT_DOUBLE_EQ(u, Number(time[6]) / totals[time[1]]);
    EXPECT_GT(u, lastU[time[1]]);
    EXPECT_LT(u, 1.0);
    lastU[time[1]] = u;
  }
  EXPECT_EQ(heading, "problem,xrow,yrow,x,y,t,S,U");
  EXPECT_EQ(lastU.size(), totals.size());
  for (const auto& time : Rows(withoutCv + " --time", nullptr))
    EXPECT_EQ(time[6] + time[7], "");
  for (const auto& column : Rows(withoutCv, nullptr))
    EXPECT_EQ(column[6] + column[7], "");
}

// Every fault of a profile stops settlement with the section's line and the field named, and
// leaves compute and convert as they were: the lines are saved back as read.
TEST_F(SettlementTest, EveryFaultOfTheProfileIsNamedAndStopsOnlySettlement) {
  auto many = [](const char* prefix, int count, auto line) {
    std::vector<std::string> lines = Profile();
    for (int i = 1; i <= count; ++i)
      lines.push_back(prefix + line(i));
    return lines;
  };
  auto changed = [](std::size_t index, const std::string& text) {
    std::vector<std::string> lines = Profile();
    lines[index - 1] = text;
    return lines;
  };
  const std::string c1 = "layer=1,粘土1,8.0,16.0,16.5,";
  const std::string c3 = "layer=3,粘土2,20.0,15.5,";
  std::string thirtyOnePoints = "curve=1";
  for (int i = 1; i <= 31; ++i)
    thirtyOnePoints += "," + std::to_string(i) + "," + std::to_string(3.0 - 0.05 * i);
  struct Case {
    std::vector<std::string> lines;
    std::string message;
  };
  const Case cases[] = {
      {changed(6, "layer=2,砂,8.0,18.0,19.0,none,,,,,,,,"),
       "$$SOIL の 6 行目: 土層 2 (砂): 下端深さ 8.0 が上の層の下端 8.0 以下です"},
      {changed(7, c3 + "9.5,elogp,,,0.05,,,80,top,1"),
       "$$SOIL の 7 行目: 土層 3 (粘土2): γsat 9.5 が γw 9.81 より小さくなっています"},
      {changed(5, c1 + "log,2.10,0.80,0.08,60,,150,both,"),
       "$$SOIL の 5 行目: 土層 1 (粘土1): 沈下計算法「log」は none, cc, elogp, mv のいずれかです"},
      {changed(5, c1 + "cc,2.10,,0.08,60,,150,both,"),
       "$$SOIL の 5 行目: 土層 1 (粘土1): Cc がありません"},
      {changed(9, "curve=1,9.8,2.45"), "$$SOIL の 9 行目: 曲線 1: 点が 2 つ以上必要です"},
      {changed(9, "curve=1,9.8,2.45,9.8,2.40"),
       "$$SOIL の 9 行目: 曲線 1: 2 番目の p が前の点より大きくありません"},
      {changed(9, "curve=1,-9.8,2.45,19.6,2.40"),
       "$$SOIL の 9 行目: 曲線 1: 1 番目の p は 0 より大きい値にしてください"},
      {changed(9, "curve=1,9.8,2.45,19.6,2.50"),
       "$$SOIL の 9 行目: 曲線 1: 2 番目の e が前の点より小さくありません"},
      {changed(7, c3 + "15.5,elogp,,,0.05,,,80,top,7"),
       "$$SOIL の 7 行目: 土層 3 (粘土2): e–log p 曲線 7 がありません"},
      {changed(3, "slice=-1"), "$$SOIL の 3 行目: 分割厚さは 0 より大きい値にしてください"},
      {changed(4, "times=30,-90"), "$$SOIL の 4 行目: 時刻の 2 番目「-90」が負です"},
      {changed(1, "water=nan"), "$$SOIL の 1 行目: 地下水位「nan」が数値ではありません"},
      {changed(5, c1 + "cc,inf,0.80,0.08,60,,150,both,"),
       "$$SOIL の 5 行目: 土層 1 (粘土1): e0「inf」が数値ではありません"},
      {many("layer=", 50,
            [](int i) {
              return std::to_string(i + 4) + ",," + std::to_string(25 + i) + ",18,19,none,,,,,,,,";
            }),
       "$$SOIL の 56 行目: 土層は 50 層までです"},
      {many("curve=", 20, [](int i) { return std::to_string(i + 1) + ",10,1.0,100,0.8"; }),
       "$$SOIL の 29 行目: e–log p 曲線は 20 本までです"},
      {changed(9, thirtyOnePoints), "$$SOIL の 9 行目: 曲線 1: 点は 30 個までです"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const std::string path = WithSoil("embankment.qdw", c.lines);
    const CliRun run = RunCli("settlement " + path + DataFolder());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("qel-cli: " + path + ": " + c.message + "\n"), std::string::npos)
        << run.err;
    EXPECT_EQ(RunCli("compute " + path + DataFolder()).status, 0);
  }
  const std::string bad = WithSoil("embankment.qdw", cases[0].lines);
  ASSERT_EQ(RunCli("convert " + bad + " " + folder.File("out.qdw") + DataFolder()).status, 0);
  const std::string saved = DecodeCp932(test::ReadBytes(folder.File("out.qdw")));
  EXPECT_NE(saved.find("\r\n$$SOIL\r\n" + JoinCrLf(cases[0].lines) + "$$SOL\r\n"),
            std::string::npos);
}

TEST_F(SettlementTest, RefusesADocumentWithoutAProfileAndBadArguments) {
  const std::string path = WithSoil("embankment.qdw", Profile());
  struct Case {
    std::string arguments;
    int status;
    std::string error;
  };
  const Case cases[] = {
      {Example("embankment.qdw"), 1,
       "qel-cli: " + Example("embankment.qdw") + ": 地盤の土層がありません"},
      {folder.File("none.qdw"), 1, "qel-cli: "},
      {path + " --slices --time", 2, "qel-cli: settlement takes --slices or --time, not both"},
      {path + " --circle-method round", 2, "qel-cli: "},
      {path + " --depth 3", 2, "qel-cli: "},
      {"", 2, "qel-cli: settlement needs one data file"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli("settlement " + c.arguments + DataFolder());
    EXPECT_EQ(run.status, c.status) << c.arguments;
    EXPECT_EQ(run.out, "") << c.arguments;
    EXPECT_EQ(run.err.rfind(c.error, 0), 0u) << c.arguments << "\n" << run.err;
  }
}

}  // namespace
}  // namespace qel
