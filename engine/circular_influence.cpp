// Influence of a uniformly loaded circle by the older method: series, trapezoid rule and edge
// blending; and the choice between it and the exact method.
#include <cmath>

#include "engine/circle_depth_values.h"
#include "engine/rect_circle_influence.h"

namespace qel {

namespace {

constexpr double kInvalidInput = -999999.99;
// The axis uses 1.5727 where pi/2 would be exact; the results keep that constant.
constexpr double kAxisConstant = 1.5727;
// 1 / (1 - 0.98) in double arithmetic: the width of the blended bands is 0.02 R.
constexpr double kBandScale = 49.99999999999996;

}  // namespace

void CircleDepthValues::Reset(double e) {
  e_ = e;
  depthFactor_ = e < 1.7 ? (1.7 - e) * 0.5952380952380952 : 0.0;
  hasEdgeValue_ = false;
  hasInsideBandValue_ = false;
  hasOutsideBandValue_ = false;
}

double CircleDepthValues::EdgeValue() {
  if (!hasEdgeValue_) {
    const double e = e_;
    edgeValue_ = 0.5 - e / (kEnginePi * std::sqrt(e * e + 4.0)) *
                           EllipticESeries(4.0 / (e * e + 4.0), 0.0, depthFactor_);
    hasEdgeValue_ = true;
  }
  return edgeValue_;
}

double CircleDepthValues::InsideBandValue() {
  if (!hasInsideBandValue_) {
    // The general formula evaluated at h = 0.98 (3.9204 = 1.98^2, 3.92 = 4 * 0.98,
    // 0.0101... = 0.02 / 1.98, -0.99989... = -3.92 / 3.9204).
    const double e = e_;
    const double n1 = EllipticESeries(3.92 / (e * e + 3.9204), 0.01010101010101011, depthFactor_);
    const double g1 = ((e * e - 1.0) + 0.9603999999999999) / (e * e + 0.0004000000000000007);
    const double p1 = EllipticPi(-0.9998979695949393, std::sqrt(3.92 / (e * e + 3.9204)));
    insideBandValue_ =
        1.0 - e / (kEnginePi * std::sqrt(e * e + 3.9204)) * (g1 * n1 + p1 * 0.01010101010101011);
    hasInsideBandValue_ = true;
  }
  return insideBandValue_;
}

double CircleDepthValues::OutsideBandValue() {
  if (!hasOutsideBandValue_) {
    // The general formula evaluated at h = 1.02 (4.0804 = 2.02^2, 4.08 = 4 * 1.02,
    // -0.0099... = -0.02 / 2.02, -0.99990... = -4.08 / 4.0804).
    const double e = e_;
    const double n2 = EllipticESeries(4.08 / (e * e + 4.0804), -0.00990099009900991, depthFactor_);
    const double g2 = ((e * e - 1.0) + 1.0404) / (e * e + 0.0004000000000000007);
    const double p2 = EllipticPi(-0.9999019703950593, std::sqrt(4.08 / (e * e + 4.0804)));
    outsideBandValue_ =
        -(e / (kEnginePi * std::sqrt(e * e + 4.0804)) * (g2 * n2 - p2 * 0.00990099009900991));
    hasOutsideBandValue_ = true;
  }
  return outsideBandValue_;
}

double CircleInfluence(double radius, double distance, double z, CircleDepthValues& depth) {
  if (radius < 0.001) return 0.0;
  const double e = z / radius;
  // At the surface the stress is the load itself inside the circle and nothing well outside.
  if (e < 0.01) {
    if (distance / radius < 0.5) return 1.0;
    if (distance / radius > 2.0) return 0.0;
  }
  if (distance < 0.0 || z < 0.0) return kInvalidInput;

  const double h = distance / radius;
  const double l = h + 1.0;
  if (l < 1e-10) return kInvalidInput;
  const double m = l * l + e * e;
  const double kSquared = 4.0 * h / m;
  const double k = kSquared >= 1e-10 ? std::sqrt(kSquared) : 0.0;
  const double w = -4.0 * h / (l * l);
  const double t = m >= 1e-10 ? e / (kEnginePi * std::sqrt(m)) : 999999.99;
  double denominator = (1.0 - h) * (1.0 - h) + e * e;
  if (std::fabs(denominator) < 1e-7) denominator = 2.5e-05;
  const double shape = (h * h + (e * e - 1.0)) / denominator;
  const double lambda = (1.0 - h) / l;
  // The load's own share: one half exactly where the point counts as under the edge (the same
  // relative test that chooses the edge formula below), else all inside and nothing outside.
  const double share = std::fabs(lambda) < 0.0001 ? 0.5 : (distance < radius ? 1.0 : 0.0);
  const double depthFactor = depth.depthFactor();

  if (h < 0.0001) {
    return share - t * (EllipticESeries(kSquared, lambda, depthFactor) * shape + kAxisConstant);
  }
  if (std::fabs(lambda) < 0.0001) {
    return share - t * EllipticESeries(kSquared, lambda, depthFactor) * shape;
  }
  // Just inside or just outside the edge the value is blended linearly between the edge value
  // and the value at 0.98 R or 1.02 R.
  if ((0.0 < lambda && lambda < 0.011) || (0.98 < h && h < 1.0)) {
    const double inside = depth.InsideBandValue();
    return inside + (depth.EdgeValue() - inside) * (h - 0.98) * kBandScale;
  }
  if ((-0.01 < lambda && lambda < 0.0) || (1.0 < h && h < 1.02)) {
    const double outside = depth.OutsideBandValue();
    return outside + (depth.EdgeValue() - outside) * (1.02 - h) * kBandScale;
  }
  return share -
         t * (EllipticESeries(kSquared, lambda, depthFactor) * shape + lambda * EllipticPi(w, k));
}

double CompatibleCircularLoadInfluence(double radius, double distance, double z) {
  CircleDepthValues depth(radius >= 0.001 ? z / radius : 0.0);
  return CircleInfluence(radius, distance, z, depth);
}

double CircularLoadInfluence(double radius, double distance, double z, CircleMethod method) {
  return method == CircleMethod::kCompatible ? CompatibleCircularLoadInfluence(radius, distance, z)
                                             : ExactCircularLoadInfluence(radius, distance, z);
}

double CircleDistance(CircleMethod method, double x1, double y1, double x2, double y2) {
  return method == CircleMethod::kCompatible ? PlanDistance(x1, y1, x2, y2)
                                             : ExactPlanDistance(x1, y1, x2, y2);
}

}  // namespace qel
