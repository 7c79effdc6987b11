// qel-cli as scripts use it: exit statuses, output formats, and files written or left alone.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "base/c_locale.h"
#include "base/cp932.h"
#include "base/text_file.h"
#include "cli/cli_run.h"
#include "support/csv_fields.h"
#include "support/test_files.h"
#include "view/display_table.h"
#include "view/view_state.h"

namespace qel {
namespace {

TEST_F(CliTest, InfluenceAnswersEveryLineAndReportsMalformedOnes) {
  CliRun run = RunCli("influence",
                      "circle 1 0 1\ncorner 2 1\nbogus 1\ncircle 1 x 1\nrect 1 2\n\n"
                      "ramp 0.5 1 1 1\nstrip 2 1 3 2 1 2\n");
  ASSERT_EQ(run.status, 0);
  std::vector<std::string> lines = SplitLines(run.out);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0].substr(0, 8), "0.646446");  // 1 - 2^(-3/2), the exact value
  EXPECT_EQ(lines[1].substr(0, 8), "0.199941");
  EXPECT_EQ(lines[2].rfind("error: ", 0), 0u);
  EXPECT_EQ(lines[3].rfind("error: ", 0), 0u);
  EXPECT_EQ(lines[4].rfind("error: ", 0), 0u);
  EXPECT_EQ(lines[5], "");
  EXPECT_EQ(lines[6].rfind("error: ", 0), 0u);  // s must be a whole number
  // Trapezoid (0, 2, 4, 6) at xP = 1, z = 2: I = 0.477953, so pi * I.
  EXPECT_NEAR(std::stod(lines[7]) * 0.3183098861827565, 0.477953, 5e-7);
}

// --circle-method chooses how circles are computed, exact unless told; other words are refused.
TEST_F(CliTest, CircleMethodOptionOfInfluenceComputeRenderAndReport) {
  const std::string line = "circle 1 0.979 0.01\n";
  EXPECT_EQ(RunCli("influence", line).out.substr(0, 8), "0.981796");
  EXPECT_EQ(RunCli("influence --circle-method exact", line).out.substr(0, 8), "0.981796");
  EXPECT_EQ(RunCli("influence --circle-method compatible", line).out.substr(0, 8), "1.137440");
  const std::string file = Example("building.qdw") + DataFolder();
  const CliRun exact = RunCli("compute " + file);
  const CliRun compatible = RunCli("compute --circle-method compatible " + file);
  ASSERT_EQ(exact.status, 0);
  ASSERT_EQ(compatible.status, 0);
  EXPECT_EQ(SplitLines(exact.out).size(), SplitLines(compatible.out).size());
  EXPECT_NE(exact.out, compatible.out);
  for (const char* command : {"influence", "compute ", "render ", "report "}) {
    std::string words = command;
    if (words != "influence")
      words += file + " --out " + folder.File("x.pdf") + " --display 6 --all";
    EXPECT_EQ(RunCli(words + " --circle-method approximate").status, 2) << command;
  }
}

// verify prints one line per family and a verdict, exits 0 when all pass, and writes its PDF.
TEST_F(CliTest, VerifyPrintsTheTableAndWritesThePdf) {
  const CliRun run = RunCli("verify --out " + folder.File("verify.pdf"));
  EXPECT_EQ(run.status, 0) << run.out;
  const std::vector<std::string> lines = SplitLines(run.out);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines.back(), "all passed");
  // The program's version heads it, and every family's samples follow its table.
  EXPECT_EQ(lines[0].find("計算の検証　Qel "), 0u);
  EXPECT_NE(run.out.find("沈下 mv法 (教科書例題)（誤差の単位: m）\n  1 / 1 最大  H=10"),
            std::string::npos);
  EXPECT_EQ(test::ReadBytes(folder.File("verify.pdf")).substr(0, 5), "%PDF-");
  EXPECT_EQ(RunCli("verify extra").status, 2);
}

// verify takes --data-folder as every subcommand does, and writes only a PDF.
TEST_F(CliTest, VerifyTakesTheDataFolderAndWritesOnlyAPdf) {
  struct Case {
    std::string arguments;
    int status;
    const char* written;  // the file left in the folder, if any
  };
  const Case cases[] = {
      {DataFolder() + " --out " + folder.File("v.pdf"), 0, "v.pdf"},
      {" --out " + folder.File("v.png"), 2, nullptr},
      {" --out " + folder.File("v"), 2, nullptr},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli("verify" + c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments << run.err;
    if (c.status == 2) {
      EXPECT_NE(run.err.find("verify needs --out F.pdf"), std::string::npos) << run.err;
    }
    for (const char* name : {"v.pdf", "v.png", "v"}) {
      const bool expected = c.written && std::string(c.written) == name;
      EXPECT_EQ(std::filesystem::remove(folder.File(name)), expected) << c.arguments << name;
    }
  }
}

TEST_F(CliTest, ComputeListsStripThenLatticePoints) {
  CliRun run = RunCli("compute " + Example("building.qdw") + DataFolder());
  ASSERT_EQ(run.status, 0);
  std::vector<std::string> lines = SplitLines(run.out);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], "problem,xrow,yrow,zrow,x,y,z,dP");
  // 9 x, 4 y and 7 z values in the lattice, no strip points.
  EXPECT_EQ(lines.size(), 1u + 9 * 4 * 7);
  EXPECT_EQ(lines[1].rfind("lattice,1,1,1,0,1.5,0,", 0), 0u);
  EXPECT_EQ(lines[2].rfind("lattice,2,1,1,1.5,1.5,0,", 0), 0u);  // x changes fastest
}

TEST_F(CliTest, ConvertClampsTheScalesAndComputesTheResultListing) {
  test::WriteBytes(folder.File("in.qdw"),
                   "$$_QEL405\r\n$$Z\r\n0\r\n\r\n$$CIRC\r\n1,0,0,1,10\r\n$$OXYZ\r\n0,0,1\r\n");
  CliRun run =
      RunCli("convert " + folder.File("in.qdw") + " " + folder.File("out.qdw") + DataFolder());
  ASSERT_EQ(run.status, 0);
  std::vector<std::string> lines = SplitLines(test::ReadBytes(folder.File("out.qdw")));
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "$$_QEL405");
  EXPECT_EQ(lines[2], "500");  // a scale of 0 becomes 500 when the view updates
  EXPECT_EQ(lines.back(), "1,0.00,0.00,1.00,6.464");  // 10 * (1 - 2^(-3/2)), three decimals
}

TEST_F(CliTest, ConvertRefusesAFileThatIsNotADataFileAndWritesNothing) {
  test::WriteBytes(folder.File("in.qdw"), "hello\r\n");
  CliRun run =
      RunCli("convert " + folder.File("in.qdw") + " " + folder.File("out.qdw") + DataFolder());
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(std::filesystem::exists(folder.File("out.qdw")));
  run =
      RunCli("convert " + folder.File("missing.qdw") + " " + folder.File("out.qdw") + DataFolder());
  EXPECT_EQ(run.status, 1);
}

TEST_F(CliTest, ConvertKeepsTheOldFileWhenACharacterCannotBeWritten) {
  test::WriteBytes(folder.File("out.qdw"), "old");
  // A byte that is no Shift-JIS character reads as U+FFFD, which cannot be written back.
  test::WriteBytes(folder.File("bad.qdw"), "$$_QEL405\r\n$$OXZ\r\n\xff,1\r\n");
  CliRun run =
      RunCli("convert " + folder.File("bad.qdw") + " " + folder.File("out.qdw") + DataFolder());
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(test::ReadBytes(folder.File("out.qdw")), "old");
}

TEST_F(CliTest, ADamagedButReadableFileIsConvertedWithItsWarningsOnStandardError) {
  // Saved as UTF-8 by another editor, and cut off in the middle of its lattice.
  test::WriteBytes(folder.File("in.qdw"),
                   "$$_QEL405\r\n$$Z\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
                   "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n盛土の断面を求める\r\n"
                   "$$OXYZ\r\n0,0,1\r\n1,0");
  CliRun run =
      RunCli("convert " + folder.File("in.qdw") + " " + folder.File("out.qdw") + DataFolder());
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.err.find("UTF-8 のファイルとして読みました。"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("ファイルが途中で終わっています。"), std::string::npos) << run.err;
  // Saving writes Shift-JIS as always: the title in code page 932.
  EXPECT_NE(test::ReadBytes(folder.File("out.qdw")).find("\x90\xb7\x93\x79\x82\xcc"),
            std::string::npos);
}

TEST_F(CliTest, FilesThatCannotBeReadWholeAreRefused) {
  ASSERT_EQ(::mkfifo(folder.File("fifo.qdw").c_str(), 0600), 0);
  CliRun run = RunCli("compute " + folder.File("fifo.qdw") + DataFolder());
  EXPECT_EQ(run.status, 1);  // and does not wait for a writer
  EXPECT_NE(run.err.find("通常のファイルではないため読めません"), std::string::npos) << run.err;
  run = RunCli("compute /dev/zero" + DataFolder());
  EXPECT_EQ(run.status, 1);
}

TEST_F(CliTest, ImagesLargerThanTheLimitAreRefusedBeforeAnythingIsAllocated) {
  CliRun run = RunCli("render " + Example("embankment.qdw") +
                      " --display 1 --page 1 --dpi 2400 --paper 600x600 --out " +
                      folder.File("big.png") + DataFolder());
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("56693 x 56693"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("268435456"), std::string::npos) << run.err;  // the limit is named
  EXPECT_FALSE(std::filesystem::exists(folder.File("big.png")));
}

TEST_F(CliTest, AnImageThatCannotBeAllocatedIsReportedAsSuch) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "a limit on address space stops the address sanitizer itself";
#else
  // Just under the image limit, in a process allowed 600 MB of address space.
  const std::string command = "ulimit -v 600000; " + std::string(QEL_CLI_PATH) + " render " +
                              Example("embankment.qdw") +
                              " --display 1 --page 1 --dpi 1200 --paper 300x400 --out " +
                              folder.File("mem.png") + DataFolder() + " 2>" + folder.File("err");
  const int status = std::system(("sh -c '" + command + "'").c_str());
  EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
  EXPECT_NE(test::ReadBytes(folder.File("err")).find("メモリが足りないため画像を作れませんでした"),
            std::string::npos);
#endif
}

TEST_F(CliTest, BadArgumentsExitWithTwo) {
  EXPECT_EQ(RunCli("").status, 2);
  EXPECT_EQ(RunCli("frobnicate").status, 2);
  EXPECT_EQ(RunCli("convert only-one.qdw").status, 2);
  EXPECT_EQ(RunCli("pages x.qdw --display 99").status, 2);
  EXPECT_EQ(RunCli("pages x.qdw --display 9 --problem circle").status, 2);
  EXPECT_EQ(RunCli("render x.qdw --display 1 --out x.bmp --all").status, 2);
  EXPECT_EQ(RunCli("render x.qdw --display 1 --out x.png").status, 2);  // neither --page nor --all
  EXPECT_EQ(RunCli("compute --bogus x.qdw").status, 2);
}

// Every whole number of the command line reads alike: blanks around it and a plus sign are
// taken, anything else about it (a unit, a fraction, a number beyond int) is a usage error that
// names the option.
TEST_F(CliTest, WholeNumberOptionsReadAlike) {
  const std::string pages = "pages " + Example("embankment.qdw") + " --display 1";
  const std::string render = "render " + Example("embankment.qdw") + " --display 1 --dpi 30" +
                             " --out " + folder.File("p.svg");
  const std::pair<std::string, std::string> cases[] = {
      {"pages " + Example("embankment.qdw") + " --display +1", ""},
      {pages + " --dpi ' 150 '", ""},
      {pages + " --paper ' 210 x +297'", ""},
      {render + " --page ' +1'", ""},
      {pages + " --dpi 150dpi", "--dpi must be a whole number from 10 to 2400"},
      {pages + " --dpi 2147483648", "--dpi must be a whole number from 10 to 2400"},
      {"pages " + Example("embankment.qdw") + " --display 1.0",
       "--display must be " + DisplayNumberRange()},
      {pages + " --paper 210x297mm", "--paper must be WIDTHxHEIGHT in millimetres"},
      {render + " --page 1.5", "--page must be a whole number"},
      {render + " --page 99999999999", "--page must be a whole number"},
  };
  for (const auto& [arguments, message] : cases) {
    SCOPED_TRACE(arguments);
    const CliRun run = RunCli(arguments + DataFolder());
    EXPECT_EQ(run.status, message.empty() ? 0 : 2) << run.err;
    if (!message.empty()) {
      EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
  }
}

// The help lists every display by the number --display takes, and which of them are tables.
TEST_F(CliTest, HelpListsEveryDisplayByItsNumber) {
  const CliRun run = RunCli("--help");
  ASSERT_EQ(run.status, 0) << run.err;
  for (const DisplayRow& row : kDisplays)
    EXPECT_NE(run.out.find("\n  " + std::to_string(row.number) + "  " + row.cliName),
              std::string::npos)
        << run.out;
  EXPECT_NE(run.out.find("TABLE is one of 2|3|5|6"), std::string::npos) << run.out;
}

TEST_F(CliTest, PagesAndRenderOfEveryDisplay) {
  for (int display = 1; display <= kDisplayNumbers; ++display) {
    CliRun pages = RunCli("pages " + Example("embankment.qdw") + " --display " +
                          std::to_string(display) + DataFolder());
    ASSERT_EQ(pages.status, 0) << display;
    int count = std::stoi(pages.out);
    EXPECT_GE(count, 1);
    std::string out = folder.File("d" + std::to_string(display) + ".pdf");
    CliRun render =
        RunCli("render " + Example("embankment.qdw") + " --display " + std::to_string(display) +
               " --all --dpi 150 --out " + out + DataFolder());
    ASSERT_EQ(render.status, 0) << display;
    std::string pdf = test::ReadBytes(out);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    // One page object per page of the display.
    std::size_t pageObjects = 0;
    for (std::size_t at = pdf.find("/Type /Page\n"); at != std::string::npos;
         at = pdf.find("/Type /Page\n", at + 1))
      ++pageObjects;
    EXPECT_EQ(pageObjects, static_cast<std::size_t>(count)) << display;
  }
}

TEST_F(CliTest, RenderNumbersPngPagesAndRefusesAMissingPage) {
  CliRun run = RunCli("render " + Example("embankment.qdw") + " --display 1 --all --dpi 50 --out " +
                      folder.File("fig.png") + DataFolder());
  ASSERT_EQ(run.status, 0);
  EXPECT_TRUE(std::filesystem::exists(folder.File("fig-1.png")));
  EXPECT_EQ(test::ReadBytes(folder.File("fig-1.png")).substr(1, 3), "PNG");
  run = RunCli("render " + Example("embankment.qdw") + " --display 1 --page 99 --out " +
               folder.File("x.svg") + DataFolder());
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(std::filesystem::exists(folder.File("x.svg")));
}

// The building example with line `index` (from 0) replaced by `text`, written to `path`.
void WriteEditedExample(const std::string& example, std::size_t index, const std::string& text,
                        const std::string& path) {
  std::vector<std::string> lines = SplitLines(test::ReadBytes(example));
  ASSERT_LT(index, lines.size());
  lines[index] = text;
  test::WriteBytes(path, JoinCrLf(lines));
}

// Numbers that once hung the plan's axis values or overflowed the section's frame: render and
// report end promptly (`timeout` stops a hang with status 124) and succeed.
TEST_F(CliTest, ExtremeNumbersRenderAndReport) {
  struct Case {
    const char* what;
    std::size_t line;
    const char* text;
  };
  const Case cases[] = {
      {"the plan's top Y at infinity", 14, "inf"},
      {"a lattice depth of 1e14", 134, "1.5,5,1e14"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string file = folder.File("extreme.qdw");
    WriteEditedExample(Example("building.qdw"), c.line, c.text, file);
    for (const std::string& command :
         {"render " + file + " --display 4 --page 1 --dpi 50 --out " + folder.File("plan.png"),
          "report " + file + " --dpi 50 --out " + folder.File("report.pdf")}) {
      const CliRun run = RunCli(command + DataFolder(), "", "timeout 60");
      EXPECT_EQ(run.status, 0) << command << "\n" << run.err;
    }
  }
}

// The pages of a PDF: its page objects.
std::size_t PdfPageObjects(const std::string& pdf) {
  std::size_t pages = 0;
  for (std::size_t at = pdf.find("/Type /Page\n"); at != std::string::npos;
       at = pdf.find("/Type /Page\n", at + 1))
    ++pages;
  return pages;
}

// One PDF of every display with content: as many pages as those displays print.
TEST_F(CliTest, ReportHoldsEveryDisplayWithContent) {
  struct Case {
    const char* example;
    std::vector<int> displays;  // the displays with data or results
  };
  const Case cases[] = {{"embankment.qdw", {1, 2, 3, 7, 9, 10, 11, 12}},
                        {"building.qdw", {4, 5, 6, 8, 9, 10, 11, 12}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.example);
    std::size_t expected = 0;
    for (int display : c.displays) {
      CliRun pages = RunCli("pages " + Example(c.example) + " --display " +
                            std::to_string(display) + " --dpi 150" + DataFolder());
      ASSERT_EQ(pages.status, 0);
      expected += static_cast<std::size_t>(std::stoi(pages.out));
    }
    const std::string out = folder.File(std::string(c.example) + ".pdf");
    CliRun report =
        RunCli("report " + Example(c.example) + " --dpi 150 --out " + out + DataFolder());
    ASSERT_EQ(report.status, 0);
    const std::string pdf = test::ReadBytes(out);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_EQ(PdfPageObjects(pdf), expected);
  }
}

// Occurrences of `part` in `text`.
std::size_t Occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

// A title font no face can be made for: the pages come out all the same, and standard error
// says so once per command, however many pages and texts wanted it.
TEST_F(CliTest, AFontThatCannotBeMadeIsToldOncePerCommand) {
  test::WriteBytes(folder.File("Font1.ndx"), "14.0\r\n   \r\n0\r\n0\r\n");
  const std::string file = Example("building.qdw");
  const std::string commands[] = {
      "render " + file + " --display 6 --all --dpi 100 --out " + folder.File("r.pdf"),
      "render " + file + " --display 4 --all --dpi 30 --out " + folder.File("f.png"),
      "report " + file + " --dpi 100 --out " + folder.File("all.pdf"),
  };
  for (const std::string& command : commands) {
    SCOPED_TRACE(command);
    const CliRun run = RunCli(command + DataFolder());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Occurrences(run.err, "qel-cli: Can't create font\n"), 1u) << run.err;
  }
  EXPECT_GT(PdfPageObjects(test::ReadBytes(folder.File("all.pdf"))), 1u);
}

TEST_F(CliTest, ReportRefusesBadArgumentsAndADocumentWithNothingToShow) {
  EXPECT_EQ(RunCli("report " + Example("building.qdw")).status, 2);  // no --out
  EXPECT_EQ(RunCli("report " + Example("building.qdw") + " --out x.png").status, 2);
  EXPECT_EQ(RunCli("report " + Example("building.qdw") + " --out x.pdf --display 1").status, 2);
  EXPECT_EQ(RunCli("report --out x.pdf").status, 2);
  test::WriteBytes(folder.File("empty.qdw"), "$$_QEL405\r\n");
  CliRun run = RunCli("report " + folder.File("empty.qdw") + " --out " + folder.File("e.pdf") +
                      DataFolder());
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(std::filesystem::exists(folder.File("e.pdf")));
  run = RunCli("report " + Example("building.qdw") + " --out " +
               folder.File("no/such/folder/r.pdf") + DataFolder());
  EXPECT_EQ(run.status, 1);
}

TEST_F(CliTest, ConvertWritesToStandardOutputAndPipesInPlace) {
  const std::string regular = folder.File("regular.qdw");
  ASSERT_EQ(RunCli("convert " + Example("embankment.qdw") + " " + regular + DataFolder()).status,
            0);
  const std::string expected = test::ReadBytes(regular);
  ASSERT_FALSE(expected.empty());
  // Standard output is a pipe here, reached through the /dev/stdout link.
  CliRun run = RunCli("convert " + Example("embankment.qdw") + " /dev/stdout" + DataFolder());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, expected);
  EXPECT_TRUE(std::filesystem::is_symlink("/dev/stdout"));
}

// No command writes over the file it reads, however the output names it: the same path, a
// path of other words, a hard link, a symbolic link, or a page file --all would number.
TEST_F(CliTest, AnOutputThatIsTheInputIsRefusedAndTheInputKept) {
  const std::string original = test::ReadBytes(Example("embankment.qdw"));
  for (const char* name : {"doc.qdw", "doc.pdf", "fig-1.png"})
    test::WriteBytes(folder.File(name), original);
  std::filesystem::create_directory(folder.File("sub"));
  std::filesystem::create_hard_link(folder.File("doc.qdw"), folder.File("hard.pdf"));
  std::filesystem::create_hard_link(folder.File("doc.qdw"), folder.File("hard.qdw"));
  for (const char* name : {"soft.qdw", "soft.svg", "soft.csv"})
    std::filesystem::create_symlink(folder.File("doc.qdw"), folder.File(name));
  struct Case {
    const char* input;
    std::string command;  // the subcommand, its input and the options before its output
    const char* output;
  };
  const std::string doc = folder.File("doc.qdw");
  const Case cases[] = {
      {"doc.qdw", "convert " + doc, "doc.qdw"},
      {"doc.qdw", "convert " + doc, "sub/../doc.qdw"},
      {"doc.qdw", "convert " + doc, "hard.qdw"},
      {"doc.qdw", "convert " + doc, "soft.qdw"},
      {"doc.pdf", "render " + folder.File("doc.pdf") + " --display 1 --page 1 --out", "doc.pdf"},
      {"doc.qdw", "render " + doc + " --display 1 --page 1 --dpi 30 --out", "soft.svg"},
      {"fig-1.png", "render " + folder.File("fig-1.png") + " --display 1 --all --dpi 30 --out",
       "fig.png"},
      {"doc.qdw", "report " + doc + " --dpi 30 --out", "hard.pdf"},
      {"doc.qdw", "isobars " + doc + " --strip --out", "soft.csv"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command + " " + c.output);
    const CliRun run = RunCli(c.command + " " + folder.path() + "/" + c.output + DataFolder());
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find("同じファイルには書き出せません"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("= " + folder.File(c.input)), std::string::npos) << run.err;
    EXPECT_EQ(test::ReadBytes(folder.File(c.input)), original);
  }
  EXPECT_TRUE(std::filesystem::is_symlink(folder.File("soft.csv")));
  EXPECT_FALSE(std::filesystem::exists(folder.File("fig-2.png")));
}

// A FIFO that nobody reads fails the write with the reason instead of waiting for a reader.
TEST_F(CliTest, AnOutputPipeWithoutAReaderExitsOne) {
  for (const char* name : {"fifo.qdw", "fifo.pdf"})
    ASSERT_EQ(::mkfifo(folder.File(name).c_str(), 0600), 0);
  const std::string commands[] = {
      "convert " + Example("embankment.qdw") + " " + folder.File("fifo.qdw") + DataFolder(),
      "verify --out " + folder.File("fifo.pdf"),
  };
  for (const std::string& command : commands) {
    // Killed after 20 s (status 124) rather than left to wait.
    const CliRun run = RunCli(command, "", "timeout 20");
    EXPECT_EQ(run.status, 1) << command << run.err;
    EXPECT_NE(run.err.find("パイプを読み出すプログラムがありません"), std::string::npos)
        << command << run.err;
  }
}

// Each output that cannot be written exits 1 with the reason and leaves what was in the way.
TEST_F(CliTest, AFailedOutputExitsOneAndRemovesNothing) {
  const std::string fullLink = folder.File("full");
  std::filesystem::create_symlink("/dev/full", fullLink);
  const std::string aFolder = folder.File("e");
  std::filesystem::create_directory(aFolder);
  const std::string render = "render " + Example("embankment.qdw") + " --display 1 --page 1 ";
  const std::string report = "report " + Example("embankment.qdw") + " ";
  struct Case {
    std::string command;  // completed by the output path and its extension
    const char* extension;
  };
  const Case cases[] = {{render + "--dpi 50 --out ", ".pdf"},
                        {render + "--dpi 50 --out ", ".png"},
                        {render + "--dpi 50 --out ", ".svg"},
                        {report + "--dpi 50 --out ", ".pdf"},
                        {"convert " + Example("embankment.qdw") + " ", ".qdw"}};
  for (const Case& c : cases) {
    for (const std::string& inTheWay : {fullLink, aFolder}) {
      const std::string out = inTheWay + c.extension;
      std::error_code ignored;
      std::filesystem::rename(inTheWay, out, ignored);
      CliRun run = RunCli(c.command + out + DataFolder());
      EXPECT_EQ(run.status, 1) << c.command << out;
      EXPECT_NE(run.err.find("保存できませんでした"), std::string::npos) << run.err;
      EXPECT_TRUE(inTheWay == fullLink ? std::filesystem::is_symlink(out)
                                       : std::filesystem::is_directory(out))
          << c.command << out;
      std::filesystem::rename(out, inTheWay, ignored);
    }
  }
}

TEST_F(CliTest, AFullDiskFailsRenderAndReportAndKeepsTheEarlierOutput) {
  if (!test::RunningAsRoot()) GTEST_SKIP() << "mounting a small file system needs root";
  const std::string disk = folder.File("disk");
  std::filesystem::create_directory(disk);
  if (std::system(("mount -t tmpfs -o size=64k qel-full " + disk + " 2>/dev/null").c_str()) != 0)
    GTEST_SKIP() << "no tmpfs can be mounted here";
  struct Unmount {
    std::string disk;
    ~Unmount() { std::system(("umount " + disk).c_str()); }
  } unmount{disk};
  const std::string earlierRender = disk + "/fig.png", earlierReport = disk + "/report.pdf";
  test::WriteBytes(earlierRender, "an earlier figure");
  test::WriteBytes(earlierReport, "an earlier report");
  // What is left of the disk is filled up.
  std::system(("dd if=/dev/zero of=" + disk + "/filler bs=1k count=1024 2>/dev/null").c_str());
  CliRun run = RunCli("render " + Example("embankment.qdw") + " --display 1 --page 1 --out " +
                      earlierRender + DataFolder());
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("ディスクの空きが足りません"), std::string::npos) << run.err;
  EXPECT_EQ(test::ReadBytes(earlierRender), "an earlier figure");
  run = RunCli("report " + Example("embankment.qdw") + " --out " + earlierReport + DataFolder());
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(test::ReadBytes(earlierReport), "an earlier report");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(disk),
                          std::filesystem::directory_iterator()),
            3);
}

TEST_F(CliTest, StandardOutputThatCannotBeWrittenExitsOne) {
  const std::string file = " " + Example("embankment.qdw") + DataFolder();
  const std::string commands[] = {"pages" + file + " --display 1", "compute" + file, "influence",
                                  "--help"};
  for (const std::string& command : commands) {
    CliRun run = RunCli(command + " > /dev/full", "circle 1 0 1\n");
    EXPECT_EQ(run.status, 1) << command;
    EXPECT_NE(run.err.find("標準出力に書き込めませんでした"), std::string::npos) << run.err;
  }
}

// A reader that stops reading early: the write fails, is named, and the command exits 1.
TEST_F(CliTest, AReaderThatGoesAwayIsAFailedWrite) {
  // Far more answers than a pipe holds, so the program is still writing when `head` has gone.
  std::string lines;
  for (int i = 0; i < 50000; ++i)
    lines += "circle 1 0 1\n";
  test::WriteBytes(folder.File("lines"), lines);
  const std::string command = std::string(QEL_CLI_PATH) + " influence <" + folder.File("lines") +
                              " 2>" + folder.File("err") + "; echo $? >" + folder.File("status");
  const std::string shell = "sh -c '" + command + "' | head -c 1 >/dev/null";
  ASSERT_EQ(std::system(shell.c_str()), 0);
  EXPECT_EQ(test::ReadBytes(folder.File("status")), "1\n");
  EXPECT_NE(test::ReadBytes(folder.File("err")).find("標準出力に書き込めませんでした"),
            std::string::npos);
}

TEST_F(CliTest, PagesAreDrawnWithoutADisplayWhateverThePlatformNamed) {
  for (const char* platform : {"xcb", "wayland"}) {
    const std::string out = folder.File(std::string(platform) + ".png");
    CliRun run = RunCli(
        "render " + Example("embankment.qdw") + " --display 1 --page 1 --dpi 30 --out " + out +
            DataFolder(),
        "", std::string("QT_QPA_PLATFORM=") + platform + " DISPLAY=:97 WAYLAND_DISPLAY=qel-none");
    EXPECT_EQ(run.status, 0) << platform << run.err;
    EXPECT_EQ(test::ReadBytes(out).substr(1, 3), "PNG") << platform;
  }
}

TEST_F(CliTest, FileNamesStayTheBytesTheyWereGiven) {
  // Not UTF-8: an e with acute accent in Latin-1.
  const std::string out = folder.File("r\xe9.png");
  CliRun run = RunCli("render " + Example("embankment.qdw") +
                      " --display 1 --page 1 --dpi 30 --out '" + out + "'" + DataFolder());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(test::ReadBytes(out).substr(1, 3), "PNG");
  const std::string in = folder.File("lat\xe9n.qdw");
  std::filesystem::copy_file(Example("building.qdw"), in);
  EXPECT_EQ(RunCli("compute" + DataFolder() + " -- '" + in + "'").status, 0);
}

TEST_F(CliTest, AFileThatCannotBeOpenedSaysWhy) {
  std::filesystem::create_symlink(folder.File("loop-b.qdw"), folder.File("loop-a.qdw"));
  std::filesystem::create_symlink(folder.File("loop-a.qdw"), folder.File("loop-b.qdw"));
  CliRun run = RunCli("compute " + folder.File("loop-a.qdw") + DataFolder());
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("循環"), std::string::npos) << run.err;
  run = RunCli("compute " + folder.File("none.qdw") + DataFolder());
  EXPECT_NE(run.err.find("ファイルが見つかりません"), std::string::npos) << run.err;
}

TEST_F(CliTest, ComputeAndReportWarnOnceAboutLoadsLeftOutOfTheCalculation) {
  // Set 1 ends at a row with a No. but no X1, set 2 is reversed, the circle's radius negative.
  const std::string in = folder.File("left-out.qdw");
  test::WriteBytes(in,
                   "$$_QEL405\r\n$$K1\r\n1,0,1,2,3,1,18,0\r\n2,,5,6,7,1,18,0\r\n"
                   "3,4,5,6,7,1,18,0\r\n$$K2\r\n1,7,6,5,4,1,18,0\r\n$$OXZ\r\n5,1\r\n"
                   "$$CIRC\r\n1,0,0,-1,10\r\n$$OXYZ\r\n0,0,1\r\n");
  const std::string warning = "入力どおりには計算されない荷重があります ( " + in + " )";
  for (const std::string& command :
       {"compute " + in, "report " + in + " --dpi 50 --out " + folder.File("r.pdf")}) {
    CliRun run = RunCli(command + DataFolder());
    EXPECT_EQ(run.status, 0) << command << run.err;
    std::size_t warnings = 0;
    for (const std::string& line : SplitLines(run.err))
      warnings += line.find(warning) != std::string::npos;
    EXPECT_EQ(warnings, 1u) << run.err;
    for (const char* list : {"荷重1: ", "荷重2: ", "円形荷重: "})
      EXPECT_NE(run.err.find(list), std::string::npos) << list << run.err;
  }
  // A file whose loads all enter says nothing of the kind.
  CliRun run = RunCli("compute " + Example("embankment.qdw") + DataFolder());
  EXPECT_EQ(run.err.find("入力どおりには"), std::string::npos) << run.err;
}

// A file with cells of nan, inf, a number beyond range, a malformed sign and full-width digits:
// compute and the saved listing show none of them as numbers, the warnings name them, and the
// cells are saved as they were read.
TEST_F(CliTest, CellsThatAreNoFiniteNumberAreNamedAndNeverPrinted) {
  const std::string in = folder.File("hostile.qdw"), out = folder.File("out.qdw");
  const auto cp932 = [](const std::string& text) { return EncodeCp932(text).bytes; };
  test::WriteBytes(in, cp932("$$_QEL405\r\n$$K1\r\n1,0,1,2,3,1,-nan,0\r\n$$OXZ\r\n"
                             "5,1e400\r\n+inf,2\r\n$$RECT\r\n1,0,0,2,2,inf\r\n"
                             "2,0,0,2,2,--100\r\n3,0,0,2,2,100\r\n$$OXYZ\r\n"
                             "1,1,nan\r\n,,１００\r\n,,-inf\r\n$$SOL\r\n"));
  CliRun run = RunCli("compute " + in + DataFolder());
  EXPECT_EQ(run.status, 0) << run.err;
  // Only rectangle 3 loads the ground (the q of 2 reads 0): dP is its influence times 100.
  const double influence = std::stod(RunCli("influence", "rect 1 1 100 0 0 2 2\n").out);
  EXPECT_EQ(run.out,
            "problem,xrow,yrow,zrow,x,y,z,dP\nstrip,1,0,2,5,0,2,0\n"
            "lattice,1,1,2,1,1,100," +
                FormatC("%.17g", influence * 100) + "\n");
  for (const char* named : {"γ「-nan」", "q「inf」", "q「--100」 は 0", "x2「+inf」 z1「1e400」",
                            "z1「nan」 z3「-inf」", "z2「１００」"})
    EXPECT_NE(run.err.find(named), std::string::npos) << named << run.err;
  run = RunCli("convert " + in + " " + out + DataFolder());
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string saved = test::ReadBytes(out);
  EXPECT_NE(saved.find(cp932(",,１００\r\n")), std::string::npos);
  const std::size_t listing = saved.find("$$SOL\r\nNo.,x,y,z,dP\r\n1,1.00,1.00,100.00,");
  EXPECT_NE(listing, std::string::npos) << saved;
  EXPECT_EQ(saved.find("\r\n2,", listing), std::string::npos) << saved;  // the one point
  for (const char* word : {"nan", "inf"})
    EXPECT_EQ(saved.find(word, saved.find("$$SOL")), std::string::npos) << word;
}

// isobars writes one row per vertex: lines numbered from 1 within each level, vertices from 1
// within each line, a closed line ending on its first vertex, the view's fixed coordinate kept;
// --out writes the same bytes to the file and nothing to standard output.
TEST_F(CliTest, IsobarsWritesEveryLineAsNumberedVertexRows) {
  struct Case {
    std::string arguments;
    int fixedColumn;  // x, y or z column (3, 4, 5) that the view keeps
    std::string fixedValue;
    std::set<std::string> levels;  // empty: any
  };
  const Case cases[] = {
      {Example("embankment.qdw") + " --strip", 4, "0", {}},
      {Example("embankment.qdw") + " --strip --levels 5,15", 4, "0", {"5", "15"}},
      {Example("building.qdw") + " --plan 1 --levels 20,60", 5, "1", {"20", "60"}},
      {Example("building.qdw") + " --section y=1.5", 4, "1.5", {}},
      {Example("building.qdw") + " --section=x=3 --circle-method compatible", 3, "3", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const CliRun run = RunCli("isobars " + c.arguments + DataFolder());
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> rows = SplitLines(run.out);
    ASSERT_GT(rows.size(), 10u);
    EXPECT_EQ(rows[0], "level,line,vertex,x,y,z");
    std::string previousLevel;
    long previousLine = 0, previousVertex = 0;
    std::vector<std::string> firstOfLine;
    bool closedSeen = false;
    std::set<std::string> levels;
    for (std::size_t n = 1; n < rows.size(); ++n) {
      const std::vector<std::string> f = test::CsvFields(rows[n]);
      ASSERT_EQ(f.size(), 6u) << rows[n];
      for (const std::string& number : f)
        EXPECT_NO_THROW(std::stod(number)) << rows[n];
      const long line = std::stol(f[1]), vertex = std::stol(f[2]);
      if (f[0] != previousLevel) {
        EXPECT_EQ(line, 1) << rows[n];
        EXPECT_EQ(vertex, 1) << rows[n];
      } else if (line != previousLine) {
        EXPECT_EQ(line, previousLine + 1) << rows[n];
        EXPECT_EQ(vertex, 1) << rows[n];
      } else {
        EXPECT_EQ(vertex, previousVertex + 1) << rows[n];
      }
      if (vertex == 1) firstOfLine = f;
      // A row equal to its line's first one ends a closed line.
      if (vertex > 1 && f[3] == firstOfLine[3] && f[4] == firstOfLine[4] && f[5] == firstOfLine[5])
        closedSeen = true;
      EXPECT_EQ(f[c.fixedColumn], c.fixedValue) << rows[n];
      levels.insert(f[0]);
      previousLevel = f[0];
      previousLine = line;
      previousVertex = vertex;
    }
    if (!c.levels.empty()) {
      EXPECT_EQ(levels, c.levels);
    }
    // Bulbs in plan close around the loads.
    if (c.fixedColumn == 5) {
      EXPECT_TRUE(closedSeen);
    }
    const CliRun toFile =
        RunCli("isobars " + c.arguments + DataFolder() + " --out " + folder.File("i.csv"));
    ASSERT_EQ(toFile.status, 0) << toFile.err;
    EXPECT_EQ(toFile.out, "");
    EXPECT_EQ(test::ReadBytes(folder.File("i.csv")), run.out);
  }
}

// Without --levels the levels the document keeps for its figure are traced; --levels wins.
TEST_F(CliTest, IsobarsTakeTheLevelsTheDocumentKeeps) {
  std::string text = test::ReadBytes(Example("embankment.qdw"));
  const std::size_t listing = text.find("$$SOL");
  ASSERT_NE(listing, std::string::npos);
  text.insert(listing, "$$FIG\r\nstrip.isobars.levels=7,21\r\n");
  test::WriteBytes(folder.File("kept.qdw"), text);
  for (const auto& [options, expected] :
       {std::pair<std::string, std::set<std::string>>{"", {"7", "21"}}, {" --levels 5", {"5"}}}) {
    const CliRun run =
        RunCli("isobars " + folder.File("kept.qdw") + " --strip" + options + DataFolder());
    ASSERT_EQ(run.status, 0) << run.err;
    std::set<std::string> levels;
    const std::vector<std::string> rows = SplitLines(run.out);
    for (std::size_t n = 1; n < rows.size(); ++n)
      levels.insert(test::CsvFields(rows[n])[0]);
    EXPECT_EQ(levels, expected) << options;
  }
}

// A file whose figure holds more levels than it draws, and lines of figure options that do not
// read: each command that draws the isobars says so on standard error, and draws the first.
TEST_F(CliTest, CommandsWarnAboutLevelsCutAndFigureLinesThatDoNotRead) {
  std::string text = test::ReadBytes(Example("embankment.qdw"));
  std::string levels;
  for (int level = 1; level <= 250; ++level)
    levels += (level > 1 ? "," : "") + std::to_string(level * 0.25);
  text.insert(text.find("$$SOL"), "$$FIG\r\nstrip.isobars=1\r\nstrip.isobars.levels=" + levels +
                                      "\r\nlater.option=1\r\n");
  const std::string file = folder.File("many.qdw");
  test::WriteBytes(file, text);
  const std::string cut = "等圧線の値 250 個のうち先頭の 200 個を描きます";
  const std::string unread = "読めない行が 1 行ありました";
  struct Case {
    std::string arguments;
    bool warnsOfCut;
  };
  const Case cases[] = {
      {"isobars " + file + " --strip", true},
      {"render " + file + " --display 1 --page 1 --dpi 50 --out " + folder.File("p.png"), true},
      {"render " + file + " --display 2 --page 1 --dpi 50 --out " + folder.File("p.png"), false},
      {"pages " + file + " --display 1", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const CliRun run = RunCli(c.arguments + DataFolder());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.find(cut) != std::string::npos, c.warnsOfCut) << run.err;
    EXPECT_NE(run.err.find(unread), std::string::npos) << run.err;
  }
  const CliRun run = RunCli("isobars " + file + " --strip" + DataFolder());
  std::set<std::string> traced;
  const std::vector<std::string> rows = SplitLines(run.out);
  for (std::size_t n = 1; n < rows.size(); ++n)
    traced.insert(test::CsvFields(rows[n])[0]);
  ASSERT_FALSE(traced.empty());
  for (const std::string& level : traced)
    EXPECT_LE(std::stod(level), 200 * 0.25) << level;
}

// Bad arguments exit 2 with the usage; a file whose problem has no loads exits 1 with the
// reason; either way nothing is written.
TEST_F(CliTest, IsobarsRefusesBadArgumentsAndProblemsWithoutLoads) {
  struct Case {
    std::string arguments;
    int status;
    std::string message;
  };
  const std::string embankment = Example("embankment.qdw");
  const std::string building = Example("building.qdw");
  std::string manyLevels;
  for (int level = 1; level <= 201; ++level)
    manyLevels += (level > 1 ? "," : "") + std::to_string(level);
  // A circle reaching out to 1e15 m, the largest a cell holds: traced, with finite vertices.
  std::string text = test::ReadBytes(building);
  const std::size_t circles = text.find("$$CIRC\r\n") + 8;
  text.replace(circles, text.find("$$OXYZ") - circles, "1,1e15,0,1e15,10\r\n");
  text.erase(text.find("$$RECT\r\n") + 8, text.find("$$CIRC") - text.find("$$RECT\r\n") - 8);
  const std::string hugeCircle = folder.File("huge.qdw");
  test::WriteBytes(hugeCircle, text);
  const Case cases[] = {
      {embankment, 2, "exactly one of --strip"},
      {embankment + " --strip --plan 1", 2, "exactly one of --strip"},
      {embankment + " --strip --levels 10,x", 2, "--levels: level \"x\" is not a number"},
      {embankment + " --strip --levels ''", 2, "--levels: a level is missing"},
      {embankment + " --strip --levels 5,5", 2, "given twice"},
      {embankment + " --strip --levels " + manyLevels, 2, "--levels: at most 200 levels, not 201"},
      {hugeCircle + " --plan 1", 0, ""},
      {hugeCircle + " --section y=-1e6", 0, ""},
      {embankment + " --strip --level 5", 2, "unknown option --level"},
      {building + " --plan -1", 2, "--plan needs a depth of 0 or more"},
      {building + " --plan deep", 2, "--plan needs a depth"},
      {building + " --section z=1", 2, "--section needs y=Y or x=X"},
      {building + " --section y=", 2, "--section needs y=Y or x=X"},
      {"--strip", 2, "isobars needs one data file"},
      {building + " --strip --circle-method rough", 2, "--circle-method"},
      {building + " --strip", 1, "building.qdw: 帯状荷重がありません"},
      {embankment + " --plan 1", 1, "embankment.qdw: 長方形荷重も円形荷重もありません"},
      {embankment + " --section y=0", 1, "embankment.qdw: 長方形荷重も円形荷重もありません"},
      {folder.File("missing.qdw") + " --strip", 1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const CliRun run =
        RunCli("isobars " + c.arguments + DataFolder() + " --out " + folder.File("bad.csv"));
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    if (c.status == 2) {
      EXPECT_NE(run.err.find("usage:"), std::string::npos);
    }
    if (c.status == 0) {
      const std::string csv = test::ReadBytes(folder.File("bad.csv"));
      EXPECT_EQ(csv.find("nan"), std::string::npos);
      EXPECT_EQ(csv.find("inf"), std::string::npos);
      std::filesystem::remove(folder.File("bad.csv"));
    }
    EXPECT_FALSE(std::filesystem::exists(folder.File("bad.csv")));
  }
}

}  // namespace
}  // namespace qel
