// The engine checked against independent references, family by family.
#pragma once

#include <string>
#include <vector>

namespace qel {

struct VerificationFamily {
  std::string name;         // what was compared with what
  int count = 0;            // values compared
  double largestError = 0;  // largest absolute difference, per unit load
  double tolerance = 0;     // the largest difference accepted
  bool passed() const { return count > 0 && largestError <= tolerance; }
};

// Runs every family: strips and trapezoids against closed forms and quadrature, the embankment
// chart formula, the rectangle corner factor against its table and closed form, circles on the
// axis and against quadrature from the edge out, superposition, and the compatible circle
// method against its known values; then the settlement core (settlement_verification.h). Takes a
// few seconds at most.
std::vector<VerificationFamily> RunVerification();

// True when every family passed.
bool AllPassed(const std::vector<VerificationFamily>& families);

}  // namespace qel
