// The groups of settling layers that consolidate as one, and the faces through which they drain.
#pragma once

#include <cstddef>
#include <vector>

#include "engine/soil_profile.h"

namespace qel {

// Layers first .. last (indices into SoilProfile::layers, every one of them settling) and whether
// the group's outer faces drain.
struct LayerGroup {
  std::size_t first = 0;
  std::size_t last = 0;
  bool topDrained = true;
  bool bottomDrained = true;
  friend bool operator==(const LayerGroup&, const LayerGroup&) = default;
};

// Whether a layer that says `drainage` drains through its top face, and through its bottom face.
bool DrainsAtTop(Drainage drainage);
bool DrainsAtBottom(Drainage drainage);

// The groups of the profile's settling layers (method other than none), top down. Under the
// layers rule every settling layer is a group of its own, drained as it says. Otherwise a group is
// a run of touching settling layers with no drained face inside it: a face between two of them
// drains when the layer above drains at its bottom or the one below at its top. A group's top
// face drains when its first layer drains at its top, its bottom face when its last drains at its
// bottom; what lies beyond (sand, or nothing) does not count.
std::vector<LayerGroup> ConsolidationGroups(const SoilProfile& profile);

}  // namespace qel
