// A circle's exact influence at one depth, tabulated in pieces of Chebyshev interpolants.
#include "engine/circle_profile.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/rect_circle_influence.h"

namespace qel {

namespace {

constexpr int kNodes = CircleProfile::kDegree + 1;
// Halvings of a range at most: far below any width the influence varies over at the floored
// depth of 1e-5 m.
constexpr int kMostHalvings = 60;
// Pieces at most: a circle that needs more (just below the surface) is evaluated directly.
constexpr std::size_t kMostPieces = 256;

// The Chebyshev series with `coefficients` at x in [-1, 1] (Clenshaw's recurrence).
double Series(const std::array<double, kNodes>& coefficients, double x) {
  double next = 0.0, after = 0.0;
  for (int j = kNodes - 1; j >= 1; --j) {
    const double current = 2.0 * x * next - after + coefficients[j];
    after = next;
    next = current;
  }
  return x * next - after + coefficients[0];
}

}  // namespace

CircleProfile::CircleProfile(double radius, double z, double farthest, double tolerance)
    : radius_(radius), z_(z), farthest_(farthest), tolerance_(tolerance) {
  if (!(radius > 0.0) || !(z > 0.0) || !(farthest > 0.0) || !std::isfinite(farthest)) {
    farthest_ = 0.0;  // nothing tabulated: every distance is evaluated directly
    return;
  }
  // The edge splits the range: the influence bends sharply on both sides of it.
  const double edge = radius * radius;
  if (edge < farthest_) {
    Build(0.0, edge, 0);
    Build(edge, farthest_, 0);
  } else {
    Build(0.0, farthest_, 0);
  }
  if (pieces_.size() > kMostPieces) {
    pieces_.clear();
    farthest_ = 0.0;
    return;
  }
  for (const Piece& piece : pieces_)
    ends_.push_back(piece.end);
  bucketsPerSquare_ = kBuckets / farthest_;
  for (int b = 0; b < kBuckets; ++b) {
    const double start = b / bucketsPerSquare_;
    const auto it = std::upper_bound(ends_.begin(), ends_.end(), start);
    firstPieces_.push_back(it == ends_.end() ? ends_.size() - 1
                                             : static_cast<std::size_t>(it - ends_.begin()));
  }
}

double CircleProfile::Direct(double distanceSquared) const {
  return ExactCircularLoadInfluence(radius_, std::sqrt(distanceSquared), z_);
}

void CircleProfile::Build(double begin, double end, int depth) {
  if (pieces_.size() > kMostPieces) return;  // abandoned
  const double middle = 0.5 * (begin + end), half = 0.5 * (end - begin);
  Piece piece;
  piece.begin = begin;
  piece.end = end;
  // Interpolation at the Chebyshev points of the first kind.
  std::array<double, kNodes> values{};
  for (int k = 0; k < kNodes; ++k)
    values[k] = Direct(middle + half * std::cos(std::numbers::pi * (k + 0.5) / kNodes));
  for (int j = 0; j < kNodes; ++j) {
    double sum = 0.0;
    for (int k = 0; k < kNodes; ++k)
      sum += values[k] * std::cos(std::numbers::pi * j * (k + 0.5) / kNodes);
    piece.coefficients[j] = (j == 0 ? 1.0 : 2.0) * sum / kNodes;
  }
  // Checked half-way between the nodes and at the ends, where an interpolant strays most.
  double error = 0.0;
  for (int k = 0; k <= kNodes; ++k) {
    const double x = std::cos(std::numbers::pi * k / kNodes);
    const double difference = std::abs(Series(piece.coefficients, x) - Direct(middle + half * x));
    error = std::isnan(difference) ? HUGE_VAL : std::max(error, difference);
  }
  if (error <= tolerance_) {
    largestCheckedError_ = std::max(largestCheckedError_, error);
    pieces_.push_back(piece);
    return;
  }
  // Within a hundred-millionth of the edge's squared distance the direct evaluation itself
  // rounds by about 1e-13 under the edge at shallow depth: no interpolant does better there.
  if (depth >= kMostHalvings || end - begin < 1e-8 * radius_ * radius_ ||
      !(begin < middle && middle < end)) {
    piece.direct = true;
    pieces_.push_back(piece);
    return;
  }
  Build(begin, middle, depth + 1);
  Build(middle, end, depth + 1);
}

double CircleProfile::operator()(double distanceSquared) const {
  if (pieces_.empty() || !(distanceSquared >= 0.0 && distanceSquared <= farthest_))
    return Direct(distanceSquared);
  // The first piece that ends beyond the distance, from the first one in its bucket on.
  const int bucket = std::min(kBuckets - 1, static_cast<int>(distanceSquared * bucketsPerSquare_));
  std::size_t n = firstPieces_[static_cast<std::size_t>(bucket)];
  while (n + 1 < ends_.size() && !(distanceSquared < ends_[n]))
    ++n;
  const Piece& piece = pieces_[n];
  if (piece.direct) return Direct(distanceSquared);
  const double x = (2.0 * distanceSquared - (piece.begin + piece.end)) / (piece.end - piece.begin);
  return Series(piece.coefficients, x);
}

}  // namespace qel
