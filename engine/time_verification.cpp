// Verification families of the settlement in time: each compares the engine with a published
// value or with an exact series.
#include "engine/time_verification.h"

#include <cmath>

#include "engine/consolidation_degree.h"
#include "engine/coupled_consolidation.h"
#include "engine/equivalent_thickness.h"
#include "engine/ramp_consolidation.h"
#include "engine/secondary_compression.h"
#include "engine/verification_recorder.h"

namespace qel {

namespace {

using Family = VerificationRecorder;

// Olson (1977), "Consolidation under time dependent loading", the average degree of
// consolidation under a load applied at a constant rate up to Tc, printed to six decimals; with
// a unit rate the time factor is the time.
VerificationFamily OlsonRamp() {
  Family family("圧密 漸増載荷 (Olson 1977)", 0.5e-6, ErrorUnit::kNone);
  for (const auto& [tc, expected] : {std::pair{0.2, 0.336350}, std::pair{1.0, 0.694526}})
    family.Compare({{"Tc", tc}, {"T", tc}}, RampConsolidation({1.0, 0.0}, {0.0, tc}, tc), expected);
  return family.result();
}

// The same cases by Terzaghi's construction correction, as Olson (1977) compares them:
// U(T / 2) at the end of the ramp.
VerificationFamily TerzaghiCorrection() {
  Family family("圧密 漸増載荷 Terzaghi の補正 (Olson 1977)", 0.5e-6, ErrorUnit::kNone);
  auto instantaneous = [](double elapsed) { return StepConsolidation({1.0, 0.0}, elapsed); };
  for (const auto& [tc, expected] : {std::pair{0.2, 0.356823}, std::pair{1.0, 0.763950}}) {
    family.Compare({{"Tc", tc}, {"T", tc}}, CorrectedForConstruction(instantaneous, {0.0, tc}, tc),
                   expected);
  }
  return family.result();
}

// Schiffman and Stein (1970), "One-dimensional consolidation of layered systems": four layers
// drained at the top and the bottom under a step of 100, settlement sum mv h 100 U at five
// times, to 1e-4 of the final settlement 13.792 (in the paper's units).
VerificationFamily SchiffmanStein() {
  const double thickness[] = {10, 20, 30, 20}, cv[] = {0.0411, 0.1918, 0.0548, 0.0686},
               mv[] = {3.07e-3, 1.95e-3, 9.74e-4, 1.95e-3};
  ConsolidationGroup group;
  std::vector<double> finals;
  double final = 0.0;
  for (int i = 0; i < 4; ++i) {
    group.cells.push_back({thickness[i], cv[i], mv[i], 100.0, 0.0});
    finals.push_back(mv[i] * thickness[i] * 100.0);
    final += finals.back();
  }
  Family family("圧密 多層の連成 沈下 (Schiffman & Stein 1970)", 1e-4 * final, ErrorUnit::kNone);
  const ModeSum settlement = CoupledConsolidation(group).Combined(finals);
  const double published[][2] = {
      {122, 1.41200}, {740, 3.48058}, {2930, 6.98645}, {7195, 10.45107}, {31623, 13.73046}};
  for (const auto& [t, expected] : published)
    family.Compare({{"t", t}, {"S∞", final}}, settlement.Step(t), expected);
  return family.result();
}

// The textbook example of the equivalent thickness: layers of 100, 300 and 200 cm with cv 50,
// 100 and 400 cm2/day, drained at both faces, give H' = 382.84 cm with the first as reference,
// and t90 = 621.5 days (each to the rounding of the printed answer).
std::vector<VerificationFamily> EquivalentThicknessExample() {
  const LayerThicknessAndCv layers[] = {{1.0, 50.0}, {3.0, 100.0}, {2.0, 400.0}};
  const std::vector<VerificationInput> inputs{{"h1", 1.0},   {"h2", 3.0},    {"h3", 2.0},
                                              {"cv1", 50.0}, {"cv2", 100.0}, {"cv3", 400.0}};
  Family thickness("圧密 換算層厚 H' (教科書例題)", 0.5e-4, ErrorUnit::kMetre);
  thickness.Compare(inputs, EquivalentThickness(layers, 0), 3.8284);
  Family time("圧密 換算層厚法 t90 日 (教科書例題)", 0.05, ErrorUnit::kNone);
  const ConsolidationRates rates{EquivalentVerticalRate(layers, true), 0.0};
  const std::optional<double> t90 =
      TimeToReachFraction([&](double t) { return StepConsolidation(rates, t); }, 1.0, 0.9);
  time.Compare(inputs, t90.value_or(NAN), 621.5);
  return {thickness.result(), time.result()};
}

// Secondary compression over one log cycle: Calpha = 0.02, e = 1.0, h = 3 m from one year to
// ten: 0.02 / 2 x 3 x log10(10) = 0.030 m.
VerificationFamily SecondaryExample() {
  Family family("二次圧密 Cα法 1年→10年 (例題)", 0.5e-3, ErrorUnit::kMetre);
  family.Compare({{"Cα", 0.02}, {"e", 1.0}, {"h", 3.0}, {"tp", 365.0}, {"t", 3650.0}},
                 SecondaryCompression(0.02, 1.0, 3.0, 365.0, 3650.0), 0.030);
  return family.result();
}

// One homogeneous layer (4 m, cv 0.01 m2/day) solved as a group by the coupled solver, drained
// at the top or at both faces, against Terzaghi's series from Tv = 0.001 to 3.
VerificationFamily CoupledSingleLayer() {
  Family family("圧密 連成解 一様な一層 (Terzaghi の級数)", 1e-6, ErrorUnit::kNone);
  for (bool both : {false, true}) {
    ConsolidationGroup group;
    group.topDrained = true;
    group.bottomDrained = both;
    group.cells = {{4.0, 0.01, 1e-3, 50.0, 0.0}};
    const ModeSum layer = CoupledConsolidation(group).Cell(0);
    const double path = both ? 2.0 : 4.0;
    for (int i = 0; i <= 20; ++i) {
      const double tv = 1e-3 * std::pow(3000.0, i / 20.0);
      family.Compare({{"排水面", both ? 2.0 : 1.0}, {"Tv", tv}},
                     layer.Step(tv * path * path / 0.01), DegreeOfConsolidation(tv));
    }
  }
  return family.result();
}

}  // namespace

std::vector<VerificationFamily> TimeVerificationFamilies() {
  std::vector<VerificationFamily> families{OlsonRamp(), TerzaghiCorrection(), SchiffmanStein()};
  for (VerificationFamily& family : EquivalentThicknessExample())
    families.push_back(std::move(family));
  families.push_back(SecondaryExample());
  families.push_back(CoupledSingleLayer());
  return families;
}

}  // namespace qel
