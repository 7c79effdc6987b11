// What each display needs in the document to have something to show.
#include "view/display_content.h"

#include "document/circle_rows.h"
#include "document/lattice_points.h"
#include "document/rectangle_rows.h"
#include "document/strip_pieces.h"
#include "document/strip_points.h"

namespace qel {

bool HasStripLoads(const DocumentTables& t) {
  return StripSetHasData(t, 1) || StripSetHasData(t, 2);
}

bool HasStripPoints(const DocumentTables& t) {
  const StripPoints points(t);
  return !points.xs().empty() && !points.depths().empty();
}

// A figure draws its loads or its calculation points.
bool HasStripFigureContent(const DocumentTables& t) {
  return HasStripLoads(t) || HasStripPoints(t);
}

bool HasRectCircleLoads(const DocumentTables& t) {
  return CountRectRows(t) > 0 || CountCircleRows(t) > 0;
}

bool HasLattice(const DocumentTables& t) {
  const LatticePoints lattice(t);
  return !lattice.xs().empty() && !lattice.ys().empty() && !lattice.depths().empty();
}

bool HasRectCircleFigureContent(const DocumentTables& t) {
  return HasRectCircleLoads(t) || HasLattice(t);
}

bool HasStripSettlementContent(const DocumentTables& t) {
  return !t.soilLines.empty() && HasStripLoads(t) && !StripPoints(t).xs().empty();
}

bool HasRectCircleSettlementContent(const DocumentTables& t) {
  if (t.soilLines.empty() || !HasRectCircleLoads(t)) return false;
  const LatticePoints lattice(t);
  return !lattice.xs().empty() && !lattice.ys().empty();
}

}  // namespace qel
