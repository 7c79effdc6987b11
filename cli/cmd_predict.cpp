// qel-cli predict: the final settlement predicted from a data file's settlement plates, fit by
// fit, or the fitted curves, as CSV.
#include <cstdio>
#include <optional>

#include "analysis/prediction_csv.h"
#include "analysis/settlement_predictions.h"
#include "base/c_locale.h"
#include "cli/cli_args.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/profile_errors.h"
#include "document/document.h"

namespace qel {

int RunPredict(const std::vector<std::string>& words) {
  std::string error;
  std::optional<CliArgs> args =
      ParseCliArgs(words, {"--data-folder", "--plate"}, {"--curve"}, error);
  if (!args) return UsageError(error);
  if (args->positional.size() != 1) return UsageError("predict needs one data file");
  std::optional<int> plate;
  if (const std::optional<std::string> text = args->Option("--plate")) {
    plate = ParseWholeNumber(*text);
    if (!plate || *plate <= 0) return UsageError("--plate needs a plate number (1, 2, ...)");
  }
  const std::string& path = args->positional[0];
  CliSession session(args->Option("--data-folder"));
  session.Start();
  if (!session.Open(path)) return kExitFailure;
  SettlementPredictions predictions = PredictSettlements(session.state().document);
  if (!TellUnpredicted(predictions, path)) return kExitFailure;
  std::vector<PlatePrediction> plates;
  for (PlatePrediction& prediction : predictions.plates)
    if (!plate || prediction.plate.number == *plate) plates.push_back(std::move(prediction));
  if (plate && plates.empty()) {
    std::fprintf(stderr, "qel-cli: %s: 沈下板 %d がありません\n", path.c_str(), *plate);
    return kExitFailure;
  }
  const std::string csv = PredictionCsv(
      args->Flag("--curve") ? PredictionCsvTable::kCurves : PredictionCsvTable::kFits, plates);
  std::fwrite(csv.data(), 1, csv.size(), stdout);
  return FinishStandardOutput();
}

}  // namespace qel
