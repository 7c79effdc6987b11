// Surveys of the stress field along a vertical section of the plan: where the bulbs of its lowest
// levels reach, the window the section shows, and the span of dP over it.
#include "analysis/section_survey.h"

#include <algorithm>
#include <cmath>

#include "analysis/isobar_fields.h"
#include "analysis/isobar_levels.h"
#include "analysis/isobar_windows.h"

namespace qel {

namespace {

// The lattices the field is surveyed on: columns across the window, rows down it.
constexpr int kSurveyColumns = 48;
constexpr int kSurveyRows = 48;
constexpr int kBottomHalvings = 10;
constexpr int kSpanSamples = 48;

}  // namespace

// The stretches of the section line under each rectangle and circle, as (from, to) along it.
std::vector<std::pair<double, double>> LoadedStretches(const PlanLoads& loads,
                                                       const ResolvedSection& section) {
  std::vector<std::pair<double, double>> stretches;
  for (const RectLoad& r : loads.rectangles) {
    const double across0 = section.atY ? std::min(r.y1, r.y2) : std::min(r.x1, r.x2);
    const double across1 = section.atY ? std::max(r.y1, r.y2) : std::max(r.x1, r.x2);
    if (section.at < across0 || section.at > across1) continue;
    stretches.emplace_back(section.atY ? std::min(r.x1, r.x2) : std::min(r.y1, r.y2),
                           section.atY ? std::max(r.x1, r.x2) : std::max(r.y1, r.y2));
  }
  for (const CircleLoad& c : loads.circles) {
    const double off = section.at - (section.atY ? c.y : c.x);
    if (!(std::fabs(off) < c.r)) continue;
    const double half = std::sqrt(c.r * c.r - off * off), centre = section.atY ? c.x : c.y;
    stretches.emplace_back(centre - half, centre + half);
  }
  return stretches;
}

// Where along the section each load's centre lies (a bulb is deepest under it), or with
// `edges` its two edges.
std::vector<double> LoadPlaces(const PlanLoads& loads, const ResolvedSection& section, bool edges) {
  std::vector<double> places;
  for (const RectLoad& r : loads.rectangles) {
    const double a = section.atY ? r.x1 : r.y1, b = section.atY ? r.x2 : r.y2;
    if (edges)
      places.insert(places.end(), {a, b});
    else
      places.push_back((a + b) / 2);
  }
  for (const CircleLoad& c : loads.circles) {
    const double centre = section.atY ? c.x : c.y;
    if (edges)
      places.insert(places.end(), {centre - c.r, centre + c.r});
    else
      places.push_back(centre);
  }
  return places;
}

// The levels a trace draws for the levels typed, as ComputeIsobars chooses them.
std::vector<double> SectionLevels(const std::vector<double>& typed, const PlanLoads& loads) {
  if (!typed.empty()) return DrawnIsobarLevels(typed);
  const LoadIntensities intensities = PlanIntensities(loads);
  return DefaultIsobarLevels(intensities.positive, intensities.negative);
}

BulbSurvey SurveyBulbs(const ScalarField& field, const ContourWindow& window,
                       const std::vector<double>& levels, const std::vector<double>& columns) {
  BulbSurvey survey;
  const double limit = window.v1 * kSectionDepthLimit;
  if (!(window.v1 > 0) || !std::isfinite(limit) || !std::isfinite(window.u0) ||
      !std::isfinite(window.u1) || !(window.u1 >= window.u0))
    return survey;
  double lowestPositive = 0.0, highestNegative = 0.0;
  for (double level : levels) {
    if (level > 0 && (lowestPositive == 0.0 || level < lowestPositive)) lowestPositive = level;
    if (level < 0 && (highestNegative == 0.0 || level > highestNegative)) highestNegative = level;
  }
  if (lowestPositive == 0.0 && highestNegative == 0.0) return survey;
  auto inBulb = [&](double u, double z) {
    const double dP = field(u, z);
    return (lowestPositive > 0 && dP >= lowestPositive) ||
           (highestNegative < 0 && dP <= highestNegative);
  };
  std::vector<double> us;
  for (int i = 0; i <= kSurveyColumns; ++i)
    us.push_back(window.u0 + (window.u1 - window.u0) * i / kSurveyColumns);
  for (double u : columns)
    if (u >= window.u0 && u <= window.u1) us.push_back(u);
  // The deepest row in a bulb of each column, -1 for none: the first met from the bottom up.
  const double step = limit / kSurveyRows;
  std::vector<int> deepest(us.size(), -1);
  for (std::size_t c = 0; c < us.size(); ++c) {
    for (int row = kSurveyRows; row >= 0 && deepest[c] < 0; --row)
      if (inBulb(us[c], step * row)) deepest[c] = row;
    if (deepest[c] < 0) continue;
    survey.uLow = survey.found ? std::min(survey.uLow, us[c]) : us[c];
    survey.uHigh = survey.found ? std::max(survey.uHigh, us[c]) : us[c];
    survey.found = true;
  }
  if (!survey.found) return survey;
  const int lowestRow = *std::max_element(deepest.begin(), deepest.end());
  double bottom = step * lowestRow;
  if (lowestRow < kSurveyRows) {
    // Where the columns of the lowest row leave their bulb, between it and the row below.
    for (std::size_t c = 0; c < us.size(); ++c) {
      if (deepest[c] != lowestRow) continue;
      double inside = step * lowestRow, outside = inside + step;
      for (int i = 0; i < kBottomHalvings; ++i) {
        const double middle = (inside + outside) / 2;
        (inBulb(us[c], middle) ? inside : outside) = middle;
      }
      bottom = std::max(bottom, inside);
    }
  }
  survey.bottom = std::min(limit, bottom * 1.05);
  return survey;
}

ContourWindow SectionWindow(const ContourWindow& window, const std::vector<double>& content,
                            const BulbSurvey& bulbs) {
  ContourWindow shown = window;
  if (bulbs.found) shown.v1 = std::max(window.v1, bulbs.bottom);
  std::vector<double> spans;
  for (double u : content)
    if (std::isfinite(u)) spans.push_back(u);
  if (bulbs.found) spans.insert(spans.end(), {bulbs.uLow, bulbs.uHigh});
  if (spans.empty()) return shown;
  const auto [low, high] = std::minmax_element(spans.begin(), spans.end());
  const double margin = std::max(*high - *low, shown.v1 - shown.v0) / 20.0;
  shown.u0 = *low - margin;
  shown.u1 = *high + margin;
  return shown;
}

ValueSpan SampledValueSpan(const ScalarField& field, const ContourWindow& window) {
  ValueSpan span;
  bool any = false;
  for (int i = 0; i <= kSpanSamples; ++i) {
    for (int j = 0; j <= kSpanSamples; ++j) {
      const double dP = field(window.u0 + (window.u1 - window.u0) * i / kSpanSamples,
                              window.v0 + (window.v1 - window.v0) * j / kSpanSamples);
      if (!std::isfinite(dP)) continue;
      span.low = any ? std::min(span.low, dP) : dP;
      span.high = any ? std::max(span.high, dP) : dP;
      any = true;
    }
  }
  return span;
}

ContourWindow SurveyedSectionWindow(const PlanProblem& plan, const SystemSettings& settings,
                                    const ResolvedSection& section, CircleMethod circles,
                                    const std::vector<double>& levels) {
  const ContourWindow window = SectionIsobarWindow(plan, settings, section.atY);
  PlanLoads loads = plan.engineLoads;
  loads.circleMethod = circles;
  const ScalarField field = SectionStressField(loads, section.atY, section.at);
  std::vector<double> content = LoadPlaces(loads, section, true);
  for (const PointValue& u : SectionColumns(plan, section))
    content.push_back(u.value);
  // The bulbs are looked for across the plan and whatever lies beyond it.
  ContourWindow surveyed = window;
  for (double u : content)
    if (std::isfinite(u))
      surveyed.u0 = std::min(surveyed.u0, u), surveyed.u1 = std::max(surveyed.u1, u);
  return SectionWindow(window, content,
                       SurveyBulbs(field, surveyed, SectionLevels(levels, loads),
                                   LoadPlaces(loads, section, false)));
}

ValueSpan SectionValueSpan(const PlanProblem& plan, const ResolvedSection& section,
                           CircleMethod circles, const ContourWindow& window) {
  PlanLoads loads = plan.engineLoads;
  loads.circleMethod = circles;
  return SampledValueSpan(SectionStressField(std::move(loads), section.atY, section.at), window);
}

}  // namespace qel
