// The document's settlement, computed once per revision of the document.
#include "view/settlement_cache.h"

#include "document/document.h"
#include "view/render_caches.h"
#include "view/render_context.h"

namespace qel {

const DocumentSettlement& SettlementCache::Get(const Document& of, CircleMethod under) {
  if (!value || document != &of || revision != of.revision() || method != under) {
    value = ComputeDocumentSettlement(of, under);
    document = &of;
    revision = of.revision();
    method = under;
    ++computations;
  }
  return *value;
}

const DocumentSettlement& SettlementOf(RenderContext& ctx) {
  return ctx.caches.settlement.Get(ctx.document, ctx.results.circleMethod());
}

}  // namespace qel
