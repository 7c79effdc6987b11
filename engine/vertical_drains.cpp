// The factors of vertical drains and the degree of radial consolidation they give.
#include "engine/vertical_drains.h"

#include <cmath>
#include <numbers>

namespace qel {

namespace {

constexpr double kPi = std::numbers::pi;
// cm2/day to m2/day.
constexpr double kSquareCentimetre = 1e-4;

bool Finite(const std::optional<double>& value) {
  return !value || std::isfinite(*value);
}

}  // namespace

std::vector<DrainProblem> CheckVerticalDrains(const VerticalDrains& drains) {
  std::vector<DrainProblem> problems;
  const bool finite = std::isfinite(drains.spacing) && std::isfinite(drains.dw) &&
                      Finite(drains.ds) && Finite(drains.khks) && Finite(drains.qw) &&
                      std::isfinite(drains.bottom);
  if (!finite) problems.push_back(DrainProblem::kNotFinite);
  const bool knownPattern =
      drains.pattern == DrainPattern::kSquare || drains.pattern == DrainPattern::kTriangle;
  if (!knownPattern) problems.push_back(DrainProblem::kUnknownPattern);
  // Each comparison below is false when a value in it is NaN, so it names only finite faults
  // (an infinite value may add one, beside kNotFinite).
  if (drains.dw <= 0.0) problems.push_back(DrainProblem::kDiameterNotPositive);
  if (drains.spacing <= drains.dw) problems.push_back(DrainProblem::kSpacingNotAboveDiameter);
  if (drains.ds && *drains.ds < drains.dw) problems.push_back(DrainProblem::kSmearBelowDiameter);
  if (drains.ds && knownPattern && *drains.ds >= EquivalentDiameter(drains.pattern, drains.spacing))
    problems.push_back(DrainProblem::kSmearNotWithinCell);
  if (drains.khks && *drains.khks < 1.0)
    problems.push_back(DrainProblem::kPermeabilityRatioBelowOne);
  if (drains.qw && *drains.qw <= 0.0) problems.push_back(DrainProblem::kDischargeNotPositive);
  if (drains.bottom <= 0.0) problems.push_back(DrainProblem::kBottomNotPositive);
  return problems;
}

double BandDrainDiameter(const BandDrain& band) {
  return 2.0 * (band.width + band.thickness) / kPi;
}

double EquivalentDiameter(DrainPattern pattern, double spacing) {
  switch (pattern) {
    case DrainPattern::kTriangle:
      return spacing * std::sqrt(2.0 * std::numbers::sqrt3 / kPi);
    case DrainPattern::kSquare:
      return spacing * 2.0 * std::numbers::inv_sqrtpi;
    case DrainPattern::kUnknown:
      break;
  }
  return 0.0;
}

double SmearFactor(double n, double sr, double kappa) {
  const double n2 = n * n;
  const double sr2 = sr * sr;
  const double outer = n2 - 1.0;
  return n2 / outer * (std::log(n / sr) + kappa * std::log(sr) - 0.75) +
         sr2 / outer * (1.0 - sr2 / (4.0 * n2)) +
         kappa / outer * ((sr2 * sr2 - 1.0) / (4.0 * n2) - sr2 + 1.0);
}

double WellResistanceAt(double z, double length, double kh, double qw, double n) {
  return kPi * z * (2.0 * length - z) * (kh / qw) * (1.0 - 1.0 / (n * n));
}

double AverageWellResistance(double length, double kh, double qw, double n) {
  return kPi * (2.0 * length * length / 3.0) * (kh / qw) * (1.0 - 1.0 / (n * n));
}

double HorizontalPermeability(double chCm2PerDay, double mv, double gammaW) {
  return chCm2PerDay * kSquareCentimetre * mv * gammaW;
}

DrainFactors DrainFactorsFor(const VerticalDrains& drains, double kh) {
  DrainFactors factors;
  factors.de = EquivalentDiameter(drains.pattern, drains.spacing);
  factors.n = factors.de / drains.dw;
  const double sr = drains.ds ? *drains.ds / drains.dw : 1.0;
  factors.smear = SmearFactor(factors.n, sr, drains.khks.value_or(1.0));
  if (drains.qw)
    factors.wellResistance = AverageWellResistance(drains.bottom, kh, *drains.qw, factors.n);
  return factors;
}

double RadialRate(double chCm2PerDay, double de, double mu) {
  return 8.0 * chCm2PerDay * kSquareCentimetre / (de * de * mu);
}

double RadialTimeFactor(double chCm2PerDay, double days, double de) {
  return chCm2PerDay * kSquareCentimetre * days / (de * de);
}

double RadialDegree(double th, double mu) {
  // -expm1 keeps the digits of a small Uh.
  return -std::expm1(-8.0 * th / mu);
}

double CombinedDegree(double uv, double uh) {
  return 1.0 - (1.0 - uv) * (1.0 - uh);
}

}  // namespace qel
