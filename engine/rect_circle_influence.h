// Influence of uniformly loaded rectangles and circles on the vertical stress below them.
#pragma once

#include <cmath>
#include <vector>

#include "engine/circle_method.h"

namespace qel {

inline constexpr double kEnginePi = 3.1415926536;

// Plan distance; exactly 0 when the squared distance is below 1e-7.
double PlanDistance(double x1, double y1, double x2, double y2);
// The plan distance itself, as the exact circle method uses it.
inline double ExactPlanDistance(double x1, double y1, double x2, double y2) {
  const double dx = x2 - x1, dy = y2 - y1;
  return std::sqrt(dx * dx + dy * dy);
}

// Influence under the corner of a uniformly loaded rectangle with side ratios m and n. Odd in
// each ratio, so signed ratios give the signed contribution of a corner rectangle.
double RectangleCornerInfluence(double m, double n);

// The four signed corner rectangles of a point, in the order P22, P21, P11, P12.
struct RectangleTerms {
  double signedValue[4] = {};  // sign * RectangleCornerInfluence(ratioX, ratioY)
  double ratioX[4] = {};       // side ratio along x (distance / z)
  double ratioY[4] = {};       // side ratio along y
  double sum = 0.0;            // S, accumulated from 0 in corner order
};
RectangleTerms RectangleInfluenceTerms(double xP, double yP, double z, double x1, double y1,
                                       double x2, double y2);

// S: the signed sum of the four corner values; dP = S * q.
double RectangleInfluence(double xP, double yP, double z, double x1, double y1, double x2,
                          double y2);

// I of a circle of radius R at plan distance `distance` and depth z; dP = I * q.
// -999999.99 for a negative distance or depth.
double CircularLoadInfluence(double radius, double distance, double z,
                             CircleMethod method = CircleMethod::kExact);
// The exact value: 1 - (1 + (R/z)^2)^(-3/2) on the axis, the limit under the edge, elsewhere the
// closed form in K, E and Pi through Carlson's symmetric integrals; always within [0, 1]. A
// radius that is not positive carries no load.
double ExactCircularLoadInfluence(double radius, double distance, double z);
// The older method: series for E, trapezoid rule for Pi, linear blending in bands of 0.02 R
// around the edge and fixed values near the surface; a radius below 0.001 contributes 0.
double CompatibleCircularLoadInfluence(double radius, double distance, double z);
// The plan distance each method uses: the true one (exact), or PlanDistance (compatible).
double CircleDistance(CircleMethod method, double x1, double y1, double x2, double y2);

// Complete elliptic integral of the second kind by its series, with the enlargement near the
// circle's edge at shallow depth.
double EllipticESeries(double m, double c, double depthFactor);
// Complete elliptic integral of the third kind by a 200-interval trapezoid rule.
double EllipticPi(double w, double k);

struct RectLoad {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0, q = 0;
};
struct CircleLoad {
  double x = 0, y = 0, r = 0, q = 0;
};
struct PlanLoads {
  std::vector<RectLoad> rectangles;  // in row order
  std::vector<CircleLoad> circles;   // in row order
  CircleMethod circleMethod = CircleMethod::kExact;
};

// dP at one point (x, y, z), for fields sampled anywhere (isobars): S * q of every rectangle,
// then I * q of every circle, summed from 0; z is used as given (callers floor it to 1e-5).
double LatticePointStress(const PlanLoads& loads, double x, double y, double z);

struct LatticePoint {
  double x = 0, y = 0, z = 0;
};

// dP at every point: S * q of every rectangle, then I * q of every circle, summed from 0, z used
// as given (callers floor it to 1e-5). Each point's value is the same bit for bit whatever the
// other points and the number of threads; `threads` <= 0 uses every core.
std::vector<double> LatticeStress(const PlanLoads& loads, const std::vector<LatticePoint>& points,
                                  int threads = 0);

}  // namespace qel
