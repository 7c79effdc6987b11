// Roots of a field along one segment: polynomial guesses while they pay, then Illinois.
#include "analysis/segment_roots.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace qel {

SegmentRoots::SegmentRoots(const ScalarField& field, const ContourPoint& above, double fAbove,
                           const ContourPoint& below, double fBelow)
    : field_(field), a_(above), b_(below) {
  samples_.reserve(8);
  samples_.push_back({0.0, fAbove});
  samples_.push_back({1.0, fBelow});
}

void SegmentRoots::Know(double t, double f) {
  if (t == 0.0 || t == 1.0 || std::isnan(t)) return;
  const auto place = std::lower_bound(samples_.begin(), samples_.end(), t,
                                      [](const Sample& s, double value) { return s.t < value; });
  if (place != samples_.end() && place->t == t) return;
  samples_.insert(place, {t, f});
}

double SegmentRoots::Evaluate(double t) {
  const ContourPoint p = At(t);
  const double f = field_(p.u, p.v);
  ++evaluations_;
  auto place = std::lower_bound(samples_.begin(), samples_.end(), t,
                                [](const Sample& s, double value) { return s.t < value; });
  samples_.insert(place, {t, f});
  return f;
}

double SegmentRoots::InterpolatedRoot(std::size_t k, double level) const {
  const double ta = samples_[k].t, tb = samples_[k + 1].t;
  const double ga = samples_[k].f - level, gb = samples_[k + 1].f - level;
  const double secant = ta - ga * (tb - ta) / (gb - ga);
  // The nodes in the order the Newton form adds them: the bracket's ends first, then its
  // neighbours, so that a missing neighbour leaves a lower degree rather than a gap.
  std::array<double, 6> t{}, c{};
  std::size_t n = 0;
  for (const std::size_t index : {k, k + 1, k - 1, k + 2, k - 2, k + 3}) {
    if (n == t.size()) break;
    if (index >= samples_.size() || !std::isfinite(samples_[index].f)) continue;
    t[n] = samples_[index].t;
    c[n] = samples_[index].f - level;
    ++n;
  }
  if (n < 3 || !std::isfinite(ga) || !std::isfinite(gb)) return secant;
  // Divided differences in place: c[i] becomes g[t0, ..., ti].
  for (std::size_t order = 1; order < n; ++order)
    for (std::size_t i = n - 1; i >= order; --i)
      c[i] = (c[i] - c[i - 1]) / (t[i] - t[i - order]);
  // The polynomial is ga at ta and gb at tb, so it has a root between them: Newton's method on
  // it, kept inside a bracket that bisection narrows when a step leaves it.
  double lo = ta, hi = tb, x = secant;
  if (!(x > lo && x < hi)) x = 0.5 * (lo + hi);
  for (int iteration = 0; iteration < 40; ++iteration) {
    double p = c[n - 1], slope = 0.0;
    for (std::size_t i = n - 1; i-- > 0;) {
      slope = slope * (x - t[i]) + p;
      p = p * (x - t[i]) + c[i];
    }
    if (p == 0.0) return x;
    (p > 0.0 ? lo : hi) = x;
    double next = x - p / slope;
    if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
    if (std::abs(next - x) <= 1e-15 * (tb - ta)) return next;
    x = next;
  }
  return x;
}

ContourPoint SegmentRoots::Root(double level, double tolerance, double span) {
  // The bracket lies between the segment's ends: samples beyond them only shape guesses.
  std::size_t first = 0, last = samples_.size() - 1;
  while (samples_[first].t < 0.0)
    ++first;
  while (samples_[last].t > 1.0)
    --last;
  std::size_t k = first;
  while (k + 1 < last && !(samples_[k + 1].f < level))
    ++k;
  double ta = samples_[k].t, ga = samples_[k].f - level;
  double tb = samples_[k + 1].t, gb = samples_[k + 1].f - level;
  double bestT = std::abs(ga) <= std::abs(gb) ? ta : tb;
  double bestG = std::min(std::abs(ga), std::abs(gb));
  // A field that is constant between jumps gives nothing to interpolate.
  bool interpolating = tolerance >= 0.0;
  int side = 0;
  double widthAtFailure = HUGE_VAL;
  for (int iteration = 0; iteration < 80 && bestG > tolerance; ++iteration) {
    double t = interpolating ? InterpolatedRoot(k, level)
                             : (ga != gb ? ta - ga * (tb - ta) / (gb - ga) : 0.5 * (ta + tb));
    if (!(t > ta && t < tb)) t = 0.5 * (ta + tb);
    const double g = Evaluate(t) - level;
    // A guess from a smooth field's samples brings it orders of magnitude nearer the level.
    if (interpolating && !(std::abs(g) < 0.1 * bestG)) {
      // The field is not smooth enough here for guesses from its samples: regula falsi from
      // the bracket's true values on.
      interpolating = false;
      widthAtFailure = tb - ta;
    }
    if (std::abs(g) < bestG) {
      bestG = std::abs(g);
      bestT = t;
    }
    // The new sample sits at k + 1, between the bracket's ends.
    if (g >= 0.0) {
      ++k;
      ta = t;
      ga = g;
      if (side == 1) gb *= 0.5;
      side = interpolating ? 0 : 1;
    } else {
      tb = t;
      gb = g;
      if (side == -1) ga *= 0.5;
      side = interpolating ? 0 : -1;
    }
    if (!interpolating && tb - ta < 0.25 * widthAtFailure) {
      interpolating = true;
      side = 0;
    }
    // The field jumps across a bracket this short: the crossing is the best point in it, or
    // its middle when no point in it came nearer the level than the segment's ends.
    if (bestG > tolerance && !(tb - ta > span))
      return At(bestT >= ta && bestT <= tb ? bestT : 0.5 * (ta + tb));
  }
  return At(bestT);
}

}  // namespace qel
