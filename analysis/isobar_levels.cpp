// Default isobar levels in round steps, and the parsing of a typed list of levels.
#include "analysis/isobar_levels.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "base/c_locale.h"
#include "document/figure_options.h"

namespace qel {

double DefaultIsobarStep(double largestIntensity) {
  if (!(largestIntensity > 0.0) || !std::isfinite(largestIntensity)) return 0.0;
  const double target = largestIntensity / 8.0;
  const double decade = std::pow(10.0, std::floor(std::log10(target)));
  double best = 0.0, bestRatio = 0.0;
  // 10 as well, so that a target just under the next decade rounds up to it.
  for (double mantissa : {1.0, 2.0, 2.5, 5.0, 10.0}) {
    const double step = mantissa * decade;
    const double ratio = std::abs(std::log(step / target));
    if (best == 0.0 || ratio < bestRatio) {
      best = step;
      bestRatio = ratio;
    }
  }
  return best;
}

namespace {

// The double nearest to `value` written with 12 significant digits: 3 * 0.1 becomes 0.3, as the
// level reads on a page or in a file.
double RoundDecimal(double value) {
  char text[32];
  const auto written =
      std::to_chars(text, text + sizeof text, value, std::chars_format::general, 12);
  double rounded = value;
  std::from_chars(text, written.ptr, rounded);
  return rounded;
}

}  // namespace

std::vector<double> DefaultIsobarLevels(double largestPositive, double mostNegative) {
  std::vector<double> levels;
  const double step = DefaultIsobarStep(std::max(largestPositive, -mostNegative));
  if (step == 0.0) return levels;
  // Multiples computed as n * step, not by adding, so that no error piles up; a level within a
  // thousandth of a step of the intensity is the loaded surface itself.
  for (int n = 1; n * step < largestPositive - step * 1e-3; ++n)
    levels.push_back(RoundDecimal(n * step));
  for (int n = 1; - n * step > mostNegative + step * 1e-3; ++n)
    levels.push_back(RoundDecimal(-n * step));
  return levels;
}

std::string IsobarLevelText(double level) {
  return FormatC("%g", level);
}

std::vector<double> DrawnIsobarLevels(const std::vector<double>& levels) {
  if (levels.size() <= kMostIsobarLevels) return levels;
  return {levels.begin(), levels.begin() + kMostIsobarLevels};
}

std::string IsobarLevelsCutText(std::size_t held) {
  if (held <= kMostIsobarLevels) return {};
  return FormatC("等圧線の値 %zu 個のうち先頭の %zu 個を描きます", held, kMostIsobarLevels);
}

std::optional<std::vector<double>> ParseIsobarLevels(const std::string& text, std::string& error) {
  std::vector<double> levels;
  std::vector<std::string> items;  // as typed, to name a repeated level
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    std::string item =
        text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    const std::size_t first = item.find_first_not_of(" \t");
    const std::size_t last = item.find_last_not_of(" \t");
    item = first == std::string::npos ? "" : item.substr(first, last - first + 1);
    if (item.empty()) {
      error = "a level is missing in \"" + text + "\"";
      return std::nullopt;
    }
    const std::optional<double> parsed = ParseRealNumber(item);
    if (!parsed) {
      error = "level \"" + item + "\" is not a number";
      return std::nullopt;
    }
    const double value = *parsed;
    if (value == 0.0) {
      error = "level 0 has no line: the stress is 0 only far from the loads";
      return std::nullopt;
    }
    levels.push_back(value);
    items.push_back(item);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  // Repeats are found in sorted order, so that a long list reads in n log n; the one named is
  // the first that repeats an earlier level.
  std::vector<std::size_t> order(levels.size());
  for (std::size_t n = 0; n < order.size(); ++n)
    order[n] = n;
  std::stable_sort(order.begin(), order.end(),
                   [&levels](std::size_t a, std::size_t b) { return levels[a] < levels[b]; });
  std::size_t repeat = levels.size();
  for (std::size_t n = 1; n < order.size(); ++n) {
    if (levels[order[n]] == levels[order[n - 1]]) repeat = std::min(repeat, order[n]);
  }
  if (repeat < levels.size()) {
    error = "level " + items[repeat] + " is given twice";
    return std::nullopt;
  }
  return levels;
}

}  // namespace qel
