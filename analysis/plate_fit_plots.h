// The straight-line plot each prediction method fits, with the readings outside its window set
// beside the window's, so that the window a fit was made over can be judged.
#pragma once

#include <vector>

#include "document/measurements_text.h"
#include "engine/settlement_fits.h"

namespace qel {

// One method's plot: t'/(S - S0) against t' (hyperbolic), S_j against S_(j-1) (Asaoka's),
// t'/(S - S0)^2 against t' (square root); t' in days, S in m.
struct FitLinePlot {
  std::vector<FitLinePoint> fitted;   // the window's points, which the line was fitted through
  std::vector<FitLinePoint> outside;  // the same transform of the readings outside the window
  double intercept = 0, slope = 0;    // the fitted line y = intercept + slope x
  bool equalityLine = false;          // Asaoka's: the 45° line S_j = S_(j-1) belongs to the plot
};

// Asaoka's pairs are taken at every step of dt through the plate's readings, so a window of few
// steps among many readings still shows the readings around it; at most this many each side.
inline constexpr int kMostOutsidePairs = 2000;

// The plot of `fit`, made of `plate`'s readings over the window of `request`. Outside the
// window: the hyperbolic and square-root methods take every reading after t0 whose S differs
// from S0; Asaoka's the pairs of readings interpolated at from + k dt (k a whole number, either
// side of the window) within the readings.
FitLinePlot FitLinePlotOf(const SettlementPlate& plate, const PlateFitLine& request,
                          const SettlementFit& fit);

}  // namespace qel
