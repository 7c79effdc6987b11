// qel-cli settlement: the consolidation settlement of every column of a data file under its soil
// profile, as CSV: the columns' totals and times, their slices, their settlement in time, or the
// construction stages' shares.
#include <cstdio>
#include <map>
#include <optional>

#include "analysis/settlement_analysis.h"
#include "analysis/settlement_csv.h"
#include "base/c_locale.h"
#include "cli/cli_args.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/load_warnings.h"
#include "cli/profile_errors.h"
#include "document/document.h"

namespace qel {

namespace {

std::string SiteName(const SettlementSite& site) {
  if (site.problem == Problem::Strip) return FormatC("帯状荷重 x=%.17g", site.x);
  return FormatC("長方形円形荷重 x=%.17g y=%.17g", site.x, site.y);
}

// One line per kind of slice message: the first column and slice that has it, and how many
// columns do.
void WarnAboutSlices(const std::vector<SettlementColumnResult>& columns, const std::string& path) {
  struct Seen {
    std::string first;
    int columns = 0;
  };
  std::map<SliceNote, Seen> seen;
  for (const SettlementColumnResult& column : columns) {
    std::map<SliceNote, bool> inColumn;
    for (const SliceMessage& message : column.messages) {
      if (inColumn[message.note]) continue;
      inColumn[message.note] = true;
      Seen& kind = seen[message.note];
      if (kind.columns++ == 0) kind.first = SiteName(column.site) + " の " + message.text;
    }
  }
  for (const auto& [note, kind] : seen) {
    std::fprintf(stderr, "qel-cli: %s: %s", path.c_str(), kind.first.c_str());
    if (kind.columns > 1) std::fprintf(stderr, " (ほか %d 列)", kind.columns - 1);
    std::fputc('\n', stderr);
  }
}

}  // namespace

int RunSettlement(const std::vector<std::string>& words) {
  std::string error;
  std::optional<CliArgs> args = ParseCliArgs(words, {"--data-folder", "--circle-method"},
                                             {"--slices", "--time", "--stages"}, error);
  if (!args) return UsageError(error);
  const std::optional<CircleMethod> method = ReadCircleMethod(*args, error);
  if (!method) return UsageError(error);
  if (args->positional.size() != 1) return UsageError("settlement needs one data file");
  if (args->Flag("--slices") + args->Flag("--time") + args->Flag("--stages") > 1)
    return UsageError("settlement takes one of --slices, --time and --stages");
  const SettlementCsvTable table = args->Flag("--slices")   ? SettlementCsvTable::kSlices
                                   : args->Flag("--time")   ? SettlementCsvTable::kTime
                                   : args->Flag("--stages") ? SettlementCsvTable::kStages
                                                            : SettlementCsvTable::kColumns;
  const std::string& path = args->positional[0];
  CliSession session(args->Option("--data-folder"));
  session.Start();
  if (!session.Open(path)) return kExitFailure;
  const Document& document = session.state().document;
  const DocumentSettlement settlement =
      ComputeDocumentSettlement(document, session.state().settings.unitSystem, *method);
  if (!TellUnsettledProfile(settlement, path)) return kExitFailure;
  WarnAboutExcludedLoads(document, path, session.prompts());
  WarnAboutSlices(settlement.columns, path);
  const std::string csv =
      SettlementCsv(table, *settlement.courseModel, settlement.columns, settlement.courses);
  std::fwrite(csv.data(), 1, csv.size(), stdout);
  return FinishStandardOutput();
}

}  // namespace qel
