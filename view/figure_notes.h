// The notes that let a figure be read without its tables: metre values along the page window's
// edges, the scale, each load's intensity and the calculation x, y and z values. Each note is
// placed only where it stays clear of the notes already placed.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "view/figure_pages.h"
#include "view/render_context.h"

namespace qel {

// A text placed on the device: its top-left corner and the box it covers.
struct PlacedNote {
  int left = 0, top = 0, right = 0, bottom = 0;
  std::string text;
};

// The strip cross-section's notes for the page window, each clear of the boxes in `occupied`
// (the isobar caption); empty when the document turns them off.
std::vector<PlacedNote> StripFigureNotes(const RenderContext& ctx, const FigureWindow& window,
                                         int textHeight,
                                         const std::vector<PlacedNote>& occupied = {});
// The plan's notes for the page window, likewise.
std::vector<PlacedNote> PlanFigureNotes(const RenderContext& ctx, const FigureWindow& window,
                                        int textHeight,
                                        const std::vector<PlacedNote>& occupied = {});

// The values an edge of a page window is labelled with: `low` rounded up to a multiple of `step`,
// then each the one before plus the step, up to `high`. At most `most` of them: a step that would
// give more is widened to a round multiple of itself (2, 5, 10, 20 ... times) that gives no more.
// They also end where adding the step no longer moves the value (a window far from 0), and there
// are none when the range or the step is not a finite number.
std::vector<double> EdgeValues(double low, double high, double step, std::size_t most);

// About how wide `text` is at `height`: half-width characters 0.6 of the height, others the
// height. Notes and labels are measured only to keep them apart.
int NoteTextWidth(const std::string& text, int height);

// The height of note text on the device (7 points on the paper).
int NoteTextHeight(const RenderContext& ctx);

// Draws the notes in black with the page font's face at `textHeight`.
void DrawFigureNotes(DeviceContext& dc, RenderContext& ctx, const std::vector<PlacedNote>& notes,
                     int textHeight);

}  // namespace qel
