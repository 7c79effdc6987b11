// Vectorised evaluation of Pi's integrand at the trapezoid nodes, summed in node order.
#include "engine/elliptic_pi_kernel.h"

#include <cmath>

#include "engine/elliptic_tables.h"

namespace qel {

namespace {

// The integrand values are independent of each other, so they are computed first in a
// branch-free loop the compiler can vectorise; square root, division, multiplication and
// addition round identically in every instruction set, so the values are the scalar ones. Only
// the summation has to stay sequential. On x86-64 with GCC a copy of the loop is built for
// AVX-512 and AVX2 and the best one the processor supports is chosen when the program starts.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
__attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")))
#endif
double
SumOfIntegrandValues(const double* __restrict sinSquared, int count, double w, double k) {
  double values[kTrapezoidIntervals];
  for (int i = 0; i < count; ++i) {
    const double radicand = 1.0 - sinSquared[i] * k * k;
    const double denominator =
        std::sqrt(radicand < 0.0 ? 0.0 : radicand) * (sinSquared[i] * w + 1.0);
    const double reciprocal = 1.0 / denominator;
    values[i] =
        radicand < 0.0 ? -999999999.0 : (std::fabs(denominator) <= 1e-5 ? 9999.0 : reciprocal);
  }
  double sum = 0.0;
  for (int i = 0; i < count; ++i)
    sum += values[i];
  return sum;
}

}  // namespace

double TrapezoidInteriorSum(const double* sinSquared, int count, double w, double k) {
  return SumOfIntegrandValues(sinSquared, count, w, k);
}

}  // namespace qel
