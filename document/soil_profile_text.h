// Reading and checking the soil profile's section of a data file: its lines as typed become
// the numeric profile of the settlement calculation, or a list of what is wrong with them.
//
// The section's lines ("key=value"):
//   water=2.5                 water table, m below the surface (empty or absent: none)
//   gammaw=9.81               unit weight of water (needed when there is a water table)
//   slice=1.0                 the largest slice, m (default 1.0)
//   times=30,90,365           times of interest, days (default 10, 30, ..., 10000)
//   layer=No,name,bottom,gammaT,gammaSat,method,e0,Cc,Cs,pc,mv,cv,drain,curve[,calpha[,ch]]
//                             one line per layer from the surface down; method none, cc, elogp
//                             or mv; drain both, top, bottom or none (none only when layers
//                             consolidate together); empty where not used
//   curve=No,p1,e1,p2,e2,...  an e-log p curve
//   stage=No,start,end,fraction
//                             a construction stage (days; the share of the loads reached at
//                             its end), one line per stage in order
//   timeload=exact            exact or terzaghi (a load applied over a ramp)
//   consolidation=layers      layers, equivalent or coupled
//   secondary=0.95            the share of a layer's primary settlement at which its secondary
//                             compression starts, [0.5, 1)
//   residual=D,L              the paving day and the service life (default 3650 days)
//   drains=pattern,spacing,dw,ds,khks,qw,bottom[,a,b]
//                             vertical drains on a square or triangle grid; a band drain adds
//                             its width a and thickness b (m, both or neither), its dw then
//                             2(a + b)/pi: left empty it is derived, given it must agree to 0.5 %
//   timecols=1,4,7            the columns the time-settlement curves show
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/soil_profile.h"

namespace qel {

struct SoilProfileError {
  int line = 0;      // 1-based among the section's lines; 0 for the section as a whole
  std::string text;  // in Japanese, naming the layer or key and the field
  friend bool operator==(const SoilProfileError&, const SoilProfileError&) = default;
};

struct SoilProfileReading {
  std::optional<SoilProfile> profile;    // when there are no errors
  std::vector<SoilProfileError> errors;  // in the order of the lines
};

// Reads the section's lines (UTF-8, without line ends, without the "$$SOIL" marker). Blank
// lines are skipped. Numbers are finite reals in the C locale with optional blanks and sign,
// each within its plausible range (unit weights up to 100 kN/m3, or 10 tf/m3 when `unitSystem`
// is 0; depths within 10,000 m; void ratios up to 20; pressures up to 1e6; mv up to 1; cv up to
// 1e8 cm2/day; times up to 1e7 days; Calpha up to 1; drain sizes up to 100 m, kh/ks within
// [1, 1000], qw up to 1e6 m3/day), so that nothing computed from them overflows. A cell of more
// than 200 characters is refused; messages quote at most 80 characters of any input.
SoilProfileReading ReadSoilProfile(const std::vector<std::string>& lines, int unitSystem);

}  // namespace qel
