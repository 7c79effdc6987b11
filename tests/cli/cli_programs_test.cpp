// qel-cli and its drawing program: the libraries each loads, where qel-cli looks for the drawing
// program, and what it says when the drawing program is not there.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/drawing_program.h"
#include "cli_run.h"

namespace qel {

namespace {

// qel-cli loads no Qt library (and so none of the graphics, D-Bus and OpenMP libraries behind
// them); the drawing program draws through QtGui without widgets.
TEST(CliProgramsTest, OnlyTheDrawingProgramLoadsQt) {
  struct Case {
    const char* program;
    const char* library;
    bool loaded;
  };
  const Case cases[] = {
      {QEL_CLI_PATH, "libQt6", false},        {QEL_CLI_PATH, "libgomp", false},
      {QEL_CLI_PATH, "libdbus", false},       {QEL_CLI_DRAW_PATH, "libQt6Gui", true},
      {QEL_CLI_DRAW_PATH, "libQt6Svg", true}, {QEL_CLI_DRAW_PATH, "libQt6Widgets", false},
  };
  for (const Case& c : cases) {
    const CliRun ldd = RunCli(c.program, "", "", "ldd");
    ASSERT_EQ(ldd.status, 0) << c.program << ": " << ldd.err;
    ASSERT_NE(ldd.out.find("libc.so"), std::string::npos) << ldd.out;
    EXPECT_EQ(ldd.out.find(c.library) != std::string::npos, c.loaded)
        << c.program << " " << c.library << ":\n"
        << ldd.out;
  }
}

// Beside qel-cli first (the build tree), then the installation's library-executables folder.
TEST(CliProgramsTest, DrawingProgramIsLookedForBesideQelCliThenInstalled) {
  struct Case {
    const char* folder;
    const char* libexec;
    std::vector<std::string> candidates;
  };
  const Case cases[] = {
      {"/opt/q/bin", "../libexec", {"/opt/q/bin/qel-cli-draw", "/opt/q/libexec/qel-cli-draw"}},
      {"/opt/q/bin", "../lib/qel", {"/opt/q/bin/qel-cli-draw", "/opt/q/lib/qel/qel-cli-draw"}},
      {"/opt/q/bin", ".", {"/opt/q/bin/qel-cli-draw"}},
      {"/opt/q/bin", "", {"/opt/q/bin/qel-cli-draw"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DrawingProgramCandidates(c.folder, c.libexec), c.candidates) << c.libexec;
}

// A qel-cli without its drawing program still computes; a command that draws fails with exit 1,
// naming the program and where it was looked for, and prints nothing on standard output.
TEST_F(CliTest, DrawingCommandsWithoutTheDrawingProgramFailNamingIt) {
  test::TempFolder alone;
  const std::string cli = alone.File("qel-cli");
  std::filesystem::copy_file(QEL_CLI_PATH, cli);
  const std::string file = Example("embankment.qdw") + DataFolder();
  struct Case {
    std::string arguments;
    int status;
    bool drawing;
  };
  const Case cases[] = {
      {"compute " + file, 0, false},
      {"verify", 0, false},
      {"pages " + file + " --display 1", 1, true},
      {"render " + file + " --display 1 --page 1 --out " + folder.File("p.png"), 1, true},
      {"report " + file + " --out " + folder.File("r.pdf"), 1, true},
      {"verify --out " + folder.File("v.pdf"), 1, true},
      {"verify --out v.txt", 2, false},  // a bad argument is found before the hand-over
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.arguments, "", "", cli);
    EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
    const bool named = run.err.find("qel-cli-draw が見つかりません") != std::string::npos &&
                       run.err.find(alone.File("qel-cli-draw")) != std::string::npos;
    EXPECT_EQ(named, c.drawing) << c.arguments << "\n" << run.err;
    if (c.drawing) {
      EXPECT_EQ(run.out, "") << c.arguments;
    }
  }
}

}  // namespace

}  // namespace qel
