// The straight-line plots of the prediction methods, the window's points and the others.
#include "analysis/plate_fit_plots.h"

#include <algorithm>
#include <cmath>

namespace qel {

namespace {

bool InWindow(double t, const PlateFitLine& request) {
  return t >= request.from && t <= request.to;
}

// t'/(S - S0) or t'/(S - S0)^2 of each reading after t0 outside the window.
std::vector<FitLinePoint> OutsideTransformed(const SettlementPlate& plate,
                                             const PlateFitLine& request,
                                             const SettlementFit& fit) {
  std::vector<FitLinePoint> points;
  for (const SettlementReading& r : plate.readings) {
    const double elapsed = r.t - fit.t0, rise = r.s - fit.s0;
    if (!(elapsed > 0.0) || rise == 0.0 || InWindow(r.t, request)) continue;
    const double y =
        fit.method == FitMethod::kHyperbolic ? elapsed / rise : elapsed / (rise * rise);
    if (std::isfinite(y)) points.push_back({elapsed, y});
  }
  return points;
}

// Asaoka's pairs at from + k dt before the window (k < 1) and after it (k past the window's
// last step), within the readings.
std::vector<FitLinePoint> OutsidePairs(const SettlementPlate& plate, const SettlementFit& fit,
                                       std::size_t windowPairs) {
  std::vector<FitLinePoint> points;
  if (plate.readings.empty() || !(fit.dt > 0.0)) return points;
  const double first = plate.readings.front().t, last = plate.readings.back().t;
  const double from = fit.curveStart;
  const double lowest = std::ceil((first - from) / fit.dt - 1e-12);
  const double highest = std::floor((last - from) / fit.dt + 1e-12);
  const double windowEnd = static_cast<double>(windowPairs);
  auto at = [&](double k) { return InterpolateReading(plate.readings, from + k * fit.dt); };
  for (double k = std::max(lowest + 1.0, 1.0 - kMostOutsidePairs); k <= 0.0; ++k)
    points.push_back({at(k - 1.0), at(k)});
  for (double k = windowEnd + 1.0; k <= std::min(highest, windowEnd + kMostOutsidePairs); ++k)
    points.push_back({at(k - 1.0), at(k)});
  return points;
}

}  // namespace

FitLinePlot FitLinePlotOf(const SettlementPlate& plate, const PlateFitLine& request,
                          const SettlementFit& fit) {
  FitLinePlot plot;
  plot.fitted = fit.line;
  plot.intercept = fit.lineIntercept;
  plot.slope = fit.lineSlope;
  plot.equalityLine = fit.method == FitMethod::kAsaoka;
  plot.outside = fit.method == FitMethod::kAsaoka ? OutsidePairs(plate, fit, fit.line.size())
                                                  : OutsideTransformed(plate, request, fit);
  return plot;
}

}  // namespace qel
