// The points on one segment where a field crosses given levels, sharing the evaluations.
#pragma once

#include <vector>

#include "analysis/contour_lines.h"

namespace qel {

// The field along one segment, from its end at or above the levels crossing it (t = 0) to its
// end below them (t = 1). Every level that crosses the segment is found on it, the later ones
// starting from the tightest bracket the earlier evaluations left: where many levels cross one
// segment (dense levels, or all of them within a hair of a load's edge at the surface) they
// share most of the work.
class SegmentRoots {
 public:
  SegmentRoots(const ScalarField& field, const ContourPoint& above, double fAbove,
               const ContourPoint& below, double fBelow);

  // A value of the field on the segment's line that is already known, at `t` (strictly between
  // the ends, or beyond them, where it only shapes guesses); before the first Root.
  void Know(double t, double f);

  // A point where the field is within `tolerance` of `level` (fAbove >= level > fBelow). Each
  // guess is the root of the polynomial through the samples nearest the bracket (up to six),
  // which on a smooth field lands within the tolerance in one or two evaluations. A guess that
  // does not bring the field ten times nearer the level hands over to the Illinois variant of
  // regula falsi, which copes with fronts and jumps, until the bracket is a quarter as long. Where
  // the field jumps no point comes within the tolerance: the search ends once the bracket is no
  // longer than `span` (a fraction of the segment), at the best point in it, or its middle. A
  // negative tolerance always narrows down to `span`: the vertex of a field that is constant
  // between jumps is at its jump.
  ContourPoint Root(double level, double tolerance, double span);

  // Evaluations of the field so far.
  int evaluations() const { return evaluations_; }

 private:
  struct Sample {
    double t, f;
  };
  ContourPoint At(double t) const { return {a_.u + (b_.u - a_.u) * t, a_.v + (b_.v - a_.v) * t}; }
  double Evaluate(double t);
  // The root in (samples_[k].t, samples_[k + 1].t) of the polynomial through the samples
  // k - 2 .. k + 3 (those that exist and are numbers) minus `level`.
  double InterpolatedRoot(std::size_t k, double level) const;

  const ScalarField& field_;
  ContourPoint a_, b_;
  std::vector<Sample> samples_;  // ascending t; those at t < 0 or t > 1 only shape guesses
  int evaluations_ = 0;
};

}  // namespace qel
