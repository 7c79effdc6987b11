// dP of rectangles and circles at lattice points: one point, or many in parallel.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

#include "engine/circle_depth_values.h"
#include "engine/rect_circle_influence.h"
#include "engine/worker_threads.h"

namespace qel {

namespace {

// Points handed to a worker at a time: few enough to share the work evenly, many enough that
// neighbouring points (usually at one depth) reuse their circles' depth values.
constexpr std::size_t kPointsPerChunk = 16;
// Below this many points per thread, starting threads costs more than it saves.
constexpr std::size_t kMinPointsPerThread = 64;

// Evaluates points one after another, keeping for every circle the depth-only values of the
// depth it saw last. Those values are what CircularLoadInfluence would compute afresh, so each
// point's result and its order of accumulation are unchanged.
class LatticeEvaluator {
 public:
  explicit LatticeEvaluator(const PlanLoads& loads)
      : loads_(loads),
        depthValues_(loads.circles.size()),
        depthBits_(loads.circles.size()),
        hasDepth_(loads.circles.size(), false) {}

  double Stress(const LatticePoint& point) {
    double stress = 0.0;
    for (const RectLoad& rect : loads_.rectangles) {
      stress += RectangleInfluence(point.x, point.y, point.z, rect.x1, rect.y1, rect.x2, rect.y2) *
                rect.q;
    }
    if (loads_.circleMethod == CircleMethod::kExact) {
      for (const CircleLoad& circle : loads_.circles) {
        const double distance = ExactPlanDistance(point.x, point.y, circle.x, circle.y);
        stress += ExactCircularLoadInfluence(circle.r, distance, point.z) * circle.q;
      }
      return stress;
    }
    for (std::size_t i = 0; i < loads_.circles.size(); ++i) {
      const CircleLoad& circle = loads_.circles[i];
      const double distance = PlanDistance(point.x, point.y, circle.x, circle.y);
      stress += CircleInfluence(circle.r, distance, point.z, DepthValues(i, point.z)) * circle.q;
    }
    return stress;
  }

 private:
  CircleDepthValues& DepthValues(std::size_t circle, double z) {
    // Compared by bits so that -0.0 and 0.0, which can give differently signed values, are kept
    // apart.
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(z);
    if (!hasDepth_[circle] || depthBits_[circle] != bits) {
      depthValues_[circle].Reset(z / loads_.circles[circle].r);
      depthBits_[circle] = bits;
      hasDepth_[circle] = true;
    }
    return depthValues_[circle];
  }

  const PlanLoads& loads_;
  std::vector<CircleDepthValues> depthValues_;
  std::vector<std::uint64_t> depthBits_;
  std::vector<bool> hasDepth_;
};

int ThreadCount(int requested, std::size_t pointCount) {
  const int count = requested > 0 ? requested : Executor::Shared().size();
  const std::size_t useful = std::max<std::size_t>(1, pointCount / kMinPointsPerThread);
  return static_cast<int>(std::clamp<std::size_t>(count, 1, useful));
}

}  // namespace

double LatticePointStress(const PlanLoads& loads, double x, double y, double z) {
  double stress = 0.0;
  for (const RectLoad& rect : loads.rectangles) {
    stress += RectangleInfluence(x, y, z, rect.x1, rect.y1, rect.x2, rect.y2) * rect.q;
  }
  for (const CircleLoad& circle : loads.circles) {
    const double distance = CircleDistance(loads.circleMethod, x, y, circle.x, circle.y);
    stress += CircularLoadInfluence(circle.r, distance, z, loads.circleMethod) * circle.q;
  }
  return stress;
}

std::vector<double> LatticeStress(const PlanLoads& loads, const std::vector<LatticePoint>& points,
                                  int threads) {
  std::vector<double> results(points.size());
  ChunkQueue chunks((points.size() + kPointsPerChunk - 1) / kPointsPerChunk);
  RunWorkers(ThreadCount(threads, points.size()), [&] {
    LatticeEvaluator evaluator(loads);
    while (std::optional<std::size_t> chunk = chunks.Next()) {
      const std::size_t begin = *chunk * kPointsPerChunk;
      const std::size_t end = std::min(points.size(), begin + kPointsPerChunk);
      for (std::size_t i = begin; i < end; ++i)
        results[i] = evaluator.Stress(points[i]);
    }
  });
  return results;
}

}  // namespace qel
