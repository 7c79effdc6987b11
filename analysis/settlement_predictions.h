// The final settlement predicted from the settlement plates' readings, fit by fit, and the
// calculated curve of the column nearest each plate to set beside it.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "analysis/settlement_analysis.h"
#include "document/measurements_text.h"
#include "engine/settlement_fits.h"

namespace qel {

class Document;

// One fit asked of a plate: its line, and the fit or, when it cannot be made, why.
struct PlateFitPrediction {
  PlateFitLine request;
  FitOutcome outcome;
  std::string reason;  // in Japanese when the fit cannot be made; empty otherwise
};

// The settlement column nearest a plate, whose calculated curve is set beside the readings.
struct NearestColumn {
  std::size_t index = 0;  // into the columns it was chosen from
  double distance = 0.0;  // m
  std::string name;       // "帯状荷重 x = 15.00", "長方形円形荷重 x = 2.00, y = 3.00"
};

struct PlatePrediction {
  SettlementPlate plate;
  std::vector<PlateFitPrediction> fits;  // in the order of the plate's fit lines
  std::optional<NearestColumn> nearest;  // none without settled columns
};

struct SettlementPredictions {
  enum class Status {
    kNoReadings,   // the document has no settlement plates' section
    kBadReadings,  // its section does not read: `errors` says why, line by line
    kPredicted,    // `plates` holds every plate with its fits
  };
  Status status = Status::kNoReadings;
  std::vector<MeasurementsError> errors;
  std::optional<double> pavingDay;  // the day the residual settlement is counted from
  std::vector<PlatePrediction> plates;
};

// Every fit of every plate of the document, with the residual settlement after its paving day;
// with `settlement` computed, each plate's nearest column among its columns.
SettlementPredictions PredictSettlements(const Document& document,
                                         const DocumentSettlement* settlement = nullptr);

// The paving day of the document: D of the soil profile's "residual=D,L"; none without one, or
// when the profile does not read.
std::optional<double> PavingDay(const Document& document);

// The column of `columns` nearest the plate: a strip column by |x - xc| (a strip load is the
// same all along y), a lattice column by its distance in plan; the first of equals. None
// without columns.
std::optional<NearestColumn> NearestColumnTo(const SettlementPlate& plate,
                                             const std::vector<SettlementColumnResult>& columns);

// The calculated settlement of a column in metres at each of `days`, as built: its course with
// the stages, the consolidation rule, drains and secondary compression, as the settlement
// displays give it; none at every day when the column has no time course.
std::vector<std::optional<double>> CalculatedSettlement(const SettlementCourseModel& model,
                                                        const SettlementCourse& course,
                                                        std::span<const double> days);

// Why a fit cannot be made, in Japanese, as the tables and qel-cli predict say it.
std::string FitFailureText(FitFailure failure, FitMethod method);

// The days a fitted curve is listed and drawn at: kFitCurveIntervals + 1 days evenly spaced
// from the start of the curve (t0, or `from` for Asaoka's) to the day as far past the plate's
// last reading as that reading is past the start, so that the curve runs on beyond the readings
// as long again.
inline constexpr int kFitCurveIntervals = 100;
std::vector<double> FitCurveDays(const SettlementPlate& plate, const SettlementFit& fit);

}  // namespace qel
