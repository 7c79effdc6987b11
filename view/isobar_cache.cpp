// The isobar cache, keyed on every input of a trace.
#include "view/isobar_cache.h"

#include <algorithm>
#include <cstddef>

#include "analysis/isobar_windows.h"
#include "document/document.h"
#include "view/render_context.h"

namespace qel {

namespace {

// The window a request is traced over: its own, or the default window of its view, which
// follows the figures' print ranges and content.
ContourWindow WindowOf(const RenderContext& ctx, const IsobarRequest& request) {
  if (request.window) return *request.window;
  switch (request.view) {
    case IsobarView::kStrip:
      return StripIsobarWindow(ctx.document.strip(), ctx.settings);
    case IsobarView::kPlan:
      return PlanIsobarWindow(ctx.document.plan(), ctx.settings);
    case IsobarView::kSectionAtY:
    case IsobarView::kSectionAtX:
      return SectionIsobarWindow(ctx.document.plan(), ctx.settings,
                                 request.view == IsobarView::kSectionAtY);
  }
  return {};
}

}  // namespace

IsobarKey IsobarKeyOf(const RenderContext& ctx, const IsobarRequest& request) {
  const Problem problem = request.view == IsobarView::kStrip ? Problem::Strip : Problem::RectCircle;
  IsobarKey key;
  key.loads = problem == Problem::Strip ? StripResultsKey(ctx.document)
                                        : LatticeResultsKey(ctx.document, request.circleMethod);
  key.view = request.view;
  key.at = request.at;
  key.fill = request.fill;
  key.levels = request.levels;
  key.window = WindowOf(ctx, request);
  return key;
}

std::shared_ptr<const IsobarSet> IsobarCache::Get(const RenderContext& ctx,
                                                  const IsobarRequest& request) {
  IsobarKey key = IsobarKeyOf(ctx, request);
  auto found = std::find_if(kept_.begin(), kept_.end(),
                            [&key](const auto& entry) { return entry.first == key; });
  if (found != kept_.end()) return found->second;
  auto set = std::make_shared<const IsobarSet>(trace_(ctx.document, ctx.settings, request));
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
