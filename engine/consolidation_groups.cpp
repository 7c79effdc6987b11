// Settling layers grouped by the faces they drain through.
#include "engine/consolidation_groups.h"

namespace qel {

bool DrainsAtTop(Drainage drainage) {
  return drainage == Drainage::kBoth || drainage == Drainage::kTop;
}

bool DrainsAtBottom(Drainage drainage) {
  return drainage == Drainage::kBoth || drainage == Drainage::kBottom;
}

std::vector<LayerGroup> ConsolidationGroups(const SoilProfile& profile) {
  std::vector<LayerGroup> groups;
  const std::vector<SoilLayer>& layers = profile.layers;
  const bool alone = profile.consolidation == ConsolidationRule::kLayers;
  for (std::size_t i = 0; i < layers.size(); ++i) {
    if (layers[i].method == SettlementMethod::kNone) continue;
    const bool joins = !alone && !groups.empty() && groups.back().last + 1 == i &&
                       !DrainsAtBottom(layers[i - 1].drainage) && !DrainsAtTop(layers[i].drainage);
    if (joins) {
      groups.back().last = i;
      groups.back().bottomDrained = DrainsAtBottom(layers[i].drainage);
    } else {
      groups.push_back({i, i, DrainsAtTop(layers[i].drainage), DrainsAtBottom(layers[i].drainage)});
    }
  }
  return groups;
}

}  // namespace qel
