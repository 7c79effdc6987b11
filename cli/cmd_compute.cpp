// qel-cli compute: every strip and lattice point of a data file with its dP, as CSV.
#include <cstdio>

#include "cli/cli_args.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/load_warnings.h"
#include "document/load_lists.h"
#include "settings/c_locale.h"

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
  WarnAboutExcludedLoads(session.state().tables, args->positional[0], session.prompts());

  ApplicationState& state = session.state();
  state.results.SetCircleMethod(*method);
  const DocumentTables& t = state.tables;
  const ResultsGrid& results = state.results.All(t);

  std::fputs("problem,xrow,yrow,zrow,x,y,z,dP\n", stdout);
  for (int zRow : PresentRows(t, false, point_col::kZ)) {
    for (int xRow : PresentRows(t, false, point_col::kX)) {
      PrintRow("strip", xRow, 0, zRow, ToDouble(t.stripPoints[xRow][point_col::kX]), 0.0,
               ToDouble(t.stripPoints[zRow][point_col::kZ]), results.strip(xRow, zRow));
    }
  }
  for (int zRow : PresentRows(t, true, point_col::kGridZ)) {
    for (int yRow : PresentRows(t, true, point_col::kGridY)) {
      for (int xRow : PresentRows(t, true, point_col::kGridX)) {
        PrintRow("lattice", xRow, yRow, zRow, ToDouble(t.gridPoints[xRow][point_col::kGridX]),
                 ToDouble(t.gridPoints[yRow][point_col::kGridY]),
                 ToDouble(t.gridPoints[zRow][point_col::kGridZ]), results.at(xRow, yRow, zRow));
      }
    }
  }
  return FinishStandardOutput();
}

}  // namespace qel
