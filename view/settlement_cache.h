// The settlement of the document kept between paints, page counts, printed pages and exported
// tables: computed when first asked for after the document or the circle method changed.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "analysis/settlement_analysis.h"
#include "engine/circle_method.h"

namespace qel {

struct RenderContext;

// How the settlement of a document is worked out.
using SettlementComputation =
    std::function<DocumentSettlement(const Document&, int unitSystem, CircleMethod)>;

struct SettlementCache {
  // The settlement of `document` under `method` (its profile read in the units of
  // `unitSystem`), computed only when the kept one is of another document, revision, method or
  // unit system. What it returns lives until the next call that computes.
  const DocumentSettlement& Get(const Document& document, int unitSystem, CircleMethod method);

  const Document* document = nullptr;
  std::uint64_t revision = 0;
  int unitSystem = 0;
  CircleMethod method = CircleMethod::kExact;
  std::optional<DocumentSettlement> value;
  // ComputeDocumentSettlement, or what gives the same (a test counting the work wraps it).
  SettlementComputation compute = [](const Document& document, int units, CircleMethod method) {
    return ComputeDocumentSettlement(document, units, method);
  };
};

// The settlement of ctx.document under its circle method, from the cache when neither changed.
const DocumentSettlement& SettlementOf(RenderContext& ctx);

}  // namespace qel
