// Decades, samples and S at times for the time-settlement curves.
#include "analysis/settlement_time.h"

#include <algorithm>
#include <cmath>

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

bool HasTimeBehaviour(const SettlementModel& model, const SettlementColumn& column) {
  return model.SettlementAt(column, 1.0).has_value();
}

std::vector<std::optional<double>> SettlementAtTimes(const SettlementModel& model,
                                                     const SettlementColumn& column,
                                                     std::span<const double> days) {
  std::vector<std::optional<double>> values;
  values.reserve(days.size());
  for (const double day : days)
    values.push_back(model.SettlementAt(column, day));
  return values;
}

std::vector<double> DaysOfInterest(const SettlementModel& model,
                                   std::span<const SettlementColumn* const> columns) {
  std::vector<double> days = model.profile().times;
  for (const SettlementColumn* column : columns) {
    if (column->t50) days.push_back(*column->t50 * kBeforeT50);
    if (column->t90) days.push_back(*column->t90 * kAfterT90);
  }
  return days;
}

}  // namespace qel
