// Verification families of the settlement core: each compares the engine with a reference
// computed another way.
#include "engine/settlement_verification.h"

#include <algorithm>
#include <cmath>

#include "engine/adaptive_quadrature.h"
#include "engine/consolidation_degree.h"
#include "engine/settlement_column.h"
#include "engine/strip_influence.h"
#include "engine/verification_recorder.h"

namespace qel {

namespace {

using Family = VerificationRecorder;

SoilLayer CcLayer(double e0, double cc, double cs, std::optional<double> pc) {
  SoilLayer layer;
  layer.method = SettlementMethod::kCc;
  layer.e0 = e0;
  layer.cc = cc;
  layer.cs = cs;
  layer.pc = pc;
  return layer;
}

double Settlement(const SliceSettlement& slice) {
  return slice.settlement.value_or(NAN);
}

// Hand calculation of the definition: H = 1 m, e0 = 1.0, sigma'v0 = 100, dP = 100, Cc = 0.3:
// S = 0.3 log10(200 / 100) / 2 = 0.0451545 m.
VerificationFamily CcNormallyConsolidated() {
  Family family("沈下 Cc法 正規圧密 (手計算)", 0.5e-7, ErrorUnit::kMetre);
  family.Compare({{"H", 1.0}, {"e0", 1.0}, {"Cc", 0.3}, {"σ'v0", 100}, {"ΔP", 100}},
                 Settlement(SettleSlice(CcLayer(1.0, 0.3, 0.03, {}), nullptr, 100, 100, 1.0)),
                 0.0451545);
  return family.result();
}

// Hand calculation of the definition across the yield stress: p'c = 200, dP = 200, Cs = 0.03:
// S = (0.03 log10(200 / 100) + 0.3 log10(300 / 200)) / 2 = 0.0309291 m.
VerificationFamily CcAcrossYieldStress() {
  Family family("沈下 Cc法 p'c をまたぐ (手計算)", 0.5e-7, ErrorUnit::kMetre);
  family.Compare({{"H", 1.0},
                  {"e0", 1.0},
                  {"Cc", 0.3},
                  {"Cs", 0.03},
                  {"p'c", 200},
                  {"σ'v0", 100},
                  {"ΔP", 200}},
                 Settlement(SettleSlice(CcLayer(1.0, 0.3, 0.03, 200.0), nullptr, 100, 200, 1.0)),
                 0.0309291);
  return family.result();
}

// The textbook's void-ratio example: e0 = 2.0, e1 = 1.6, H = 5 m gives 0.4 / 3 x 5 = 0.6667 m,
// here read from a two-point e-log p curve through (100, 2.0) and (200, 1.6).
VerificationFamily VoidRatioChange() {
  Family family("沈下 Δe法 e0=2.0→1.6 (教科書例題)", 0.5e-4, ErrorUnit::kMetre);
  SoilLayer layer;
  layer.method = SettlementMethod::kElogP;
  const ElogPCurve curve{1, {100, 200}, {2.0, 1.6}};
  family.Compare({{"H", 5.0}, {"σ'v0", 100}, {"ΔP", 100}},
                 Settlement(SettleSlice(layer, &curve, 100, 100, 5.0)), 0.6667);
  return family.result();
}

// The textbook's mv example: mv = 0.004 m2/tf, H = 10 m, dP = 10 tf/m2 gives 0.40 m, exactly.
VerificationFamily VolumeCompressibility() {
  Family family("沈下 mv法 (教科書例題)", 1e-12, ErrorUnit::kMetre);
  SoilLayer layer;
  layer.method = SettlementMethod::kMv;
  layer.mv = 0.004;
  family.Compare({{"H", 10.0}, {"mv", 0.004}, {"ΔP", 10}},
                 Settlement(SettleSlice(layer, nullptr, 50, 10, 10.0)), 0.40);
  return family.result();
}

// Terzaghi (1943), the average degree of consolidation as tabled in the soil mechanics
// textbooks to five digits: U(0.197) = 0.50034, U(0.848) = 0.89998.
VerificationFamily TerzaghiTable() {
  Family family("圧密度 U–Tv (Terzaghi 1943 の表)", 0.5e-5, ErrorUnit::kNone);
  family.Compare({{"Tv", 0.197}}, DegreeOfConsolidation(0.197), 0.50034);
  family.Compare({{"Tv", 0.848}}, DegreeOfConsolidation(0.848), 0.89998);
  return family.result();
}

// The textbook exercise: a 5 m layer drained at its top, cv = 0.010 m2/day (100 cm2/day),
// final settlement 50 cm; after 500 days Tv = 0.200 and S = 25.2 cm (U = 0.504), both to the
// rounding of the printed answer. Tv is a pure number and S is in metres: two families, each
// with its unit.
std::vector<VerificationFamily> ConsolidationExercise() {
  Family timeFactor("圧密 時間係数 Tv 500日後 (演習問題)", 0.5e-3, ErrorUnit::kNone);
  Family settlement("圧密沈下 500日後 (演習問題)", 0.5e-3, ErrorUnit::kMetre);
  SoilProfile profile;
  SoilLayer clay;
  clay.bottom = 5.0;
  clay.gammaT = 18.0;
  clay.method = SettlementMethod::kMv;
  clay.mv = 0.01;  // with dP = 10 over 5 m: 0.50 m in the end
  clay.cv = 100.0;
  clay.drainage = Drainage::kTop;
  profile.layers = {clay};
  profile.sliceThickness = 5.0;
  const SettlementModel model(profile);
  const std::vector<double> deltaP(model.slices().size(), 10.0);
  const SettlementColumn column = model.Column(deltaP);
  const std::vector<VerificationInput> inputs{
      {"H", 5.0}, {"cv (cm2/日)", 100.0}, {"t (日)", 500.0}, {"S∞", 0.5}};
  timeFactor.Compare(inputs, model.TimeFactor(0, 500.0).value_or(NAN), 0.200);
  settlement.Compare(inputs, model.SettlementAt(column, 500.0).value_or(NAN), 0.252);
  return {timeFactor.result(), settlement.result()};
}

// Hand calculation: gammaT 18, gammaSat 19, gammaW 10; at z = 10 m with the water at 2 m,
// 18 x 2 + 9 x 8 = 108; with the water at 4 m, 18 x 4 + 9 x 6 = 126.
VerificationFamily OverburdenWithWater() {
  Family family("有効土被り圧 地下水位あり (手計算)", 1e-9, ErrorUnit::kStress);
  SoilProfile profile;
  SoilLayer layer;
  layer.bottom = 20.0;
  layer.gammaT = 18.0;
  layer.gammaSat = 19.0;
  profile.layers = {layer};
  profile.gammaW = 10.0;
  for (const auto& [water, expected] : {std::pair{2.0, 108.0}, std::pair{4.0, 126.0}}) {
    profile.waterDepth = water;
    family.Compare({{"z", 10.0}, {"水位", water}}, EffectiveOverburden(profile, 10.0), expected);
  }
  return family.result();
}

// A profile of sand over a normally consolidated clay cut by the water table, an mv layer and
// an over-consolidated clay whose p'c no load reaches: the strain is smooth inside each part.
SoilProfile QuadratureProfile() {
  SoilProfile profile;
  SoilLayer sand;
  sand.bottom = 2.0;
  sand.gammaT = 18.0;
  sand.gammaSat = 19.0;
  SoilLayer soft = CcLayer(1.2, 0.6, 0.06, {});
  soft.bottom = 8.0;
  SoilLayer mv;
  mv.method = SettlementMethod::kMv;
  mv.mv = 0.0008;
  mv.bottom = 12.0;
  SoilLayer stiff = CcLayer(0.9, 0.4, 0.05, 1000.0);
  stiff.bottom = 17.0;
  for (SoilLayer* layer : {&soft, &mv, &stiff}) {
    layer->gammaT = 16.5;
    layer->gammaSat = 17.0;
  }
  profile.layers = {sand, soft, mv, stiff};
  profile.waterDepth = 3.0;
  profile.sliceThickness = 0.05;
  return profile;
}

// Each layer of columns under a strip load (q = 100 over 6 m), summed over the program's slices
// and integrated as the strain of the same definition by adaptive quadrature. The slices sum
// the strain f(z) by the midpoint rule, whose error over a part [a, b] cut into slices of
// thickness h is (h^2 / 24)(f'(b) - f'(a)) + O(h^4) (Euler-Maclaurin). The tolerance is twice
// the largest sum of such terms over the parts of a layer, with f' from differences of the strain:
// that leaves room for the O(h^4) rest and the estimate of f', and it is far below the error of any
// slip of the depth or the overburden by a fraction of a slice.
VerificationFamily ColumnsAgainstQuadrature() {
  const SoilProfile profile = QuadratureProfile();
  const SettlementModel model(profile);
  StripLoadSets loads;
  loads.sets[0] = {StripPiece{-3.0, -3.0, 3.0, 3.0, 5.0, 20.0}};
  struct Case {
    double x;
    std::size_t layer;
    double computed, reference;
  };
  std::vector<Case> cases;
  double largestTerm = 0.0;
  for (double x : {0.0, 3.0, 6.0}) {
    const SettlementColumn column = model.Column([&](const std::vector<double>& depths) {
      std::vector<double> deltaP;
      for (double z : depths)
        deltaP.push_back(StripPointStress(loads, x, z));
      return deltaP;
    });
    for (std::size_t i = 1; i < profile.layers.size(); ++i) {
      const SoilLayer& layer = profile.layers[i];
      auto strain = [&](double z) {
        const SliceSettlement slice = SettleSlice(layer, nullptr, EffectiveOverburden(profile, z),
                                                  StripPointStress(loads, x, z), 1.0);
        return slice.settlement.value_or(NAN);
      };
      const double top = LayerTop(profile, i);
      std::vector<double> cuts{top};
      if (*profile.waterDepth > top && *profile.waterDepth < layer.bottom)
        cuts.push_back(*profile.waterDepth);
      cuts.push_back(layer.bottom);
      long double integral = 0.0L;
      double term = 0.0;
      for (std::size_t c = 0; c + 1 < cuts.size(); ++c) {
        const double a = cuts[c], b = cuts[c + 1], d = 1e-3;
        integral +=
            Integrate([&](long double z) { return strain(static_cast<double>(z)); }, a, b, 1e-12L);
        const double slopeA = (-3 * strain(a) + 4 * strain(a + d) - strain(a + 2 * d)) / (2 * d);
        const double slopeB = (3 * strain(b) - 4 * strain(b - d) + strain(b - 2 * d)) / (2 * d);
        const double h = (b - a) / static_cast<double>(SliceCount(b - a, profile.sliceThickness));
        term += h * h / 24.0 * std::fabs(slopeB - slopeA);
      }
      largestTerm = std::max(largestTerm, term);
      cases.push_back(
          {x, i + 1, column.layerTotals[i].value_or(NAN), static_cast<double>(integral)});
    }
  }
  Family family("沈下 分割の和と数値積分 (帯状荷重の下)", 2.0 * largestTerm + 1e-12,
                ErrorUnit::kMetre);
  for (const Case& c : cases)
    family.Compare({{"x", c.x}, {"層", static_cast<double>(c.layer)}}, c.computed, c.reference);
  return family.result();
}

}  // namespace

std::vector<VerificationFamily> SettlementVerificationFamilies() {
  std::vector<VerificationFamily> families{CcNormallyConsolidated(), CcAcrossYieldStress(),
                                           VoidRatioChange(), VolumeCompressibility(),
                                           TerzaghiTable()};
  for (VerificationFamily& family : ConsolidationExercise())
    families.push_back(std::move(family));
  families.push_back(OverburdenWithWater());
  families.push_back(ColumnsAgainstQuadrature());
  return families;
}

}  // namespace qel
