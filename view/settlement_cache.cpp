// The document's settlement, computed once per change of what it is computed from.
#include "view/settlement_cache.h"

#include "document/document.h"
#include "view/render_caches.h"
#include "view/render_context.h"

namespace qel {

SettlementKey SettlementKeyOf(const Document& document, int unitSystem, CircleMethod circles) {
  return {document.soilRevision(), document.stressRevision(Problem::Strip),
          document.stressRevision(Problem::RectCircle), unitSystem, circles};
}

const DocumentSettlement& SettlementCache::Get(const Document& of, int units, CircleMethod under) {
  const SettlementKey now = SettlementKeyOf(of, units, under);
  if (!value || !(key == now)) {
    value = compute(of, units, under);
    key = now;
  }
  return *value;
}

const DocumentSettlement& SettlementOf(RenderContext& ctx) {
  return ctx.caches.settlement.Get(ctx.document, ctx.settings.unitSystem, ctx.circleMethod);
}

}  // namespace qel
