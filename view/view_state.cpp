// The zoom of each display.
#include "view/view_state.h"

namespace qel {

DisplayZoom& ZoomOf(ViewState& view, DisplayMode mode) {
  return view.zoom[DisplayIndex(mode)];
}

const DisplayZoom& ZoomOf(const ViewState& view, DisplayMode mode) {
  return view.zoom[DisplayIndex(mode)];
}

}  // namespace qel
