// The document's settlement, computed once per revision of the document.
#include "view/settlement_cache.h"

#include "document/document.h"
#include "view/render_caches.h"
#include "view/render_context.h"

namespace qel {

const DocumentSettlement& SettlementCache::Get(const Document& of, int units, CircleMethod under) {
  if (!value || document != &of || revision != of.revision() || unitSystem != units ||
      method != under) {
    value = compute(of, units, under);
    document = &of;
    revision = of.revision();
    unitSystem = units;
    method = under;
  }
  return *value;
}

const DocumentSettlement& SettlementOf(RenderContext& ctx) {
  return ctx.caches.settlement.Get(ctx.document, ctx.settings.unitSystem,
                                   ctx.results.circleMethod());
}

}  // namespace qel
