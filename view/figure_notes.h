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

class FigureObstacles;

// A text placed on the device: its top-left corner and the box it covers.
struct PlacedNote {
  int left = 0, top = 0, right = 0, bottom = 0;
  std::string text;
};

// The strip cross-section's notes for the page window, each clear of the boxes in `occupied`
// (the isobar caption) and, when given, of `marks` (the point marks and load outlines); a note
// tries a few places and is left out where none is clear. Empty when the document turns them
// off.
std::vector<PlacedNote> StripFigureNotes(const RenderContext& ctx, const FigureWindow& window,
                                         int textHeight,
                                         const std::vector<PlacedNote>& occupied = {},
                                         const FigureObstacles* marks = nullptr);
// The plan's notes for the page window, likewise. A rectangle is named "長方形 No.n" and a
// circle "円形 No.n".
std::vector<PlacedNote> PlanFigureNotes(const RenderContext& ctx, const FigureWindow& window,
                                        int textHeight,
                                        const std::vector<PlacedNote>& occupied = {},
                                        const FigureObstacles* marks = nullptr);

// How a load is named on the figures: "長方形 No.3", "円形 No.1".
std::string RectangleName(int number);
std::string CircleName(int number);

// The values an edge of a page window is labelled with: `low` rounded up to a multiple of `step`,
// then each the one before plus the step, up to `high`. At most `most` of them: a step that would
// give more is widened to a round multiple of itself (2, 5, 10, 20 ... times) that gives no more.
// They also end where adding the step no longer moves the value (a window far from 0), and there
// are none when the range or the step is not a finite number.
std::vector<double> EdgeValues(double low, double high, double step, std::size_t most);

// About how wide `text` is at `height`: half-width characters 0.6 of the height, others the
// height. Notes and labels are measured only to keep them apart.
int NoteTextWidth(const std::string& text, int height);

// The height of note text on the device: 7 points on the paper, 8 on the settlement displays.
int NoteTextHeight(const RenderContext& ctx);
// Selects the note font (the page font's face at NoteTextHeight) in `colour`, counting a font
// the device could not make.
void UseNoteFont(DeviceContext& dc, RenderContext& ctx, Colour colour);

// How far the paper-coloured halo or ground under a text reaches beyond its glyphs or box.
inline int NoteGroundMargin(int textHeight) {
  return textHeight / 6 > 1 ? textHeight / 6 : 1;
}

// Draws the notes in black with the page font's face at `textHeight`, each on a halo of paper
// colour NoteGroundMargin wide, so that no line drawn before strikes it through; the notes keep
// that far from the marks and outlines.
void DrawFigureNotes(DeviceContext& dc, RenderContext& ctx, const std::vector<PlacedNote>& notes,
                     int textHeight);

}  // namespace qel
