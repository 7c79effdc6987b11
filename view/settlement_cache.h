// The settlement of the document kept between paints, page counts, printed pages and exported
// tables: computed when first asked for after what it is computed from changed.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "analysis/settlement_analysis.h"
#include "engine/circle_method.h"

namespace qel {

struct RenderContext;

// What the settlement of a document is computed from: the revisions of its soil section and of
// both problems' loads and points, the units its profile is read in and the circle method.
struct SettlementKey {
  std::uint64_t soil = 0, stripLoads = 0, planLoads = 0;
  int unitSystem = 0;
  CircleMethod circles = CircleMethod::kExact;
  friend bool operator==(const SettlementKey&, const SettlementKey&) = default;
};
SettlementKey SettlementKeyOf(const Document& document, int unitSystem, CircleMethod circles);

// How the settlement of a document is worked out.
using SettlementComputation =
    std::function<DocumentSettlement(const Document&, int unitSystem, CircleMethod)>;

struct SettlementCache {
  // The settlement of `document` under `method` (its profile read in the units of
  // `unitSystem`), computed only when the kept one has another key: a title, a scale or an
  // option changes nothing of it. What it returns lives until the next call that computes.
  const DocumentSettlement& Get(const Document& document, int unitSystem, CircleMethod method);

  SettlementKey key;
  std::optional<DocumentSettlement> value;
  // ComputeDocumentSettlement, or what gives the same (a test counting the work wraps it).
  SettlementComputation compute = [](const Document& document, int units, CircleMethod method) {
    return ComputeDocumentSettlement(document, units, method);
  };
};

// The settlement of ctx.document under its circle method, from the cache when neither changed.
const DocumentSettlement& SettlementOf(RenderContext& ctx);

}  // namespace qel
