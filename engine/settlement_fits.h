// The final settlement predicted from measured settlement: the hyperbolic, Asaoka's and the
// square-root-of-time methods, each a least-squares straight line through transformed readings.
#pragma once

#include <optional>
#include <vector>

namespace qel {

// One reading of a settlement plate: days since the document's day 0, settlement in m
// (positive down).
struct SettlementReading {
  double t = 0;
  double s = 0;
  friend bool operator==(const SettlementReading&, const SettlementReading&) = default;
};

enum class FitMethod {
  kHyperbolic,  // t'/(S - S0) = alpha + beta t'
  kAsaoka,      // S_j = beta0 + beta1 S_(j-1), readings at steps of dt
  kSquareRoot,  // t'/(S - S0)^2 = B/A^2 + t'/A^2
};

// What a fit is asked for: t' = t - t0 is the time of the hyperbolic and square-root methods,
// [from, to] the window of readings fitted (days).
struct FitRequest {
  FitMethod method = FitMethod::kHyperbolic;
  double t0 = 0;  // the day the last fill stage ended
  double from = 0;
  double to = 0;
  double dt = 7;  // Asaoka's step, days
  std::optional<double> pavingDay;
};

// Why a fit cannot be made. The first that applies is given, in this order, except that a
// fit whose arithmetic leaves the range of numbers (values of extreme size) is kNotFinite.
enum class FitFailure {
  kNotFinite,              // a reading or a value of the request is not a finite number
  kReadingsNotIncreasing,  // the readings' days are not strictly increasing
  kStepNotPositive,        // Asaoka's dt <= 0
  kWindowReversed,         // from > to
  kWindowOutsideReadings,  // from before the first reading or to after the last
  kT0OutsideReadings,      // t0 before the first reading or after the last: no S0
  kTooManySteps,           // Asaoka's window holds more than kMaxAsaokaSteps steps of dt
  kTooFewPoints,           // fewer than three readings (after t0) or three pairs in the window
  kNoChange,               // the window's readings do not change (or one equals S0, which the
                           // hyperbolic and square-root methods divide by)
  kSlopeNotPositive,       // hyperbolic beta <= 0
  kRatioOutOfRange,        // Asaoka's beta1 <= 0 or >= 1
  kAmplitudeNotPositive,   // square root A not positive: slope <= 0, or the readings rise
  kInterceptNegative,      // hyperbolic alpha < 0 or square root B < 0: the fitted curve
                           // would have no value for some time after t0
  kFinalOutOfRange,        // S_inf <= 0 or beyond any number
};

inline constexpr int kMaxAsaokaSteps = 100000;

// A point of the straight-line plot a method fits.
struct FitLinePoint {
  double x = 0;
  double y = 0;
};

struct SettlementFit {
  FitMethod method = FitMethod::kHyperbolic;
  // The method's parameters; the others stay 0.
  double alpha = 0, beta = 0;                  // hyperbolic, t' in days, S in m
  double beta0 = 0, beta1 = 0, cvOverHd2 = 0;  // Asaoka; cv/Hd^2 = -4 ln beta1/(pi^2 dt), 1/day
  double sFrom = 0;                            // Asaoka: the reading at `from`
  double amplitude = 0, b = 0;                 // square root: A (m) and B (days)
  double t0 = 0;                               // as requested
  double dt = 0;                               // Asaoka: as requested
  double s0 = 0;                               // the reading at t0, interpolated linearly
  double sFinal = 0;                           // S_inf
  double r2 = 0;                   // coefficient of determination of the straight line fitted
  double degree = 0;               // U = S_last / S_inf at the last reading
  std::optional<double> t90;       // the day the fitted curve reaches 0.9 S_inf; none when it
                                   // did before the window
  std::optional<double> residual;  // S_inf - S(paving day); none without a paving day
  // The straight-line plot: t'/(S - S0) against t'; S_j against S_(j-1); t'/(S - S0)^2 against
  // t'. The line fitted through it is y = lineIntercept + lineSlope x.
  std::vector<FitLinePoint> line;
  double lineIntercept = 0, lineSlope = 0;
  // The fitted curve runs from curveStart (t0, or `from` for Asaoka) on; before it, At gives
  // its value there, and at an infinite day S_inf.
  double curveStart = 0;
  double At(double t) const;
};

// Exactly one of the two is set.
struct FitOutcome {
  std::optional<SettlementFit> fit;
  std::optional<FitFailure> failure;
};

// The reading at day t, interpolated linearly between `readings` (days strictly increasing);
// the first or last reading outside them, 0 without readings.
double InterpolateReading(const std::vector<SettlementReading>& readings, double t);

// Fits `request.method` to `readings` over the window: the hyperbolic and square-root methods
// use the readings with from <= t <= to and t > t0; Asaoka's, the readings interpolated at
// from, from + dt, ... <= to.
FitOutcome FitSettlement(const std::vector<SettlementReading>& readings, const FitRequest& request);

}  // namespace qel
