// The settlement of one slice by its layer's method: Cc with Cs and p'c, an e-log p curve, or mv.
#pragma once

#include <optional>

#include "engine/soil_profile.h"

namespace qel {

// Why a slice has no settlement.
enum class SliceGap {
  kNone,                  // it has one
  kNoEffectiveStress,     // p1 <= 0: the unloading exceeds the overburden; no e1
  kNoOverburden,          // sigma'v0 <= 0 under a logarithmic method
  kNoSwellingIndex,       // an unloaded e-log p slice whose layer has no Cs; no e1
  kVoidRatioOutOfRange,   // e0 of -1 or less from an e-log p curve extended far beyond its end
  kVoidRatioNotPositive,  // e1 of 0 or less: no soil is compressed so far (e1 is kept to show it)
  kStrainTooLarge,        // a strain (e0 - e1) / (1 + e0), or mv dP, beyond kLargestStrain
};

// The largest strain a slice is settled at: one-dimensional compression by more than half of
// a slice's thickness is no consolidation the methods describe (a typing slip, or a curve
// extended far beyond its points), so such a slice gets no settlement rather than a wrong one.
inline constexpr double kLargestStrain = 0.5;

struct SliceSettlement {
  double sigma0 = 0;                 // sigma'v0
  double deltaP = 0;                 // the loads' dP at the middle
  double p1 = 0;                     // sigma'v0 + dP
  std::optional<double> e0;          // not for mv
  std::optional<double> e1;          // not for mv, nor when the slice has no S
  std::optional<double> settlement;  // S, m (positive down)
  bool outsideCurve = false;  // sigma'v0, or p1 where the curve gives e1, beyond the curve's ends
  // A Cc layer whose p'c lies below sigma'v0 (under-consolidated, or a typing slip): settled as
  // normally consolidated.
  bool pcBelowOverburden = false;
  // An unloaded mv slice (dP < 0): the loading mv would overstate its swelling, so it gets no
  // settlement (S = 0); swelling needs Cs (the cc or elogp method).
  bool unloadedMv = false;
  SliceGap gap = SliceGap::kNone;
};

// The void ratio of `curve` at pressure p > 0: linear in log10 p between neighbouring points,
// the end segments extended beyond the ends. `outside` (when given) is set when p lies beyond
// them. The curve has at least two points, p strictly increasing and positive.
double CurveVoidRatio(const ElogPCurve& curve, double p, bool* outside = nullptr);

// The settlement of a slice of thickness h of `layer` with sigma'v0 = sigma0 and load dP.
// `curve` is the layer's curve: required by the e-log p method (std::invalid_argument without
// it), not used by the others. A layer of method none has no slices and gets no S here.
//   Cc: for p1 >= sigma0, with k = max(p'c, sigma0) (k = sigma0 without p'c),
//       de = Cs log10(min(p1, k) / sigma0) + Cc log10(max(p1, k) / k);
//       for p1 < sigma0, de = -Cs log10(sigma0 / p1). e1 = e0 - de, S = de / (1 + e0) h.
//   e-log p: e0 = e(sigma0), e1 = e(p1), or e0 + Cs log10(sigma0 / p1) where p1 < sigma0;
//       S = (e0 - e1) / (1 + e0) h.
//   mv: S = mv dP h for dP >= 0; 0 for an unloaded slice (unloadedMv).
// p1 <= 0 leaves the slice without e1 and S (its e0 still given); so do an e1 of 0 or less and a
// strain beyond kLargestStrain (e1 then given, to show why).
SliceSettlement SettleSlice(const SoilLayer& layer, const ElogPCurve* curve, double sigma0,
                            double deltaP, double h);

}  // namespace qel
