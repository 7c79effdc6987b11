// The settlement of a column against time as numbers: the decades of a logarithmic time axis,
// the times a curve is sampled at, and S at those times and at the profile's times.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "analysis/settlement_course.h"

namespace qel {

// The decades 10^first .. 10^last days of a logarithmic time axis, first < last.
struct TimeDecades {
  int first = 0;
  int last = 4;
};

// Decades further apart than this squeeze the curves into the axis's ends, and outside
// 10^kEarliestDecade .. 10^kLatestDecade days nothing of practical interest happens.
inline constexpr int kMostTimeDecades = 12;
inline constexpr int kEarliestDecade = -4;
inline constexpr int kLatestDecade = 9;

// The whole decades around the positive finite days of `days` (others are left out): from the
// decade at or below the earliest to the one at or above the latest, at least one decade wide,
// within kEarliestDecade .. kLatestDecade and kMostTimeDecades wide, keeping the earliest days.
// Without any such day, 1 to 10^4 days.
TimeDecades DecadesSpanning(std::span<const double> days);

// Times equally spaced on the logarithmic axis, `perDecade` to a decade (at least 1), from
// 10^first to 10^last days with both ends.
std::vector<double> LogTimeSamples(const TimeDecades& decades, int perDecade);

// The settlement of a column on each of `days` as built, in metres: primary and secondary
// together (the primary alone without Cα); none at every time when the column has no course.
std::vector<std::optional<double>> SettlementAtTimes(const SettlementCourseModel& model,
                                                     const SettlementCourse& course,
                                                     std::span<const double> days);

// The days secondary compression starts in a column: t_p of each layer with Cα whose primary
// settlement reaches the profile's share of its final value, earliest first.
struct SecondaryStart {
  std::size_t layer = 0;  // index into the profile's layers
  double day = 0;
};
std::vector<SecondaryStart> SecondaryStarts(const SettlementCourse& course);

// The share of the loads in place on day t as built: rising linearly over each stage from the
// previous stage's fraction (0 before the first) to its own, held between stages; without
// stages the whole load from day 0 on.
double LoadFractionAt(const std::vector<LoadStage>& stages, double t);

// The days a display of `columns` spans: the profile's times, and for each column a tenth of
// its t50 (where U is about 16 %) and three times its t90 (U above 99.7 %), so that each curve
// shows its rise and its flattening out.
inline constexpr double kBeforeT50 = 0.1;
inline constexpr double kAfterT90 = 3.0;
std::vector<double> DaysOfInterest(const SettlementCourseModel& model,
                                   std::span<const SettlementCourse* const> columns);

// The columns of one problem (numbered from 1 in the order of the calculation table) that the
// time-settlement curves show, as indices into `columns`: the numbers `chosen` that exist, in
// the order given and each once; with no choice, the `largest` columns of the greatest final
// settlement, in their own order (columns without one come last, and only to fill the count).
inline constexpr std::size_t kDefaultTimeColumns = 6;
std::vector<std::size_t> ShownTimeColumns(std::span<const SettlementColumn* const> columns,
                                          const std::vector<int>& chosen,
                                          std::size_t largest = kDefaultTimeColumns);

// Why a column has no time-settlement curve, in one line naming the layers at fault; none when
// it has one.
std::optional<std::string> NoTimeCurveReason(const SettlementCourseModel& model,
                                             const SettlementCourse& course);

}  // namespace qel
