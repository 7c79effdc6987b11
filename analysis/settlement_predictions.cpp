// The predictions of the settlement plates: each fit made or refused, and the nearest column.
#include "analysis/settlement_predictions.h"

#include <algorithm>
#include <cmath>

#include "analysis/settlement_time.h"
#include "base/c_locale.h"
#include "document/document.h"

namespace qel {

namespace {

std::string ColumnName(const SettlementSite& site) {
  if (site.problem == Problem::Strip) return FormatC("帯状荷重 x = %.2f", site.x);
  return FormatC("長方形円形荷重 x = %.2f, y = %.2f", site.x, site.y);
}

PlateFitPrediction Predict(const SettlementPlate& plate, const PlateFitLine& line,
                           std::optional<double> pavingDay) {
  FitRequest request;
  request.method = line.method;
  request.t0 = plate.t0;
  request.from = line.from;
  request.to = line.to;
  request.dt = line.dt;
  request.pavingDay = pavingDay;
  PlateFitPrediction prediction{line, FitSettlement(plate.readings, request), {}};
  if (prediction.outcome.failure)
    prediction.reason = FitFailureText(*prediction.outcome.failure, line.method);
  return prediction;
}

}  // namespace

std::optional<double> PavingDay(const Document& document) {
  // The day does not depend on the units: the profile as it reads in either unit system.
  for (const int unitSystem : {1, 0}) {
    if (const std::optional<SoilProfile>& profile = document.soil(unitSystem).profile)
      return profile->residual ? std::optional(profile->residual->paving) : std::nullopt;
  }
  return std::nullopt;
}

SettlementPredictions PredictSettlements(const Document& document,
                                         const DocumentSettlement* settlement) {
  SettlementPredictions predictions;
  if (!document.hasMeasurements()) return predictions;
  const MeasurementsReading& reading = document.measurements();
  if (!reading.measurements) {
    predictions.status = SettlementPredictions::Status::kBadReadings;
    predictions.errors = reading.errors;
    return predictions;
  }
  predictions.status = SettlementPredictions::Status::kPredicted;
  predictions.pavingDay = PavingDay(document);
  for (const SettlementPlate& plate : reading.measurements->plates) {
    PlatePrediction prediction;
    prediction.plate = plate;
    for (const PlateFitLine& line : plate.fits)
      prediction.fits.push_back(Predict(plate, line, predictions.pavingDay));
    if (settlement) prediction.nearest = NearestColumnTo(plate, settlement->columns);
    predictions.plates.push_back(std::move(prediction));
  }
  return predictions;
}

std::optional<NearestColumn> NearestColumnTo(const SettlementPlate& plate,
                                             const std::vector<SettlementColumnResult>& columns) {
  std::optional<NearestColumn> nearest;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const SettlementSite& site = columns[i].site;
    const double distance = site.problem == Problem::Strip
                                ? std::abs(plate.x - site.x)
                                : std::hypot(plate.x - site.x, plate.y - site.y);
    if (!nearest || distance < nearest->distance)
      nearest = NearestColumn{i, distance, ColumnName(site)};
  }
  return nearest;
}

std::vector<std::optional<double>> CalculatedSettlement(const SettlementCourseModel& model,
                                                        const SettlementCourse& course,
                                                        std::span<const double> days) {
  return SettlementAtTimes(model, course, days);
}

std::string FitFailureText(FitFailure failure, FitMethod method) {
  switch (failure) {
    case FitFailure::kNotFinite:
      return "計算の途中の値が数値の範囲を超えます";
    case FitFailure::kReadingsNotIncreasing:
      return "読み値の日が増えていません";
    case FitFailure::kStepNotPositive:
      return "Δt が 0 以下です";
    case FitFailure::kWindowReversed:
      return "期間の開始日が終了日より後です";
    case FitFailure::kWindowOutsideReadings:
      return "期間が読み値の日を外れています";
    case FitFailure::kT0OutsideReadings:
      return "t0 が読み値の日を外れていて S0 が決まりません";
    case FitFailure::kTooManySteps:
      return "期間に Δt が " + std::to_string(kMaxAsaokaSteps) + " 個を超えて入ります";
    case FitFailure::kTooFewPoints:
      return method == FitMethod::kAsaoka ? "期間内の Δt ごとの組が 3 個未満です"
                                          : "期間内で t0 より後の読み値が 3 個未満です";
    case FitFailure::kNoChange:
      return method == FitMethod::kAsaoka
                 ? "期間内の沈下量が変化していません"
                 : "期間内の沈下量が変化していないか S0 と等しい読み値があります";
    case FitFailure::kSlopeNotPositive:
      return "直線の傾き β が 0 以下です (沈下が収束する形になっていません)";
    case FitFailure::kRatioOutOfRange:
      return "β1 が 0 以下か 1 以上です (沈下が収束する形になっていません)";
    case FitFailure::kAmplitudeNotPositive:
      return "A が求まりません (直線の傾きが 0 以下か、沈下量が S0 より戻っています)";
    case FitFailure::kInterceptNegative:
      return "直線の切片が負です (t0 の直後に曲線の値がありません)";
    case FitFailure::kFinalOutOfRange:
      return "最終沈下量 S∞ が 0 以下か数値の範囲を超えます";
  }
  return {};
}

std::vector<double> FitCurveDays(const SettlementPlate& plate, const SettlementFit& fit) {
  const double start = fit.curveStart;
  const double last = plate.readings.empty() ? start : plate.readings.back().t;
  const double span = 2.0 * std::max(last - start, 0.0);
  std::vector<double> days;
  for (int i = 0; i <= kFitCurveIntervals; ++i)
    days.push_back(i == kFitCurveIntervals ? start + span : start + span * i / kFitCurveIntervals);
  return days;
}

}  // namespace qel
