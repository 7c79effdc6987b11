// qel-cli table: the tables as CSV files, their dP to the last digit as compute gives it, and
// the arguments and outputs it refuses.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_run.h"
#include "settings/text_file.h"
#include "support/test_files.h"

namespace qel {
namespace {

std::vector<std::string> Fields(const std::string& row) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t comma; (comma = row.find(',', start)) != std::string::npos; start = comma + 1)
    fields.push_back(row.substr(start, comma - start));
  fields.push_back(row.substr(start));
  return fields;
}

// The dP of every point of one problem as compute lists them, in its order.
std::vector<std::string> ComputedStresses(const std::string& computeOutput,
                                          const std::string& problem) {
  std::vector<std::string> stresses;
  for (const std::string& row : SplitLines(computeOutput)) {
    const std::vector<std::string> f = Fields(row);
    if (f.size() == 8 && f[0] == problem) stresses.push_back(f[7]);
  }
  return stresses;
}

// The results tables give each point's dP as compute does, to the last digit, in its order;
// the file starts with the byte-order mark and the headings, and --out writes what standard
// output gets.
TEST_F(CliTest, TableResultsCarryComputesFullPrecisionStress) {
  struct Case {
    const char* file;
    const char* display;
    const char* problem;
    const char* headings;
  };
  const Case cases[] = {
      {"embankment.qdw", "3", "strip", "Z (m),X (m),dP (kN/㎡),dP 全桁 (kN/㎡)"},
      {"building.qdw", "6", "lattice", "計算点,x (m),y (m),z (m),dP (kN/㎡),dP 全桁 (kN/㎡)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string file = Example(c.file) + DataFolder();
    const CliRun compute = RunCli("compute " + file);
    const CliRun table = RunCli("table " + file + " --display " + c.display);
    ASSERT_EQ(compute.status, 0) << compute.err;
    ASSERT_EQ(table.status, 0) << table.err;
    ASSERT_EQ(table.out.rfind("\xEF\xBB\xBF", 0), 0u);
    const std::vector<std::string> lines = SplitLines(table.out.substr(3));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], c.headings);
    const std::vector<std::string> computed = ComputedStresses(compute.out, c.problem);
    ASSERT_EQ(lines.size(), computed.size() + 1);
    for (std::size_t i = 0; i < computed.size(); ++i)
      EXPECT_EQ(Fields(lines[i + 1]).back(), computed[i]) << lines[i + 1];

    const CliRun written =
        RunCli("table " + file + " --display " + c.display + " --out " + folder.File("t.csv"));
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(test::ReadBytes(folder.File("t.csv")), table.out);
  }
}

// A display that is no table or no display exits 2 with the usage; an output that is the data
// file itself (or a link to it) exits 1 and leaves it as it was; a missing file exits 1.
TEST_F(CliTest, TableRefusesOtherDisplaysAndTheDataFileAsOutput) {
  const std::string data = folder.File("site.qdw");
  test::WriteBytes(data, test::ReadBytes(Example("building.qdw")));
  std::filesystem::create_symlink(data, folder.File("link.qdw"));
  struct Case {
    std::string arguments;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {data + " --display 1", 2, "--display must be a table"},
      {data + " --display 4", 2, "--display must be a table"},
      {data + " --display 7", 2, "--display must be a table"},
      {data + " --display 9", 2, "--display must be a table"},
      {data + " --display six", 2, "--display must be a table"},
      {data, 2, "--display must be a table"},
      {"--display 6", 2, "table needs one data file"},
      {data + " --display 6 --circle-method rough", 2, "--circle-method"},
      {data + " --display 6 --out " + data, 1, "元のデータファイルと同じファイル"},
      {data + " --display 5 --out " + folder.File("link.qdw"), 1,
       "元のデータファイルと同じファイル"},
      {folder.File("missing.qdw") + " --display 6", 1, "missing.qdw"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const CliRun run = RunCli("table " + c.arguments + DataFolder());
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("usage:") != std::string::npos, c.status == 2) << run.err;
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(test::ReadBytes(data), test::ReadBytes(Example("building.qdw")));
}

}  // namespace
}  // namespace qel
