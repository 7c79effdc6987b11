// How circular loads are evaluated: the exact closed form, or the older method kept for
// re-checking printouts made with it.
#pragma once

#include <optional>
#include <string>

namespace qel {

enum class CircleMethod {
  kExact,       // the Boussinesq integral over the disc, through complete elliptic integrals
  kCompatible,  // series and 200-interval trapezoid rule with edge blending, as older versions
};

// "exact" or "compatible": the names the command line and the profile use.
inline const char* CircleMethodName(CircleMethod method) {
  return method == CircleMethod::kCompatible ? "compatible" : "exact";
}

inline std::optional<CircleMethod> ParseCircleMethod(const std::string& name) {
  if (name == "exact") return CircleMethod::kExact;
  if (name == "compatible") return CircleMethod::kCompatible;
  return std::nullopt;
}

}  // namespace qel
