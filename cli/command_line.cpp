// qel-cli's command line: the usage, and which program runs each subcommand.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/commands.h"
#include "cli/drawing_program.h"
#include "view/display_table.h"

namespace qel {

namespace {

const char kUsage[] =
    "usage:\n"
    "  qel-cli compute FILE.qdw [--circle-method exact|compatible] [--data-folder DIR]\n"
    "  qel-cli influence [--circle-method exact|compatible] [--data-folder DIR]\n"
    "                                                 (lines on standard input)\n"
    "  qel-cli convert IN.qdw OUT.qdw [--data-folder DIR]\n"
    "  qel-cli pages FILE.qdw --display N [--problem strip|rect] [--dpi D] [--paper WxH]\n"
    "                 [--data-folder DIR]\n"
    "  qel-cli render FILE.qdw --display N [--problem strip|rect] (--page P | --all)\n"
    "                 --out F.{pdf,png,svg} [--dpi D] [--paper WxH]\n"
    "                 [--circle-method exact|compatible] [--data-folder DIR]\n"
    "  qel-cli report FILE.qdw --out F.pdf [--dpi D] [--paper WxH] [--restart-numbering]\n"
    "                 [--circle-method exact|compatible] [--data-folder DIR]\n"
    "  qel-cli verify [--out F.pdf] [--data-folder DIR]  the engine against its references\n"
    "  qel-cli isobars FILE.qdw (--strip | --plan Z | --section y=Y | --section x=X)\n"
    "                 [--levels L1,L2,...] [--out F.csv] [--circle-method exact|compatible]\n"
    "                 [--data-folder DIR]\n"
    "                 lines of equal dP as CSV rows level,line,vertex,x,y,z (a closed line\n"
    "                 repeats its first vertex). Levels in the problem's stress unit, by\n"
    "                 default round steps of about an eighth of the largest load intensity.\n"
    "                 --strip: x across the strip figure, z from 0 to 1.25 x the deepest\n"
    "                 calculation z; --plan Z: the rectangle/circle figure's x and y range\n"
    "                 at depth Z; --section: that x or y range, z from 0 to 1.25 x the\n"
    "                 deepest lattice z.\n"
    "  qel-cli table FILE.qdw --display TABLE [--problem strip|rect] [--out F.csv]\n"
    "                 [--circle-method exact|compatible] [--data-folder DIR]\n"
    "                 a data or results table as CSV (UTF-8 with a byte-order mark), one\n"
    "                 row per load or point as the display prints it, dP also as %.17g;\n"
    "                 the settlement table one row per slice of every column, S also as\n"
    "                 %.17g metres.\n"
    "  qel-cli settlement FILE.qdw [--slices | --time | --stages]\n"
    "                 [--circle-method exact|compatible] [--data-folder DIR]\n"
    "                 consolidation settlement under the file's soil profile as CSV: per\n"
    "                 column problem,xrow,yrow,x,y,S,t50,t90 (S in m, t in days); --slices:\n"
    "                 every slice with sigma0, dP, p1, pc, e0, e1, S; --time: S, U, Ssec and\n"
    "                 Sall at the profile's times; --stages: each stage's share dS.\n"
    "  qel-cli predict FILE.qdw [--plate N] [--curve] [--data-folder DIR]\n"
    "                 the final settlement predicted from the settlement plates' readings\n"
    "                 as CSV: per fit plate,name,method,from,to,dt,S0,Sinf,r2,U,t90,\n"
    "                 residual,reason (S in m, t in days); --curve: plate,method,t,S along\n"
    "                 each fitted curve.\n"
    "  qel-cli obs-import FILE.qdw READINGS.csv --plate N [--unit m|cm|mm]\n"
    "                 [--day0 YYYY-MM-DD] --out OUT.qdw [--data-folder DIR]\n"
    "                 replaces plate N's readings by the rows day,settlement or\n"
    "                 date,settlement of READINGS.csv (dates need --day0; settlements in\n"
    "                 m unless --unit says otherwise).\n";

// The usage, then the displays by number, from the table of displays.
std::string Usage() {
  std::string usage = kUsage;
  usage += "displays (--display N; TABLE is one of " + TableDisplayNumbers() + "):\n";
  for (int number = 1; number <= kDisplayNumbers; ++number)
    usage += "  " + std::to_string(number) + "  " +
             DisplayRowOf(*DisplayModeFromNumber(number)).cliName +
             (IsSharedNumber(number) ? " (of --problem; without it the first with content)" : "") +
             "\n";
  return usage;
}

int RunVerifyHandingOnPdf(const std::vector<std::string>& words) {
  return RunVerify(words, nullptr);
}

// The subcommands that compute and write text. They link no drawing library, so that they start
// in a few milliseconds; a new one is one line here.
const CliCommand kComputingCommands[] = {
    {"convert", RunConvert},           {"compute", RunCompute}, {"influence", RunInfluence},
    {"verify", RunVerifyHandingOnPdf}, {"isobars", RunIsobars}, {"table", RunTable},
    {"settlement", RunSettlement},     {"predict", RunPredict}, {"obs-import", RunObsImport},
};

// The subcommands that draw pages: run by the drawing program.
const std::string_view kDrawingCommands[] = {"pages", "render", "report"};

}  // namespace

int UsageError(const std::string& message) {
  if (!message.empty()) std::fprintf(stderr, "qel-cli: %s\n", message.c_str());
  std::fputs(Usage().c_str(), stderr);
  return kExitUsage;
}

int FinishStandardOutput() {
  // A write that failed earlier leaves the error mark even when the last flush succeeds.
  const bool flushed = std::fflush(stdout) == 0;
  const int error = errno;
  if (flushed && !std::ferror(stdout)) return kExitOk;
  std::fprintf(stderr, "qel-cli: 標準出力に書き込めませんでした: %s\n",
               flushed ? "書き込みエラー" : std::strerror(error));
  return kExitFailure;
}

int RunCommandLine(int argc, char** argv, std::span<const CliCommand> drawing) {
  // A reader that goes away (a pipe into `head`, a FIFO whose reader quits) makes the write fail
  // with EPIPE, which is reported and exits 1 like any failed write, instead of a silent death.
  std::signal(SIGPIPE, SIG_IGN);
  if (argc < 2) return UsageError("");
  const std::string command = argv[1];
  const std::vector<std::string> words(argv + 2, argv + argc);
  for (const CliCommand& own : drawing)
    if (own.name == command) return own.run(words);
  for (const CliCommand& computing : kComputingCommands)
    if (computing.name == command) return computing.run(words);
  // The drawing program runs its drawing commands itself above: it never hands one on.
  for (std::string_view name : kDrawingCommands)
    if (drawing.empty() && name == command) return RunDrawingProgram(command, words);
  if (command == "--help" || command == "-h" || command == "help") {
    std::fputs(Usage().c_str(), stdout);
    return FinishStandardOutput();
  }
  return UsageError("unknown command " + command);
}

}  // namespace qel
