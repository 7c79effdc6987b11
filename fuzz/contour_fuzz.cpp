// Fuzz target: isobar levels typed as text (or the default ones of fuzzed intensities), traced
// over a field of fuzzed values on a grid (NaN, infinities and huge numbers among them) in a
// fuzzed window with fuzzed options. The typed levels follow their rules and read back from
// the text a file keeps them in, the default ones lie in their range; the lines stay in the
// window, have the points a line needs, lie on their level where the field is smooth, and do
// not depend on the threads; the areas beyond each level are rings within the window.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "analysis/contour_fill.h"
#include "analysis/contour_lines.h"
#include "analysis/isobar_levels.h"
#include "document/figure_options.h"
#include "fuzz/fuzz_support.h"

namespace {

using namespace qel;

// Few enough that one input is traced in a fraction of a second under the sanitizers.
constexpr std::size_t kMostLevels = 8;
constexpr int kMostGridSide = 7;
// Each side of the default levels holds fewer than 8 * sqrt(2) steps.
constexpr std::size_t kMostDefaultLevels = 2 * 12;

double RawDouble(FuzzedDataProvider& in) {
  const std::uint64_t bits = in.ConsumeIntegral<std::uint64_t>();
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// A value of the field: mostly small multiples of a quarter, so that lines cross typical
// levels, and every kind of number a computation can give.
double FieldValue(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 9)) {
    case 0:
      return std::numeric_limits<double>::quiet_NaN();
    case 1:
      return in.ConsumeBool() ? HUGE_VAL : -HUGE_VAL;
    case 2:
      return in.ConsumeBool() ? 1e308 : -1e308;
    case 3:
      return in.ConsumeBool() ? std::numeric_limits<double>::denorm_min() : -1e-300;
    case 4:
      return RawDouble(in);
    default:
      return 0.25 * in.ConsumeIntegralInRange(-40, 40);
  }
}

// A window coordinate: mostly half metres near the origin, sometimes any finite number up to
// 1e300 (NaN, infinities and larger ones are taken as 0). Windows over about 1e305 wide are
// left out: the tracer's lattice coordinates overflow to infinity there.
double Coordinate(FuzzedDataProvider& in) {
  if (in.ConsumeIntegralInRange(0, 7) != 0) return 0.5 * in.ConsumeIntegralInRange(-100, 100);
  const double raw = RawDouble(in);
  return std::abs(raw) <= 1e300 ? raw : 0.0;
}

// A field given by its values on a grid spread over the window, between the grid points
// either bilinear (continuous) or the nearest point's value (a step at every half cell).
struct GridField {
  int columns = 2, rows = 2;
  std::vector<double> values;  // row by row
  bool bilinear = true;
  ContourWindow window;

  double At(int i, int j) const { return values[static_cast<std::size_t>(j * columns + i)]; }

  double operator()(double u, double v) const {
    const double s = (u - window.u0) / (window.u1 - window.u0) * (columns - 1);
    const double t = (v - window.v0) / (window.v1 - window.v0) * (rows - 1);
    if (!std::isfinite(s) || !std::isfinite(t)) return std::numeric_limits<double>::quiet_NaN();
    const double sc = std::clamp(s, 0.0, columns - 1.0), tc = std::clamp(t, 0.0, rows - 1.0);
    if (!bilinear) return At(static_cast<int>(std::lround(sc)), static_cast<int>(std::lround(tc)));
    const int i = std::min(static_cast<int>(sc), columns - 2);
    const int j = std::min(static_cast<int>(tc), rows - 2);
    const double a = sc - i, b = tc - j;
    return (1 - a) * (1 - b) * At(i, j) + a * (1 - b) * At(i + 1, j) + (1 - a) * b * At(i, j + 1) +
           a * b * At(i + 1, j + 1);
  }

  // Whether the traced vertices must lie on their levels: a continuous field of moderate
  // numbers over a window whose lattice the coordinates can resolve, so that the tracer can
  // polish its roots.
  bool Smooth() const {
    auto resolvable = [](double lo, double hi) {
      const double side = hi - lo;
      return std::isfinite(side) && side > 1e-280 &&
             side > 1e-6 * std::max(std::abs(lo), std::abs(hi));
    };
    return bilinear && resolvable(window.u0, window.u1) && resolvable(window.v0, window.v1) &&
           std::all_of(values.begin(), values.end(),
                       [](double v) { return std::isfinite(v) && std::abs(v) < 1e12; });
  }
  double Largest() const {
    double largest = 0.0;
    for (double v : values)
      largest = std::max(largest, std::abs(v));
    return largest;
  }
};

// Levels typed as text: when they read, each is finite and not 0, none repeats, and the text a
// file keeps them in reads back to the same levels.
std::vector<double> TypedLevels(const std::string& text) {
  std::string error;
  const std::optional<std::vector<double>> levels = ParseIsobarLevels(text, error);
  if (!levels) {
    fuzz::Require(!error.empty(), "a refused list says why");
    return {};
  }
  fuzz::Require(!levels->empty(), "a list that reads has a level");
  for (std::size_t n = 0; n < levels->size(); ++n) {
    const double level = (*levels)[n];
    fuzz::Require(std::isfinite(level) && level != 0.0, "a typed level is finite and not 0");
    fuzz::Require(std::find(levels->begin(), levels->begin() + static_cast<std::ptrdiff_t>(n),
                            level) == levels->begin() + static_cast<std::ptrdiff_t>(n),
                  "no typed level repeats");
  }
  const std::string kept = IsobarLevelsText(*levels);
  std::string ignored;
  fuzz::Require(ParseIsobarLevels(kept, ignored) == levels, "kept levels read back as typed");
  FigureOptions options;
  ApplyFigureOptionLine("strip.isobars.levels=" + kept, options);
  fuzz::Require(options.stripIsobars.levels == *levels, "a file's levels read back as typed");
  return *levels;
}

// The default levels of the intensities: within their range, away from 0 on each side, none
// repeated, a bounded number.
std::vector<double> DefaultLevels(double largestPositive, double mostNegative) {
  const double largest = std::max(largestPositive, -mostNegative);
  const double step = DefaultIsobarStep(largest);
  if (largest >= std::numeric_limits<double>::min() * 8 && std::isfinite(largest)) {
    const double ratio = step / (largest / 8.0);
    fuzz::Require(ratio > 0.7 && ratio < 1.42, "the default step is near an eighth");
  } else if (!(largest > 0.0) || !std::isfinite(largest)) {
    fuzz::Require(step == 0.0, "no step without a positive intensity");
  }
  const std::vector<double> levels = DefaultIsobarLevels(largestPositive, mostNegative);
  fuzz::Require(levels.size() <= kMostDefaultLevels, "a bounded number of default levels");
  double previous = 0.0;
  bool negativeSeen = false;
  for (double level : levels) {
    fuzz::Require(std::isfinite(level) && level != 0.0, "a default level is finite and not 0");
    fuzz::Require(level > 0.0 ? level < largestPositive : level > mostNegative,
                  "a default level lies within the intensities");
    fuzz::Require(
        level > 0.0 ? !negativeSeen && level > previous : !negativeSeen || level < previous,
        "default levels run away from 0, the positive side first");
    negativeSeen = negativeSeen || level < 0.0;
    previous = level;
  }
  return levels;
}

bool InWindow(const ContourPoint& p, const ContourWindow& w) {
  // Vertices are computed between lattice points inside the window: a few rounding steps.
  const double slackU = 1e-12 * std::max({std::abs(w.u0), std::abs(w.u1), w.u1 - w.u0});
  const double slackV = 1e-12 * std::max({std::abs(w.v0), std::abs(w.v1), w.v1 - w.v0});
  return p.u >= w.u0 - slackU && p.u <= w.u1 + slackU && p.v >= w.v0 - slackV &&
         p.v <= w.v1 + slackV;
}

bool SameLines(const std::vector<std::vector<ContourLine>>& a,
               const std::vector<std::vector<ContourLine>>& b) {
  auto samePoint = [](const ContourPoint& p, const ContourPoint& q) {
    return std::memcmp(&p.u, &q.u, sizeof p.u) == 0 && std::memcmp(&p.v, &q.v, sizeof p.v) == 0;
  };
  if (a.size() != b.size()) return false;
  for (std::size_t l = 0; l < a.size(); ++l) {
    if (a[l].size() != b[l].size()) return false;
    for (std::size_t n = 0; n < a[l].size(); ++n) {
      const ContourLine &x = a[l][n], &y = b[l][n];
      if (x.closed != y.closed || x.points.size() != y.points.size() ||
          !std::equal(x.points.begin(), x.points.end(), y.points.begin(), samePoint))
        return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  std::vector<double> levels = TypedLevels(in.ConsumeRandomLengthString(96));
  if (levels.empty()) {
    const double positive = std::abs(FieldValue(in)), negative = -std::abs(FieldValue(in));
    levels = DefaultLevels(positive, negative);
  }
  if (levels.size() > kMostLevels) levels.resize(kMostLevels);

  GridField field;
  field.columns = in.ConsumeIntegralInRange(2, kMostGridSide);
  field.rows = in.ConsumeIntegralInRange(2, kMostGridSide);
  field.bilinear = in.ConsumeIntegralInRange(0, 3) != 0;
  field.window = {Coordinate(in), Coordinate(in), Coordinate(in), Coordinate(in)};
  for (int n = 0; n < field.columns * field.rows; ++n)
    field.values.push_back(FieldValue(in));

  ContourOptions options;
  options.coarseCells = in.ConsumeIntegralInRange(1, 8);
  options.maxRefinement = in.ConsumeIntegralInRange(0, 5);
  options.minRefinementNearLevel = in.ConsumeIntegralInRange(0, 2);
  options.valueScale = in.ConsumeBool() ? field.Largest() : FieldValue(in);
  const double positions[] = {0.0, 1e-4, 1e-3, 1e-2, 0.5};
  options.positionTolerance = positions[in.ConsumeIntegralInRange(0, 4)];
  const double roots[] = {0.0, 1e-9, 1e-5, 1e-2};
  options.rootTolerance = roots[in.ConsumeIntegralInRange(0, 3)];

  const ContourWindow& window = field.window;
  const ScalarField scalar = [&field](double u, double v) { return field(u, v); };
  const auto lines = TraceContours(scalar, window, levels, options);
  fuzz::Require(lines.size() == levels.size(), "lines for each level");
  const bool open = window.u1 > window.u0 && window.v1 > window.v0;
  const bool finite = std::isfinite(window.u1 - window.u0) && std::isfinite(window.v1 - window.v0);
  // The tracer polishes each vertex to its own tolerance (none when the scale is not a
  // number), and to the last bits of the field's values at best.
  const double polish = options.rootTolerance * std::abs(options.valueScale);
  // A vertex is final once its bracket is no longer than rootBracket of the window's longer
  // side: in a window far narrower than it is long, the short segments are shorter than that
  // and their vertices are placed to it, not polished to the level.
  const double shorter = std::min(window.u1 - window.u0, window.v1 - window.v0);
  const double longer = std::max(window.u1 - window.u0, window.v1 - window.v0);
  const bool polished = field.Smooth() && std::isfinite(polish) && shorter >= 1e-6 * longer;
  const double tolerance = std::max(polish, 1e-9 * (field.Largest() + 1.0));
  for (std::size_t l = 0; l < levels.size(); ++l) {
    if (!open) fuzz::Require(lines[l].empty(), "no line in an empty window");
    for (const ContourLine& line : lines[l]) {
      fuzz::Require(line.points.size() >= (line.closed ? 3u : 2u), "a line has its points");
      for (const ContourPoint& p : line.points) {
        if (!finite) continue;
        fuzz::Require(InWindow(p, window), "a line stays in its window");
        if (polished && std::abs(levels[l]) < 1e12)
          fuzz::Require(std::abs(field(p.u, p.v) - levels[l]) <= tolerance,
                        "a vertex lies on its level");
      }
    }
  }

  options.threads = 2;
  fuzz::Require(SameLines(TraceContours(scalar, window, levels, options), lines),
                "the lines do not depend on the threads");

  if (!open || !finite) return 0;
  for (std::size_t l = 0; l < levels.size(); ++l) {
    for (const std::vector<ContourPoint>& ring :
         ContourRegionRings(lines[l], window, scalar, levels[l])) {
      fuzz::Require(ring.size() >= 3, "a ring to fill has an area");
      for (const ContourPoint& p : ring)
        fuzz::Require(InWindow(p, window), "a ring stays in its window");
    }
  }
  return 0;
}
