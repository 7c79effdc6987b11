// Secondary compression by Calpha, and the root finder for the day on which it starts.
#include "engine/secondary_compression.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qel {

double SecondaryCompression(double calpha, double voidRatio, double thickness, double tp,
                            double t) {
  if (!(tp > 0.0) || !std::isfinite(tp) || !(t > tp)) return 0.0;
  return calpha / (1.0 + voidRatio) * thickness * std::log10(t / tp);
}

std::optional<double> TimeToReachFraction(const std::function<double(double)>& curve,
                                          double finalValue, double fraction) {
  if (!(fraction > 0.0 && fraction < 1.0) || finalValue == 0.0 || !std::isfinite(finalValue))
    return std::nullopt;
  int evaluations = 0;
  // Positive once the curve has reached the fraction; x = ln t.
  auto excess = [&](double x) {
    ++evaluations;
    return curve(std::exp(x)) / finalValue - fraction;
  };
  double a = std::log(1e-6), fa = excess(a);
  if (fa >= 0.0) return 1e-6;
  double b = a, fb = fa;
  for (int decade = 1; decade <= 14 && !(fb >= 0.0); ++decade) {
    a = b;
    fa = fb;
    b = std::log(1e-6 * std::pow(10.0, decade));
    fb = excess(b);
  }
  if (!(fb >= 0.0) || !std::isfinite(fa)) return std::nullopt;
  // Brent's method: inverse quadratic or secant steps where they stay well inside the bracket
  // [b, c], bisection otherwise.
  double c = a, fc = fa, d = b - a, e = d;
  while (evaluations < 200) {
    if ((fb > 0.0) == (fc > 0.0)) {
      c = a;
      fc = fa;
      d = e = b - a;
    }
    if (std::fabs(fc) < std::fabs(fb)) {
      a = b;
      b = c;
      c = a;
      fa = fb;
      fb = fc;
      fc = fa;
    }
    const double tolerance = 2.0 * std::numeric_limits<double>::epsilon() * std::fabs(b) + 0.5e-12;
    const double half = (c - b) / 2.0;
    if (std::fabs(half) <= tolerance || fb == 0.0) break;
    if (std::fabs(e) >= tolerance && std::fabs(fa) > std::fabs(fb)) {
      const double s = fb / fa;
      double p, q;
      if (a == c) {
        p = 2.0 * half * s;
        q = 1.0 - s;
      } else {
        const double qa = fa / fc, r = fb / fc;
        p = s * (2.0 * half * qa * (qa - r) - (b - a) * (r - 1.0));
        q = (qa - 1.0) * (r - 1.0) * (s - 1.0);
      }
      if (p > 0.0)
        q = -q;
      else
        p = -p;
      if (2.0 * p < std::min(3.0 * half * q - std::fabs(tolerance * q), std::fabs(e * q))) {
        e = d;
        d = p / q;
      } else {
        d = e = half;
      }
    } else {
      d = e = half;
    }
    a = b;
    fa = fb;
    b += std::fabs(d) > tolerance ? d : std::copysign(tolerance, half);
    fb = excess(b);
    if (!std::isfinite(fb)) return std::nullopt;
  }
  return std::exp(b);
}

}  // namespace qel
