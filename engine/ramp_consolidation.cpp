// Step and ramp consolidation of one unit: Terzaghi's small-time form near the start, the mode
// series once it converges fast.
#include "engine/ramp_consolidation.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "engine/adaptive_quadrature.h"
#include "engine/consolidation_degree.h"
#include "engine/decay_means.h"

namespace qel {

namespace {

// Below this time factor Uv(T) = 2 sqrt(T / pi) to the last bit (the next term of the small-time
// series is below exp(-1 / T) T, 1e-19 here); from it on the mode series needs at most 14
// terms (exp(-M^2 T) < 1e-18 from M = 41).
constexpr double kEarlyTimeFactor = 0.025;

// Gamma(3/2, x) = sqrt(x) exp(-x) + sqrt(pi) / 2 erfc(sqrt(x)), the upper incomplete gamma
// function, accurate relative to itself for every x >= 0.
double UpperGammaThreeHalves(double x) {
  const double root = std::sqrt(x);
  return root * std::exp(-x) + std::sqrt(std::numbers::pi) / 2.0 * std::erfc(root);
}

// The integral of sqrt(y) exp(-r y) over [y0, y0 + width]. Where exp(-r y) changes by less than
// e^2 over the interval, Gauss-Kronrod's 15 points in s = sqrt(y) (the integrand 2 s^2
// exp(-r s^2) is entire there, and the rule exact to degree 22); elsewhere the difference of two
// incomplete gamma functions, which then cancels by less than a factor of 2.
double RootWeightedDecay(double y0, double width, double r) {
  if (!(width > 0.0)) return 0.0;
  if (r * width <= 2.0) {
    const double s0 = std::sqrt(y0);
    const double ds = width / (s0 + std::sqrt(y0 + width));  // sqrt(y1) - sqrt(y0)
    const double half = ds / 2.0;
    // 2 s^2 exp(-r (s^2 - y0)) at s = s0 + offset, with s^2 - y0 = offset (2 s0 + offset).
    auto integrand = [&](double offset) {
      const double s = s0 + offset;
      return 2.0 * s * s * std::exp(-r * offset * (2.0 * s0 + offset));
    };
    double sum = static_cast<double>(detail::kKronrodWeights[7]) * integrand(half);
    for (int i = 0; i < 7; ++i) {
      const double node = static_cast<double>(detail::kKronrodNodes[i]);
      sum += static_cast<double>(detail::kKronrodWeights[i]) *
             (integrand(half * (1.0 - node)) + integrand(half * (1.0 + node)));
    }
    return std::exp(-r * y0) * half * sum;
  }
  const double x0 = r * y0;
  return (UpperGammaThreeHalves(x0) - UpperGammaThreeHalves(x0 + r * width)) / (r * std::sqrt(r));
}

class Unit {
 public:
  explicit Unit(ConsolidationRates rates)
      : a_(rates.vertical),
        r_(rates.radial),
        early_(rates.vertical > 0.0 ? kEarlyTimeFactor / rates.vertical
                                    : std::numeric_limits<double>::infinity()),
        rootScale_(2.0 * std::sqrt(rates.vertical / std::numbers::pi)) {}

  // The integral of U_step over [0, x].
  double RiseIntegral(double x) const {
    if (x <= early_) return EarlyRise(x);
    const double late = x - early_;
    return EarlyRise(early_) + (late - LateRemainder(early_, late));
  }

  // The integral of 1 - U_step over [y0, y0 + width].
  double RemainderIntegral(double y0, double width) const {
    if (y0 >= early_) return LateRemainder(y0, width);
    if (width <= early_ - y0) return EarlyRemainder(y0, width);
    const double early = early_ - y0;
    return EarlyRemainder(y0, early) + LateRemainder(early_, width - early);
  }

 private:
  double a_, r_;
  double early_;      // days up to which the small-time form holds
  double rootScale_;  // Uv(a y) = rootScale_ sqrt(y) there

  // Where Uv(a y) = rootScale sqrt(y): U_step = 1 - exp(-r y) + exp(-r y) rootScale sqrt(y).
  double EarlyRise(double x) const {
    return x * MeanRise(r_ * x) + rootScale_ * RootWeightedDecay(0.0, x, r_);
  }
  double EarlyRemainder(double y0, double width) const {
    return std::exp(-r_ * y0) * width * MeanDecay(r_ * width) -
           rootScale_ * RootWeightedDecay(y0, width, r_);
  }
  // From the mode series: sum of 2 / M^2 exp(-lambda y0) width MeanDecay(lambda width), with
  // lambda = M^2 a + r; a y0 >= kEarlyTimeFactor bounds the number of terms.
  double LateRemainder(double y0, double width) const {
    double sum = 0.0;
    for (int m = 0; m < 40; ++m) {
      const double big = std::numbers::pi * (2.0 * m + 1.0) / 2.0;
      const double big2 = big * big;
      const double term =
          2.0 / big2 * std::exp(-big2 * a_ * y0) * width * MeanDecay((big2 * a_ + r_) * width);
      sum += term;
      if (term <= 1e-18 * sum) break;
    }
    return std::exp(-r_ * y0) * sum;
  }
};

}  // namespace

double StepConsolidation(ConsolidationRates rates, double elapsed) {
  if (std::isnan(elapsed)) return elapsed;
  if (!(elapsed > 0.0)) return 0.0;
  const double radial = rates.radial * elapsed;
  return -std::expm1(-radial) + std::exp(-radial) * DegreeOfConsolidation(rates.vertical * elapsed);
}

double RampConsolidation(ConsolidationRates rates, LoadRamp ramp, double t) {
  if (std::isnan(t)) return t;
  if (!(t > ramp.start)) return 0.0;
  if (ramp.isStep()) return StepConsolidation(rates, t - ramp.start);
  const Unit unit(rates);
  const double duration = ramp.duration();
  if (t <= ramp.end) return unit.RiseIntegral(t - ramp.start) / duration;
  return 1.0 - unit.RemainderIntegral(t - ramp.end, duration) / duration;
}

double VerticalRate(double cvSquareCentimetresPerDay, double drainagePath) {
  return cvSquareCentimetresPerDay * 1e-4 / (drainagePath * drainagePath);
}

}  // namespace qel
