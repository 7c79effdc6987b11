// The interior sum of the trapezoid rule for Pi, the engine's innermost loop.
#pragma once

namespace qel {

// Sum, in order of i and starting from 0, of the integrand of Pi at the `count` nodes whose
// sin^2 are sinSquared[0..count-1]; requires 0 <= k <= 1. Bit-identical to adding up
// EllipticPiIntegrandAtSinSquared node by node.
double TrapezoidInteriorSum(const double* sinSquared, int count, double w, double k);

}  // namespace qel
