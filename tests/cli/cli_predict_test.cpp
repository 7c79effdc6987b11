// qel-cli predict and obs-import: the fits of a file's settlement plates as CSV, exact on exact
// curves; a plate's readings read from a CSV file into a new data file; the faults of each named.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>

#include "base/c_locale.h"
#include "base/cp932.h"
#include "base/text_file.h"
#include "cli/cli_run.h"
#include "document/data_file.h"
#include "document/measurements_text.h"
#include "support/csv_fields.h"
#include "support/test_files.h"

namespace qel {
namespace {

// Readings of plate `plate` on the curve `s` every `step` days from 0 to `last`.
std::vector<std::string> Readings(int plate, double step, double last,
                                  const std::function<double(double)>& s) {
  std::vector<std::string> lines;
  for (double t = 0; t <= last; t += step)
    lines.push_back(FormatC("read=%d,%.17g,%.17g", plate, t, s(t)));
  return lines;
}

// Three plates on the exact curves of the three methods (t0 = 0), each with its fit, and one fit
// with too few readings in its window.
std::vector<std::string> ExactPlates() {
  std::vector<std::string> lines = {"plate=1,SP-1,15,0,0", "plate=2,SP-2,0,0,0",
                                    "plate=3,SP-3,30,0,0"};
  for (const auto& more :
       {Readings(1, 10, 200, [](double t) { return 5 + t / (20 + 0.02 * t); }),
        Readings(2, 10, 300, [](double t) { return 80 - 60 * std::exp(-0.01 * t); }),
        Readings(3, 10, 200, [](double t) { return 3 + 40 * std::sqrt(t) / std::sqrt(50 + t); })})
    lines.insert(lines.end(), more.begin(), more.end());
  lines.insert(lines.end(), {"fit=1,hyperbolic,0,200", "fit=1,sqrt,0,15", "fit=2,asaoka,0,300,10",
                             "fit=3,sqrt,0,200"});
  return lines;
}

class PredictTest : public CliTest {
 protected:
  // The embankment example with a settlement plates' section of `lines`, as a new file.
  std::string WithPlates(const std::vector<std::string>& lines) {
    std::string bytes = test::ReadBytes(Example("embankment.qdw"));
    bytes.insert(bytes.find("$$SOL"), EncodeCp932("$$OBS\r\n" + JoinCrLf(lines)).bytes);
    const std::string path = folder.File("plates-" + std::to_string(++files_) + ".qdw");
    test::WriteBytes(path, bytes);
    return path;
  }
  std::string Csv(const std::string& text) {
    const std::string path = folder.File("readings-" + std::to_string(++files_) + ".csv");
    test::WriteBytes(path, text);
    return path;
  }
  // The readings of plate 1 of the data file at `path`.
  static std::vector<SettlementReading> PlateOne(const std::string& path) {
    DocumentTables tables;
    EXPECT_EQ(ReadDataBytes(test::ReadBytes(path), tables), ReadStatus::Ok);
    const MeasurementsReading reading = ReadMeasurements(tables.obsLines);
    if (!reading.measurements) {
      ADD_FAILURE() << (reading.errors.empty() ? "" : reading.errors[0].text);
      return {};
    }
    return reading.measurements->plates.at(0).readings;
  }

 private:
  int files_ = 0;
};

// Each method recovers the final settlement of its exact curve; a fit that cannot be made leaves
// its numbers empty and says why; --plate keeps one plate's rows.
TEST_F(PredictTest, FitsExactCurvesAndSaysWhyAFitCannotBeMade) {
  const std::string file = WithPlates(ExactPlates());
  struct Row {
    std::string head;  // plate,name,method,from,to,dt
    double s0, sFinal;
    std::string reason;
  };
  const Row all[] = {{"1,SP-1,hyperbolic,0,200,", 5, 55, ""},
                     {"1,SP-1,sqrt,0,15,", NAN, NAN, "期間内で t0 より後の読み値が 3 個未満です"},
                     {"2,SP-2,asaoka,0,300,10", 20, 80, ""},
                     {"3,SP-3,sqrt,0,200,", 3, 43, ""}};
  for (const std::string plate : {"", "3"}) {
    const CliRun run =
        RunCli("predict " + file + (plate.empty() ? "" : " --plate " + plate) + DataFolder());
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = SplitLines(run.out);
    ASSERT_EQ(lines.at(0), "plate,name,method,from,to,dt,S0,Sinf,r2,U,t90,residual,reason");
    std::vector<Row> expected(std::begin(all), std::end(all));
    if (!plate.empty()) expected = {all[3]};
    ASSERT_EQ(lines.size(), expected.size() + 1) << run.out;
    for (std::size_t i = 0; i < expected.size(); ++i) {
      const std::string& line = lines[i + 1];
      const Row& row = expected[i];
      ASSERT_TRUE(line.starts_with(row.head + ",")) << line;
      const std::vector<std::string> fields = test::CsvFields(line.substr(row.head.size() + 1));
      ASSERT_EQ(fields.size(), 7u) << line;
      EXPECT_EQ(fields[6], row.reason) << line;
      if (!row.reason.empty()) {
        for (std::size_t f = 0; f < 6; ++f)
          EXPECT_EQ(fields[f], "") << line;
        continue;
      }
      EXPECT_NEAR(std::stod(fields[0]), row.s0, 1e-9) << line;
      EXPECT_NEAR(std::stod(fields[1]), row.sFinal, 1e-9) << line;
      EXPECT_NEAR(std::stod(fields[2]), 1.0, 1e-9) << line;  // r2 of an exact line
      EXPECT_EQ(fields[5], "") << line;                      // no paving day
    }
  }
}

// --curve lists each fitted curve, which on exact data is the curve read.
TEST_F(PredictTest, CurvesFollowTheExactCurves) {
  const CliRun run = RunCli("predict " + WithPlates(ExactPlates()) + " --curve" + DataFolder());
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = SplitLines(run.out);
  ASSERT_EQ(lines.at(0), "plate,method,t,S");
  const std::map<std::string, std::function<double(double)>> exact = {
      {"1,hyperbolic", [](double t) { return 5 + t / (20 + 0.02 * t); }},
      {"2,asaoka", [](double t) { return 80 - 60 * std::exp(-0.01 * t); }},
      {"3,sqrt", [](double t) { return 3 + 40 * std::sqrt(t) / std::sqrt(50 + t); }}};
  std::map<std::string, int> rows;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::vector<std::string> fields = test::CsvFields(lines[i]);
    ASSERT_EQ(fields.size(), 4u) << lines[i];
    const std::string key = fields[0] + "," + fields[1];
    ASSERT_TRUE(exact.contains(key)) << lines[i];
    ++rows[key];
    const double t = std::stod(fields[2]);
    EXPECT_NEAR(std::stod(fields[3]), exact.at(key)(t), 1e-8) << lines[i];
  }
  for (const auto& [key, curve] : exact)
    EXPECT_GT(rows[key], 10) << key;
}

// A file without plates, a section that does not read and a plate not in it are the file's
// faults (exit 1, in Japanese, the line named); a command line that cannot be followed exits 2.
TEST_F(PredictTest, RefusesFilesAndCommandLinesByName) {
  std::string plain = folder.File("plain.qdw");
  test::WriteBytes(plain, test::ReadBytes(Example("embankment.qdw")));
  struct Case {
    std::string arguments;
    int status;
    std::string told;
  };
  const Case cases[] = {
      {plain, 1, "沈下板の実測値がありません"},
      {WithPlates({"plate=1,a,0,0,0", "read=1,0,0", "read=1,0,1"}), 1,
       "$$OBS の 3 行目: 沈下板 1 の"},
      {WithPlates({"plate=1,a,0,0,0", "read=1,0,0", "fit=2,sqrt,0,1"}), 1, "$$OBS の 3 行目"},
      {WithPlates(ExactPlates()) + " --plate 9", 1, "沈下板 9 がありません"},
      {WithPlates(ExactPlates()) + " --plate x", 2, "--plate"},
      {"", 2, "one data file"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli("predict " + c.arguments + DataFolder());
    EXPECT_EQ(run.status, c.status) << c.arguments << run.err;
    EXPECT_NE(run.err.find(c.told), std::string::npos) << c.arguments << "\n" << run.err;
    EXPECT_EQ(run.out, "") << c.arguments;
  }
}

// A section that does not read costs nothing else: the other commands give what they give
// without it, and a conversion writes its lines back as they were.
TEST_F(PredictTest, ABadSectionLeavesTheOtherCommandsAndItsLinesAlone) {
  const std::string plain = folder.File("plain.qdw");
  test::WriteBytes(plain, test::ReadBytes(Example("embankment.qdw")));
  const std::string bad = WithPlates({"plate=1,a,0,0,0", "read=1,x,0", "fit=3,cubic,9,1"});
  for (const std::string command : {"compute", "settlement", "table --display 5"}) {
    const CliRun without = RunCli(command + " " + plain + DataFolder());
    const CliRun with = RunCli(command + " " + bad + DataFolder());
    EXPECT_EQ(with.status, 0) << command << with.err;
    EXPECT_EQ(with.out, without.out) << command;
  }
  const std::string out = folder.File("converted.qdw");
  ASSERT_EQ(RunCli("convert " + bad + " " + out + DataFolder()).status, 0);
  EXPECT_EQ(test::ReadBytes(out), test::ReadBytes(bad));
}

// Days or dates from day 0, in m, cm or mm, with or without a header, replace plate 1's readings.
TEST_F(PredictTest, ObsImportReadsDaysDatesUnitsAndHeaders) {
  const std::string file = WithPlates({"plate=1,SP-1,15,0,0", "read=1,0,0.5", "fit=1,sqrt,1,7"});
  struct Case {
    std::string csv, options;
  };
  const Case cases[] = {
      {"0,0\n7,0.021\n14,0.035\n", ""},
      {"日,沈下量(cm)\r\n0,0\r\n7,2.1\r\n14,3.5\r\n", "--unit cm"},
      {"date,S\n2026-04-01,0\n2026-04-08,21\n2026-04-15,35\n", "--unit mm --day0 2026-04-01"},
      {"2026-03-31,0\n2026-04-07,0.021\n2026-04-14,0.035\n", "--day0 2026-03-30"},
  };
  const double days[][3] = {{0, 7, 14}, {0, 7, 14}, {0, 7, 14}, {1, 8, 15}};
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const std::string out = folder.File("out-" + std::to_string(i) + ".qdw");
    const CliRun run = RunCli("obs-import " + file + " " + Csv(cases[i].csv) + " --plate 1 " +
                              cases[i].options + " --out " + out + DataFolder());
    ASSERT_EQ(run.status, 0) << cases[i].csv << run.err;
    const std::vector<SettlementReading> readings = PlateOne(out);
    ASSERT_EQ(readings.size(), 3u) << cases[i].csv;
    const double settlements[] = {0, 0.021, 0.035};
    for (std::size_t r = 0; r < 3; ++r) {
      EXPECT_DOUBLE_EQ(readings[r].t, days[i][r]) << cases[i].csv;
      EXPECT_NEAR(readings[r].s, settlements[r], 1e-12) << cases[i].csv;
    }
  }
}

// Bad rows are named by row, a missing plate or a window the new readings do not reach by the
// file (exit 1); options that cannot be followed exit 2. Nothing is written then.
TEST_F(PredictTest, ObsImportNamesBadRowsAndRefusesWithoutWriting) {
  const std::string file =
      WithPlates({"plate=1,SP-1,15,0,0", "read=1,0,0.5", "read=1,100,0.6", "fit=1,sqrt,0,100"});
  const std::string good = Csv("0,0\n50,0.1\n100,0.2\n");
  struct Case {
    std::string csv, options;
    int status;
    std::string told;
  };
  const Case cases[] = {
      {Csv("0,0\n7,abc\n14,0.035\n"), "--plate 1", 1, "2 行目: 沈下量「abc」が数値ではありません"},
      {Csv("0,0\n14,0.02\n7,0.035\n"), "--plate 1", 1, "3 行目: 日「7」が前の読み値の日「14」"},
      {Csv("2026-04-01,0\n"), "--plate 1", 1, "基準日が必要です"},
      {Csv("0,0\n50,0.1\n"), "--plate 1", 1, "読み込んだ後の $$OBS の 4 行目"},
      {good, "--plate 2", 1, "沈下板 2 がありません"},
      {good, "", 2, "--plate"},
      {good, "--plate 1 --unit km", 2, "--unit"},
      {good, "--plate 1 --day0 2026-13-01", 2, "--day0"},
  };
  for (const Case& c : cases) {
    const std::string out = folder.File("refused.qdw");
    const CliRun run = RunCli("obs-import " + file + " " + c.csv + " " + c.options + " --out " +
                              out + DataFolder());
    EXPECT_EQ(run.status, c.status) << c.options << run.err;
    EXPECT_NE(run.err.find(c.told), std::string::npos) << c.options << "\n" << run.err;
    EXPECT_FALSE(std::filesystem::exists(out)) << c.options;
  }
}

}  // namespace
}  // namespace qel
