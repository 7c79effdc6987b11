// The verification families: each compares engine values with a reference computed another way.
#include "engine/verification.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "engine/boussinesq_references.h"
#include "engine/drain_fit_verification.h"
#include "engine/rect_circle_influence.h"
#include "engine/settlement_verification.h"
#include "engine/strip_influence.h"
#include "engine/time_verification.h"
#include "engine/verification_recorder.h"

namespace qel {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
// At depths of 1 mm and more every value agrees to 1e-9 of the load; shallower, to 1e-6.
constexpr double kDeepTolerance = 1e-9;
constexpr double kShallowTolerance = 1e-6;

// An influence value's family: errors per unit load intensity.
class Family : public VerificationRecorder {
 public:
  Family(std::string name, double tolerance)
      : VerificationRecorder(std::move(name), tolerance, ErrorUnit::kPerLoadIntensity) {}
};

// Depths from 1 mm to 20 m, and shallow ones from 1e-5 m to 1 mm.
const double kDepths[] = {0.001, 0.01, 0.1, 0.5, 1.0, 2.0, 5.0, 20.0};

double StripI(double x1, double x2, double x3, double x4, double xP, double z) {
  const StripPiece piece{x1, x2, x3, x4, 1.0, 1.0};
  return StripPieceI(piece, xP, z);
}

// A uniform strip of half width b, the point at horizontal distance x from its middle: the
// classical closed form (alpha + sin(alpha) cos(alpha + 2 delta)) / pi, with alpha the angle
// the strip subtends and delta the angle from the vertical to its near edge.
VerificationFamily UniformStrips() {
  Family family("帯状荷重 一様 (閉形式)", kDeepTolerance);
  for (double z : kDepths) {
    for (double b : {0.5, 2.0, 10.0}) {
      for (double x : {0.0, 0.3, 0.5, 0.9999999, 1.0, 1.0000001, 2.0, 3.0, 15.0}) {
        const long double xP = x * b;
        const long double delta = std::atan2(xP - b, static_cast<long double>(z));
        const long double alpha = std::atan2(xP + b, static_cast<long double>(z)) - delta;
        const long double reference =
            (alpha + std::sin(alpha) * std::cos(alpha + 2.0L * delta)) / kPi;
        family.Compare({{"z", z}, {"b", b}, {"x/b", x}},
                       StripI(-b, -b, b, b, static_cast<double>(xP), z), reference);
      }
    }
  }
  return family.result();
}

// Linearly varying strips (triangles) and trapezoids against quadrature of the kernel.
VerificationFamily TrapezoidStrips() {
  Family family("帯状荷重 三角形・台形 (数値積分)", kDeepTolerance);
  const double shapes[][4] = {{0, 3, 3, 3}, {0, 0, 0, 3}, {0, 2, 4, 6},   {0, 2, 5, 5},
                              {0, 0, 3, 5}, {0, 2, 2, 4}, {0, 1e-6, 2, 4}};
  for (const auto& s : shapes) {
    for (double z : kDepths) {
      for (double xP : {-2.0, 0.0, 1e-9, 1.0, 2.0, 2.0 + 1e-9, 3.0, 5.0, 8.0}) {
        family.Compare(
            {{"x1", s[0]}, {"x2", s[1]}, {"x3", s[2]}, {"x4", s[3]}, {"xP", xP}, {"z", z}},
            StripI(s[0], s[1], s[2], s[3], xP, z), StripReference(s[0], s[1], s[2], s[3], xP, z));
      }
    }
  }
  return family.result();
}

// Half an embankment: flat crest of width b from the point's vertical, then a slope of width a.
// Osterberg (1957), "Influence values for vertical stresses in a semi-infinite mass due to an
// embankment loading": I = ((a + b)/a (alpha1 + alpha2) - b/a alpha2) / pi with
// alpha2 = atan(b/z) and alpha1 = atan((a + b)/z) - alpha2.
VerificationFamily Embankments() {
  Family family("盛土 Osterberg の式", kDeepTolerance);
  for (double z : kDepths) {
    for (double a : {0.5, 2.0, 8.0}) {
      for (double b : {0.0, 0.5, 3.0, 12.0}) {
        const long double zl = z;
        const long double alpha2 = std::atan(b / zl);
        const long double alpha1 = std::atan((a + b) / zl) - alpha2;
        const long double reference =
            (((a + b) / static_cast<long double>(a)) * (alpha1 + alpha2) - (b / a) * alpha2) / kPi;
        family.Compare({{"z", z}, {"a", a}, {"b", b}}, StripI(0.0, 0.0, b, b + a, 0.0, z),
                       reference);
      }
    }
  }
  return family.result();
}

// The corner factor against the four-decimal values of the influence table for the corner of a
// uniformly loaded rectangle (Newmark 1935; Fadum 1948, as reproduced in the foundation
// engineering textbooks), rounded there to 0.5e-4.
VerificationFamily CornerTable() {
  Family family("長方形隅角 Fadum/Newmark 表", 0.5e-4);
  const double table[][3] = {{0.1, 0.1, 0.0047}, {0.2, 0.2, 0.0179}, {0.5, 0.5, 0.0840},
                             {1.0, 1.0, 0.1752}, {2.0, 2.0, 0.2325}, {0.5, 1.0, 0.1202},
                             {1.0, 2.0, 0.1999}};
  for (const auto& row : table)
    family.Compare({{"m", row[0]}, {"n", row[1]}}, RectangleCornerInfluence(row[0], row[1]),
                   row[2]);
  return family.result();
}

// The corner factor against Newmark's closed form in its other algebraic shape:
// (2mn sqrt(V)/(V + m^2 n^2) (V + 1)/V + atan2(2mn sqrt(V), V - m^2 n^2)) / (4 pi).
VerificationFamily CornerClosedForm() {
  Family family("長方形隅角 Newmark の閉形式", kDeepTolerance);
  const double ratios[] = {0.0, 0.01, 0.1, 0.3, 1.0, 1.5, 3.0, 10.0, 100.0, 1e4, 1e6};
  for (double m : ratios) {
    for (double n : ratios) {
      const long double ml = m, nl = n;
      const long double v = ml * ml + nl * nl + 1.0L;
      const long double mn2 = ml * ml * nl * nl;
      const long double reference = (2.0L * ml * nl * std::sqrt(v) / (v + mn2) * (v + 1.0L) / v +
                                     std::atan2(2.0L * ml * nl * std::sqrt(v), v - mn2)) /
                                    (4.0L * kPi);
      family.Compare({{"m", m}, {"n", n}}, RectangleCornerInfluence(m, n), reference);
    }
  }
  return family.result();
}

// Rectangles in every position, on and near their sides, against quadrature.
VerificationFamily Rectangles() {
  Family family("長方形 (数値積分)", kDeepTolerance);
  const double offsets[] = {-3.0, -1e-9, 0.0, 1e-9, 0.0003, 1.0, 2.0 - 1e-9, 2.0, 5.0};
  for (double z : {0.001, 0.02, 1.0, 10.0}) {
    for (double x : offsets) {
      for (double y : offsets) {
        family.Compare({{"x", x}, {"y", y}, {"z", z}},
                       RectangleInfluence(x, y, z, 0.0, 0.0, 2.0, 2.0),
                       RectangleReference(x, y, z, 0.0, 0.0, 2.0, 2.0));
      }
    }
  }
  return family.result();
}

VerificationFamily CircleAxis() {
  Family family("円形 中心軸 (閉形式)", kDeepTolerance);
  for (double radius : {0.001, 1.0, 50.0}) {
    for (double e : {1e-3, 0.01, 0.1, 0.5, 1.0, 2.0, 20.0, 1000.0}) {
      const long double ratio = 1.0L / e;
      family.Compare({{"R", radius}, {"z/R", e}},
                     ExactCircularLoadInfluence(radius, 0.0, e * radius),
                     1.0L - std::pow(1.0L + ratio * ratio, -1.5L));
    }
  }
  return family.result();
}

// Points inside, outside, on and near the edge of a circle of radius 1 m, against quadrature.
void CompareCircles(Family& family, const std::vector<double>& depths) {
  const double distances[] = {0.001, 0.2,    0.5,   0.8,  0.9,  0.96, 0.979, 0.99, 0.999, 0.9999,
                              1.0,   1.0001, 1.001, 1.01, 1.02, 1.04, 1.1,   1.5,  2.0,   4.0};
  for (double z : depths)
    for (double rho : distances)
      family.Compare({{"R", 1.0}, {"ρ", rho}, {"z", z}}, ExactCircularLoadInfluence(1.0, rho, z),
                     CircleReference(1.0L, rho, z));
}

VerificationFamily Circles() {
  Family family("円形 z/R 0.001〜20 (数値積分)", kDeepTolerance);
  CompareCircles(family, {0.001, 0.002, 0.005, 0.01, 0.02, 0.05, 0.1, 0.2, 0.3, 0.5, 0.7, 1.0, 1.5,
                          2.0, 3.0, 5.0, 8.0, 12.0, 20.0});
  return family.result();
}

VerificationFamily ShallowCircles() {
  Family family("円形 深さ 1e-5〜1 mm (数値積分)", kShallowTolerance);
  CompareCircles(family, {1e-5, 3e-5, 1e-4, 3e-4});
  return family.result();
}

// A rectangle split in two adds up to the whole; a very long rectangle is a strip.
VerificationFamily Superposition() {
  Family family("重ね合わせ (分割・帯の極限)", kDeepTolerance);
  for (double z : kDepths) {
    for (double x : {-1.0, 0.0, 0.7, 1.2, 3.0}) {
      for (double y : {-0.5, 0.0, 0.4, 2.0}) {
        const double whole = RectangleInfluence(x, y, z, -1.0, -1.0, 2.0, 1.0);
        const double parts = RectangleInfluence(x, y, z, -1.0, -1.0, 0.7, 1.0) +
                             RectangleInfluence(x, y, z, 0.7, -1.0, 2.0, 1.0);
        family.Compare({{"x", x}, {"y", y}, {"z", z}}, parts, whole);
      }
      const double length = 1e7 * z;
      family.Compare({{"x", x}, {"z", z}, {"長さ", 2 * length}},
                     RectangleInfluence(x, 0.0, z, -1.0, -length, 2.0, length),
                     StripReference(-1.0L, -1.0L, 2.0L, 2.0L, x, z));
    }
  }
  return family.result();
}

// The older circle method's known values (radius 1), to the six decimals they are given in.
VerificationFamily CompatibleCircles() {
  Family family("円形 旧版互換 (既知の値)", 0.5e-6);
  const double known[][3] = {{0.0, 1.0, 0.646018}, {0.0, 2.0, 0.283916},  {0.5, 1.0, 0.562224},
                             {1.0, 1.0, 0.331470}, {0.99, 1.0, 0.336800}, {1.01, 1.0, 0.326894},
                             {2.0, 1.0, 0.041810}, {0.4, 1e-5, 1.0},      {2.5, 1e-5, 0.0}};
  for (const auto& row : known)
    family.Compare({{"R", 1.0}, {"ρ", row[0]}, {"z", row[1]}},
                   CompatibleCircularLoadInfluence(1.0, row[0], row[1]), row[2]);
  return family.result();
}

}  // namespace

std::vector<VerificationFamily> RunVerification() {
  std::vector<VerificationFamily> families{UniformStrips(), TrapezoidStrips(),  Embankments(),
                                           CornerTable(),   CornerClosedForm(), Rectangles(),
                                           CircleAxis(),    Circles(),          ShallowCircles(),
                                           Superposition(), CompatibleCircles()};
  for (VerificationFamily& family : SettlementVerificationFamilies())
    families.push_back(std::move(family));
  for (VerificationFamily& family : TimeVerificationFamilies())
    families.push_back(std::move(family));
  for (VerificationFamily& family : DrainFitVerificationFamilies())
    families.push_back(std::move(family));
  return families;
}

bool AllPassed(const std::vector<VerificationFamily>& families) {
  return std::all_of(families.begin(), families.end(),
                     [](const VerificationFamily& family) { return family.passed(); });
}

}  // namespace qel
