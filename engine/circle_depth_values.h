// Values of the circle formula that depend only on the depth ratio e = z / R.
#pragma once

namespace qel {

// The enlargement factor of E near the edge, and the edge-band anchor values (the value under
// the edge and the values at 0.98 R and 1.02 R). Every point of one circle at one depth shares
// them, so the lattice keeps one of these per circle and depth; each anchor is computed on its
// first use only.
class CircleDepthValues {
 public:
  explicit CircleDepthValues(double e = 0.0) { Reset(e); }

  // Starts over for the depth ratio e.
  void Reset(double e);

  double e() const { return e_; }
  double depthFactor() const { return depthFactor_; }

  // The value under the edge (h = 1).
  double EdgeValue();
  // The value at h = 0.98, the inner end of the band that is blended towards the edge.
  double InsideBandValue();
  // The value at h = 1.02, the outer end of that band.
  double OutsideBandValue();

 private:
  double e_ = 0.0;
  double depthFactor_ = 0.0;
  double edgeValue_ = 0.0;
  double insideBandValue_ = 0.0;
  double outsideBandValue_ = 0.0;
  bool hasEdgeValue_ = false;
  bool hasInsideBandValue_ = false;
  bool hasOutsideBandValue_ = false;
};

// I of a circle (CircularLoadInfluence) with the depth-only values taken from `depth`, which
// must have been Reset to z / radius.
double CircleInfluence(double radius, double distance, double z, CircleDepthValues& depth);

}  // namespace qel
