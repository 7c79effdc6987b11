// The settlement of a column in time as built, by stages, consolidation groups, drains and
// secondary compression.
#include "analysis/settlement_course.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <thread>

#include "engine/coupled_consolidation.h"
#include "engine/equivalent_thickness.h"
#include "engine/secondary_compression.h"
#include "engine/worker_threads.h"

namespace qel {

namespace {

double LayerThickness(const SoilProfile& profile, std::size_t layer) {
  return profile.layers[layer].bottom - LayerTop(profile, layer);
}

// A load too small to bend any layer's curve (kN/m2): the secant under it is the tangent at the
// ground's own stresses.
constexpr double kProbeLoad = 1e-4;

// Each layer's secant mv S / (h mean dP) in `column`; none where it is not a positive number
// (no settlement, no load, a layer that does not settle).
std::vector<std::optional<double>> SecantMv(const SettlementModel& model,
                                            const SettlementColumn& column) {
  const SoilProfile& p = model.profile();
  std::vector<std::optional<double>> mv(p.layers.size());
  std::vector<double> load(p.layers.size(), 0.0);  // per layer: h times the mean dP
  for (std::size_t i = 0; i < column.slices.size(); ++i)
    load[static_cast<std::size_t>(model.slices()[i].layer)] +=
        column.slices[i].deltaP * model.slices()[i].thickness;
  for (std::size_t layer = 0; layer < p.layers.size(); ++layer) {
    const std::optional<double>& settlement = column.layerTotals[layer];
    if (!settlement || load[layer] == 0.0) continue;
    const double secant = *settlement / load[layer];
    if (std::isfinite(secant) && secant > 0.0) mv[layer] = secant;
  }
  return mv;
}

}  // namespace

std::optional<double> HorizontalCv(const SoilLayer& layer) {
  return layer.ch ? layer.ch : layer.cv;
}

SettlementCourseModel::SettlementCourseModel(SoilProfile profile) : model_(std::move(profile)) {
  const SoilProfile& p = model_.profile();
  stages_ = p.stages.empty() ? std::vector<LoadStage>{{1, 0.0, 0.0, 1.0}} : p.stages;
  plainRule_ = p.stages.empty() && p.consolidation == ConsolidationRule::kLayers && !p.drains;
  for (const LayerGroup& layers : ConsolidationGroups(p)) {
    CourseGroup group{layers, std::nullopt, std::nullopt};
    std::vector<LayerThicknessAndCv> parts;
    bool allCv = true;
    for (std::size_t i = layers.first; i <= layers.last; ++i) {
      allCv = allCv && p.layers[i].cv.has_value();
      parts.push_back({LayerThickness(p, i), p.layers[i].cv.value_or(0.0)});
    }
    if (allCv) {
      double thickness = 0;
      if (p.consolidation == ConsolidationRule::kEquivalent) {
        thickness = EquivalentThickness(parts, 0);
      } else {
        for (const LayerThicknessAndCv& part : parts)
          thickness += part.thickness;
      }
      group.thickness = thickness;
      group.drainagePath = layers.topDrained && layers.bottomDrained ? thickness / 2.0 : thickness;
    }
    groups_.push_back(group);
  }
  if (p.drains) drains_ = DrainFactorsFor(*p.drains, 0.0);
  try {
    const std::vector<double> probe(model_.slices().size(), kProbeLoad);
    initialMv_ = SecantMv(model_, model_.Column(probe));
  } catch (const std::exception&) {
    initialMv_.assign(p.layers.size(), std::nullopt);
  }
}

bool SettlementCourseModel::RadiallyDrained(std::size_t slice) const {
  const std::optional<VerticalDrains>& drains = profile().drains;
  return drains && model_.slices()[slice].middle < drains->bottom;
}

std::vector<std::optional<double>> SettlementCourseModel::LayerMv(
    const SettlementColumn& final) const {
  const SoilProfile& p = profile();
  std::vector<std::optional<double>> mv = SecantMv(model_, final);
  for (std::size_t layer = 0; layer < p.layers.size(); ++layer) {
    const SoilLayer& soil = p.layers[layer];
    if (soil.method == SettlementMethod::kMv)
      mv[layer] = soil.mv > 0.0 ? std::optional<double>(soil.mv) : std::nullopt;
    else if (!mv[layer] && final.layerTotals[layer])
      mv[layer] = initialMv_[layer];
  }
  return mv;
}

SettlementCourseModel::LayerDrains SettlementCourseModel::DrainsOfLayers(
    const SettlementColumn& final) const {
  const SoilProfile& p = profile();
  LayerDrains drains;
  drains.layers.assign(p.layers.size(), std::nullopt);
  if (!p.drains) return drains;
  const std::vector<std::optional<double>> mv = LayerMv(final);
  for (std::size_t layer = 0; layer < p.layers.size(); ++layer) {
    const SoilLayer& soil = p.layers[layer];
    const std::optional<double> ch = HorizontalCv(soil);
    if (!ch || soil.method == SettlementMethod::kNone) continue;
    double kh = 0;
    if (p.drains->qw) {
      if (!mv[layer]) {
        drains.complete = false;
        continue;
      }
      kh = HorizontalPermeability(*ch, *mv[layer], p.gammaW);
    }
    drains.layers[layer] = DrainFactorsFor(*p.drains, kh);
  }
  return drains;
}

std::vector<double> SettlementCourseModel::TableTimes() const {
  std::vector<double> times = profile().times;
  if (profile().residual) {
    times.push_back(profile().residual->paving);
    times.push_back(profile().residual->paving + profile().residual->service);
  }
  return times;
}

SettlementCourse SettlementCourseModel::Course(std::span<const double> deltaP,
                                               const SettlementColumn* settled) const {
  const std::vector<SoilSlice>& slices = model_.slices();
  const SoilProfile& p = profile();
  SettlementCourse course;
  const double lastFraction = stages_.back().fraction;
  course.final = settled ? *settled : model_.Column(deltaP);
  course.stageSettlements.assign(stages_.size(), std::nullopt);
  if (!course.final.total) return course;

  // Each stage's share of each slice: S(f_k) - S(f_k-1) with the method's own nonlinearity.
  std::vector<std::vector<double>> shares(stages_.size(), std::vector<double>(slices.size()));
  std::vector<double> before(slices.size(), 0.0);
  for (std::size_t k = 0; k < stages_.size(); ++k) {
    double stageTotal = 0;
    bool settled = true;
    for (std::size_t i = 0; i < slices.size(); ++i) {
      std::optional<double> now = course.final.slices[i].settlement;
      if (k + 1 < stages_.size()) {
        const SoilLayer& layer = p.layers[static_cast<std::size_t>(slices[i].layer)];
        const ElogPCurve* curve = nullptr;
        if (layer.method == SettlementMethod::kElogP) {
          for (const ElogPCurve& c : p.curves)
            if (c.number == layer.curve) curve = &c;
        }
        now = SettleSlice(layer, curve, slices[i].sigma0,
                          deltaP[i] * (stages_[k].fraction / lastFraction), slices[i].thickness)
                  .settlement;
      }
      if (!now) {
        settled = false;
        continue;
      }
      shares[k][i] = *now - before[i];
      before[i] = *now;
      stageTotal += shares[k][i];
    }
    if (!settled) return course;
    course.stageSettlements[k] = stageTotal;
  }
  if (!BuildTerms(shares, deltaP, course)) return course;
  course.hasTime = true;

  const double total = *course.final.total;
  if (plainRule_) {
    course.t50 = course.final.t50;
    course.t90 = course.final.t90;
  } else if (At(course, 1.0) && At(course, 1.0)->degree) {
    auto primary = [&](double t) { return Primary(course, t); };
    course.t50 = TimeToReachFraction(primary, total, 0.5);
    course.t90 = TimeToReachFraction(primary, total, 0.9);
  }

  // Secondary compression, layer by layer, from the day its primary reaches the share.
  for (std::size_t layer = 0; layer < p.layers.size(); ++layer) {
    const SoilLayer& soil = p.layers[layer];
    if (!soil.calpha || !course.final.layerTotals[layer]) continue;
    LayerSecondary part{layer, 0.0, std::nullopt};
    bool hasVoidRatio = true;
    for (std::size_t i = 0; i < slices.size(); ++i) {
      if (static_cast<std::size_t>(slices[i].layer) != layer) continue;
      // e_p: the slice's e1, or for mv the layer's e0 where it is given.
      const std::optional<double> ep = soil.method != SettlementMethod::kMv
                                           ? course.final.slices[i].e1
                                       : soil.e0 > 0.0 ? std::optional<double>(soil.e0)
                                                       : std::nullopt;
      if (!ep) {
        hasVoidRatio = false;
        break;
      }
      part.perLogCycle += *soil.calpha / (1.0 + *ep) * slices[i].thickness;
    }
    if (!hasVoidRatio || part.perLogCycle == 0.0) continue;
    auto primary = [&](double t) { return Primary(course, t, layer); };
    part.tp = TimeToReachFraction(primary, *course.final.layerTotals[layer], p.secondaryStart);
    course.secondary.push_back(part);
  }
  if (p.residual) {
    const double paving = p.residual->paving;
    const std::optional<CoursePoint> start = At(course, paving);
    const std::optional<CoursePoint> end = At(course, paving + p.residual->service);
    if (start && end) course.residual = end->total() - start->total();
  }
  return course;
}

bool SettlementCourseModel::BuildTerms(const std::vector<std::vector<double>>& shares,
                                       std::span<const double> finalDeltaP,
                                       SettlementCourse& course) const {
  const SoilProfile& p = profile();
  const std::vector<SoilSlice>& slices = model_.slices();
  const std::vector<std::optional<double>> mv = LayerMv(course.final);
  // The radial rate of each layer's drained slices.
  std::vector<double> radial(p.layers.size(), 0.0);
  if (p.drains) {
    const LayerDrains drains = DrainsOfLayers(course.final);
    if (!drains.complete) return false;
    for (std::size_t layer = 0; layer < p.layers.size(); ++layer) {
      const std::optional<DrainFactors>& factors = drains.layers[layer];
      if (factors)
        radial[layer] = RadialRate(*HorizontalCv(p.layers[layer]), factors->de, factors->mu());
    }
  }

  for (const CourseGroup& group : groups_) {
    const LayerGroup& layers = group.layers;
    bool settles = false;
    for (std::size_t layer = layers.first; layer <= layers.last; ++layer)
      settles = settles || course.final.layerTotals[layer].value_or(0.0) != 0.0;
    if (!settles) continue;
    if (!group.thickness) return false;
    if (p.consolidation == ConsolidationRule::kCoupled) {
      ConsolidationGroup solved{{}, layers.topDrained, layers.bottomDrained};
      std::vector<std::size_t> cellSlices;
      for (std::size_t i = 0; i < slices.size(); ++i) {
        const auto layer = static_cast<std::size_t>(slices[i].layer);
        if (layer < layers.first || layer > layers.last) continue;
        if (!mv[layer]) return false;
        solved.cells.push_back({slices[i].thickness, *p.layers[layer].cv * 1e-4, *mv[layer],
                                finalDeltaP[i], RadiallyDrained(i) ? radial[layer] : 0.0});
        cellSlices.push_back(i);
      }
      try {
        const CoupledConsolidation solution(solved, {}, modeCache_.get());
        for (std::size_t layer = layers.first; layer <= layers.last; ++layer) {
          for (std::size_t k = 0; k < stages_.size(); ++k) {
            std::vector<double> coefficients(cellSlices.size(), 0.0);
            double sum = 0;
            for (std::size_t c = 0; c < cellSlices.size(); ++c) {
              if (static_cast<std::size_t>(slices[cellSlices[c]].layer) != layer) continue;
              coefficients[c] = shares[k][cellSlices[c]];
              sum += std::abs(coefficients[c]);
            }
            if (sum == 0.0) continue;
            course.modeSums.push_back(solution.Combined(coefficients));
            CourseTerm term{layer, {stages_[k].start, stages_[k].end}, 1.0, {}, 0};
            term.modeSum = static_cast<int>(course.modeSums.size()) - 1;
            course.terms.push_back(term);
          }
        }
      } catch (const std::exception&) {
        return false;
      }
      continue;
    }
    const double vertical =
        1e-4 * *p.layers[layers.first].cv / *group.drainagePath / *group.drainagePath;
    for (std::size_t layer = layers.first; layer <= layers.last; ++layer) {
      for (const bool drained : {false, true}) {
        const ConsolidationRates rates{vertical, drained ? radial[layer] : 0.0};
        for (std::size_t k = 0; k < stages_.size(); ++k) {
          double coefficient = 0;
          for (std::size_t i = 0; i < slices.size(); ++i) {
            if (static_cast<std::size_t>(slices[i].layer) == layer && RadiallyDrained(i) == drained)
              coefficient += shares[k][i];
          }
          if (coefficient != 0.0)
            course.terms.push_back(
                {layer, {stages_[k].start, stages_[k].end}, coefficient, rates, -1});
        }
      }
    }
  }
  return true;
}

double SettlementCourseModel::Primary(const SettlementCourse& course, double t,
                                      std::optional<std::size_t> layer) const {
  const bool terzaghi = profile().timeLoading == TimeLoading::kTerzaghi;
  double settlement = 0;
  for (const CourseTerm& term : course.terms) {
    if (layer && term.layer != *layer) continue;
    double degree = 0;
    if (term.modeSum >= 0) {
      const ModeSum& modes = course.modeSums[static_cast<std::size_t>(term.modeSum)];
      degree = terzaghi ? CorrectedForConstruction(
                              [&](double elapsed) { return modes.Step(elapsed); }, term.ramp, t)
                        : modes.Ramp(term.ramp, t);
    } else {
      degree = terzaghi
                   ? CorrectedForConstruction(
                         [&](double elapsed) { return StepConsolidation(term.rates, elapsed); },
                         term.ramp, t)
                   : RampConsolidation(term.rates, term.ramp, t);
    }
    settlement += term.coefficient * degree;
  }
  return settlement;
}

double SettlementCourseModel::Secondary(const SettlementCourse& course, double t) const {
  double settlement = 0;
  for (const LayerSecondary& part : course.secondary) {
    if (part.tp) settlement += SecondaryCompression(1.0, 0.0, part.perLogCycle, *part.tp, t);
  }
  return settlement;
}

std::optional<CoursePoint> SettlementCourseModel::At(const SettlementCourse& course,
                                                     double t) const {
  if (!course.hasTime) return std::nullopt;
  CoursePoint point;
  if (plainRule_) {
    const std::optional<double> primary = model_.SettlementAt(course.final, t);
    if (!primary) return std::nullopt;
    point.primary = *primary;
    point.degree = model_.DegreeAt(course.final, t);
  } else {
    point.primary = Primary(course, t);
    const double total = *course.final.total;
    bool settles = false, heaves = false;
    for (const std::optional<double>& layerTotal : course.final.layerTotals) {
      settles = settles || layerTotal.value_or(0.0) > 0.0;
      heaves = heaves || layerTotal.value_or(0.0) < 0.0;
    }
    if (total != 0.0 && !(settles && heaves))
      point.degree = std::clamp(point.primary / total, 0.0, 1.0);
  }
  point.secondary = Secondary(course, t);
  return point;
}

std::vector<SettlementCourse> ColumnCourses(const SettlementCourseModel& model,
                                            const std::vector<SettlementColumnResult>& columns,
                                            int threads) {
  std::vector<SettlementCourse> courses(columns.size());
  const int available =
      threads > 0 ? threads : static_cast<int>(std::thread::hardware_concurrency());
  const int count =
      std::clamp(available, 1, static_cast<int>(std::max<std::size_t>(columns.size(), 1)));
  ChunkQueue queue(columns.size());
  RunWorkers(count, [&] {
    while (const std::optional<std::size_t> c = queue.Next()) {
      const std::vector<SliceSettlement>& slices = columns[*c].values.slices;
      std::vector<double> deltaP(slices.size());
      for (std::size_t i = 0; i < slices.size(); ++i)
        deltaP[i] = slices[i].deltaP;
      courses[*c] = model.Course(deltaP, &columns[*c].values);
    }
  });
  return courses;
}

}  // namespace qel
