// qel-cli influence: the engine's influence functions on numbers read from standard input.
#include <locale.h>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "engine/rect_circle_influence.h"
#include "engine/strip_influence.h"
#include "settings/c_locale.h"

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

// The answer to one input line: the value(s), or "error: ...".
std::string Evaluate(const std::string& line) {
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
      if (a[0] != static_cast<int>(a[0])) return "error: s must be an integer";
      RampParts parts = RampInfluence(static_cast<int>(a[0]), a[1], a[2], a[3]);
      return Value(parts.part1) + " " + Value(parts.part2);
    }
    if (name == "corner") return Value(RectangleCornerInfluence(a[0], a[1]));
    if (name == "rect") return Value(RectangleInfluence(a[0], a[1], a[2], a[3], a[4], a[5], a[6]));
    if (name == "circle") return Value(CircularLoadInfluence(a[0], a[1], a[2]));
    if (name == "eseries") return Value(EllipticESeries(a[0], a[1], a[2]));
    return Value(EllipticPi(a[0], a[1]));
  }
  return "error: unknown function: " + name;
}

}  // namespace

int RunInfluence(const std::vector<std::string>& words) {
  std::string error;
  std::optional<CliArgs> args = ParseCliArgs(words, {"--data-folder"}, {}, error);
  if (!args) return UsageError(error);
  if (!args->positional.empty()) return UsageError("influence reads its input from stdin");
  for (std::string line; std::getline(std::cin, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    bool blank = line.find_first_not_of(" \t") == std::string::npos;
    std::string answer = blank ? std::string() : Evaluate(line);
    std::fputs((answer + "\n").c_str(), stdout);
  }
  return std::fflush(stdout) == 0 ? kExitOk : kExitFailure;
}

}  // namespace qel
