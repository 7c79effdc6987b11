// One input line of qel-cli influence.
#include "cli/influence_line.h"

#include <locale.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "base/c_locale.h"
#include "document/load_lists.h"
#include "engine/rect_circle_influence.h"
#include "engine/strip_influence.h"

namespace qel {

namespace {

// A whole token as a number in the C locale; false when any of it is not part of the number.
bool ParseNumber(const std::string& token, double& value) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  char* end = nullptr;
  value = strtod_l(token.c_str(), &end, cLocale);
  return !token.empty() && end == token.c_str() + token.size();
}

std::string Value(double v) {
  return FormatC("%.17g", v);
}

// Whether `value` is a whole number an int can hold (checked before any conversion: NaN and
// 1e300 have no int).
bool IsInt(double value) {
  return value >= INT_MIN && value <= INT_MAX && value == std::trunc(value);
}

}  // namespace

std::string EvaluateInfluenceLine(const std::string& line, CircleMethod method) {
  std::istringstream words(line);
  std::string name;
  words >> name;
  std::vector<double> a;
  for (std::string token; words >> token;) {
    double value;
    if (!ParseNumber(token, value)) return "error: not a number: " + token;
    a.push_back(value);
  }
  struct Function {
    const char* name;
    std::size_t arguments;
    const char* usage;
  };
  static const Function kFunctions[] = {
      {"strip", 6, "strip z xP centre leftWidth halfTop rightWidth"},
      {"ramp", 4, "ramp s x z w"},
      {"corner", 2, "corner m n"},
      {"rect", 7, "rect xP yP z X1 Y1 X2 Y2"},
      {"circle", 3, "circle R rho z"},
      {"eseries", 3, "eseries m c depthFactor"},
      {"epi", 2, "epi w k"},
  };
  for (const Function& f : kFunctions) {
    if (name != f.name) continue;
    if (a.size() != f.arguments) return std::string("error: usage: ") + f.usage;
    if (name == "strip") return Value(StripPieceInfluence(a[0], a[1], a[2], a[3], a[4], a[5]));
    if (name == "ramp") {
      if (!IsInt(a[0])) return "error: s must be a whole number within the int range";
      RampParts parts = RampInfluence(static_cast<int>(a[0]), a[1], a[2], a[3]);
      return Value(parts.part1) + " " + Value(parts.part2);
    }
    if (name == "corner") return Value(RectangleCornerInfluence(a[0], a[1]));
    if (name == "rect") {
      // A point on the surface (z from 0 to 1e-5) gets the depth the program gives a lattice
      // point there; at z = 0 itself the side ratios would be 0 / 0.
      const double z = a[2] >= 0 ? FlooredLatticeDepth(a[2]) : a[2];
      return Value(RectangleInfluence(a[0], a[1], z, a[3], a[4], a[5], a[6]));
    }
    if (name == "circle") return Value(CircularLoadInfluence(a[0], a[1], a[2], method));
    if (name == "eseries") return Value(EllipticESeries(a[0], a[1], a[2]));
    return Value(EllipticPi(a[0], a[1]));
  }
  return "error: unknown function: " + name;
}

}  // namespace qel
