// What the two settlement maps share: their fonts, colours and texts, the values written beside
// the columns' marks, and the note that stands in for a map when there is no settlement.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/settlement_analysis.h"
#include "view/figure_obstacles.h"
#include "view/graph_axes.h"
#include "view/render_context.h"

namespace qel {

// Colours of the final settlement and of the lines of equal settlement, and of the mark of a
// column without a total: black in monochrome.
struct MapColours {
  Colour final = 0x000000;
  Colour levels = 0x000000;
  Colour missing = 0x000000;
};
MapColours MapColoursOf(const SystemSettings& settings);

// Selects the note font (the page font's face, 7 points) in black.
void UseMapFont(DeviceContext& dc, RenderContext& ctx);

// A settlement in metres as the maps print it, in cm with two decimals ("12.34").
std::string CentimetreText(double metres);
// A position in metres with two decimals.
std::string MetreText(double metres);

// When `settlement` was not computed, writes why at the top of `box` and returns true.
bool DrawUncomputedNote(DeviceContext& dc, RenderContext& ctx, const DocumentSettlement& settlement,
                        const PaperBox& box);

// Writes `lines` one under the other from (left, top) in the note font; returns the height used.
int DrawNoteLines(DeviceContext& dc, RenderContext& ctx, int left, int top,
                  const std::vector<std::string>& lines);

// A small filled square marking a column, and a hollow one marking a column without a total.
void DrawColumnMark(DeviceContext& dc, const WorldTransform& t, DevicePoint at, Colour colour,
                    bool filled);
// How far a column mark reaches from its centre.
int ColumnMarkReach(const WorldTransform& t);

// The place of a value beside the mark at `at`: below, above, right, left or diagonally off it,
// the first whose box (and the paper-coloured ground around it) lies inside `inside` and meets
// nothing in `taken`; none when no place is clear. The place found is added to `taken`.
std::optional<PlacedNote> PlaceValueLabel(const std::string& text, DevicePoint at, int reach,
                                          int textHeight, const DeviceBox& inside,
                                          FigureObstacles& taken);

// Draws the labels in the note font on grounds of paper colour.
void DrawValueLabels(DeviceContext& dc, RenderContext& ctx, const std::vector<PlacedNote>& labels);

// The part of the segment (x0, y0)-(x1, y1) whose x lies within [low, high]; none when none
// does. The segment is cut in world units, before any coordinate is clamped to the device.
struct WorldSegment {
  double x0 = 0.0, y0 = 0.0, x1 = 0.0, y1 = 0.0;
};
std::optional<WorldSegment> CutToSpan(const WorldSegment& segment, double low, double high);

}  // namespace qel
