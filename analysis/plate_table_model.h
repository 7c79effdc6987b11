// The settlement plates set beside one problem's calculation, and the table of their fits:
// what display 13 shows and what its files hold.
#pragma once

#include <string>
#include <vector>

#include "analysis/settlement_predictions.h"
#include "analysis/table_model.h"
#include "settings/problem.h"

namespace qel {

// The plates of a document with the column of `problem` nearest each: the calculated curve set
// beside the readings is that column's.
struct PlateComparison {
  SettlementPredictions predictions;            // each plate's `nearest` indexes `columns`
  std::vector<SettlementColumnResult> columns;  // the problem's columns; none when not computed
  std::vector<SettlementCourse> courses;        // their courses in time, in the same order
};
PlateComparison ComparePlates(const Document& document, const DocumentSettlement& settlement,
                              Problem problem);

// How the pages and the table name a method: "双曲線法", "浅岡法", "√t法".
std::string FitMethodText(FitMethod method);

// The fitted parameters of a fit in a line: "双曲線法: α = 20.000 日/m, β = 1.8182 1/m".
std::string FitParametersText(const SettlementFit& fit);

// Where the calculated curve beside a plate comes from: "計算値: 帯状荷重 x = 15.00 (沈下板から
// 0.00 m)", or why there is none.
std::string NearestColumnText(const PlatePrediction& plate);

// The table of the fits: above it the paving day the residual settlement is counted from, or
// why the readings do not read (and then nothing else). One section per plate, titled with its
// number, name, position and t0; one row per fit: method, window, Δt (Asaoka's), S0, S∞, r², U
// at the last reading, t90, the residual settlement and, for a fit that cannot be made, the
// numbers "－" and the reason. Under the rows the nearest column and each fit's parameters.
// Files also take S0, S∞ and the residual in metres to the last digit.
TableModel PlateFitsTableModel(const PlateComparison& comparison);

// The columns of the table, in order: the pages draw a plate's rows from the same model.
enum PlateFitColumn : std::size_t {
  kFitMethodColumn,
  kFitFromColumn,
  kFitToColumn,
  kFitStepColumn,
  kFitS0Column,
  kFitFinalColumn,
  kFitR2Column,
  kFitDegreeColumn,
  kFitT90Column,
  kFitResidualColumn,
  kFitReasonColumn,
  kPlateFitColumns,
};

}  // namespace qel
