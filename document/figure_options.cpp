// The figure options' lines in the data file: one "key=value" line for each option that
// differs from its default.
#include "document/figure_options.h"

#include <algorithm>
#include <cmath>

#include "settings/c_locale.h"

namespace qel {

namespace {

std::optional<double> FiniteNumber(std::string_view text) {
  std::optional<double> value = ParseRealNumber(text);
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return value;
}

// Levels as the file holds them: finite, not 0, none repeated, at least one; anything else reads
// as nothing.
std::optional<std::vector<double>> LevelsFrom(std::string_view text) {
  std::vector<double> levels;
  while (true) {
    std::size_t comma = text.find(',');
    std::optional<double> level = FiniteNumber(text.substr(0, comma));
    if (!level || *level == 0.0 || std::find(levels.begin(), levels.end(), *level) != levels.end())
      return std::nullopt;
    levels.push_back(*level);
    if (comma == std::string_view::npos) return levels;
    text.remove_prefix(comma + 1);
  }
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

void ApplyIsobarLine(std::string_view key, std::string_view value, IsobarOptions& isobars) {
  if (key == "isobars") {
    if (auto flag = FlagFrom(value)) isobars.shown = *flag;
  } else if (key == "isobars.levels") {
    if (auto levels = LevelsFrom(value)) isobars.levels = *levels;
  } else if (key == "isobars.fill") {
    if (auto flag = FlagFrom(value)) isobars.fill = *flag;
  }
}

}  // namespace

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
  std::vector<std::string> lines;
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

void ApplyFigureOptionLine(std::string_view line, FigureOptions& options) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return;
  const std::string_view key = line.substr(0, equals);
  const std::string_view value = line.substr(equals + 1);
  auto after = [&key](std::string_view prefix) {
    return key.substr(0, prefix.size()) == prefix ? key.substr(prefix.size()) : std::string_view();
  };
  if (key == "strip.notes") {
    if (auto flag = FlagFrom(value)) options.stripNotes = *flag;
  } else if (key == "rect.notes") {
    if (auto flag = FlagFrom(value)) options.rectNotes = *flag;
  } else if (key == "rect.plan.depth") {
    if (auto depth = FiniteNumber(value); depth && *depth >= 0.0) options.planDepth = *depth;
  } else if (key == "rect.section.axis") {
    if (value == "x") options.section.axis = SectionAxis::kAtX;
    if (value == "y") options.section.axis = SectionAxis::kAtY;
  } else if (key == "rect.section.at") {
    if (auto at = FiniteNumber(value)) options.section.at = *at;
  } else if (!after("strip.").empty()) {
    ApplyIsobarLine(after("strip."), value, options.stripIsobars);
  } else if (!after("rect.").empty()) {
    ApplyIsobarLine(after("rect."), value, options.planIsobars);
  }
}

}  // namespace qel
