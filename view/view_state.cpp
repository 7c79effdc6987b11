// Numbers, problems and kinds of the six displays.
#include "view/view_state.h"

namespace qel {

std::optional<DisplayMode> DisplayModeFromNumber(int number) {
  if (number < 1 || number > 6) return std::nullopt;
  return static_cast<DisplayMode>(number);
}

Problem ProblemOf(DisplayMode mode) {
  return DisplayNumber(mode) >= DisplayNumber(DisplayMode::RectCircleFigure) ? Problem::RectCircle
                                                                             : Problem::Strip;
}

DisplayKind KindOf(DisplayMode mode) {
  const int first = ProblemOf(mode) == Problem::Strip ? 1 : 4;
  switch (DisplayNumber(mode) - first) {
    case 1:
      return DisplayKind::Data;
    case 2:
      return DisplayKind::Results;
    default:
      return DisplayKind::Figure;
  }
}

DisplayZoom& ZoomOf(ViewState& view, DisplayMode mode) {
  return view.zoom[static_cast<std::size_t>(DisplayNumber(mode) - 1)];
}

const DisplayZoom& ZoomOf(const ViewState& view, DisplayMode mode) {
  return view.zoom[static_cast<std::size_t>(DisplayNumber(mode) - 1)];
}

DisplayMode DisplayOf(Problem problem, DisplayKind kind) {
  const int first = problem == Problem::Strip ? 1 : 4;
  const int offset = kind == DisplayKind::Figure ? 0 : (kind == DisplayKind::Data ? 1 : 2);
  return static_cast<DisplayMode>(first + offset);
}

}  // namespace qel
