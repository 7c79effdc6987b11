// Adaptive Gauss-Kronrod (7/15 points) integration in long double, for reference values.
#pragma once

#include <cmath>
#include <functional>
#include <queue>
#include <vector>

namespace qel {

using RealFunction = std::function<long double(long double)>;

namespace detail {

// Kronrod nodes on [-1, 1] (non-negative half, the last is the centre) and weights; the Gauss
// 7-point rule uses the odd-indexed nodes.
inline constexpr long double kKronrodNodes[8] = {
    0.991455371120812639206854697526329L, 0.949107912342758524526189684047851L,
    0.864864423359769072789712788640926L, 0.741531185599394439863864773280788L,
    0.586087235467691130294144845693013L, 0.405845151377397166906606412076961L,
    0.207784955007898467600689403773245L, 0.0L};
inline constexpr long double kKronrodWeights[8] = {
    0.022935322010529224963732008058970L, 0.063092092629978553290700663189204L,
    0.104790010322250183839876322541518L, 0.140653259715525918745189590510238L,
    0.169004726639267902826583426598550L, 0.190350578064785409913256402421014L,
    0.204432940075298892414161999234649L, 0.209482141084727828012999174891714L};
inline constexpr long double kGaussWeights[4] = {
    0.129484966168869693270611432679082L, 0.279705391489276667901467771423780L,
    0.381830050505118944950369775488975L, 0.417959183673469387755102040816327L};

struct Piece {
  long double a, b, value, error;
  bool operator<(const Piece& other) const { return error < other.error; }
};

inline Piece Rule(const RealFunction& f, long double a, long double b) {
  const long double centre = 0.5L * (a + b);
  const long double half = 0.5L * (b - a);
  long double kronrod = kKronrodWeights[7] * f(centre);
  long double gauss = kGaussWeights[3] * f(centre);
  for (int i = 0; i < 7; ++i) {
    const long double sum =
        f(centre - half * kKronrodNodes[i]) + f(centre + half * kKronrodNodes[i]);
    kronrod += kKronrodWeights[i] * sum;
    if (i % 2 == 1) gauss += kGaussWeights[i / 2] * sum;
  }
  // The difference to the Gauss rule overstates the Kronrod rule's error by far.
  return {a, b, kronrod * half, std::fabs((kronrod - gauss) * half)};
}

}  // namespace detail

// The integral of f over [a, b] to about `tolerance` absolute (relative to the integral when
// `relative` is set). The interval with the largest error estimate is split until the estimates
// add up to the tolerance or 4000 intervals are in use, so the work is always bounded.
inline long double Integrate(const RealFunction& f, long double a, long double b,
                             long double tolerance = 1e-15L, bool relative = true) {
  if (a == b) return 0.0L;
  std::priority_queue<detail::Piece> pieces;
  pieces.push(detail::Rule(f, a, b));
  long double value = pieces.top().value;
  long double error = pieces.top().error;
  while (error > tolerance * (relative ? std::fabs(value) : 1.0L) && pieces.size() < 4000) {
    const detail::Piece worst = pieces.top();
    pieces.pop();
    const long double middle = 0.5L * (worst.a + worst.b);
    const detail::Piece left = detail::Rule(f, worst.a, middle);
    const detail::Piece right = detail::Rule(f, middle, worst.b);
    value += left.value + right.value - worst.value;
    error += left.error + right.error - worst.error;
    pieces.push(left);
    pieces.push(right);
  }
  // Sum the pieces afresh so that the running updates leave no rounding behind.
  long double sum = 0.0L;
  for (; !pieces.empty(); pieces.pop())
    sum += pieces.top().value;
  return sum;
}

}  // namespace qel
