// The plates beside one problem's columns, and the table of their fits.
#include "analysis/plate_table_model.h"

#include <cmath>

#include "analysis/settlement_rows.h"
#include "analysis/table_cells.h"
#include "base/c_locale.h"
#include "document/document.h"

namespace qel {

namespace {

constexpr const char* kNone = "－";

std::string Number(const char* format, double value) {
  return std::isfinite(value) ? FormatUnsignedZero(format, value) : std::string(kNone);
}
std::string Number(const char* format, const std::optional<double>& value) {
  return value ? Number(format, *value) : std::string(kNone);
}
// Days as a window is typed: "182", "3.5".
std::string Day(double value) {
  return Number("%g", value);
}
std::string Exact(const std::optional<double>& value) {
  return value && std::isfinite(*value) ? FormatC("%.17g", *value) : std::string();
}

std::string PlateTitle(const SettlementPlate& plate) {
  return FormatC("沈下板 %d  ", plate.number) + plate.name + "  x = " + Number("%.2f", plate.x) +
         " m, y = " + Number("%.2f", plate.y) + " m, t0 = " + Day(plate.t0) + " 日";
}

TableModelRow FitRow(const PlateFitPrediction& prediction) {
  const PlateFitLine& line = prediction.request;
  TableModelRow row;
  row.cells.assign(kPlateFitColumns, kNone);
  row.cells[kFitMethodColumn] = FitMethodText(line.method);
  row.cells[kFitFromColumn] = Day(line.from);
  row.cells[kFitToColumn] = Day(line.to);
  if (line.method == FitMethod::kAsaoka) row.cells[kFitStepColumn] = Day(line.dt);
  row.cells[kFitReasonColumn].clear();
  row.exact.assign(3, std::string());
  const std::optional<SettlementFit>& fit = prediction.outcome.fit;
  if (!fit) {
    row.cells[kFitReasonColumn] = prediction.reason;
    return row;
  }
  row.cells[kFitS0Column] = Number("%.2f", fit->s0 * 100.0);
  row.cells[kFitFinalColumn] = Number("%.2f", fit->sFinal * 100.0);
  row.cells[kFitR2Column] = Number("%.4f", fit->r2);
  row.cells[kFitDegreeColumn] = Number("%.1f", fit->degree * 100.0);
  row.cells[kFitT90Column] = Number("%.1f", fit->t90);
  if (fit->residual) row.cells[kFitResidualColumn] = Number("%.2f", *fit->residual * 100.0);
  row.exact = {Exact(fit->s0), Exact(fit->sFinal), Exact(fit->residual)};
  return row;
}

std::vector<std::string> UnreadReadingsLines(const SettlementPredictions& predictions) {
  std::vector<std::string> lines = {"沈下板の実測値を読めないため、予測できません"};
  for (const MeasurementsError& error : predictions.errors)
    lines.push_back(error.line > 0 ? FormatC("  実測値の %d 行目: ", error.line) + error.text
                                   : "  " + error.text);
  return lines;
}

}  // namespace

PlateComparison ComparePlates(const Document& document, const DocumentSettlement& settlement,
                              Problem problem) {
  PlateComparison comparison;
  comparison.predictions = PredictSettlements(document);
  if (settlement.status == DocumentSettlement::Status::kComputed)
    for (const SettlementColumnResult* column : ColumnsOf(settlement, problem)) {
      comparison.columns.push_back(*column);
      comparison.courses.push_back(CourseOf(settlement, *column));
    }
  for (PlatePrediction& plate : comparison.predictions.plates)
    plate.nearest = NearestColumnTo(plate.plate, comparison.columns);
  return comparison;
}

std::string FitMethodText(FitMethod method) {
  switch (method) {
    case FitMethod::kHyperbolic:
      return "双曲線法";
    case FitMethod::kAsaoka:
      return "浅岡法";
    case FitMethod::kSquareRoot:
      return "√t法";
  }
  return {};
}

std::string FitParametersText(const SettlementFit& fit) {
  const std::string method = FitMethodText(fit.method) + ": ";
  switch (fit.method) {
    case FitMethod::kHyperbolic:
      return method + FormatC("α = %.4g 日/m, β = %.4g 1/m", fit.alpha, fit.beta);
    case FitMethod::kAsaoka:
      return method + FormatC("β0 = %.4g m, β1 = %.6f, cv/Hd² = %.4g 1/日", fit.beta0, fit.beta1,
                              fit.cvOverHd2);
    case FitMethod::kSquareRoot:
      return method + FormatC("A = %.4g m, B = %.4g 日", fit.amplitude, fit.b);
  }
  return method;
}

std::string NearestColumnText(const PlatePrediction& plate) {
  if (!plate.nearest) return "計算値: 比較する沈下量の列がありません";
  return "計算値: " + plate.nearest->name +
         FormatC(" (沈下板から %.2f m)", plate.nearest->distance);
}

TableModel PlateFitsTableModel(const PlateComparison& comparison) {
  const SettlementPredictions& predictions = comparison.predictions;
  TableModel table;
  table.keyColumns = {Heading("沈下板"), Heading("名称")};
  table.columns = {Heading("方法"),
                   Heading("開始", "日"),
                   Heading("終了", "日"),
                   Heading("Δt", "日"),
                   Heading("S0", "cm"),
                   Heading("S∞", "cm"),
                   Heading("r²"),
                   Heading("U", "%"),
                   Heading("t90", "日"),
                   Heading("残留沈下量", "cm"),
                   Heading("予測できない理由")};
  table.exactColumns = {Heading("S0", "m"), Heading("S∞", "m"), Heading("残留沈下量", "m")};
  if (predictions.status == SettlementPredictions::Status::kBadReadings) {
    table.preamble = UnreadReadingsLines(predictions);
    return table;
  }
  table.preamble = {
      predictions.pavingDay
          ? "残留沈下量: 舗装日 " + Day(*predictions.pavingDay) + " 日より後の沈下量 (S∞ − S)"
          : "残留沈下量: 舗装日の指定 (residual=) がないため求めません",
      "U: 最後の読み値の日の圧密度 (読み値 / S∞)　t90: 予測曲線が 0.9 S∞ に達する日"};
  for (const PlatePrediction& plate : predictions.plates) {
    TableSection& section = table.sections.emplace_back();
    section.title = PlateTitle(plate.plate);
    section.name = FormatC("沈下板 %d", plate.plate.number);
    section.key = {FormatC("%d", plate.plate.number), plate.plate.name};
    for (std::size_t i = 0; i < kPlateFitColumns; ++i)
      section.columns.push_back(i);
    for (const PlateFitPrediction& fit : plate.fits)
      section.rows.push_back(FitRow(fit));
    if (plate.fits.empty()) section.notes.push_back("予測の指定 (fit=) がありません");
    section.notes.push_back(NearestColumnText(plate));
    for (const PlateFitPrediction& fit : plate.fits)
      if (fit.outcome.fit) section.notes.push_back(FitParametersText(*fit.outcome.fit));
  }
  return table;
}

}  // namespace qel
