// Which cells of a document belong to which problem, so that a change of one problem leaves
// what was worked out for the other as it is.
#pragma once

#include "document/document_tables.h"
#include "settings/problem.h"

namespace qel {

// Whether `a` and `b` hold the same cells for `problem`: its scale and print-range lines, its
// title/style lines, its page-text lines, its loads and points, and its figure options (the
// strip: notes and isobars; the plan: notes, isobars, depth and section). The setting lines no
// problem reads and the figure option lines that did not read belong to neither.
bool SameProblemCells(const DocumentTables& a, const DocumentTables& b, Problem problem);

// Whether `a` and `b` hold the same loads and calculation points of `problem`: what its data and
// results tables list (the strip: both load sets and the points; the plan: rectangles, circles
// and the lattice).
bool SameLoadCells(const DocumentTables& a, const DocumentTables& b, Problem problem);
// The same without what only places a load in the figure (a strip piece's Y): what dP, and so
// the results, isobars and settlement, are computed from.
bool SameStressCells(const DocumentTables& a, const DocumentTables& b, Problem problem);

}  // namespace qel
