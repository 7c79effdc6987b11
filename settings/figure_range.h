// The scale and print range of one problem's figure, as the settings file and a data file hold
// them.
#pragma once

namespace qel {

struct FigureRange {
  int scaleX = 0, scaleY = 0;  // scale denominators
  int leftX = 0;               // world x at the left edge of the first page
  int rangeX = 0;              // world width per page
  int pageOverlap = 0;         // width repeated from one page to the next
  double topY = 0.0;           // world y at the top edge of the figure area
  int rangeY = 0;              // world height per page
  int spare = 0;               // kept in the settings file, used nowhere
  friend bool operator==(const FigureRange&, const FigureRange&) = default;
};

// The top Y that a line no figure can use ("nan", "inf", "1e400") reads as.
inline constexpr double kStandardTopY = 100.0;

}  // namespace qel
