// qel-cli isobars: the lines of equal dP of a data file as world-coordinate polylines, as CSV.
#include <algorithm>
#include <cstdio>

#include "analysis/isobar_levels.h"
#include "analysis/isobars.h"
#include "base/c_locale.h"
#include "base/text_file.h"
#include "cli/cli_args.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/load_warnings.h"
#include "cli/output_files.h"
#include "engine/worker_threads.h"
#include "platform/file_messages.h"

namespace qel {

namespace {

// The view and position the options ask for: exactly one of --strip, --plan Z, --section.
std::optional<IsobarRequest> ReadView(const CliArgs& args, std::string& error) {
  IsobarRequest request;
  const std::optional<std::string> plan = args.Option("--plan");
  const std::optional<std::string> section = args.Option("--section");
  const int given = (args.Flag("--strip") ? 1 : 0) + (plan ? 1 : 0) + (section ? 1 : 0);
  if (given != 1) {
    error = "isobars needs exactly one of --strip, --plan Z and --section y=Y|x=X";
    return std::nullopt;
  }
  if (plan) {
    const std::optional<double> z = ParseRealNumber(*plan);
    if (!z || *z < 0.0) {
      error = "--plan needs a depth of 0 or more, not \"" + *plan + "\"";
      return std::nullopt;
    }
    request.view = IsobarView::kPlan;
    request.at = *z;
  } else if (section) {
    const std::optional<double> at = section->size() > 2 && (*section)[1] == '='
                                         ? ParseRealNumber(section->substr(2))
                                         : std::nullopt;
    const char axis = section->empty() ? ' ' : (*section)[0];
    if (!at || (axis != 'x' && axis != 'y')) {
      error = "--section needs y=Y or x=X, not \"" + *section + "\"";
      return std::nullopt;
    }
    request.view = axis == 'y' ? IsobarView::kSectionAtY : IsobarView::kSectionAtX;
    request.at = *at;
  }
  if (const std::optional<std::string> levels = args.Option("--levels")) {
    std::string why;
    const std::optional<std::vector<double>> parsed = ParseIsobarLevels(*levels, why);
    if (!parsed) {
      error = "--levels: " + why;
      return std::nullopt;
    }
    if (parsed->size() > kMostIsobarLevels) {
      error = FormatC("--levels: at most %zu levels, not %zu", kMostIsobarLevels, parsed->size());
      return std::nullopt;
    }
    request.levels = *parsed;
  }
  return request;
}

std::string IsobarCsv(const IsobarSet& set) {
  std::string csv = "level,line,vertex,x,y,z\n";
  std::size_t line = 0;
  for (std::size_t n = 0; n < set.lines.size(); ++n) {
    const Isobar& isobar = set.lines[n];
    line = n > 0 && set.lines[n - 1].level == isobar.level ? line + 1 : 1;
    // A closed line repeats its first vertex at the end, so that the polyline closes in any
    // program that draws the rows as they come.
    const std::size_t count = isobar.vertices.size() + (isobar.closed ? 1 : 0);
    for (std::size_t v = 0; v < count; ++v) {
      const IsobarVertex& p = isobar.vertices[v % isobar.vertices.size()];
      csv += FormatC("%.17g,%zu,%zu,%.17g,%.17g,%.17g\n", isobar.level, line, v + 1, p.x, p.y, p.z);
    }
  }
  return csv;
}

}  // namespace

int RunIsobars(const std::vector<std::string>& words) {
  std::string error;
  std::optional<CliArgs> args = ParseCliArgs(
      words, {"--data-folder", "--circle-method", "--plan", "--section", "--levels", "--out"},
      {"--strip"}, error);
  if (!args) return UsageError(error);
  const std::optional<CircleMethod> method = ReadCircleMethod(*args, error);
  if (!method) return UsageError(error);
  if (args->positional.size() != 1) return UsageError("isobars needs one data file");
  std::optional<IsobarRequest> request = ReadView(*args, error);
  if (!request) return UsageError(error);
  request->circleMethod = *method;
  request->threads = kAllWorkers;

  const std::string& path = args->positional[0];
  if (args->Option("--out") && OutputWouldReplaceInput(path, *args->Option("--out")))
    return kExitFailure;
  CliSession session(args->Option("--data-folder"));
  session.Start();
  if (!session.Open(path)) return kExitFailure;
  const Document& document = session.state().document;
  WarnAboutExcludedLoads(document, path, session.prompts());
  // Without --levels, the levels the document keeps for its figures, as the window draws them.
  if (!args->Option("--levels")) {
    const bool strip = request->view == IsobarView::kStrip;
    request->levels =
        DrawnIsobarLevels(strip ? document.strip().isobars.levels : document.plan().isobars.levels);
    WarnAboutCutIsobarLevels(document, path, session.prompts(), strip, !strip);
  }
  const IsobarSet set = ComputeIsobars(document, session.state().settings, *request);
  if (!set.error.empty()) {
    std::fprintf(stderr, "qel-cli: %s: %s\n", path.c_str(), set.error.c_str());
    return kExitFailure;
  }
  const std::string csv = IsobarCsv(set);
  if (const std::optional<std::string> out = args->Option("--out")) {
    const WriteOutcome outcome = WriteFileSafely(*out, csv);
    if (!outcome.ok) {
      std::fprintf(stderr, "qel-cli: %s\n", SaveFailureText(outcome, *out).c_str());
      return kExitFailure;
    }
    return kExitOk;
  }
  std::fputs(csv.c_str(), stdout);
  return FinishStandardOutput();
}

}  // namespace qel
