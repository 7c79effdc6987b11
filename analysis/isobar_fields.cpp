// dP fields of the strip and the rectangle/circle problems, and their largest intensities.
#include "analysis/isobar_fields.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "document/load_lists.h"
#include "engine/circle_profile.h"
#include "engine/rectangle_at_depth.h"
#include "engine/worker_threads.h"

namespace qel {

ScalarField StripStressField(StripLoadSets loads) {
  return [loads = std::move(loads)](double x, double z) { return StripPointStress(loads, x, z); };
}

ScalarField PlanStressField(PlanLoads loads, double z) {
  return [loads = std::move(loads), depth = FlooredLatticeDepth(z)](double x, double y) {
    return LatticePointStress(loads, x, y, depth);
  };
}

namespace {

// The loads of a plan at one depth, with a profile of every circle.
struct PlanAtDepth {
  PlanLoads loads;
  double z = 0.0;
  std::vector<RectangleAtDepth> rectangles;
  std::vector<std::optional<CircleProfile>> profiles;

  double operator()(double x, double y) const {
    double stress = 0.0;
    for (const RectangleAtDepth& rect : rectangles)
      stress += rect(x, y);
    for (std::size_t n = 0; n < loads.circles.size(); ++n) {
      const CircleLoad& circle = loads.circles[n];
      const double dx = circle.x - x, dy = circle.y - y;
      stress += (*profiles[n])(dx * dx + dy * dy) * circle.q;
    }
    return stress;
  }
};

// The squared plan distance from (x, y) to the farthest corner of `window`.
double FarthestSquared(const ContourWindow& window, double x, double y) {
  const double dx = std::max(std::abs(window.u0 - x), std::abs(window.u1 - x));
  const double dy = std::max(std::abs(window.v0 - y), std::abs(window.v1 - y));
  return dx * dx + dy * dy;
}

}  // namespace

ScalarField PlanIsobarField(PlanLoads loads, double z, const ContourWindow& window, int threads) {
  if (loads.circleMethod != CircleMethod::kExact) return PlanStressField(std::move(loads), z);
  auto plan = std::make_shared<PlanAtDepth>();
  plan->z = FlooredLatticeDepth(z);
  plan->loads = std::move(loads);
  for (const RectLoad& rect : plan->loads.rectangles)
    plan->rectangles.emplace_back(rect, plan->z);
  plan->profiles.resize(plan->loads.circles.size());
  ChunkQueue circles(plan->profiles.size());
  RunWorkers(threads, [&] {
    while (const std::optional<std::size_t> n = circles.Next()) {
      const CircleLoad& circle = plan->loads.circles[*n];
      plan->profiles[*n].emplace(circle.r, plan->z, FarthestSquared(window, circle.x, circle.y));
    }
  });
  return [plan = std::shared_ptr<const PlanAtDepth>(std::move(plan))](double x, double y) {
    return (*plan)(x, y);
  };
}

namespace {

// The loads on the surface, each rectangle by its lower and upper x and y.
struct SurfaceLoads {
  struct Box {
    double x0, x1, y0, y1, q;
  };
  std::vector<Box> boxes;
  PlanLoads loads;  // the circles

  double operator()(double x, double y) const {
    double stress = 0.0;
    for (const Box& box : boxes) {
      // 1 strictly inside along an axis, 1/2 on either end, 0 outside.
      const double alongX =
          x > box.x0 && x < box.x1 ? 1.0 : (x == box.x0 || x == box.x1 ? 0.5 : 0.0);
      const double alongY =
          y > box.y0 && y < box.y1 ? 1.0 : (y == box.y0 || y == box.y1 ? 0.5 : 0.0);
      stress += alongX * alongY * box.q;
    }
    for (const CircleLoad& circle : loads.circles) {
      if (loads.circleMethod == CircleMethod::kCompatible) {
        // The older method keeps its own values near the surface, blended across the edge.
        const double distance = PlanDistance(x, y, circle.x, circle.y);
        stress += CompatibleCircularLoadInfluence(circle.r, distance, FlooredLatticeDepth(0.0)) *
                  circle.q;
        continue;
      }
      if (!(circle.r > 0.0)) continue;
      const double dx = circle.x - x, dy = circle.y - y;
      const double squared = dx * dx + dy * dy, edge = circle.r * circle.r;
      stress += (squared < edge ? 1.0 : (squared == edge ? 0.5 : 0.0)) * circle.q;
    }
    return stress;
  }
};

}  // namespace

ScalarField SurfaceLoadField(PlanLoads loads) {
  auto surface = std::make_shared<SurfaceLoads>();
  for (const RectLoad& rect : loads.rectangles) {
    // A side of no length carries no load, as in RectangleInfluence.
    if (rect.x1 == rect.x2 || rect.y1 == rect.y2) continue;
    surface->boxes.push_back({std::min(rect.x1, rect.x2), std::max(rect.x1, rect.x2),
                              std::min(rect.y1, rect.y2), std::max(rect.y1, rect.y2), rect.q});
  }
  loads.rectangles.clear();
  surface->loads = std::move(loads);
  return [surface = std::shared_ptr<const SurfaceLoads>(std::move(surface))](double x, double y) {
    return (*surface)(x, y);
  };
}

ScalarField SectionStressField(PlanLoads loads, bool sectionAtY, double at) {
  if (sectionAtY) {
    return [loads = std::move(loads), at](double x, double z) {
      return LatticePointStress(loads, x, at, FlooredLatticeDepth(z));
    };
  }
  return [loads = std::move(loads), at](double y, double z) {
    return LatticePointStress(loads, at, y, FlooredLatticeDepth(z));
  };
}

static void Include(LoadIntensities& intensities, double q) {
  intensities.positive = std::max(intensities.positive, q);
  intensities.negative = std::min(intensities.negative, q);
}

LoadIntensities StripIntensities(const StripLoadSets& loads) {
  LoadIntensities intensities;
  for (const std::vector<StripPiece>& set : loads.sets) {
    for (const StripPiece& piece : set)
      Include(intensities, piece.h * piece.gamma);
  }
  return intensities;
}

LoadIntensities PlanIntensities(const PlanLoads& loads) {
  LoadIntensities intensities;
  for (const RectLoad& rect : loads.rectangles)
    Include(intensities, rect.q);
  for (const CircleLoad& circle : loads.circles) {
    if (circle.r > 0.0) Include(intensities, circle.q);
  }
  return intensities;
}

}  // namespace qel
