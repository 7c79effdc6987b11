// A plain step-by-step evaluation of the rectangle and circle formulas, for comparing the
// engine's fast lattice path against (tests) and timing it (benchmarks).
#pragma once

#include <cmath>
#include <vector>

#include "engine/rect_circle_influence.h"

// Everything is recomputed on every call, nothing shared with the engine's sources: the
// trapezoid nodes' sines, the series coefficients and the edge-band values.
namespace qel::plain {

inline int SignTol(double v) {
  if (std::fabs(v) <= 1e-7) return 0;
  return v > 0.0 ? 1 : -1;
}

inline double Distance(double x1, double y1, double x2, double y2) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double squared = dx * dx + dy * dy;
  return squared < 1e-7 ? 0.0 : std::sqrt(squared);
}

inline double ESeries(double m, double c, double depthFactor) {
  if (m < 0.0001) return 1.5707963268;
  if (m > 0.99999) return 1.00025;
  double s = 1.0;
  double term = 1.0;
  for (int i = 1; i <= 555; ++i) {
    const double ratio = (2.0 * i - 1.0) / (2.0 * i);
    term = m * term * (ratio * ratio);
    if (std::fabs(term) < 1e-10) break;
    s = s - term / (2.0 * i - 1.0);
  }
  double e = s * 1.5707963268;
  if (std::fabs(c) < 0.011) e = e * ((0.011 - std::fabs(c)) * depthFactor + 1.0);
  return e;
}

inline double PiIntegrand(double phi, double w, double k) {
  if (k < 0.0 || k > 1.0) return -999999999.0;
  const double sine = std::sin(phi);
  const double s2 = sine * sine;
  const double c = 1.0 - s2 * k * k;
  if (c < 0.0) return -999999999.0;
  const double den = std::sqrt(c) * (s2 * w + 1.0);
  if (std::fabs(den) <= 1e-5) return 9999.0;
  return 1.0 / den;
}

inline double Pi3(double w, double k) {
  double sum = 0.0;
  for (int i = 1; i <= 199; ++i)
    sum += PiIntegrand(i * 0.007853981634, w, k);
  return (2.0 * sum + PiIntegrand(1.5707963268, w, k) + PiIntegrand(0.0, w, k)) * 0.003926990817;
}

// The circle formula in full, the load share g decided by the same relative test of the edge
// (|lambda| < 0.0001) that chooses the edge formula.
inline double Circle(double R, double rho, double z) {
  const double pi = 3.1415926536;
  if (R < 0.001) return 0.0;
  const double e = z / R;
  if (e < 0.01) {
    if (rho / R < 0.5) return 1.0;
    if (rho / R > 2.0) return 0.0;
  }
  if (rho < 0.0 || z < 0.0) return -999999.99;
  const double h = rho / R;
  const double l = h + 1.0;
  if (l < 1e-10) return -999999.99;
  const double m = l * l + e * e;
  const double k2 = 4.0 * h / m;
  const double k = k2 >= 1e-10 ? std::sqrt(k2) : 0.0;
  const double w = -4.0 * h / (l * l);
  const double t = m >= 1e-10 ? e / (pi * std::sqrt(m)) : 999999.99;
  double D = (1.0 - h) * (1.0 - h) + e * e;
  if (std::fabs(D) < 1e-7) D = 2.5e-05;
  const double G = (h * h + (e * e - 1.0)) / D;
  const double lambda = (1.0 - h) / l;
  const double g = std::fabs(lambda) < 0.0001 ? 0.5 : (rho < R ? 1.0 : 0.0);
  const double depthFactor = e < 1.7 ? (1.7 - e) * 0.5952380952380952 : 0.0;
  const double E1 = ESeries(k2, lambda, depthFactor);
  if (h < 0.0001) return g - t * (E1 * G + 1.5727);
  if (std::fabs(lambda) < 0.0001) return g - t * E1 * G;
  const double edge =
      0.5 - e / (pi * std::sqrt(e * e + 4.0)) * ESeries(4.0 / (e * e + 4.0), 0.0, depthFactor);
  if ((0.0 < lambda && lambda < 0.011) || (0.98 < h && h < 1.0)) {
    const double N1 = ESeries(3.92 / (e * e + 3.9204), 0.01010101010101011, depthFactor);
    const double G1 = ((e * e - 1.0) + 0.9603999999999999) / (e * e + 0.0004000000000000007);
    const double P1 = Pi3(-0.9998979695949393, std::sqrt(3.92 / (e * e + 3.9204)));
    const double K1 =
        1.0 - e / (pi * std::sqrt(e * e + 3.9204)) * (G1 * N1 + P1 * 0.01010101010101011);
    return K1 + (edge - K1) * (h - 0.98) * 49.99999999999996;
  }
  if ((-0.01 < lambda && lambda < 0.0) || (1.0 < h && h < 1.02)) {
    const double N2 = ESeries(4.08 / (e * e + 4.0804), -0.00990099009900991, depthFactor);
    const double G2 = ((e * e - 1.0) + 1.0404) / (e * e + 0.0004000000000000007);
    const double P2 = Pi3(-0.9999019703950593, std::sqrt(4.08 / (e * e + 4.0804)));
    const double K2 =
        -(e / (pi * std::sqrt(e * e + 4.0804)) * (G2 * N2 - P2 * 0.00990099009900991));
    return K2 + (edge - K2) * (1.02 - h) * 49.99999999999996;
  }
  return g - t * (E1 * G + lambda * Pi3(w, k));
}

inline double PointStress(const PlanLoads& loads, double x, double y, double z) {
  double stress = 0.0;
  for (const RectLoad& r : loads.rectangles) {
    // The rectangles are not what the fast path changes; the engine's own formula is used.
    stress += RectangleInfluence(x, y, z, r.x1, r.y1, r.x2, r.y2) * r.q;
  }
  for (const CircleLoad& c : loads.circles) {
    stress += Circle(c.r, Distance(x, y, c.x, c.y), z) * c.q;
  }
  return stress;
}

inline std::vector<double> Lattice(const PlanLoads& loads,
                                   const std::vector<LatticePoint>& points) {
  std::vector<double> results;
  results.reserve(points.size());
  for (const LatticePoint& p : points)
    results.push_back(PointStress(loads, p.x, p.y, p.z));
  return results;
}

}  // namespace qel::plain
