// Lines of equal value of a scalar field over a rectangle, traced on an adaptively refined grid.
#pragma once

#include <functional>
#include <vector>

namespace qel {

struct ContourPoint {
  double u = 0.0, v = 0.0;
};

// The rectangle [u0, u1] x [v0, v1] the field is traced over (u0 < u1, v0 < v1).
struct ContourWindow {
  double u0 = 0.0, u1 = 0.0, v0 = 0.0, v1 = 0.0;
  friend bool operator==(const ContourWindow&, const ContourWindow&) = default;
};

// One line of equal value: closed (its last point joins its first, which is not repeated) or
// running from one edge of the window to another.
struct ContourLine {
  std::vector<ContourPoint> points;
  bool closed = false;
};

struct ContourOptions {
  // Cells along the longer side of the window before any refinement; the shorter side gets
  // cells of about the same size.
  int coarseCells = 32;
  // Halvings of a coarse cell at most: the smallest cell is 2^-maxRefinement of a coarse one.
  int maxRefinement = 7;
  // Halvings that every cell near a level gets, so that lines bend smoothly.
  int minRefinementNearLevel = 1;
  // The field's scale (for stresses, the largest load intensity): the root tolerance is a
  // fraction of it.
  double valueScale = 1.0;
  // A cell near a level is halved while a line through it could lie further than this
  // fraction of the window's longer side from where straight pieces put it: the departure of
  // the field at the cell's edge midpoints and centre from the bilinear interpolation of its
  // corners, divided by the field's slope across the cell. Steep fronts, where the slope is
  // large, need no more cells than the line's bends ask for; flat tops and saddles get many.
  // Cells no larger than this are never halved for it.
  double positionTolerance = 0.001;
  // Every vertex is polished until the field there is within this fraction of valueScale of
  // its level (or its bracket cannot shrink further). Negative for a field that is constant
  // between jumps: every vertex is then placed at its jump, within rootBracket.
  double rootTolerance = 1e-5;
  // A vertex the field does not bring within that tolerance (where it jumps) is final once the
  // bracket around it is no longer than this fraction of the window's longer side. Fields that
  // are continuous, however steep (a load's edge at the floored depth of 1e-5 m), reach the
  // tolerance first.
  double rootBracket = 1e-12;
  // Threads of the executor that evaluate the field (the calling one included; kAllWorkers:
  // every one); the lines do not depend on it.
  int threads = 1;
};

// A field to trace; it must be safe to call from several threads at once.
using ScalarField = std::function<double(double u, double v)>;

// Whether TraceContours can trace over `window`: its edges finite, its sides positive, and
// every point of its finest lattice a finite number distinct from its neighbours (a window far
// larger than any figure, or too narrow for its distance from 0, has points that are not).
bool TraceableWindow(const ContourWindow& window, const ContourOptions& options = {});

// For each level, in the order given, the lines where `field` equals it. Marching squares on
// the leaves of a quadtree: a coarse cell is halved where a level passes near it and the field
// bends, cells meet their smaller neighbours at the neighbours' corners so lines never break,
// a cell that four crossings pass is resolved by the value at its centre, and every vertex is
// the field's own root on its cell edge. Nothing over a window that is not TraceableWindow.
std::vector<std::vector<ContourLine>> TraceContours(const ScalarField& field,
                                                    const ContourWindow& window,
                                                    const std::vector<double>& levels,
                                                    const ContourOptions& options = {});

}  // namespace qel
