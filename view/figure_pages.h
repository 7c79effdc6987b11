// The print range of each figure and how its content is cut into pages side by side.
#pragma once

#include "view/render_context.h"

namespace qel {

// The print range settings of one problem's figure.
struct FigureRange {
  int scaleX = 500, scaleY = 500;  // scale denominators
  double topY = 0.0;               // world y at the top edge of the figure area
  int yRange = 100;                // world height per page
  int leftX = 0;                   // world x at the left edge of the first page
  int xRange = 80;                 // world width per page
  int pageOverlap = 0;             // width repeated from one page to the next
};

FigureRange FigureRangeOf(const SystemSettings& settings, Problem problem);

// How far one page moves along x: xRange - pageOverlap, or xRange (at least 1) when that would
// not be positive, so that paging always advances.
int FigurePageStep(const FigureRange& range);

// Right-most world x of each figure's content (never below 0).
double StripFigureExtent(const DocumentTables& tables, const SystemSettings& settings);
double RectCircleFigureExtent(const DocumentTables& tables, const SystemSettings& settings);

// trunc((extent - leftX) / step + 0.01) + 1 pages, and at least 1.
int FigurePageCount(double extent, const FigureRange& range);

// World x at the left edge of printed page `page` (1-based).
double PrintedPageLeft(const FigureRange& range, int page);

}  // namespace qel
