// Numbers, problems and kinds of the displays.
#include "view/view_state.h"

namespace qel {

std::optional<DisplayMode> DisplayModeFromNumber(int number) {
  if (number < 1 || number > kDisplayCount) return std::nullopt;
  return static_cast<DisplayMode>(number);
}

Problem ProblemOf(DisplayMode mode) {
  if (mode == DisplayMode::StripDepth) return Problem::Strip;
  if (mode == DisplayMode::RectCircleSection) return Problem::RectCircle;
  return DisplayNumber(mode) >= DisplayNumber(DisplayMode::RectCircleFigure) ? Problem::RectCircle
                                                                             : Problem::Strip;
}

DisplayKind KindOf(DisplayMode mode) {
  if (mode == DisplayMode::StripDepth || mode == DisplayMode::RectCircleSection)
    return DisplayKind::Depth;
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
  if (kind == DisplayKind::Depth)
    return problem == Problem::Strip ? DisplayMode::StripDepth : DisplayMode::RectCircleSection;
  const int first = problem == Problem::Strip ? 1 : 4;
  const int offset = kind == DisplayKind::Figure ? 0 : (kind == DisplayKind::Data ? 1 : 2);
  return static_cast<DisplayMode>(first + offset);
}

}  // namespace qel
