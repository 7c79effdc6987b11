// The prediction CSV tables of qel-cli predict.
#include "analysis/prediction_csv.h"

#include <optional>

#include "base/c_locale.h"

namespace qel {

namespace {

std::string Number(double value) {
  return FormatC("%.17g", value);
}

std::string Field(std::optional<double> value) {
  return value ? Number(*value) : std::string();
}

// A text field, in double quotes (doubled inside) when it holds a comma or a quote.
std::string TextField(const std::string& text) {
  if (text.find_first_of(",\"") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

void AddFits(std::string& text, const std::vector<PlatePrediction>& plates) {
  text += "plate,name,method,from,to,dt,S0,Sinf,r2,U,t90,residual,reason\n";
  for (const PlatePrediction& plate : plates) {
    for (const PlateFitPrediction& prediction : plate.fits) {
      const PlateFitLine& request = prediction.request;
      text += std::to_string(plate.plate.number) + "," + TextField(plate.plate.name) + "," +
              FitMethodName(request.method) + "," + Number(request.from) + "," +
              Number(request.to) + "," +
              (request.method == FitMethod::kAsaoka ? Number(request.dt) : std::string()) + ",";
      if (const std::optional<SettlementFit>& fit = prediction.outcome.fit) {
        text += Number(fit->s0) + "," + Number(fit->sFinal) + "," + Number(fit->r2) + "," +
                Number(fit->degree) + "," + Field(fit->t90) + "," + Field(fit->residual) + ",";
      } else {
        text += ",,,,,," + TextField(prediction.reason);
      }
      text += "\n";
    }
  }
}

void AddCurves(std::string& text, const std::vector<PlatePrediction>& plates) {
  text += "plate,method,t,S\n";
  for (const PlatePrediction& plate : plates) {
    for (const PlateFitPrediction& prediction : plate.fits) {
      const std::optional<SettlementFit>& fit = prediction.outcome.fit;
      if (!fit) continue;
      const std::string prefix =
          std::to_string(plate.plate.number) + "," + FitMethodName(fit->method) + ",";
      for (double day : FitCurveDays(plate.plate, *fit))
        text += prefix + Number(day) + "," + Number(fit->At(day)) + "\n";
    }
  }
}

}  // namespace

std::string PredictionCsv(PredictionCsvTable table, const std::vector<PlatePrediction>& plates) {
  std::string text;
  if (table == PredictionCsvTable::kFits)
    AddFits(text, plates);
  else
    AddCurves(text, plates);
  return text;
}

}  // namespace qel
