// Decades, samples and S at times for the time-settlement curves.
#include "analysis/settlement_time.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace qel {

TimeDecades DecadesSpanning(std::span<const double> days) {
  double earliest = INFINITY, latest = 0.0;
  for (const double day : days)
    if (day > 0.0 && std::isfinite(day))
      earliest = std::min(earliest, day), latest = std::max(latest, day);
  if (!(latest > 0.0)) return {};
  // A day a hair above a decade (from rounding) stays on it.
  const double low = std::floor(std::log10(earliest) + 1e-9);
  const double high = std::ceil(std::log10(latest) - 1e-9);
  TimeDecades decades;
  decades.first = static_cast<int>(std::clamp(low, static_cast<double>(kEarliestDecade),
                                              static_cast<double>(kLatestDecade - 1)));
  decades.last = static_cast<int>(
      std::clamp(high, static_cast<double>(decades.first + 1), static_cast<double>(kLatestDecade)));
  decades.last = std::min(decades.last, decades.first + kMostTimeDecades);
  return decades;
}

std::vector<double> LogTimeSamples(const TimeDecades& decades, int perDecade) {
  const int per = std::max(perDecade, 1);
  const int first = std::clamp(decades.first, kEarliestDecade, kLatestDecade);
  const int last = std::clamp(decades.last, first, kLatestDecade);
  const int steps = (last - first) * per;
  std::vector<double> samples;
  samples.reserve(static_cast<std::size_t>(steps) + 1);
  for (int k = 0; k <= steps; ++k)
    samples.push_back(std::pow(10.0, first + static_cast<double>(k) / per));
  return samples;
}

std::vector<std::optional<double>> SettlementAtTimes(const SettlementCourseModel& model,
                                                     const SettlementCourse& course,
                                                     std::span<const double> days) {
  std::vector<std::optional<double>> values;
  values.reserve(days.size());
  for (const double day : days) {
    const std::optional<CoursePoint> point = model.At(course, day);
    values.push_back(point ? std::optional<double>(point->total()) : std::nullopt);
  }
  return values;
}

double LoadFractionAt(const std::vector<LoadStage>& stages, double t) {
  if (stages.empty()) return t >= 0.0 ? 1.0 : 0.0;
  double before = 0.0;
  for (const LoadStage& stage : stages) {
    if (t < stage.start) return before;
    if (t < stage.end)
      return before + (stage.fraction - before) * (t - stage.start) / (stage.end - stage.start);
    before = stage.fraction;
  }
  return before;
}

std::vector<double> DaysOfInterest(const SettlementCourseModel& model,
                                   std::span<const SettlementCourse* const> columns) {
  std::vector<double> days = model.TableTimes();
  for (const SettlementCourse* column : columns) {
    if (column->t50) days.push_back(*column->t50 * kBeforeT50);
    if (column->t90) days.push_back(*column->t90 * kAfterT90);
  }
  return days;
}

std::vector<std::size_t> ShownTimeColumns(std::span<const SettlementColumn* const> columns,
                                          const std::vector<int>& chosen, std::size_t largest) {
  std::vector<std::size_t> shown;
  if (!chosen.empty()) {
    for (const int number : chosen) {
      if (number < 1 || static_cast<std::size_t>(number) > columns.size()) continue;
      const auto index = static_cast<std::size_t>(number - 1);
      if (std::find(shown.begin(), shown.end(), index) == shown.end()) shown.push_back(index);
    }
    return shown;
  }
  std::vector<std::size_t> order(columns.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  // The greatest settlements first, ties and columns without one in their own order.
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const std::optional<double>& sa = columns[a]->total;
    const std::optional<double>& sb = columns[b]->total;
    if (sa.has_value() != sb.has_value()) return sa.has_value();
    return sa && *sa > *sb;
  });
  order.resize(std::min(order.size(), largest));
  std::sort(order.begin(), order.end());
  return order;
}

std::vector<SecondaryStart> SecondaryStarts(const SettlementCourse& course) {
  std::vector<SecondaryStart> starts;
  if (!course.hasTime) return starts;
  for (const LayerSecondary& layer : course.secondary)
    if (layer.tp && std::isfinite(*layer.tp) && layer.perLogCycle != 0.0)
      starts.push_back({layer.layer, *layer.tp});
  std::stable_sort(starts.begin(), starts.end(),
                   [](const SecondaryStart& a, const SecondaryStart& b) { return a.day < b.day; });
  return starts;
}

std::optional<std::string> NoTimeCurveReason(const SettlementCourseModel& model,
                                             const SettlementCourse& course) {
  const SettlementColumn& column = course.final;
  if (!column.total) return "沈下量を求められない分割があるため、曲線はありません";
  if (course.hasTime) return std::nullopt;
  std::string layers;
  const std::vector<SoilLayer>& profile = model.profile().layers;
  for (std::size_t i = 0; i < profile.size() && i < column.layerTotals.size(); ++i) {
    if (profile[i].cv || column.layerTotals[i].value_or(0.0) == 0.0) continue;
    if (!layers.empty()) layers += "、";
    layers += "土層 " + std::to_string(profile[i].number) + " (" + profile[i].name + ")";
  }
  if (layers.empty()) return "時間による沈下を求められないため、曲線はありません";
  return "沈下する" + layers + "に圧密係数 cv がないため、曲線はありません";
}

}  // namespace qel
