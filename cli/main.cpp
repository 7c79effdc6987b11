// qel-cli: the program's core without a window, for scripts, tests and batch work.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace qel {

static const char kUsage[] =
    "usage:\n"
    "  qel-cli compute FILE.qdw [--circle-method exact|compatible] [--data-folder DIR]\n"
    "  qel-cli influence [--circle-method exact|compatible] [--data-folder DIR]\n"
    "                                                 (lines on standard input)\n"
    "  qel-cli convert IN.qdw OUT.qdw [--data-folder DIR]\n"
    "  qel-cli pages FILE.qdw --display N [--dpi D] [--paper WxH] [--data-folder DIR]\n"
    "  qel-cli render FILE.qdw --display N (--page P | --all) --out F.{pdf,png,svg}\n"
    "                 [--dpi D] [--paper WxH] [--circle-method exact|compatible]\n"
    "                 [--data-folder DIR]\n"
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
    "  qel-cli table FILE.qdw --display 2|3|5|6 [--out F.csv]\n"
    "                 [--circle-method exact|compatible] [--data-folder DIR]\n"
    "                 a data or results table as CSV (UTF-8 with a byte-order mark), one\n"
    "                 row per load or point as the display prints it, dP also as %.17g.\n";

int UsageError(const std::string& message) {
  if (!message.empty()) std::fprintf(stderr, "qel-cli: %s\n", message.c_str());
  std::fputs(kUsage, stderr);
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

}  // namespace qel

int main(int argc, char** argv) {
  using namespace qel;
  // A reader that goes away (a pipe into `head`, a FIFO whose reader quits) makes the write fail
  // with EPIPE, which is reported and exits 1 like any failed write, instead of a silent death.
  std::signal(SIGPIPE, SIG_IGN);
  if (argc < 2) return UsageError("");
  std::string command = argv[1];
  std::vector<std::string> args(argv + 2, argv + argc);
  if (command == "convert") return RunConvert(args);
  if (command == "compute") return RunCompute(args);
  if (command == "influence") return RunInfluence(args);
  if (command == "pages") return RunPages(args);
  if (command == "render") return RunRender(args);
  if (command == "report") return RunReport(args);
  if (command == "verify") return RunVerify(args);
  if (command == "isobars") return RunIsobars(args);
  if (command == "table") return RunTable(args);
  if (command == "--help" || command == "-h" || command == "help") {
    std::fputs(kUsage + 0, stdout);
    return FinishStandardOutput();
  }
  return UsageError("unknown command " + command);
}
