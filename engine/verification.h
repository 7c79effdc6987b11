// The engine checked against independent references, family by family.
#pragma once

#include <string>
#include <vector>

namespace qel {

// The unit of a family's errors: influence values are compared per unit load intensity, the
// settlement core in metres, in stress units or as pure numbers.
enum class ErrorUnit { kPerLoadIntensity, kMetre, kStress, kNone };

// One input of a compared value: its name and number ("z", 0.5).
struct VerificationInput {
  std::string name;
  double value = 0;
};

// One value compared: what it was computed for, the reference, the program's value and the
// absolute difference.
struct VerificationSample {
  int index = 0;  // 1-based position among the family's comparisons
  std::vector<VerificationInput> inputs;
  double reference = 0;
  double value = 0;
  double error = 0;
  bool largest = false;  // the comparison with the family's largest error
};

struct VerificationFamily {
  std::string name;  // what was compared with what
  ErrorUnit unit = ErrorUnit::kPerLoadIntensity;
  int count = 0;            // values compared
  double largestError = 0;  // largest absolute difference, in `unit`
  double tolerance = 0;     // the largest difference accepted
  // Evidence: the first comparison, a middle one and the one with the largest error, in the
  // order they were made, each once.
  std::vector<VerificationSample> samples;
  bool passed() const { return count > 0 && largestError <= tolerance; }
};

// Runs every family: strips and trapezoids against closed forms and quadrature, the embankment
// chart formula, the rectangle corner factor against its table and closed form, circles on the
// axis and against quadrature from the edge out, superposition, and the compatible circle
// method against its known values; then the settlement core (settlement_verification.h), its
// course in time (time_verification.h), and the vertical drains and the settlement fits
// (drain_fit_verification.h). Takes a few seconds at most.
std::vector<VerificationFamily> RunVerification();

// True when every family passed.
bool AllPassed(const std::vector<VerificationFamily>& families);

}  // namespace qel
