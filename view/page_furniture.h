// What every page carries: the title, the page number text, and on figures the reference grid.
#pragma once

#include <optional>
#include <string>

#include "document/problem_common.h"
#include "view/grid_strokes.h"
#include "view/render_context.h"

namespace qel {

// Creates font slot `slot` for the device: character height trunc(dpiY * size / 72), no
// rotation, no underline, the slot's colour. False when the font could not be made: it is
// counted in ctx.shortfalls, and the text after it comes in the font selected before.
bool CreateSlotFont(DeviceContext& dc, RenderContext& ctx, int slot);

// Draws `text` with its top `topMm` below the paper's top edge and its left edge `leftMm` from
// the paper's left edge, or centred on the paper width when `centred`. No margin is added.
void DrawTitle(DeviceContext& dc, const DeviceGeometry& geometry, const std::string& text,
               double topMm, double leftMm, bool centred);

// The title of a display as each renderer draws it: creates the title font, and draws the title
// when the current page is 1 or the display's show-on-later-pages flag is set.
void DrawDisplayTitle(DeviceContext& dc, RenderContext& ctx, Problem problem, DisplayKind kind);

// The page text: prefix, the number startPage + currentPage - 1 when the start page is numeric
// (else the start page text as it is), and suffix, placed like a title with the page font.
void DrawPageNumber(DeviceContext& dc, RenderContext& ctx, const PageNumberText& number,
                    double topMm, double leftMm, bool centred);

// The page text of a display with its problem's page settings.
// The start page number of `display`'s pages as the page settings give it; 1 when they give
// a text that is not a number.
long StartPageNumber(const Document& document, DisplayMode display);

void DrawDisplayPageNumber(DeviceContext& dc, RenderContext& ctx, Problem problem,
                           DisplayKind kind);

// On pages whose circle values come from the compatible method, a line at the foot of the
// page saying so, in the page font; nothing otherwise.
void DrawCircleMethodNote(DeviceContext& dc, RenderContext& ctx);
// Where that line's top stands, in millimetres from the paper's top edge; none when the page
// carries no such line.
std::optional<double> CircleMethodNoteTopMm(const RenderContext& ctx);

// The title of a depth display made from the figure's title `figureTitle`: its last word for
// the figure ("断面形状図", else "形状図", trailing blanks aside) replaced by `word`, or `word`
// added after a full-width blank when it ends in neither. An empty title stays empty.
std::string DepthDisplayTitle(const std::string& figureTitle, const std::string& word);

// The grid of a figure after normalisation: each direction from <= to, a positive step.
struct FigureGrid {
  bool drawn = false;
  int fromX = 0, toX = 0, stepX = 0;
  int fromY = 0, toY = 0, stepY = 0;
  int style = 0;  // 0 crosses, otherwise lines
};

// Reads and normalises the grid of `problem`: drawn only with a grid width and size of at least
// 1 and all four bounds non-empty.
FigureGrid ReadFigureGrid(const RenderContext& ctx, Problem problem);

// Draws the grid of `problem` in `colour` with the current transform: crosses, or lines without
// the two that lie on the axes, as far as they can reach `visible` (the page window's device
// rectangle); PlanGridStrokes says what is left out without changing the picture.
void DrawFigureGrid(DeviceContext& dc, RenderContext& ctx, Problem problem, Colour colour,
                    const DeviceRect& visible);

}  // namespace qel
