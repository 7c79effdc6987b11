// The predictions of the settlement plates as the CSV text qel-cli predict writes: one row per
// fit, or the fitted curves point by point.
#pragma once

#include <string>
#include <vector>

#include "analysis/settlement_predictions.h"

namespace qel {

enum class PredictionCsvTable { kFits, kCurves };

// kFits: the heading "plate,name,method,from,to,dt,S0,Sinf,r2,U,t90,residual,reason" and one
// line per fit of each of `plates` (dt for Asaoka's only; S0 to residual empty, and the reason
// given, for a fit that cannot be made; t90 empty when the curve reached it before the window,
// residual without a paving day). kCurves: "plate,method,t,S" and the FitCurveDays of every fit
// made. Numbers as %.17g, a field holding a comma or a quote quoted; lines end in LF.
std::string PredictionCsv(PredictionCsvTable table, const std::vector<PlatePrediction>& plates);

}  // namespace qel
