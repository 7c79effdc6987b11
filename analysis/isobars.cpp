// Isobars of the strip and rectangle/circle problems, traced on the engine's dP.
#include "analysis/isobars.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "analysis/contour_fill.h"
#include "analysis/isobar_fields.h"
#include "analysis/isobar_levels.h"
#include "analysis/isobar_windows.h"
#include "document/document.h"
#include "document/load_lists.h"

namespace qel {

ContourOptions IsobarContourOptions(double largestIntensity, int threads) {
  ContourOptions options;
  options.valueScale = largestIntensity;
  options.threads = threads;
  return options;
}

namespace {

// Where (u, v) of a view lies in the world.
IsobarVertex ToWorld(const IsobarRequest& request, const ContourPoint& p) {
  switch (request.view) {
    case IsobarView::kStrip:
      return {p.u, 0.0, p.v};
    case IsobarView::kPlan:
      return {p.u, p.v, request.at};
    case IsobarView::kSectionAtY:
      return {p.u, request.at, p.v};
    case IsobarView::kSectionAtX:
      return {request.at, p.u, p.v};
  }
  return {};
}

bool Finite(const IsobarVertex& v) {
  return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

bool AllFinite(const IsobarSet& set) {
  for (const Isobar& line : set.lines)
    if (!std::all_of(line.vertices.begin(), line.vertices.end(), Finite)) return false;
  for (const IsobarFill& fill : set.fills)
    for (const std::vector<IsobarVertex>& ring : fill.rings)
      if (!std::all_of(ring.begin(), ring.end(), Finite)) return false;
  return true;
}

}  // namespace

IsobarSet ComputeIsobars(const Document& document, const SystemSettings& settings,
                         const IsobarRequest& request) {
  IsobarSet set;
  ScalarField field;
  std::optional<PlanLoads> plan;  // the plan's loads, whose field waits for the final window
  LoadIntensities intensities;
  std::vector<ContourPoint> seeds;  // where the field's extremes are likely
  if (request.view == IsobarView::kStrip) {
    StripLoadSets loads = document.strip().engineLoads;
    if (loads.sets[0].empty() && loads.sets[1].empty()) {
      set.error = "帯状荷重がありません";
      return set;
    }
    intensities = StripIntensities(loads);
    seeds = StripRangeSeeds(loads);
    set.window = StripIsobarWindow(document.strip(), settings);
    field = StripStressField(std::move(loads));
  } else {
    PlanLoads loads = document.plan().engineLoads;
    loads.circleMethod = request.circleMethod;
    if (loads.rectangles.empty() && loads.circles.empty()) {
      set.error = "長方形荷重も円形荷重もありません";
      return set;
    }
    if (!std::isfinite(request.at) || (request.view == IsobarView::kPlan && request.at < 0.0)) {
      set.error = request.view == IsobarView::kPlan ? "平面図の深さが負の値です"
                                                    : "断面の位置が数値ではありません";
      return set;
    }
    intensities = PlanIntensities(loads);
    if (request.view == IsobarView::kPlan) {
      set.window = PlanIsobarWindow(document.plan(), settings);
      seeds = PlanRangeSeeds(loads);
      plan = std::move(loads);
    } else {
      const bool atY = request.view == IsobarView::kSectionAtY;
      set.window = SectionIsobarWindow(document.plan(), settings, atY);
      seeds = SectionRangeSeeds(loads, atY);
      field = SectionStressField(std::move(loads), atY, request.at);
    }
  }
  if (request.window) set.window = *request.window;
  set.largestIntensity = intensities.Largest();
  if (!(set.largestIntensity > 0.0) || !std::isfinite(set.largestIntensity)) {
    set.error = set.largestIntensity > 0.0 ? "荷重強度が大きすぎて等圧線を求められません"
                                           : "荷重強度がすべて 0 です";
    return set;
  }
  ContourOptions options = IsobarContourOptions(set.largestIntensity, request.threads);
  if (!TraceableWindow(set.window, options)) {
    set.error = "等圧線を求める範囲が大きすぎるか、原点からの距離に比べて狭すぎます";
    return set;
  }
  if (plan && request.at <= FlooredLatticeDepth(0.0)) {
    // At the surface dP is each load's own intensity over its area: the lines are outlines, and
    // every vertex is placed on the outline it crosses.
    field = SurfaceLoadField(std::move(*plan));
    options.rootTolerance = -1.0;
  } else if (plan) {
    field = PlanIsobarField(std::move(*plan), request.at, set.window, request.threads);
  }
  set.levels = request.levels.empty()
                   ? DefaultIsobarLevels(intensities.positive, intensities.negative)
                   : DrawnIsobarLevels(request.levels);
  const std::vector<std::vector<ContourLine>> traced =
      TraceContours(field, set.window, set.levels, options);
  set.range = SampleFieldRange(field, set.window, seeds);
  for (std::size_t l = 0; l < traced.size(); ++l) {
    if (request.fill) {
      IsobarFill fill{set.levels[l], {}};
      for (const std::vector<ContourPoint>& ring :
           ContourRegionRings(traced[l], set.window, field, set.levels[l])) {
        std::vector<IsobarVertex>& vertices = fill.rings.emplace_back();
        for (const ContourPoint& p : ring)
          vertices.push_back(ToWorld(request, p));
      }
      set.fills.push_back(std::move(fill));
    }
    for (const ContourLine& line : traced[l]) {
      Isobar isobar;
      isobar.level = set.levels[l];
      isobar.closed = line.closed;
      for (const ContourPoint& p : line.points)
        isobar.vertices.push_back(ToWorld(request, p));
      set.lines.push_back(std::move(isobar));
    }
  }
  // A vertex lies on a segment between two finite lattice points, so this is never expected;
  // but no caller may ever be handed a point that is not a number.
  if (!AllFinite(set)) {
    set.lines.clear();
    set.fills.clear();
    set.error = "the trace gave points that are not numbers";
  }
  return set;
}

}  // namespace qel
