// qel-cli settlement: the consolidation settlement of every column of a data file under its soil
// profile, as CSV: the columns' totals and times, their slices, or their settlement in time.
#include <cstdio>
#include <map>
#include <optional>

#include "analysis/settlement_analysis.h"
#include "cli/cli_args.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/load_warnings.h"
#include "document/document.h"
#include "settings/c_locale.h"

namespace qel {

namespace {

enum class SettlementTable { kColumns, kSlices, kTime };

// A number as %.17g, or an empty field when there is none.
std::string Field(std::optional<double> value) {
  return value ? FormatC("%.17g", *value) : std::string();
}

std::string SitePrefix(const SettlementSite& site) {
  return FormatC("%s,%d,%d,%.17g,%.17g", site.problem == Problem::Strip ? "strip" : "lattice",
                 site.xRow, site.yRow, site.x, site.y);
}

std::string SiteName(const SettlementSite& site) {
  if (site.problem == Problem::Strip) return FormatC("帯状荷重 x=%.17g", site.x);
  return FormatC("長方形円形荷重 x=%.17g y=%.17g", site.x, site.y);
}

void PrintColumns(const std::vector<SettlementColumnResult>& columns) {
  std::fputs("problem,xrow,yrow,x,y,S,t50,t90\n", stdout);
  for (const SettlementColumnResult& column : columns) {
    const SettlementColumn& v = column.values;
    std::fputs((SitePrefix(column.site) + "," + Field(v.total) + "," + Field(v.t50) + "," +
                Field(v.t90) + "\n")
                   .c_str(),
               stdout);
  }
}

void PrintSlices(const SettlementModel& model, const std::vector<SettlementColumnResult>& columns) {
  std::fputs("problem,xrow,yrow,x,y,layer,slice,ztop,zbottom,zmid,sigma0,dP,p1,pc,e0,e1,S\n",
             stdout);
  for (const SettlementColumnResult& column : columns) {
    const std::string prefix = SitePrefix(column.site);
    for (std::size_t i = 0; i < column.values.slices.size(); ++i) {
      const SoilSlice& cut = model.slices()[i];
      const SoilLayer& layer = model.profile().layers[static_cast<std::size_t>(cut.layer)];
      const SliceSettlement& slice = column.values.slices[i];
      const std::optional<double> pc =
          layer.method == SettlementMethod::kCc ? layer.pc : std::nullopt;
      std::fputs((prefix +
                  FormatC(",%d,%d,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,", layer.number, cut.number,
                          cut.top, cut.bottom, cut.middle, slice.sigma0, slice.deltaP, slice.p1) +
                  Field(pc) + "," + Field(slice.e0) + "," + Field(slice.e1) + "," +
                  Field(slice.settlement) + "\n")
                     .c_str(),
                 stdout);
    }
  }
}

void PrintTime(const SettlementModel& model, const std::vector<SettlementColumnResult>& columns) {
  std::fputs("problem,xrow,yrow,x,y,t,S,U\n", stdout);
  for (const SettlementColumnResult& column : columns) {
    const std::string prefix = SitePrefix(column.site);
    for (const double t : model.profile().times) {
      const std::optional<double> s = model.SettlementAt(column.values, t);
      std::optional<double> u;
      if (s && *column.values.total != 0.0) u = *s / *column.values.total;
      std::fputs((prefix + FormatC(",%.17g,", t) + Field(s) + "," + Field(u) + "\n").c_str(),
                 stdout);
    }
  }
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
  std::optional<CliArgs> args =
      ParseCliArgs(words, {"--data-folder", "--circle-method"}, {"--slices", "--time"}, error);
  if (!args) return UsageError(error);
  const std::optional<CircleMethod> method = ReadCircleMethod(*args, error);
  if (!method) return UsageError(error);
  if (args->positional.size() != 1) return UsageError("settlement needs one data file");
  if (args->Flag("--slices") && args->Flag("--time"))
    return UsageError("settlement takes --slices or --time, not both");
  const SettlementTable table = args->Flag("--slices") ? SettlementTable::kSlices
                                : args->Flag("--time") ? SettlementTable::kTime
                                                       : SettlementTable::kColumns;
  const std::string& path = args->positional[0];
  CliSession session(args->Option("--data-folder"));
  session.Start();
  if (!session.Open(path)) return kExitFailure;
  const Document& document = session.state().document;
  const DocumentSettlement settlement = ComputeDocumentSettlement(document, *method);
  if (settlement.status == DocumentSettlement::Status::kNoProfile) {
    std::fprintf(stderr, "qel-cli: %s: 地盤の土層がありません ($$SOIL の節がありません)\n",
                 path.c_str());
    return kExitFailure;
  }
  for (const SoilProfileError& e : settlement.errors) {
    if (e.line > 0)
      std::fprintf(stderr, "qel-cli: %s: $$SOIL の %d 行目: %s\n", path.c_str(), e.line,
                   e.text.c_str());
    else
      std::fprintf(stderr, "qel-cli: %s: $$SOIL: %s\n", path.c_str(), e.text.c_str());
  }
  if (settlement.status != DocumentSettlement::Status::kComputed) return kExitFailure;
  WarnAboutExcludedLoads(document.cells(), path, session.prompts());
  WarnAboutSlices(settlement.columns, path);
  const SettlementModel& model = *settlement.model;
  const std::vector<SettlementColumnResult>& columns = settlement.columns;
  switch (table) {
    case SettlementTable::kColumns:
      PrintColumns(columns);
      break;
    case SettlementTable::kSlices:
      PrintSlices(model, columns);
      break;
    case SettlementTable::kTime:
      PrintTime(model, columns);
      break;
  }
  return FinishStandardOutput();
}

}  // namespace qel
