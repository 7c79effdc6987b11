// One slice's settlement by the Cc, e-log p and mv methods.
#include "engine/slice_settlement.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace qel {

double CurveVoidRatio(const ElogPCurve& curve, double p, bool* outside) {
  const std::size_t n = curve.p.size();
  if (outside) *outside = p < curve.p.front() || p > curve.p.back();
  // The segment [i, i + 1] holding p, or the end segment on the side p lies beyond.
  const std::size_t above = static_cast<std::size_t>(
      std::upper_bound(curve.p.begin(), curve.p.end(), p) - curve.p.begin());
  const std::size_t i = std::clamp<std::size_t>(above, 1, n - 1) - 1;
  const double logP = std::log10(p);
  const double log0 = std::log10(curve.p[i]);
  const double log1 = std::log10(curve.p[i + 1]);
  return curve.e[i] + (curve.e[i + 1] - curve.e[i]) * (logP - log0) / (log1 - log0);
}

namespace {

// Cc method: the decrease of the void ratio from sigma0 to p1 (both positive).
double CcVoidRatioDecrease(const SoilLayer& layer, double sigma0, double p1) {
  const double cs = layer.cs.value_or(0.0);
  if (p1 < sigma0) return -cs * std::log10(sigma0 / p1);
  const double k = std::max(layer.pc.value_or(sigma0), sigma0);
  return cs * std::log10(std::min(p1, k) / sigma0) + layer.cc * std::log10(std::max(p1, k) / k);
}

// S = de / (1 + e0) h for e1 = e0 - de, or the gap that stands for it: an e1 of 0 or less, or a
// strain beyond kLargestStrain. The strain is formed from de as the method gives it, not from
// e0 - e1, which would lose digits to cancellation when de is small beside e0.
void SettleVoidRatios(double e0, double e1, double de, double h, SliceSettlement& slice) {
  slice.e1 = e1;
  const double strain = de / (1.0 + e0);
  if (!(e1 > 0.0)) {
    slice.gap = SliceGap::kVoidRatioNotPositive;
  } else if (strain > kLargestStrain) {
    slice.gap = SliceGap::kStrainTooLarge;
  } else {
    slice.settlement = strain * h;
  }
}

void SettleByCc(const SoilLayer& layer, double h, SliceSettlement& slice) {
  slice.e0 = layer.e0;
  slice.pcBelowOverburden = layer.pc && *layer.pc < slice.sigma0;
  if (slice.p1 <= 0.0) {
    slice.gap = SliceGap::kNoEffectiveStress;
    return;
  }
  if (slice.sigma0 <= 0.0) {
    slice.gap = SliceGap::kNoOverburden;
    return;
  }
  const double de = CcVoidRatioDecrease(layer, slice.sigma0, slice.p1);
  SettleVoidRatios(layer.e0, layer.e0 - de, de, h, slice);
}

void SettleByCurve(const SoilLayer& layer, const ElogPCurve& curve, double h,
                   SliceSettlement& slice) {
  if (slice.sigma0 <= 0.0) {
    slice.gap = SliceGap::kNoOverburden;
    return;
  }
  bool outside = false;
  const double e0 = CurveVoidRatio(curve, slice.sigma0, &outside);
  slice.e0 = e0;
  slice.outsideCurve = outside;
  if (slice.p1 <= 0.0) {
    slice.gap = SliceGap::kNoEffectiveStress;
    return;
  }
  double e1 = 0.0;
  if (slice.p1 < slice.sigma0) {
    if (!layer.cs) {
      slice.gap = SliceGap::kNoSwellingIndex;
      return;
    }
    e1 = e0 + *layer.cs * std::log10(slice.sigma0 / slice.p1);
  } else {
    bool beyond = false;
    e1 = CurveVoidRatio(curve, slice.p1, &beyond);
    slice.outsideCurve = slice.outsideCurve || beyond;
  }
  // A curve extended far beyond its last point can reach void ratios no soil has.
  if (!(1.0 + e0 > 0.0)) {
    slice.gap = SliceGap::kVoidRatioOutOfRange;
    return;
  }
  SettleVoidRatios(e0, e1, e0 - e1, h, slice);
}

}  // namespace

SliceSettlement SettleSlice(const SoilLayer& layer, const ElogPCurve* curve, double sigma0,
                            double deltaP, double h) {
  SliceSettlement slice;
  slice.sigma0 = sigma0;
  slice.deltaP = deltaP;
  slice.p1 = sigma0 + deltaP;
  switch (layer.method) {
    case SettlementMethod::kNone:
      break;
    case SettlementMethod::kCc:
      SettleByCc(layer, h, slice);
      break;
    case SettlementMethod::kElogP:
      if (!curve) throw std::invalid_argument("the e-log p method needs its curve");
      SettleByCurve(layer, *curve, h, slice);
      break;
    case SettlementMethod::kMv:
      if (slice.p1 <= 0.0) {
        slice.gap = SliceGap::kNoEffectiveStress;
      } else if (deltaP < 0.0) {
        slice.unloadedMv = true;
        slice.settlement = 0.0;
      } else if (layer.mv * deltaP > kLargestStrain) {
        slice.gap = SliceGap::kStrainTooLarge;
      } else {
        slice.settlement = layer.mv * deltaP * h;
      }
      break;
  }
  return slice;
}

}  // namespace qel
