// The soil profile of a settlement calculation as numbers: layers from the surface down, their
// settlement methods, the e-log p curves they use, the water table and the times of interest,
// and how the settlement develops in time: construction stages, the consolidation rule,
// secondary compression and vertical drains.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/vertical_drains.h"

namespace qel {

// How a layer settles.
enum class SettlementMethod {
  kNone,   // does not settle (sand, gravel); its weight still counts
  kCc,     // compression index Cc, swelling index Cs, yield stress p'c
  kElogP,  // an oedometer e-log p curve (Cs only where unloaded)
  kMv,     // coefficient of volume compressibility
};

// Which faces of a layer drain during consolidation. kNone (neither) only where layers
// consolidate together, so that a layer can sit inside a group of layers.
enum class Drainage { kBoth, kTop, kBottom, kNone };

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
  int curve = 0;                 // kElogP: the number of its curve in SoilProfile::curves
  std::optional<double> calpha;  // the secondary compression index; none: no secondary
  std::optional<double> ch;      // cm2/day, horizontal, for drains; none: cv
  friend bool operator==(const SoilLayer&, const SoilLayer&) = default;
};

// A construction stage: the loads rise linearly from the previous stage's fraction (0 before the
// first) at `start` to `fraction` of the document's loads at `end` (days; start == end: a step).
struct LoadStage {
  int number = 0;
  double start = 0;
  double end = 0;
  double fraction = 1;  // cumulative, 0 < fraction <= 1, rising from stage to stage
  friend bool operator==(const LoadStage&, const LoadStage&) = default;
};

// How a share of load applied over a ramp consolidates: by the exact ramp solution, or by
// Terzaghi's construction correction of the step response.
enum class TimeLoading { kExact, kTerzaghi };

// How the settling layers consolidate: each on its own, or runs of touching layers without a
// drained face between them as one by their equivalent thickness, or solved as one.
enum class ConsolidationRule { kLayers, kEquivalent, kCoupled };

// The day the road is paved and the service life after it: the residual settlement is what
// happens between them.
struct ResidualPeriod {
  double paving = 0;      // days
  double service = 3650;  // days
  friend bool operator==(const ResidualPeriod&, const ResidualPeriod&) = default;
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
  std::vector<LoadStage> stages;  // in order; none: the whole load as a step on day 0
  TimeLoading timeLoading = TimeLoading::kExact;
  ConsolidationRule consolidation = ConsolidationRule::kLayers;
  // Secondary compression of a layer starts when its primary settlement reaches this share of
  // its final value.
  double secondaryStart = 0.95;
  std::optional<ResidualPeriod> residual;
  std::optional<VerticalDrains> drains;
  std::optional<BandDrain> drainBand;  // given only with the drains, their dw derived from it
  std::vector<int> timeColumns;  // the columns the time-settlement curves show; none: the default
  friend bool operator==(const SoilProfile&, const SoilProfile&) = default;
};

// Bounds on a profile, so that the work of one column stays small whatever the input.
inline constexpr int kMaxSoilLayers = 50;
inline constexpr int kMaxCurves = 20;
inline constexpr int kMaxCurvePoints = 30;
inline constexpr int kMaxSettlementTimes = 100;
inline constexpr int kMaxSlicesPerColumn = 2000;
inline constexpr int kMaxLoadStages = 20;
inline constexpr int kMaxTimeColumns = 200;

// The top of layer `index`: 0 for the first, else the bottom of the one above.
inline double LayerTop(const SoilProfile& profile, std::size_t index) {
  return index == 0 ? 0.0 : profile.layers[index - 1].bottom;
}

}  // namespace qel
