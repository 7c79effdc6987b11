// Complete elliptic integrals E and Pi from the complements kc and p, by Bulirsch's algorithm
// (an arithmetic-geometric mean iteration in which every step adds positive terms only).
#pragma once

namespace qel {

struct CompleteEllipticIntegrals {
  double e = 0.0;   // E(k)
  double pi = 0.0;  // Pi(n, k)
};

// E(k) and Pi(n, k) with p = 1 - n > 0 and kc = sqrt(1 - k^2) > 0 given directly, so that
// neither is formed by a subtraction: accurate to a few ulps however close n and k^2 come to 1.
// One iteration serves both.
CompleteEllipticIntegrals CompleteEllipticIntegralsOf(double kc, double p);

}  // namespace qel
