// qel-cli compute: every strip and lattice point of a data file with its dP, as CSV.
#include <cstdio>

#include "base/c_locale.h"
#include "cli/cli_args.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/load_warnings.h"
#include "document/lattice_points.h"
#include "document/strip_points.h"

namespace qel {

static void PrintRow(const char* problem, int xRow, int yRow, int zRow, double x, double y,
                     double z, double dP) {
  std::fputs(
      FormatC("%s,%d,%d,%d,%.17g,%.17g,%.17g,%.17g\n", problem, xRow, yRow, zRow, x, y, z, dP)
          .c_str(),
      stdout);
}

int RunCompute(const std::vector<std::string>& words) {
  std::string error;
  std::optional<CliArgs> args =
      ParseCliArgs(words, {"--data-folder", "--circle-method"}, {}, error);
  if (!args) return UsageError(error);
  const std::optional<CircleMethod> method = ReadCircleMethod(*args, error);
  if (!method) return UsageError(error);
  if (args->positional.size() != 1) return UsageError("compute needs one data file");
  CliSession session(args->Option("--data-folder"));
  session.Start();
  if (!session.Open(args->positional[0])) return kExitFailure;
  WarnAboutExcludedLoads(session.state().document, args->positional[0], session.prompts());

  ApplicationState& state = session.state();
  state.results.Strip(state.document);
  const ResultsGrid& results = state.results.Lattice(state.document, *method);

  std::fputs("problem,xrow,yrow,zrow,x,y,z,dP\n", stdout);
  state.document.strip().points.ForEach([&](const StripPoint& p) {
    PrintRow("strip", p.xRow, 0, p.zRow, p.x, 0.0, p.z, results.strip(p.xRow, p.zRow));
  });
  state.document.plan().lattice.ForEachListed([&](const GridPoint& p) {
    PrintRow("lattice", p.xRow, p.yRow, p.zRow, p.x, p.y, p.z, results.at(p.xRow, p.yRow, p.zRow));
  });
  return FinishStandardOutput();
}

}  // namespace qel
