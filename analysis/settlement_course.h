// The settlement of a column in time as built: the loads applied in construction stages, the
// settling layers consolidating alone, as groups of equivalent thickness or solved as one group,
// vertical drains adding radial flow, and secondary compression after primary.
//
// Use: build a SettlementCourseModel once per profile; for each column pass the final load's dP at
// the model's slice middles to Course(), then read the course at any day with At().
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "analysis/settlement_columns.h"
#include "engine/consolidation_groups.h"
#include "engine/coupled_consolidation.h"
#include "engine/load_ramp.h"
#include "engine/mode_sum.h"
#include "engine/ramp_consolidation.h"
#include "engine/settlement_column.h"
#include "engine/vertical_drains.h"

namespace qel {

// A group of settling layers as the profile sets it out (one layer alone under the layers rule).
struct CourseGroup {
  LayerGroup layers;
  // The thickness it consolidates over in m: H' = sum of h_i sqrt(cv_first / cv_i) under the
  // equivalent rule, else the sum of its layers' thicknesses. None when a layer has no cv.
  std::optional<double> thickness;
  // Hd: half the thickness with both outer faces drained, else all of it.
  std::optional<double> drainagePath;
};

// The settlement of a column at one day.
struct CoursePoint {
  double primary = 0;            // S(t), m
  std::optional<double> degree;  // U = S(t) / S; none for S = 0 and where layers settle and heave
  double secondary = 0;          // Ss(t), m
  double total() const { return primary + secondary; }
};

// One unit's share of one stage: `coefficient` times the degree of the unit under `ramp`, the
// unit's degree given by analytic modes (`modeSum` < 0) or by a ModeSum of the course.
struct CourseTerm {
  std::size_t layer = 0;
  LoadRamp ramp;
  double coefficient = 0;
  ConsolidationRates rates;
  int modeSum = -1;
};

// Secondary compression of one layer: Cα / (1 + e_p) h summed over its slices, from t_p on.
struct LayerSecondary {
  std::size_t layer = 0;
  double perLogCycle = 0;    // m
  std::optional<double> tp;  // days; none when its primary never reaches the share
};

// The course of one column.
struct SettlementCourse {
  SettlementColumn final;  // the column under the final load: the last stage's fraction
  std::vector<std::optional<double>> stageSettlements;  // dS of each stage; none without S
  // False when a settling layer has no cv, the column has no S, or (coupled) a layer's mv cannot
  // be told: the column then has no time course.
  bool hasTime = false;
  std::optional<double> t50, t90;  // days at which S(t) reaches half and nine tenths of S
  std::optional<double> residual;  // Sall(D + L) - Sall(D), with a residual period
  std::vector<CourseTerm> terms;
  std::vector<ModeSum> modeSums;
  std::vector<LayerSecondary> secondary;
};

// The coefficient of consolidation for radial flow to the drains: ch, or cv without it (cm2/day).
std::optional<double> HorizontalCv(const SoilLayer& layer);

class SettlementCourseModel {
 public:
  // Throws what SettlementModel throws for `profile`.
  explicit SettlementCourseModel(SoilProfile profile);

  const SettlementModel& model() const { return model_; }
  const SoilProfile& profile() const { return model_.profile(); }
  // The stages of the profile, or the one step to the whole load on day 0 (stage 1).
  const std::vector<LoadStage>& stages() const { return stages_; }
  const std::vector<CourseGroup>& groups() const { return groups_; }
  // The drains' geometry and smear (well resistance 0: it depends on each layer), with drains.
  const std::optional<DrainFactors>& drains() const { return drains_; }
  // Whether slice i (of the model's slices) drains radially: its middle lies above the bottom.
  bool RadiallyDrained(std::size_t slice) const;
  // mv of each layer in the column `final` (the last stage's load): given for an mv layer, else
  // the secant S / (h mean dP) of its slices; for a layer settled without settlement or load,
  // the tangent at the ground's own stresses, so that it still carries its flow; none where
  // neither can be told.
  std::vector<std::optional<double>> LayerMv(const SettlementColumn& final) const;
  // How the drains act on each layer of the column `final`: the factors of each settling layer
  // with ch (or cv), none for the others; `complete` is false when a layer's well resistance
  // cannot be told (qw given, its mv unknown).
  struct LayerDrains {
    std::vector<std::optional<DrainFactors>> layers;
    bool complete = true;
  };
  LayerDrains DrainsOfLayers(const SettlementColumn& final) const;
  // The days of the time table: the profile's times, then the residual period's two days.
  std::vector<double> TableTimes() const;

  // The course of a column whose final load (the last stage's share of the loads, as
  // ComputeSettlementColumns gives it) has `deltaP` at model().SliceMiddles(); stage k carries
  // its fraction over the last one's of it.
  // `settled`, when given, is that column already settled by a model of the same profile, and
  // is taken as it is rather than settled again.
  SettlementCourse Course(std::span<const double> deltaP,
                          const SettlementColumn* settled = nullptr) const;
  // The column's settlement on day t: none when it has no time course.
  std::optional<CoursePoint> At(const SettlementCourse& course, double t) const;

 private:
  SettlementModel model_;
  std::vector<LoadStage> stages_;
  std::vector<CourseGroup> groups_;
  std::optional<DrainFactors> drains_;
  // Each layer's mv under a vanishing load, for layers whose own load gives no secant.
  std::vector<std::optional<double>> initialMv_;
  // The whole load as a step on day 0, layer by layer, without drains: the model's own rule.
  bool plainRule_ = false;
  // The coupled groups' modes, shared by the columns (thread-safe; shared by copies).
  std::shared_ptr<CoupledModeCache> modeCache_ = std::make_shared<CoupledModeCache>();

  bool BuildTerms(const std::vector<std::vector<double>>& shares,
                  std::span<const double> finalDeltaP, SettlementCourse& course) const;
  double Primary(const SettlementCourse& course, double t,
                 std::optional<std::size_t> layer = std::nullopt) const;
  double Secondary(const SettlementCourse& course, double t) const;
};

// The course of every column settled by model().model(), under each column's own dP, computed
// on `threads` threads (<= 0: every core).
std::vector<SettlementCourse> ColumnCourses(const SettlementCourseModel& model,
                                            const std::vector<SettlementColumnResult>& columns,
                                            int threads = 0);

}  // namespace qel
