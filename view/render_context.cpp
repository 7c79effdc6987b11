// The results a renderer reads, found through the document's revisions.
#include "view/render_context.h"

namespace qel {

const ResultsGrid& StripResultsOf(const RenderContext& ctx) {
  return DrawsTheDocument(ctx) ? ctx.results.Strip(ctx.document) : ctx.results.Strip(ctx.tables);
}

const ResultsGrid& LatticeResultsOf(const RenderContext& ctx) {
  return DrawsTheDocument(ctx) ? ctx.results.Lattice(ctx.document)
                               : ctx.results.Lattice(ctx.tables);
}

std::string ResultsInputsKey(const RenderContext& ctx, Problem problem) {
  if (DrawsTheDocument(ctx)) return ctx.results.InputsKey(ctx.document, problem);
  return problem == Problem::Strip ? StripResultsKey(ctx.tables) : LatticeResultsKey(ctx.tables);
}

}  // namespace qel
