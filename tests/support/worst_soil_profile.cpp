// The largest soil section the program accepts.
#include "support/worst_soil_profile.h"

#include <cmath>

#include "base/c_locale.h"
#include "engine/soil_profile.h"

namespace qel {

std::vector<std::string> WorstSoilProfileLines() {
  std::vector<std::string> lines = {"water=1.0", "gammaw=9.81", "slice=0.5"};
  // Twenty full-width characters: the widest name a layer cell is asked to show.
  const std::string name = "沖積粘性土層（上部）シルト混じり粘土層Ａ";
  for (int layer = 1; layer <= kMaxSoilLayers; ++layer) {
    const double bottom = layer;
    const int curve = (layer - 1) / 3 % kMaxCurves + 1;
    switch (layer % 4) {
      case 0:
        lines.push_back(FormatC("layer=%d,", layer) + name +
                        FormatC(",%g,17,18,none,,,,,,,,", bottom));
        break;
      case 1:
        lines.push_back(FormatC("layer=%d,", layer) + name +
                        FormatC(",%g,15,16,cc,1.5,0.45,0.05,80,,150,both,", bottom));
        break;
      case 2:
        lines.push_back(FormatC("layer=%d,", layer) + name +
                        FormatC(",%g,15,16,elogp,,,0.05,,,120,top,%d,0.01,200", bottom, curve));
        break;
      default:
        lines.push_back(FormatC("layer=%d,", layer) + name +
                        FormatC(",%g,16,17,mv,,,,,0.0003,400,bottom,", bottom));
    }
  }
  for (int curve = 1; curve <= kMaxCurves; ++curve) {
    std::string line = FormatC("curve=%d", curve);
    for (int point = 0; point < kMaxCurvePoints; ++point) {
      const double p = 5.0 * std::pow(1.25, point);
      const double e = 2.5 + 0.01 * curve - 0.45 * std::log10(p / 5.0);
      line += FormatC(",%.4g,%.4g", p, e);
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace qel
