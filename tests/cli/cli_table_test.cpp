// qel-cli table: the results tables carry dP to the last digit as compute gives it; the
// arguments and outputs it refuses; and the language of qel-cli's messages.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "base/text_file.h"
#include "cli/cli_run.h"
#include "support/csv_fields.h"
#include "support/test_files.h"

namespace qel {
namespace {

std::string LastField(const std::string& row) {
  return row.substr(row.rfind(',') + 1);
}

// The file starts with the byte-order mark and the headings; each point's dP to the last
// digit is compute's, in compute's order, before the course's rows; --out writes what standard
// output gets.
TEST_F(CliTest, TableResultsCarryComputesFullPrecisionStress) {
  const std::pair<const char*, const char*> cases[] = {{"embankment.qdw", "3"},
                                                       {"building.qdw", "6"}};
  for (const auto& [name, display] : cases) {
    SCOPED_TRACE(name);
    const std::string file = Example(name) + DataFolder();
    const CliRun compute = RunCli("compute " + file);
    const CliRun table = RunCli("table " + file + " --display " + display);
    ASSERT_EQ(table.status, 0) << table.err;
    ASSERT_EQ(table.out.rfind("\xEF\xBB\xBF", 0), 0u);
    const std::vector<std::string> rows = SplitLines(table.out.substr(3));
    const std::vector<std::string> computed = SplitLines(compute.out);
    // Each point under its headings, then (the embankment lists its course) a row per piece at
    // each point, which has no value of its own in that column.
    ASSERT_GE(rows.size(), computed.size());
    EXPECT_EQ(rows.size() > computed.size(), std::string(display) == "3");
    EXPECT_EQ(LastField(rows[0]), "dP 全桁 (kN/㎡)");
    for (std::size_t i = 1; i < computed.size(); ++i)
      EXPECT_EQ(LastField(rows[i]), LastField(computed[i])) << rows[i];
    for (std::size_t i = computed.size(); i < rows.size(); ++i)
      EXPECT_EQ(LastField(rows[i]), "") << rows[i];
    const std::string out = " --out " + folder.File("t.csv");
    EXPECT_EQ(RunCli("table " + file + " --display " + display + out).status, 0);
    EXPECT_EQ(test::ReadBytes(folder.File("t.csv")), table.out);
  }
}

// The settlement table has one row per slice that settlement --slices writes, for the problem
// chosen, with S to the last digit, a row per layer subtotal and column total, and notes under
// them.
TEST_F(CliTest, SettlementTableRowsAreTheSlicesOfSettlement) {
  const std::string file = Example("embankment.qdw") + DataFolder();
  const CliRun slices = RunCli("settlement " + file + " --slices");
  ASSERT_EQ(slices.status, 0) << slices.err;
  for (const char* problem : {"strip", "rect"}) {
    SCOPED_TRACE(problem);
    const CliRun table = RunCli("table " + file + " --display 9 --problem " + problem);
    ASSERT_EQ(table.status, 0) << table.err;
    const std::vector<std::string> rows = SplitLines(table.out.substr(3));
    std::vector<std::string> expected;
    const std::string prefix = std::string(problem) == "strip" ? "strip," : "lattice,";
    for (const std::string& line : SplitLines(slices.out))
      if (line.rfind(prefix, 0) == 0) expected.push_back(LastField(line));
    ASSERT_FALSE(rows.empty());
    const std::vector<std::string> headings = test::CsvFields(rows[0]);
    ASSERT_EQ(headings.size(), 19u);
    EXPECT_EQ(headings[2], "行");
    EXPECT_EQ(headings.back(), "S (m)");
    // The slice rows in order, each layer closed by its subtotal (its slices' sum) and each
    // column by its total (its subtotals' sum, with t50 and t90); every cell a number or empty.
    std::size_t slice = 0;
    double layerSum = 0, columnSum = 0;
    int totals = 0;
    for (std::size_t r = 1; r < rows.size(); ++r) {
      const std::vector<std::string> cells = test::CsvFields(rows[r]);
      if (cells.size() != headings.size() || cells[2].empty()) break;  // the notes
      SCOPED_TRACE(rows[r]);
      for (std::size_t c = 5; c < cells.size(); ++c) {
        if (c == 17 || cells[c].empty()) continue;  // the mark column, or no value
        EXPECT_NO_THROW((void)std::stod(cells[c])) << c;
      }
      EXPECT_EQ(rows[r].find("－"), std::string::npos);
      const double s = cells.back().empty() ? 0.0 : std::stod(cells.back());
      if (cells[2] == "分割") {
        ASSERT_LT(slice, expected.size());
        EXPECT_EQ(cells.back(), expected[slice++]);
        EXPECT_LT(std::stod(cells[5]), std::stod(cells[6]));  // top above bottom
        layerSum += s;
      } else if (cells[2] == "小計") {
        EXPECT_NEAR(s, layerSum, 1e-12);
        columnSum += s;
        layerSum = 0;
      } else {
        EXPECT_EQ(cells[2], "合計");
        EXPECT_NEAR(s, columnSum, 1e-12);
        EXPECT_GT(std::stod(cells[16]), std::stod(cells[15]));  // t90 after t50
        columnSum = 0;
        ++totals;
      }
    }
    EXPECT_EQ(slice, expected.size());
    EXPECT_EQ(totals > 0, !expected.empty());
  }
}

// The soil input as CSV: a row per condition, layer and curve point, each named by its section.
TEST_F(CliTest, SoilInputTableListsTheProfileAsEntered) {
  const CliRun table =
      RunCli("table " + Example("embankment.qdw") + DataFolder() + " --display 12");
  ASSERT_EQ(table.status, 0) << table.err;
  std::map<std::string, int> rowsOf;
  const std::vector<std::string> rows = SplitLines(table.out.substr(3));
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(test::CsvFields(rows[0]).front(), "区分");
  for (std::size_t i = 1; i < rows.size(); ++i)
    ++rowsOf[test::CsvFields(rows[i]).front()];
  EXPECT_EQ(rowsOf["土層"], 4);
  EXPECT_EQ(rowsOf["e-log p 曲線 1"], 7);
  EXPECT_GE(rowsOf["地盤の条件"], 4);
}

// What qel-cli says about the document, its data and its outputs is Japanese and exits 1; a
// mistake in the command line is English with the usage and exits 2. A table of a display
// that has none, and the data file (or a link to it) as output, are refused; nothing is
// written and the data file is left alone.
TEST_F(CliTest, TableRefusalsAndTheLanguageOfMessages) {
  const std::string data = folder.File("site.qdw");
  test::WriteBytes(data, test::ReadBytes(Example("building.qdw")));
  std::filesystem::create_symlink(data, folder.File("link.qdw"));
  test::WriteBytes(folder.File("empty.qdw"), "$$_QEL405\r\n");
  // The building with a soil section that does not read.
  std::string badSoil = test::ReadBytes(Example("building.qdw"));
  badSoil.insert(badSoil.find("$$SOIL\r\n") + 8, "slice=-1\r\n");
  test::WriteBytes(folder.File("bad-soil.qdw"), badSoil);
  // The plates' example with a reading that does not read.
  std::string badReadings = test::ReadBytes(Example("embankment-plates.qdw"));
  badReadings.insert(badReadings.find("$$OBS\r\n") + 7, "read=1,x,0.01\r\n");
  test::WriteBytes(folder.File("bad-readings.qdw"), badReadings);
  const std::string x = " --out " + folder.File("x.svg");
  const std::pair<std::string, std::string> cases[] = {
      {"table " + data + " --display 4", "--display must be a table"},
      {"table " + data + " --display 7", "--display must be a table"},
      {"table " + data + " --display six", "--display must be a table"},
      {"table " + data, "--display must be a table"},
      {"table --display 6", "table needs one data file"},
      {"render " + data + " --display 1 --page one" + x, "--page must be a whole number"},
      {"table " + data + " --display 6 --out " + data, "元のデータファイルと同じファイル"},
      {"table " + data + " --display 5 --out " + folder.File("link.qdw"), "元のデータファイル"},
      {"table " + folder.File("missing.qdw") + " --display 6", "ファイルが見つかりません"},
      {"render " + data + " --display 4 --page 99" + x, "ページ 99 はありません（表示 4 は"},
      {"report " + folder.File("empty.qdw") + " --out " + folder.File("e.pdf"),
       "報告書にする表示がありません。"},
      {"isobars " + data + " --strip", "帯状荷重がありません"},
      {"table " + folder.File("bad-soil.qdw") + " --display 9",
       "$$SOIL の 1 行目: 分割厚さは 0 より大きい値にしてください"},
      {"table " + folder.File("bad-soil.qdw") + " --display 12",
       "$$SOIL の 1 行目: 分割厚さは 0 より大きい値にしてください"},
      {"table " + data + " --display 9 --display 2", "--display is given twice"},
      {"table " + Example("embankment.qdw") + " --display 13", "沈下板の実測値がありません"},
      {"table " + folder.File("bad-readings.qdw") + " --display 13", "$$OBS の 1 行目: "},
  };
  for (const auto& [arguments, message] : cases) {
    SCOPED_TRACE(arguments);
    const CliRun run = RunCli(arguments + DataFolder());
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    const bool usage = run.err.find("usage:") != std::string::npos;
    EXPECT_EQ(run.status, usage ? 2 : 1) << run.err;
    // Its own lines, not what the libraries it runs on may print.
    for (const std::string& line : SplitLines(run.err)) {
      if (line.rfind("qel-cli: ", 0) != 0) continue;
      const bool ascii = std::all_of(line.begin(), line.end(),
                                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
      EXPECT_EQ(ascii, usage) << line;
    }
    EXPECT_EQ(run.out, "");
  }
  EXPECT_FALSE(std::filesystem::exists(folder.File("x.svg")));
  EXPECT_EQ(test::ReadBytes(data), test::ReadBytes(Example("building.qdw")));
}

}  // namespace
}  // namespace qel
