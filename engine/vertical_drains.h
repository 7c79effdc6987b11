// Vertical drains: the radial consolidation they add to a layer, by the equal-strain theory of
// a drain in a cylindrical cell with smear and well resistance.
#pragma once

#include <optional>
#include <vector>

namespace qel {

// How the drains are set out. kUnknown is what a reader records for a pattern it cannot name,
// so that the check below reports it.
enum class DrainPattern { kSquare, kTriangle, kUnknown };

// The drains as given: lengths in m, discharge capacity in m3/day.
struct VerticalDrains {
  DrainPattern pattern = DrainPattern::kSquare;
  double spacing = 0;          // centre to centre
  double dw = 0;               // the drain's equivalent diameter
  std::optional<double> ds;    // the smear zone's diameter; none: no smear (ds = dw)
  std::optional<double> khks;  // kh / ks in the smear zone; none: 1
  std::optional<double> qw;    // discharge capacity; none: no well resistance
  double bottom = 0;           // the depth the drains reach, also their drained length
  friend bool operator==(const VerticalDrains&, const VerticalDrains&) = default;
};

// A band drain's cross-section as the user gave it, in m. Only the equivalent diameter
// 2 (a + b) / pi enters the calculation; the width and thickness are kept so that the drain can
// be shown and edited as the band it is.
struct BandDrain {
  double width = 0;      // a
  double thickness = 0;  // b
  friend bool operator==(const BandDrain&, const BandDrain&) = default;
};

// The diameter of the sand drain of the same perimeter as `band`: 2 (a + b) / pi.
double BandDrainDiameter(const BandDrain& band);

// What is wrong with a set of drains, each at most once, in this order.
enum class DrainProblem {
  kNotFinite,                  // a value is not a finite number
  kUnknownPattern,             // neither square nor triangle
  kDiameterNotPositive,        // dw <= 0
  kSpacingNotAboveDiameter,    // spacing <= dw
  kSmearBelowDiameter,         // ds < dw
  kSmearNotWithinCell,         // ds >= de: the smear zone fills the drain's whole cell
  kPermeabilityRatioBelowOne,  // khks < 1
  kDischargeNotPositive,       // qw <= 0
  kBottomNotPositive,          // bottom <= 0
};

// The problems of `drains`; empty when the drains can be used.
std::vector<DrainProblem> CheckVerticalDrains(const VerticalDrains& drains);

// The diameter of the circular cell of equal area drained by one drain:
// s sqrt(2 sqrt(3) / pi) on a triangular grid, s 2 / sqrt(pi) on a square one (0 for kUnknown).
double EquivalentDiameter(DrainPattern pattern, double spacing);

// The smear factor of the complete form, n = de/dw, sr = ds/dw, kappa = kh/ks:
// n^2/(n^2-1) [ln(n/sr) + kappa ln sr - 3/4] + sr^2/(n^2-1) (1 - sr^2/(4n^2))
//   + kappa/(n^2-1) ((sr^4 - 1)/(4n^2) - sr^2 + 1).
// With sr = kappa = 1 it is the ideal drain's n^2/(n^2-1) ln n - (3n^2 - 1)/(4n^2).
double SmearFactor(double n, double sr, double kappa);

// The well resistance at depth z of a drain of length l discharging at its top:
// pi z (2l - z) (kh/qw) (1 - 1/n^2); kh in m/day, qw in m3/day.
double WellResistanceAt(double z, double length, double kh, double qw, double n);

// Its average over the drain's length: pi (2l^2/3) (kh/qw) (1 - 1/n^2).
double AverageWellResistance(double length, double kh, double qw, double n);

// The horizontal permeability (m/day) from the horizontal coefficient of consolidation ch
// (cm2/day), the volume compressibility mv (m2/kN) and the unit weight of water (kN/m3).
double HorizontalPermeability(double chCm2PerDay, double mv, double gammaW);

// The factors of one layer with the drains: the geometry and the two parts of mu.
struct DrainFactors {
  double de = 0;              // m
  double n = 0;               // de / dw
  double smear = 0;           // mu_s
  double wellResistance = 0;  // mu_w, averaged over the length; 0 without qw
  double mu() const { return smear + wellResistance; }
};

// The factors of a layer of horizontal permeability kh (m/day) under checked `drains`.
DrainFactors DrainFactorsFor(const VerticalDrains& drains, double kh);

// The radial rate 8 ch / (de^2 mu) in 1/day, ch in cm2/day: the term every vertical mode of a
// drained slice gains, so that its excess pore pressure decays as exp(-(lambda_v + rate) t).
double RadialRate(double chCm2PerDay, double de, double mu);

// The radial time factor Th = ch t / de^2 (ch in cm2/day, t in days, de in m).
double RadialTimeFactor(double chCm2PerDay, double days, double de);

// The average degree of radial consolidation Uh = 1 - exp(-8 Th / mu).
double RadialDegree(double th, double mu);

// The degree of combined vertical and radial flow: 1 - (1 - Uv)(1 - Uh).
double CombinedDegree(double uv, double uh);

}  // namespace qel
