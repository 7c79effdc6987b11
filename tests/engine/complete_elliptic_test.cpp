// E and Pi by Bulirsch's algorithm against Carlson's symmetric forms of Boost.Math in long
// double, at the circle's singular limits (under the edge at shallow depth) and away from them.
#include "engine/complete_elliptic_pi.h"

#include <gtest/gtest.h>

#include <boost/math/special_functions/ellint_rd.hpp>
#include <boost/math/special_functions/ellint_rf.hpp>
#include <boost/math/special_functions/ellint_rj.hpp>
#include <cmath>

namespace qel {
namespace {

TEST(CompleteEllipticIntegrals, AgreeWithCarlsonsFormsToAFewUlpsUpToTheSingularLimits) {
  for (double h :
       {0.001, 0.5, 0.98, 1.0 - 1e-6, 1.0 - 1e-12, 1.0 + 1e-12, 1.0 + 1e-6, 1.02, 50.0}) {
    for (double e : {1e-8, 1e-5, 1e-3, 0.1, 1.0, 1000.0}) {
      // The complements as the circle forms them: k'^2 and 1 - n = lambda^2.
      const long double hl = h, el = e;
      const long double m = (1.0L + hl) * (1.0L + hl) + el * el;
      const long double kc2 = ((1.0L - hl) * (1.0L - hl) + el * el) / m;
      const long double lambda = (1.0L - hl) / (1.0L + hl);
      const long double n = 4.0L * hl / ((1.0L + hl) * (1.0L + hl));
      const long double rf = boost::math::ellint_rf(0.0L, kc2, 1.0L);
      const long double ellipticE =
          rf - (1.0L - kc2) / 3.0L * boost::math::ellint_rd(0.0L, kc2, 1.0L);
      const long double ellipticPi =
          rf + n / 3.0L * boost::math::ellint_rj(0.0L, kc2, 1.0L, lambda * lambda);
      const CompleteEllipticIntegrals value = CompleteEllipticIntegralsOf(
          std::sqrt(static_cast<double>(kc2)), static_cast<double>(lambda * lambda));
      EXPECT_NEAR(value.e / static_cast<double>(ellipticE), 1.0, 4e-15) << h << ", " << e;
      EXPECT_NEAR(value.pi / static_cast<double>(ellipticPi), 1.0, 4e-15) << h << ", " << e;
    }
  }
}

TEST(CompleteEllipticIntegrals, KnownValues) {
  // k = 0: E = Pi(0) = pi/2; Pi(n, 0) = pi / (2 sqrt(1 - n)).
  EXPECT_NEAR(CompleteEllipticIntegralsOf(1.0, 1.0).e, M_PI / 2.0, 1e-15);
  EXPECT_NEAR(CompleteEllipticIntegralsOf(1.0, 0.25).pi, M_PI, 1e-15);
  // E(k^2 = 1/2) = 1.3506438810476755.
  EXPECT_NEAR(CompleteEllipticIntegralsOf(std::sqrt(0.5), 1.0).e, 1.3506438810476755, 1e-15);
}

}  // namespace
}  // namespace qel
