// Complete elliptic integrals by Bulirsch's algorithm cel(kc, p, a, b), three at once.
#include "engine/complete_elliptic_pi.h"

#include <cmath>
#include <numbers>

namespace qel {

namespace {

// The steps converge quadratically: once two successive means agree to this, the next is exact
// to double precision.
constexpr double kAgreement = 1e-8;
constexpr int kMostSteps = 64;

// One cel(kc, p, a, b) in progress: its own a and b, stepped with the reciprocal of its track's
// p and g = e / p.
struct Pair {
  double a, b;
  void Step(double reciprocalP, double g) {
    const double f = a;
    a += b * reciprocalP;
    b += f * g;
    b += b;
  }
  double Value(double em, double pTrack) const {
    return std::numbers::pi / 2.0 * (b + a * em) / (em * (em + pTrack));
  }
};

}  // namespace

CompleteEllipticIntegrals CompleteEllipticIntegralsOf(double kc, double p) {
  // R. Bulirsch, "Numerical calculation of elliptic integrals and elliptic functions. III",
  // Numerische Mathematik 13 (1969) 305-315: cel(kc, p, a, b) is the integral over 0..pi/2 of
  // (a cos^2 + b sin^2) / ((cos^2 + p sin^2) sqrt(cos^2 + kc^2 sin^2)); K = cel(kc, 1, 1, 1),
  // E = cel(kc, 1, 1, kc^2), Pi = cel(kc, p, 1, 1). The mean (qc, e, em) depends on kc only, so
  // the two share it.
  double qc = std::fabs(kc);
  double e = qc;
  double em = 1.0;
  double pUnit = 1.0;
  Pair second{1.0, qc * qc};
  double pThird = std::sqrt(p);
  Pair third{1.0, 1.0 / pThird};
  for (int step = 0; step < kMostSteps; ++step) {
    const double reciprocalUnit = 1.0 / pUnit;
    const double gUnit = e * reciprocalUnit;
    second.Step(reciprocalUnit, gUnit);
    pUnit = gUnit + pUnit;
    const double reciprocalThird = 1.0 / pThird;
    const double gThird = e * reciprocalThird;
    third.Step(reciprocalThird, gThird);
    pThird = gThird + pThird;
    const double previous = em;
    em += qc;
    if (std::fabs(previous - qc) <= previous * kAgreement) break;
    qc = 2.0 * std::sqrt(e);
    e = qc * em;
  }
  return {second.Value(em, pUnit), third.Value(em, pThird)};
}

}  // namespace qel
