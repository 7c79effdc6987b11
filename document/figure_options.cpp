// The figure options' lines in the data file: one "key=value" line for each option that
// differs from its default.
#include "document/figure_options.h"

#include <algorithm>
#include <cmath>

#include "base/c_locale.h"

namespace qel {

namespace {

std::optional<double> FiniteNumber(std::string_view text) {
  std::optional<double> value = ParseRealNumber(text);
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return value;
}

// Levels as the file holds them: finite, not 0, none repeated, at least one; anything else reads
// as nothing. Repeats are found in a sorted copy, so that a long list reads in n log n.
std::optional<std::vector<double>> LevelsFrom(std::string_view text) {
  std::vector<double> levels;
  while (true) {
    std::size_t comma = text.find(',');
    std::optional<double> level = FiniteNumber(text.substr(0, comma));
    if (!level || *level == 0.0) return std::nullopt;
    levels.push_back(*level);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  if (HasRepeatedLevel(levels)) return std::nullopt;
  return levels;
}

std::optional<bool> FlagFrom(std::string_view text) {
  if (text == "1") return true;
  if (text == "0") return false;
  return std::nullopt;
}

void AddIsobarLines(const char* prefix, const IsobarOptions& isobars,
                    std::vector<std::string>& lines) {
  const IsobarOptions defaults;
  const std::string key = std::string(prefix) + ".isobars";
  if (isobars.shown != defaults.shown) lines.push_back(key + "=" + (isobars.shown ? "1" : "0"));
  if (!isobars.levels.empty()) lines.push_back(key + ".levels=" + IsobarLevelsText(isobars.levels));
  if (isobars.fill != defaults.fill) lines.push_back(key + ".fill=" + (isobars.fill ? "1" : "0"));
}

// Sets `option` to what `value` reads as; false when it reads as nothing.
template <typename T, typename U>
bool Set(T& option, const std::optional<U>& value) {
  if (!value) return false;
  option = *value;
  return true;
}

bool ApplyIsobarLine(std::string_view key, std::string_view value, IsobarOptions& isobars) {
  if (key == "isobars") return Set(isobars.shown, FlagFrom(value));
  if (key == "isobars.levels") return Set(isobars.levels, LevelsFrom(value));
  if (key == "isobars.fill") return Set(isobars.fill, FlagFrom(value));
  return false;
}

std::optional<double> DepthFrom(std::string_view text) {
  std::optional<double> depth = FiniteNumber(text);
  if (depth && *depth < 0.0) return std::nullopt;
  return depth;
}

std::optional<SectionAxis> AxisFrom(std::string_view text) {
  if (text == "x") return SectionAxis::kAtX;
  if (text == "y") return SectionAxis::kAtY;
  return std::nullopt;
}

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

bool HasRepeatedLevel(const std::vector<double>& levels) {
  std::vector<double> sorted = levels;
  std::sort(sorted.begin(), sorted.end());
  return std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end();
}

std::string IsobarLevelsText(const std::vector<double>& levels) {
  std::string text;
  for (double level : levels) {
    if (!text.empty()) text += ',';
    text += ShortestRealText(level);
  }
  return text;
}

std::vector<std::string> FigureOptionLines(const FigureOptions& options) {
  const FigureOptions defaults;
  std::vector<std::string> lines = options.unreadLines;
  if (options.stripNotes != defaults.stripNotes)
    lines.push_back(std::string("strip.notes=") + (options.stripNotes ? "1" : "0"));
  AddIsobarLines("strip", options.stripIsobars, lines);
  if (options.rectNotes != defaults.rectNotes)
    lines.push_back(std::string("rect.notes=") + (options.rectNotes ? "1" : "0"));
  AddIsobarLines("rect", options.planIsobars, lines);
  if (options.planDepth) lines.push_back("rect.plan.depth=" + ShortestRealText(*options.planDepth));
  if (options.section.axis != defaults.section.axis)
    lines.push_back(std::string("rect.section.axis=") +
                    (options.section.axis == SectionAxis::kAtX ? "x" : "y"));
  if (options.section.at)
    lines.push_back("rect.section.at=" + ShortestRealText(*options.section.at));
  return lines;
}

bool ApplyFigureOptionLine(std::string_view line, FigureOptions& options) {
  if (IsBlank(line)) return true;
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  const std::string_view key = line.substr(0, equals);
  const std::string_view value = line.substr(equals + 1);
  auto after = [&key](std::string_view prefix) {
    return key.substr(0, prefix.size()) == prefix ? key.substr(prefix.size()) : std::string_view();
  };
  if (key == "strip.notes") return Set(options.stripNotes, FlagFrom(value));
  if (key == "rect.notes") return Set(options.rectNotes, FlagFrom(value));
  if (key == "rect.plan.depth") return Set(options.planDepth, DepthFrom(value));
  if (key == "rect.section.axis") return Set(options.section.axis, AxisFrom(value));
  if (key == "rect.section.at") return Set(options.section.at, FiniteNumber(value));
  if (!after("strip.").empty())
    return ApplyIsobarLine(after("strip."), value, options.stripIsobars);
  if (!after("rect.").empty()) return ApplyIsobarLine(after("rect."), value, options.planIsobars);
  return false;
}

bool ReadFigureOptionLine(std::string_view line, FigureOptions& options) {
  if (ApplyFigureOptionLine(line, options)) return true;
  options.unreadLines.emplace_back(line);
  return false;
}

}  // namespace qel
