// dP against depth under the strip calculation x values and along the lattice columns of the
// section line, sampled finely for the depth graphs, with the calculation points marked.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/document_tables.h"
#include "document/plan_problem.h"
#include "document/point_values.h"
#include "document/strip_problem.h"
#include "engine/circle_method.h"

namespace qel {

// Depth steps of a curve from the surface to the graph's bottom (samples = steps + 1).
inline constexpr int kDepthCurveSteps = 200;

struct DepthSample {
  double z = 0.0;
  double dP = 0.0;
};

// A calculation point on a curve: its depth, the value the results table holds and its text.
struct DepthMark {
  double z = 0.0;
  double dP = 0.0;
  std::string text;
};

struct DepthCurve {
  std::string label;  // the column's position, for the legend
  double x = 0.0;     // the column's x (and y on the section) in the plan or cross-section
  double y = 0.0;
  std::vector<DepthSample> samples;
  std::vector<DepthMark> marks;
  // The same column under other conditions (the time curve without drains), drawn thin in the
  // curve's own style; empty for none.
  std::vector<DepthSample> companion;
  // A part of the curve's quantity drawn apart where it leaves the curve (the primary settlement
  // alone once secondary compression starts), thin and dotted; empty for none.
  std::vector<DepthSample> branch;
  // Points marked by a short line across the curve (the days secondary compression starts).
  std::vector<DepthMark> ticks;
};

// The deepest usable depth among `depths` times 1.25 (the curves go on below the last point
// to show how they die away); 1 m when there is none or it is shallower.
double DepthGraphBottom(const std::vector<double>& depths);

// Which curves of a display one graph draws: `count` from the `first` (0-based, in row order).
struct CurveRange {
  int first = 0;
  int count = 0;
};

// One curve for each strip calculation x of `range`, the strip depths marked with the values of
// `results` formatted with `stressDigits` decimals as the results table prints them.
std::vector<DepthCurve> StripDepthCurves(const StripProblem& strip, const ResultsGrid& results,
                                         int stressDigits, CurveRange range);

// The vertical line of the plan the section is taken along: y = `at` (u runs along x) or
// x = `at` (u along y).
struct ResolvedSection {
  bool atY = true;
  double at = 0.0;
};

// The section line the document sets, else through the first lattice y (or x); none when it
// sets none and the lattice has no such value.
std::optional<ResolvedSection> ResolveSection(const PlanProblem& plan);

// One curve for each lattice x (or y) of `range` on the section line. The lattice depths are
// marked when the line runs through a lattice row, with the values of `results`; circles are
// evaluated by `circleMethod`, as the lattice results are.
std::vector<DepthCurve> SectionDepthCurves(const PlanProblem& plan, const ResultsGrid& results,
                                           const ResolvedSection& section, int stressDigits,
                                           CircleMethod circleMethod, CurveRange range);

// For each curve, the index of the first curve before it that it coincides with (every sample
// and every mark equal within kCoincidentShare of `scale`, the largest dP the graph shows in
// size), else -1: a curve drawn over another is named in the legend.
inline constexpr double kCoincidentShare = 1e-9;
std::vector<int> CoincidentCurves(const std::vector<DepthCurve>& curves, double scale);

// The lattice values along the section line: its x values on a line y = const, else its y.
std::vector<PointValue> SectionColumns(const PlanProblem& plan, const ResolvedSection& section);

}  // namespace qel
