// A column's slices, totals and consolidation in time.
#include "engine/settlement_column.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "engine/consolidation_degree.h"

namespace qel {

SettlementModel::SettlementModel(SoilProfile profile) : profile_(std::move(profile)) {
  slices_ = CutIntoSlices(profile_);
  for (const SoilLayer& layer : profile_.layers) {
    int curve = -1;
    if (layer.method == SettlementMethod::kElogP) {
      for (std::size_t c = 0; c < profile_.curves.size(); ++c) {
        if (profile_.curves[c].number == layer.curve) curve = static_cast<int>(c);
      }
      const ElogPCurve* found =
          curve < 0 ? nullptr : &profile_.curves[static_cast<std::size_t>(curve)];
      if (!found || found->p.size() < 2 || found->e.size() != found->p.size())
        throw std::invalid_argument("an e-log p layer needs a curve of two points or more");
    }
    curves_.push_back(curve);
  }
}

const ElogPCurve* SettlementModel::CurveOf(int layer) const {
  const int curve = curves_[static_cast<std::size_t>(layer)];
  return curve < 0 ? nullptr : &profile_.curves[static_cast<std::size_t>(curve)];
}

std::vector<double> SettlementModel::SliceMiddles() const {
  std::vector<double> depths;
  depths.reserve(slices_.size());
  for (const SoilSlice& slice : slices_)
    depths.push_back(slice.middle);
  return depths;
}

SettlementColumn SettlementModel::Column(std::span<const double> deltaP) const {
  if (deltaP.size() != slices_.size())
    throw std::invalid_argument("one dP is needed for every slice");
  SettlementColumn column;
  column.layerTotals.assign(profile_.layers.size(), std::nullopt);
  std::vector<bool> complete(profile_.layers.size(), true);
  column.slices.reserve(slices_.size());
  for (std::size_t i = 0; i < slices_.size(); ++i) {
    const SoilSlice& slice = slices_[i];
    const SoilLayer& layer = profile_.layers[static_cast<std::size_t>(slice.layer)];
    column.slices.push_back(
        SettleSlice(layer, CurveOf(slice.layer), slice.sigma0, deltaP[i], slice.thickness));
    std::optional<double>& layerTotal = column.layerTotals[static_cast<std::size_t>(slice.layer)];
    if (const std::optional<double>& s = column.slices.back().settlement)
      layerTotal = layerTotal.value_or(0.0) + *s;
    else
      complete[static_cast<std::size_t>(slice.layer)] = false;
  }
  bool whole = true;
  double total = 0.0;
  for (std::size_t i = 0; i < profile_.layers.size(); ++i) {
    if (!complete[i]) column.layerTotals[i].reset();
    if (profile_.layers[i].method == SettlementMethod::kNone) continue;
    if (column.layerTotals[i])
      total += *column.layerTotals[i];
    else
      whole = false;
  }
  if (whole) column.total = total;
  column.t50 = TimeToReach(column, 0.5);
  column.t90 = TimeToReach(column, 0.9);
  return column;
}

std::optional<double> SettlementModel::Total(std::span<const double> deltaP) const {
  if (deltaP.size() != slices_.size())
    throw std::invalid_argument("one dP is needed for every slice");
  // Summed as Column sums: each layer's slices first, then the layers in order.
  std::vector<double> layerTotals(profile_.layers.size(), 0.0);
  for (std::size_t i = 0; i < slices_.size(); ++i) {
    const SoilSlice& slice = slices_[i];
    const SoilLayer& layer = profile_.layers[static_cast<std::size_t>(slice.layer)];
    if (layer.method == SettlementMethod::kNone) continue;
    const std::optional<double> s =
        SettleSlice(layer, CurveOf(slice.layer), slice.sigma0, deltaP[i], slice.thickness)
            .settlement;
    if (!s) return std::nullopt;
    layerTotals[static_cast<std::size_t>(slice.layer)] += *s;
  }
  double total = 0.0;
  for (std::size_t i = 0; i < profile_.layers.size(); ++i)
    if (profile_.layers[i].method != SettlementMethod::kNone) total += layerTotals[i];
  return total;
}

SettlementColumn SettlementModel::Column(
    const std::function<std::vector<double>(const std::vector<double>& depths)>& loads) const {
  const std::vector<double> deltaP = loads(SliceMiddles());
  return Column(std::span<const double>(deltaP));
}

double SettlementModel::DrainagePath(int layer) const {
  const SoilLayer& soil = profile_.layers[static_cast<std::size_t>(layer)];
  const double h = soil.bottom - LayerTop(profile_, static_cast<std::size_t>(layer));
  return soil.drainage == Drainage::kBoth ? h / 2.0 : h;
}

std::optional<double> SettlementModel::TimeFactor(int layer, double days) const {
  const std::optional<double>& cv = profile_.layers[static_cast<std::size_t>(layer)].cv;
  if (!cv) return std::nullopt;
  // No time has passed at t <= 0, however thin the layer; dividing by Hd twice keeps a layer so
  // thin that Hd squared underflows to 0 from giving 0 / 0 (it consolidates at once instead).
  if (!(days > 0.0)) return 0.0;
  const double hd = DrainagePath(layer);
  return *cv * 1e-4 * days / hd / hd;
}

std::optional<double> SettlementModel::SettlementAt(const SettlementColumn& column,
                                                    double days) const {
  if (!column.total || column.layerTotals.size() != profile_.layers.size()) return std::nullopt;
  double settlement = 0.0;
  for (std::size_t i = 0; i < profile_.layers.size(); ++i) {
    const double layerTotal = column.layerTotals[i].value_or(0.0);
    if (layerTotal == 0.0) continue;
    const std::optional<double> tv = TimeFactor(static_cast<int>(i), days);
    if (!tv) return std::nullopt;
    settlement += DegreeOfConsolidation(*tv) * layerTotal;
  }
  return settlement;
}

std::optional<double> SettlementModel::DegreeAt(const SettlementColumn& column, double days) const {
  const std::optional<double> settlement = SettlementAt(column, days);
  if (!settlement || *column.total == 0.0) return std::nullopt;
  bool settles = false, heaves = false;
  for (const std::optional<double>& layerTotal : column.layerTotals) {
    settles = settles || layerTotal.value_or(0.0) > 0.0;
    heaves = heaves || layerTotal.value_or(0.0) < 0.0;
  }
  if (settles && heaves) return std::nullopt;
  return std::clamp(*settlement / *column.total, 0.0, 1.0);
}

std::optional<double> SettlementModel::TimeToReach(const SettlementColumn& column,
                                                   double fraction) const {
  if (!(fraction > 0.0 && fraction < 1.0)) return std::nullopt;
  if (!column.total || *column.total == 0.0 || !SettlementAt(column, 1.0)) return std::nullopt;
  // S(t) / total is a weighted mean of the layers' U with weights of one sign, so it lies
  // between the smallest and the largest U. U <= 2 sqrt(Tv / pi) bounds the time from below,
  // 1 - U <= exp(-pi^2 Tv / 4) from above.
  const double tvLow = std::numbers::pi * fraction * fraction / 4.0;
  const double tvHigh = -std::log1p(-fraction) * 4.0 / (std::numbers::pi * std::numbers::pi);
  double low = INFINITY, high = 0.0;
  bool settles = false, heaves = false;
  for (std::size_t i = 0; i < profile_.layers.size(); ++i) {
    const double layerTotal = column.layerTotals[i].value_or(0.0);
    if (layerTotal == 0.0) continue;
    (layerTotal > 0.0 ? settles : heaves) = true;
    const double perTv = 1.0 / *TimeFactor(static_cast<int>(i), 1.0);  // days per unit Tv
    low = std::min(low, 0.5 * tvLow * perTv);
    high = std::max(high, 2.0 * tvHigh * perTv);
  }
  if (settles && heaves) return std::nullopt;
  if (!(low > 0.0) || !std::isfinite(high) || !(high > low)) return std::nullopt;
  // Bisection on log t: S(t) / total grows with t.
  for (int step = 0; step < 400 && high > low * (1.0 + 1e-13); ++step) {
    const double middle = std::sqrt(low) * std::sqrt(high);
    if (*SettlementAt(column, middle) / *column.total < fraction)
      low = middle;
    else
      high = middle;
  }
  return std::sqrt(low) * std::sqrt(high);
}

}  // namespace qel
