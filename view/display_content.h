// What each display needs in the document to have something to show.
#pragma once

namespace qel {

struct DocumentTables;

// Loads in either strip set.
bool HasStripLoads(const DocumentTables& tables);
// Some x and some depth: the strip results list every combination of them.
bool HasStripPoints(const DocumentTables& tables);
bool HasStripFigureContent(const DocumentTables& tables);
// A rectangle or circle load.
bool HasRectCircleLoads(const DocumentTables& tables);
// Some x, some y and some depth of the lattice.
bool HasLattice(const DocumentTables& tables);
bool HasRectCircleFigureContent(const DocumentTables& tables);
// A soil profile, loads of the problem and columns under them: strip calculation x values, or
// lattice x and y values.
bool HasStripSettlementContent(const DocumentTables& tables);
bool HasRectCircleSettlementContent(const DocumentTables& tables);

}  // namespace qel
