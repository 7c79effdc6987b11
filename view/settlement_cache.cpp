// The document's settlement, computed once per revision of the document.
#include "view/settlement_cache.h"

#include "document/document.h"
#include "view/render_caches.h"
#include "view/render_context.h"

namespace qel {

const DocumentSettlement& SettlementOf(RenderContext& ctx) {
  SettlementCache& cache = ctx.caches.settlement;
  const CircleMethod method = ctx.results.circleMethod();
  if (!cache.value || cache.document != &ctx.document ||
      cache.revision != ctx.document.revision() || cache.method != method) {
    cache.value = ComputeDocumentSettlement(ctx.document, method);
    cache.document = &ctx.document;
    cache.revision = ctx.document.revision();
    cache.method = method;
    ++cache.computations;
  }
  return *cache.value;
}

}  // namespace qel
