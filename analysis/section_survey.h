// Surveys of the stress field along a vertical section of the plan: where the bulbs of its lowest
// levels reach, the window the section shows, and the span of dP over it.
#pragma once

#include <utility>
#include <vector>

#include "analysis/contour_lines.h"
#include "analysis/depth_curves.h"
#include "document/plan_problem.h"
#include "settings/system_settings.h"

namespace qel {

// The section follows the bulbs down to at most this many times the depth of the default
// section window, which is kIsobarDepthFactor times the deepest lattice z: three times that z.
inline constexpr double kSectionDepthLimit = 2.4;

// Where the bulbs of a section's lowest levels reach, surveyed over `window` (v0 = 0 to v1, the
// default depth) and on down to kSectionDepthLimit times its depth: on a lattice of columns
// evenly across it and at `columns` (a bulb is deepest under its load) and of rows evenly down,
// the deepest crossing then found to a thousandth of a row by halving. The points beyond the
// lowest positive level or the highest negative one are the bulbs.
struct BulbSurvey {
  bool found = false;  // whether any point of the lattice lies in a bulb
  // A twentieth below the deepest point of a bulb, within the limit.
  double bottom = 0.0;
  double uLow = 0.0, uHigh = 0.0;  // the left-most and right-most column in a bulb
};
BulbSurvey SurveyBulbs(const ScalarField& field, const ContourWindow& window,
                       const std::vector<double>& levels, const std::vector<double>& columns);

// The window the section shows: across, the stretch `content` spans (its lattice columns and
// loads) together with the bulbs, and a twentieth of its width or depth more on each side; down,
// from the surface to the deeper of `window`'s depth and the bulbs' bottom. `window` itself
// where there is nothing to show.
ContourWindow SectionWindow(const ContourWindow& window, const std::vector<double>& content,
                            const BulbSurvey& bulbs);

// The smallest and the largest dP over the window, sampled on an even lattice.
struct ValueSpan {
  double low = 0.0, high = 0.0;
};
ValueSpan SampledValueSpan(const ScalarField& field, const ContourWindow& window);

// The stretches of the section line under each rectangle and circle, as (from, to) along it.
std::vector<std::pair<double, double>> LoadedStretches(const PlanLoads& loads,
                                                       const ResolvedSection& section);
// Where along the section each load's centre lies (a bulb is deepest under it), or with
// `edges` its two edges.
std::vector<double> LoadPlaces(const PlanLoads& loads, const ResolvedSection& section, bool edges);
// The levels a trace draws for the levels typed (the default levels of the loads when none).
std::vector<double> SectionLevels(const std::vector<double>& typed, const PlanLoads& loads);

// The window the section of `plan` along `section` shows (SectionWindow over its default
// window, its lattice columns and loads, and the bulbs of `levels`), circles by `circles`.
ContourWindow SurveyedSectionWindow(const PlanProblem& plan, const SystemSettings& settings,
                                    const ResolvedSection& section, CircleMethod circles,
                                    const std::vector<double>& levels);
// SampledValueSpan of the section's field over `window`.
ValueSpan SectionValueSpan(const PlanProblem& plan, const ResolvedSection& section,
                           CircleMethod circles, const ContourWindow& window);

}  // namespace qel
