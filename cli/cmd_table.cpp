// qel-cli table: a data or results table of a data file as CSV, as the desktop saves it.
#include <cstdio>

#include "base/c_locale.h"
#include "base/safe_file_writer.h"
#include "base/text_file.h"
#include "cli/cli_args.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/load_warnings.h"
#include "cli/output_files.h"
#include "cli/page_options.h"
#include "cli/profile_errors.h"
#include "platform/file_messages.h"
#include "platform/messages.h"
#include "view/table_rows.h"
#include "view/table_text.h"

namespace qel {

namespace {

// The number of --display when it is a table: one whose rows the table of displays exports.
std::optional<int> ReadTableNumber(const CliArgs& args) {
  const std::optional<std::string> text = args.Option("--display");
  if (!text) return std::nullopt;
  const std::optional<int> number = ParseWholeNumber(*text);
  if (!number) return std::nullopt;
  const std::optional<DisplayMode> display = DisplayModeFromNumber(*number);
  if (!display || !IsTableDisplay(*display)) return std::nullopt;
  return number;
}

}  // namespace

int RunTable(const std::vector<std::string>& words) {
  std::string error;
  std::optional<CliArgs> args = ParseCliArgs(
      words, {"--data-folder", "--circle-method", "--display", "--problem", "--out"}, {}, error);
  if (!args) return UsageError(error);
  const std::optional<CircleMethod> method = ReadCircleMethod(*args, error);
  if (!method) return UsageError(error);
  if (args->positional.size() != 1) return UsageError("table needs one data file");
  const std::optional<int> number = ReadTableNumber(*args);
  if (!number) return UsageError("--display must be a table: " + TableDisplayChoices());
  bool problemRead = true;
  const std::optional<Problem> problem = ReadProblemOption(*args, problemRead, error);
  if (!problemRead) return UsageError(error);
  const std::string& path = args->positional[0];
  const std::optional<std::string> out = args->Option("--out");

  CliSession session(args->Option("--data-folder"));
  session.Start();
  if (!session.Open(path)) return kExitFailure;
  if (out && OutputWouldReplaceInput(path, *out)) return kExitFailure;
  ApplicationState& state = session.state();
  WarnAboutExcludedLoads(state.document, path, session.prompts());
  state.circleMethod = *method;
  const DisplayMode display = ChooseDisplay(*number, problem, state.document);
  // A settlement table of a profile that does not read fails as `settlement` does, instead of
  // writing a table of messages and reporting success.
  if (KindOf(display) == DisplayKind::SettlementTable &&
      !TellUnsettledProfile(state.caches.settlement.Get(state.document, state.settings.unitSystem,
                                                        state.circleMethod),
                            path))
    return kExitFailure;
  // So does the soil input of a document whose profile is missing or does not read.
  if (KindOf(display) == DisplayKind::SoilConditions) {
    const SoilProfileReading& reading = state.document.soil(state.settings.unitSystem);
    DocumentSettlement unread;
    unread.status = !state.document.hasSoil() ? DocumentSettlement::Status::kNoProfile
                    : reading.profile         ? DocumentSettlement::Status::kComputed
                                              : DocumentSettlement::Status::kBadProfile;
    unread.errors = reading.errors;
    if (!TellUnsettledProfile(unread, path)) return kExitFailure;
  }
  // And the plates' table of a document without readings, or with readings that do not read.
  if (KindOf(display) == DisplayKind::SettlementPlates &&
      !TellUnpredicted(PredictSettlements(state.document), path))
    return kExitFailure;
  const std::string csv =
      TableCsv(*BuildTableRows(display, state.document, state.results, state.circleMethod,
                               state.settings, state.caches.settlement));
  if (out) {
    const WriteOutcome outcome = WriteFileSafely(*out, csv);
    if (!outcome.ok) {
      session.prompts().Show(SaveFailureText(outcome, *out), PromptButtons::Ok);
      return kExitFailure;
    }
    return kExitOk;
  }
  std::fwrite(csv.data(), 1, csv.size(), stdout);
  return FinishStandardOutput();
}

}  // namespace qel
