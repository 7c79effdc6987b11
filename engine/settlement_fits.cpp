// The three methods of predicting the final settlement from readings, and their fitted curves.
#include "engine/settlement_fits.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qel {

namespace {

// A straight line fitted by least squares, with its coefficient of determination.
struct Line {
  double intercept = 0;
  double slope = 0;
  double r2 = 0;
};

// Least squares on sums centred at the means, so that large abscissae (days) lose no digits of
// the slope. None when the abscissae do not vary.
std::optional<Line> FitLine(const std::vector<FitLinePoint>& points) {
  const double count = static_cast<double>(points.size());
  double meanX = 0.0, meanY = 0.0;
  for (const FitLinePoint& p : points) {
    meanX += p.x;
    meanY += p.y;
  }
  meanX /= count;
  meanY /= count;
  double sxx = 0.0, sxy = 0.0, syy = 0.0;
  for (const FitLinePoint& p : points) {
    const double dx = p.x - meanX, dy = p.y - meanY;
    sxx += dx * dx;
    sxy += dx * dy;
    syy += dy * dy;
  }
  if (!(sxx > 0.0)) return std::nullopt;
  Line line;
  line.slope = sxy / sxx;
  line.intercept = meanY - line.slope * meanX;
  line.r2 = syy > 0.0 ? (sxy / sxx) * (sxy / syy) : 1.0;
  return line;
}

bool AllFinite(std::initializer_list<double> values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

bool RequestFinite(const FitRequest& request) {
  return AllFinite({request.t0, request.from, request.to}) &&
         (request.method != FitMethod::kAsaoka || std::isfinite(request.dt)) &&
         (!request.pavingDay || std::isfinite(*request.pavingDay));
}

// Checks that do not depend on the method: the readings, the window and t0.
std::optional<FitFailure> CheckInputs(const std::vector<SettlementReading>& readings,
                                      const FitRequest& request) {
  for (const SettlementReading& r : readings)
    if (!AllFinite({r.t, r.s})) return FitFailure::kNotFinite;
  if (!RequestFinite(request)) return FitFailure::kNotFinite;
  for (std::size_t i = 1; i < readings.size(); ++i)
    if (!(readings[i].t > readings[i - 1].t)) return FitFailure::kReadingsNotIncreasing;
  if (request.method == FitMethod::kAsaoka && request.dt <= 0.0)
    return FitFailure::kStepNotPositive;
  if (request.from > request.to) return FitFailure::kWindowReversed;
  if (readings.empty() || request.from < readings.front().t || request.to > readings.back().t)
    return FitFailure::kWindowOutsideReadings;
  if (request.t0 < readings.front().t || request.t0 > readings.back().t)
    return FitFailure::kT0OutsideReadings;
  return std::nullopt;
}

// The readings of the hyperbolic and square-root methods: from <= t <= to and t > t0, as t' and
// S - S0.
struct Offsets {
  std::vector<double> times;
  std::vector<double> settlements;
};

Offsets WindowOffsets(const std::vector<SettlementReading>& readings, const FitRequest& request,
                      double s0) {
  Offsets offsets;
  for (const SettlementReading& r : readings) {
    if (r.t >= request.from && r.t <= request.to && r.t > request.t0) {
      offsets.times.push_back(r.t - request.t0);
      offsets.settlements.push_back(r.s - s0);
    }
  }
  return offsets;
}

bool AllEqual(const std::vector<double>& values) {
  return std::adjacent_find(values.begin(), values.end(), std::not_equal_to<>()) == values.end();
}

// The common checks of the transformed methods: enough readings, a change over the window and
// none at S0 (a division by zero).
std::optional<FitFailure> CheckOffsets(const Offsets& offsets) {
  if (offsets.times.size() < 3) return FitFailure::kTooFewPoints;
  if (AllEqual(offsets.settlements)) return FitFailure::kNoChange;
  for (double d : offsets.settlements)
    if (d == 0.0) return FitFailure::kNoChange;
  return std::nullopt;
}

FitOutcome Failed(FitFailure failure) {
  return {std::nullopt, failure};
}

FitOutcome Hyperbolic(const Offsets& offsets, SettlementFit fit) {
  if (auto failure = CheckOffsets(offsets)) return Failed(*failure);
  for (std::size_t i = 0; i < offsets.times.size(); ++i)
    fit.line.push_back({offsets.times[i], offsets.times[i] / offsets.settlements[i]});
  const std::optional<Line> line = FitLine(fit.line);
  if (!line) return Failed(FitFailure::kTooFewPoints);  // t' all equal: cannot happen
  if (!(line->slope > 0.0)) return Failed(FitFailure::kSlopeNotPositive);
  if (line->intercept < 0.0) return Failed(FitFailure::kInterceptNegative);
  fit.alpha = line->intercept;
  fit.beta = line->slope;
  fit.sFinal = fit.s0 + 1.0 / fit.beta;
  fit.lineIntercept = line->intercept;
  fit.lineSlope = line->slope;
  fit.r2 = line->r2;
  return {fit, std::nullopt};
}

FitOutcome SquareRoot(const Offsets& offsets, SettlementFit fit) {
  if (auto failure = CheckOffsets(offsets)) return Failed(*failure);
  double net = 0.0;
  for (std::size_t i = 0; i < offsets.times.size(); ++i) {
    const double d = offsets.settlements[i];
    fit.line.push_back({offsets.times[i], offsets.times[i] / (d * d)});
    net += d;
  }
  const std::optional<Line> line = FitLine(fit.line);
  if (!line) return Failed(FitFailure::kTooFewPoints);
  // The square loses the sign of S - S0: readings that rise from S0 would give a positive A.
  if (!(line->slope > 0.0) || !(net > 0.0)) return Failed(FitFailure::kAmplitudeNotPositive);
  fit.amplitude = 1.0 / std::sqrt(line->slope);
  fit.b = line->intercept / line->slope;
  if (fit.b < 0.0) return Failed(FitFailure::kInterceptNegative);
  fit.sFinal = fit.s0 + fit.amplitude;
  fit.lineIntercept = line->intercept;
  fit.lineSlope = line->slope;
  fit.r2 = line->r2;
  return {fit, std::nullopt};
}

FitOutcome Asaoka(const std::vector<SettlementReading>& readings, const FitRequest& request,
                  SettlementFit fit) {
  const double steps = (request.to - request.from) / request.dt;
  if (steps > kMaxAsaokaSteps) return Failed(FitFailure::kTooManySteps);
  // A window a whole number of steps long keeps its last step despite rounding.
  const int count = static_cast<int>(std::floor(steps * (1.0 + 1e-12)));
  if (count < 3) return Failed(FitFailure::kTooFewPoints);
  std::vector<double> sampled;
  for (int j = 0; j <= count; ++j) {
    const double t = std::min(request.from + j * request.dt, request.to);
    sampled.push_back(InterpolateReading(readings, t));
  }
  if (AllEqual(sampled)) return Failed(FitFailure::kNoChange);
  for (int j = 1; j <= count; ++j)
    fit.line.push_back({sampled[j - 1], sampled[j]});
  const std::optional<Line> line = FitLine(fit.line);
  if (!line) return Failed(FitFailure::kNoChange);
  if (!(line->slope > 0.0 && line->slope < 1.0)) return Failed(FitFailure::kRatioOutOfRange);
  fit.beta0 = line->intercept;
  fit.beta1 = line->slope;
  fit.cvOverHd2 = -4.0 * std::log(fit.beta1) / (std::numbers::pi * std::numbers::pi * request.dt);
  fit.sFrom = sampled.front();
  fit.sFinal = fit.beta0 / (1.0 - fit.beta1);
  fit.lineIntercept = line->intercept;
  fit.lineSlope = line->slope;
  fit.r2 = line->r2;
  return {fit, std::nullopt};
}

// The day the fitted curve reaches 0.9 S_inf, from each curve's closed inverse; none when the
// curve starts at or above it.
std::optional<double> NinetyPercentDay(const SettlementFit& fit) {
  const double target = 0.9 * fit.sFinal;
  switch (fit.method) {
    case FitMethod::kHyperbolic: {
      const double rise = target - fit.s0;
      if (rise <= 0.0) return std::nullopt;
      // 1 - rise beta = 0.1 beta S_inf > 0.
      return fit.t0 + rise * fit.alpha / (1.0 - rise * fit.beta);
    }
    case FitMethod::kAsaoka: {
      if (fit.sFrom >= target) return std::nullopt;
      const double remaining = 0.1 * fit.sFinal / (fit.sFinal - fit.sFrom);
      return fit.curveStart + std::log(remaining) / std::log(fit.beta1) * fit.dt;
    }
    case FitMethod::kSquareRoot: {
      const double rise = target - fit.s0;
      if (rise <= 0.0) return std::nullopt;
      // rise < A when S_inf > 0, so q < 1.
      const double q = (rise / fit.amplitude) * (rise / fit.amplitude);
      return fit.t0 + fit.b * q / (1.0 - q);
    }
  }
  return std::nullopt;
}

// S_inf checked, then the figures every method reports; a fit whose arithmetic left the range
// of numbers is refused rather than reported with an infinity.
FitOutcome Completed(FitOutcome outcome, const std::vector<SettlementReading>& readings,
                     const FitRequest& request) {
  if (!outcome.fit) return outcome;
  SettlementFit& fit = *outcome.fit;
  if (!(fit.sFinal > 0.0) || !std::isfinite(fit.sFinal))
    return Failed(FitFailure::kFinalOutOfRange);
  fit.degree = readings.back().s / fit.sFinal;
  fit.t90 = NinetyPercentDay(fit);
  if (fit.t90 && *fit.t90 < request.from) fit.t90.reset();
  if (request.pavingDay) fit.residual = fit.sFinal - fit.At(*request.pavingDay);
  bool finite = AllFinite({fit.alpha, fit.beta, fit.beta0, fit.beta1, fit.cvOverHd2, fit.sFrom,
                           fit.amplitude, fit.b, fit.s0, fit.r2, fit.degree, fit.lineIntercept,
                           fit.lineSlope, fit.t90.value_or(0.0), fit.residual.value_or(0.0)});
  for (const FitLinePoint& p : fit.line)
    finite = finite && AllFinite({p.x, p.y});
  if (!finite) return Failed(FitFailure::kNotFinite);
  return outcome;
}

}  // namespace

double SettlementFit::At(double t) const {
  if (t == INFINITY) return sFinal;
  if (!(t >= curveStart)) t = curveStart;  // also a day that is not a number
  switch (method) {
    case FitMethod::kHyperbolic: {
      const double elapsed = t - t0;
      // t'/(alpha + beta t') as 1/(alpha/t' + beta): no overflow at large t'.
      return elapsed > 0.0 ? s0 + 1.0 / (alpha / elapsed + beta) : s0;
    }
    case FitMethod::kAsaoka:
      return sFinal - (sFinal - sFrom) * std::exp((t - curveStart) / dt * std::log(beta1));
    case FitMethod::kSquareRoot: {
      const double elapsed = t - t0;
      return elapsed > 0.0 ? s0 + amplitude / std::sqrt(b / elapsed + 1.0) : s0;
    }
  }
  return sFinal;
}

double InterpolateReading(const std::vector<SettlementReading>& readings, double t) {
  if (readings.empty()) return 0.0;
  const auto after = std::upper_bound(
      readings.begin(), readings.end(), t,
      [](double day, const SettlementReading& reading) { return day < reading.t; });
  if (after == readings.begin()) return readings.front().s;
  if (after == readings.end()) return readings.back().s;
  const SettlementReading& before = *(after - 1);
  return before.s + (after->s - before.s) * ((t - before.t) / (after->t - before.t));
}

FitOutcome FitSettlement(const std::vector<SettlementReading>& readings,
                         const FitRequest& request) {
  if (auto failure = CheckInputs(readings, request)) return Failed(*failure);
  SettlementFit fit;
  fit.method = request.method;
  fit.t0 = request.t0;
  fit.s0 = InterpolateReading(readings, request.t0);
  switch (request.method) {
    case FitMethod::kHyperbolic:
      fit.curveStart = request.t0;
      return Completed(Hyperbolic(WindowOffsets(readings, request, fit.s0), fit), readings,
                       request);
    case FitMethod::kSquareRoot:
      fit.curveStart = request.t0;
      return Completed(SquareRoot(WindowOffsets(readings, request, fit.s0), fit), readings,
                       request);
    case FitMethod::kAsaoka:
      fit.dt = request.dt;
      fit.curveStart = request.from;
      return Completed(Asaoka(readings, request, fit), readings, request);
  }
  return Failed(FitFailure::kNotFinite);
}

}  // namespace qel
