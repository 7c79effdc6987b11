// What each display needs in the document to have something to show.
#include "view/display_content.h"

#include "document/document.h"

namespace qel {

bool HasStripLoads(const Document& document) {
  return document.strip().hasLoads();
}

bool HasStripPoints(const Document& document) {
  const StripPoints& points = document.strip().points;
  return !points.xs().empty() && !points.depths().empty();
}

// A figure draws its loads or its calculation points.
bool HasStripFigureContent(const Document& document) {
  return HasStripLoads(document) || HasStripPoints(document);
}

bool HasRectCircleLoads(const Document& document) {
  return document.plan().hasLoads();
}

bool HasLattice(const Document& document) {
  const LatticePoints& lattice = document.plan().lattice;
  return !lattice.xs().empty() && !lattice.ys().empty() && !lattice.depths().empty();
}

bool HasRectCircleFigureContent(const Document& document) {
  return HasRectCircleLoads(document) || HasLattice(document);
}

bool HasStripSettlementContent(const Document& document) {
  return document.hasSoil() && HasStripLoads(document) && !document.strip().points.xs().empty();
}

bool HasRectCircleSettlementContent(const Document& document) {
  if (!document.hasSoil() || !HasRectCircleLoads(document)) return false;
  const LatticePoints& lattice = document.plan().lattice;
  return !lattice.xs().empty() && !lattice.ys().empty();
}

bool HasStripSoilContent(const Document& document) {
  return document.hasSoil() &&
         (HasStripSettlementContent(document) || !HasRectCircleSettlementContent(document));
}

bool HasRectCircleSoilContent(const Document& document) {
  return HasRectCircleSettlementContent(document);
}

bool HasStripSettlementPlates(const Document& document) {
  return document.hasMeasurements() &&
         (HasStripSettlementContent(document) || !HasRectCircleSettlementContent(document));
}

bool HasRectCircleSettlementPlates(const Document& document) {
  return document.hasMeasurements() && HasRectCircleSettlementContent(document);
}

}  // namespace qel
