// The settlement of the ground under a document's loads, column by column: one column under each
// strip calculation x (at y = 0) and one under each lattice (x, y), cut into the soil profile's
// slices, with the loads' dP at every slice middle.
#pragma once

#include <string>
#include <vector>

#include "engine/circle_method.h"
#include "engine/settlement_column.h"
#include "settings/problem.h"

namespace qel {

class Document;

// Where a column stands: a strip calculation x (y = 0, yRow 0) or a lattice (x, y), with the
// 1-based table rows of its values.
struct SettlementSite {
  Problem problem = Problem::Strip;
  int xRow = 0, yRow = 0;
  double x = 0.0, y = 0.0;
};

// What a reader of a column is told about one of its slices.
enum class SliceNote {
  kNoEffectiveStress,     // p1 <= 0: no e1 and no S
  kNoOverburden,          // sigma'v0 <= 0 under a logarithmic method: no S
  kNoSwellingIndex,       // unloaded below sigma'v0 on an e-log p curve without Cs: no S
  kVoidRatioOutOfRange,   // e0 of -1 or less from a curve extended far beyond its end: no S
  kVoidRatioNotPositive,  // e1 of 0 or less: no S
  kStrainTooLarge,        // a strain beyond kLargestStrain: no S
  kOutsideCurve,          // sigma'v0 or p1 beyond the curve's ends: S from its end segments
  kPcBelowOverburden,     // p'c < sigma'v0: settled as normally consolidated
  kUnloadedMv,            // an unloaded mv slice: S = 0 (swelling needs Cs)
};

struct SliceMessage {
  int slice = 0;  // index into SettlementModel::slices()
  SliceNote note = SliceNote::kNoEffectiveStress;
  int layer = 0;          // index into the profile's layers
  std::string layerName;  // "土層 3 (粘土)"
  int number = 0;         // the slice's number within its layer, from 1
  std::string text;       // Japanese, naming the layer and the slice, then SliceNoteText
};

// What a note says about a slice, without naming the slice.
const char* SliceNoteText(SliceNote note);

struct SettlementColumnResult {
  SettlementSite site;
  SettlementColumn values;             // the slices, the layers' and the column's totals, t50, t90
  std::vector<SliceMessage> messages;  // in the order of the slices
};

// The columns of a document in the order of qel-cli compute: every strip calculation x in row
// order, then every lattice y row with its x rows inside. A problem without loads has none.
std::vector<SettlementSite> SettlementSites(const Document& document);

// Every column of SettlementSites under the document's loads (circles by `circleMethod`), each
// with its slices' settlement. The loads' dP is the engine's at (x, y, zm) for every slice
// middle zm, all columns evaluated in one batch on `threads` threads (<= 0: every core).
std::vector<SettlementColumnResult> ComputeSettlementColumns(const Document& document,
                                                             const SettlementModel& model,
                                                             CircleMethod circleMethod,
                                                             int threads = 0);

// The share of the loads the stages end at, under which every column settles (1 without stages).
double FinalLoadShare(const SettlementModel& model);

// `requested` threads (<= 0: every core), at least one and at most one per site.
int ThreadCount(int requested, std::size_t sites);

// The messages of a column's slices: p1 <= 0, the other gaps, and slices read off a curve
// beyond its ends.
std::vector<SliceMessage> SliceMessages(const SettlementModel& model,
                                        const SettlementColumn& column);

}  // namespace qel
