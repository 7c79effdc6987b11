// The soil profile of a settlement calculation as numbers: layers from the surface down, their
// settlement methods, the e-log p curves they use, the water table and the times of interest.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qel {

// How a layer settles.
enum class SettlementMethod {
  kNone,   // does not settle (sand, gravel); its weight still counts
  kCc,     // compression index Cc, swelling index Cs, yield stress p'c
  kElogP,  // an oedometer e-log p curve (Cs only where unloaded)
  kMv,     // coefficient of volume compressibility
};

// Which faces of a layer drain during consolidation.
enum class Drainage { kBoth, kTop, kBottom };

// Oedometer results: pressures p increasing, void ratios e decreasing, in pairs.
struct ElogPCurve {
  int number = 0;
  std::vector<double> p;
  std::vector<double> e;
  friend bool operator==(const ElogPCurve&, const ElogPCurve&) = default;
};

struct SoilLayer {
  int number = 0;
  std::string name;
  double bottom = 0;    // m below the surface; the top is the previous layer's bottom (or 0)
  double gammaT = 0;    // unit weight above the water table
  double gammaSat = 0;  // unit weight below it
  SettlementMethod method = SettlementMethod::kNone;
  double e0 = 0;             // kCc
  double cc = 0;             // kCc
  std::optional<double> cs;  // kCc (always given), kElogP (needed only where unloaded)
  std::optional<double> pc;  // kCc; none: normally consolidated (p'c = sigma'v0)
  double mv = 0;             // kMv
  std::optional<double> cv;  // cm2/day; none: the layer has no time behaviour
  Drainage drainage = Drainage::kBoth;
  int curve = 0;  // kElogP: the number of its curve in SoilProfile::curves
  friend bool operator==(const SoilLayer&, const SoilLayer&) = default;
};

// Times of interest when the profile names none, in days.
inline const std::vector<double> kDefaultSettlementTimes = {10, 30, 100, 300, 1000, 3000, 10000};

struct SoilProfile {
  std::vector<SoilLayer> layers;
  std::vector<ElogPCurve> curves;
  std::optional<double> waterDepth;  // m below the surface; none: no water table
  double gammaW = 9.81;              // unit weight of water (used only below a water table)
  double sliceThickness = 1.0;       // the largest slice, m
  std::vector<double> times = kDefaultSettlementTimes;  // days
  friend bool operator==(const SoilProfile&, const SoilProfile&) = default;
};

// Bounds on a profile, so that the work of one column stays small whatever the input.
inline constexpr int kMaxSoilLayers = 50;
inline constexpr int kMaxCurves = 20;
inline constexpr int kMaxCurvePoints = 30;
inline constexpr int kMaxSettlementTimes = 100;
inline constexpr int kMaxSlicesPerColumn = 2000;

// The top of layer `index`: 0 for the first, else the bottom of the one above.
inline double LayerTop(const SoilProfile& profile, std::size_t index) {
  return index == 0 ? 0.0 : profile.layers[index - 1].bottom;
}

}  // namespace qel
