// What each display needs in the document to have something to show.
#pragma once

namespace qel {

class Document;

// The strip loads of either set, or the strip calculation points (x values and depths).
bool HasStripLoads(const Document& document);
bool HasStripPoints(const Document& document);
bool HasStripFigureContent(const Document& document);
// Rectangles or circles, or a lattice of x, y and z values.
bool HasRectCircleLoads(const Document& document);
bool HasLattice(const Document& document);
bool HasRectCircleFigureContent(const Document& document);
// A soil section with loads and columns to settle: strip calculation x values, or lattice x
// and y values.
bool HasStripSettlementContent(const Document& document);
bool HasRectCircleSettlementContent(const Document& document);
// A soil section: shown with the settlement of the lattice when the lattice has some, and with
// the strip problem's otherwise, so that a profile without a column to settle is shown too.
bool HasStripSoilContent(const Document& document);
bool HasRectCircleSoilContent(const Document& document);

// A settlement plates' section, beside the rectangle/circle columns when that problem has
// columns to settle, beside the strip's when it has or the other has none.
bool HasStripSettlementPlates(const Document& document);
bool HasRectCircleSettlementPlates(const Document& document);

}  // namespace qel
