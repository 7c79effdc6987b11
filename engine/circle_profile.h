// The exact influence of one circle at one depth as a function of the plan distance, tabulated
// for fields that evaluate it very often (isobars of a plan), never for printed results.
#pragma once

#include <array>
#include <vector>

namespace qel {

// ExactCircularLoadInfluence(radius, sqrt(s), z) for squared plan distances s in [0, farthest],
// as Chebyshev interpolants on pieces of that range, split where the influence varies fastest
// (under the edge, s = radius^2) until each piece matches the direct evaluation within
// `tolerance` (of the load's intensity) at the points between its nodes. A piece that cannot
// (within a hair of the edge, where the direct evaluation itself rounds by about 1e-13), every
// distance beyond `farthest`, and the whole circle where it would take more than 256 pieces (all
// but a jump at its edge just below the surface) are evaluated directly.
class CircleProfile {
 public:
  static constexpr int kDegree = 14;
  static constexpr int kBuckets = 256;

  CircleProfile(double radius, double z, double farthest, double tolerance = 5e-13);

  double operator()(double distanceSquared) const;

  // The largest difference from the direct evaluation at the points checked while building.
  double largestCheckedError() const { return largestCheckedError_; }
  int pieces() const { return static_cast<int>(pieces_.size()); }

 private:
  struct Piece {
    double begin = 0.0, end = 0.0;
    bool direct = false;  // evaluated directly
    std::array<double, kDegree + 1> coefficients{};
  };
  double Direct(double distanceSquared) const;
  void Build(double begin, double end, int depth);

  double radius_, z_, farthest_, tolerance_;
  std::vector<Piece> pieces_;  // ascending, contiguous from 0 to farthest_
  std::vector<double> ends_;   // pieces_[n].end, for the search
  // For each of kBuckets equal stretches of [0, farthest_], the first piece reaching into it.
  std::vector<std::size_t> firstPieces_;
  double bucketsPerSquare_ = 0.0;
  double largestCheckedError_ = 0.0;
};

}  // namespace qel
