// The isobar cache, keyed on every input of a trace.
#include "view/isobar_cache.h"

#include <algorithm>
#include <cstddef>

#include "document/document_results.h"
#include "document/problem_common.h"
#include "settings/cache_key.h"
#include "view/render_context.h"

namespace qel {

namespace {

std::string KeyOf(const RenderContext& ctx, const IsobarRequest& request) {
  const DocumentTables& tables = ctx.document.cells();
  CacheKey key;
  key.Add(ResultsInputsKey(
      ctx, request.view == IsobarView::kStrip ? Problem::Strip : Problem::RectCircle));
  key.Add(static_cast<long long>(request.view));
  key.Add(request.at);
  key.Add(static_cast<long long>(request.circleMethod));
  key.Add(static_cast<long long>(request.fill));
  key.Add(static_cast<long long>(request.levels.size()));
  for (double level : request.levels)
    key.Add(level);
  key.Add(static_cast<long long>(request.window.has_value()));
  if (request.window) {
    key.Add(request.window->u0);
    key.Add(request.window->u1);
    key.Add(request.window->v0);
    key.Add(request.window->v1);
  } else {
    // The default windows follow the figures' print ranges.
    for (Problem problem : {Problem::Strip, Problem::RectCircle}) {
      const FigureRange range = ReadFigureRange(tables, problem);
      key.Add(static_cast<long long>(range.leftX));
      key.Add(static_cast<long long>(range.rangeX));
      key.Add(range.topY);
      key.Add(static_cast<long long>(range.rangeY));
    }
  }
  return key.text();
}

}  // namespace

std::shared_ptr<const IsobarSet> IsobarCache::Get(const RenderContext& ctx,
                                                  const IsobarRequest& request) {
  std::string key = KeyOf(ctx, request);
  auto found = std::find_if(kept_.begin(), kept_.end(),
                            [&key](const auto& entry) { return entry.first == key; });
  if (found != kept_.end()) return found->second;
  auto set = std::make_shared<const IsobarSet>(trace_(ctx.document.cells(), ctx.settings, request));
  if (kept_.size() >= mostKept_) kept_.erase(kept_.begin());
  kept_.emplace_back(std::move(key), set);
  return set;
}

void IsobarCache::KeepForPages(std::size_t pages) {
  mostKept_ = kKeptSets + pages;
  if (kept_.size() > mostKept_)
    kept_.erase(kept_.begin(),
                kept_.begin() + static_cast<std::ptrdiff_t>(kept_.size() - mostKept_));
}

}  // namespace qel
