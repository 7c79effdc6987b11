// The results a renderer reads, found through the document's revisions.
#include "view/render_context.h"

namespace qel {

const ResultsGrid& StripResultsOf(const RenderContext& ctx) {
  return ctx.results.Strip(ctx.document);
}

const ResultsGrid& LatticeResultsOf(const RenderContext& ctx) {
  return ctx.results.Lattice(ctx.document, ctx.circleMethod);
}

ResultsKey ResultsKeyOf(const RenderContext& ctx, Problem problem) {
  return problem == Problem::Strip ? StripResultsKey(ctx.document)
                                   : LatticeResultsKey(ctx.document, ctx.circleMethod);
}

}  // namespace qel
