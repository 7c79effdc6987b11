// The results a renderer reads, found through the document's revisions.
#include "view/render_context.h"

namespace qel {

const ResultsGrid& StripResultsOf(const RenderContext& ctx) {
  return ctx.results.Strip(ctx.document);
}

const ResultsGrid& LatticeResultsOf(const RenderContext& ctx) {
  return ctx.results.Lattice(ctx.document);
}

std::string ResultsInputsKey(const RenderContext& ctx, Problem problem) {
  return ctx.results.InputsKey(ctx.document, problem);
}

}  // namespace qel
