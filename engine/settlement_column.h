// The settlement of one column of ground under the loads: its slices, the total, the layers'
// consolidation in time and the times t50 and t90.
//
// Use: build a SettlementModel once per profile; for each column (x, or x and y) evaluate the
// loads' dP at every depth of SliceMiddles() (one batch per column) and pass them to Column().
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "engine/slice_settlement.h"
#include "engine/soil_profile.h"
#include "engine/soil_slices.h"

namespace qel {

struct SettlementColumn {
  std::vector<SliceSettlement> slices;  // in the order of SettlementModel::slices()
  // Per profile layer: the sum of its slices; none for a layer that does not settle (method
  // none) and for one with a slice without S.
  std::vector<std::optional<double>> layerTotals;
  std::optional<double> total;  // m; none when any slice has no S
  std::optional<double> t50;    // days at which S(t) reaches half of the total
  std::optional<double> t90;    // ... and nine tenths
};

class SettlementModel {
 public:
  // Throws std::invalid_argument for a slice thickness that is not a positive finite number,
  // layers that do not deepen, or an e-log p layer whose curve is missing or has fewer than two
  // points; std::length_error for more than kMaxSlicesPerColumn slices.
  explicit SettlementModel(SoilProfile profile);

  const SoilProfile& profile() const { return profile_; }
  const std::vector<SoilSlice>& slices() const { return slices_; }
  // The depths zm at which the caller evaluates dP, one per slice.
  std::vector<double> SliceMiddles() const;

  // The column under dP values given at SliceMiddles() (throws std::invalid_argument when the
  // count differs).
  SettlementColumn Column(std::span<const double> deltaP) const;
  // Only the total of that column (the same value, bit for bit), without the slices kept or the
  // times searched: for fields of many columns.
  std::optional<double> Total(std::span<const double> deltaP) const;
  // The same with the loads evaluated by `loads`, called once with every depth of the column.
  SettlementColumn Column(
      const std::function<std::vector<double>(const std::vector<double>& depths)>& loads) const;

  // Hd of a layer: half its thickness when it drains at both faces, else its thickness.
  double DrainagePath(int layer) const;
  // Tv of a layer after `days`: cv 1e-4 t / Hd^2 (cv in cm2/day); none without cv.
  std::optional<double> TimeFactor(int layer, double days) const;

  // S(t) = sum over the settling layers of U(Tv) S_layer. None when the column has no total or
  // a layer that settles (a total other than 0) has no cv.
  std::optional<double> SettlementAt(const SettlementColumn& column, double days) const;
  // U(t) = S(t) / S of the column, within [0, 1]. None where SettlementAt is, for a total of 0,
  // and when layers settle and heave together (S(t) / S is then no degree of anything: it can
  // leave [0, 1] far behind as S nears 0).
  std::optional<double> DegreeAt(const SettlementColumn& column, double days) const;
  // The time at which S(t) reaches `fraction` (0 < fraction < 1) of the total, to 1e-12 of t.
  // None where SettlementAt is, for a total of 0, and when layers settle and heave together.
  std::optional<double> TimeToReach(const SettlementColumn& column, double fraction) const;

 private:
  SoilProfile profile_;
  std::vector<SoilSlice> slices_;
  // Per layer, the index of its curve in profile_.curves for the e-log p method, else -1: an
  // index, not a pointer, so that a copy of the model reads its own curves.
  std::vector<int> curves_;
  const ElogPCurve* CurveOf(int layer) const;
};

}  // namespace qel
