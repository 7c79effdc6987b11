// The world rectangles isobars are traced over when no page says otherwise.
#pragma once

#include "analysis/contour_lines.h"
#include "document/plan_problem.h"
#include "document/strip_problem.h"
#include "settings/system_settings.h"

namespace qel {

// How far below the deepest calculation point the default windows reach, as a multiple of its
// depth: the lines under the deepest row of results still show where they turn.
inline constexpr double kIsobarDepthFactor = 1.25;

// The strip cross-section: x across the strip figure (its left x to its right-most content),
// z from the surface to kIsobarDepthFactor times the deepest strip calculation z (with no
// calculation point, the width the loads cover; at least 1 m).
ContourWindow StripIsobarWindow(const StripProblem& strip, const SystemSettings& settings);

// The plan: x across the rectangle/circle figure (its left x to its right-most content), y
// over the figure's height (its top y down by its y range).
ContourWindow PlanIsobarWindow(const PlanProblem& plan, const SystemSettings& settings);

// A vertical section of the rectangle/circle problem: u along x (a section at constant y) or y
// (at constant x) over the plan window, z from the surface to kIsobarDepthFactor times the
// deepest lattice z (with none, the larger side of the plan window; at least 1 m).
ContourWindow SectionIsobarWindow(const PlanProblem& plan, const SystemSettings& settings,
                                  bool sectionAtY);

}  // namespace qel
