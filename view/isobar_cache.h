// Isobars kept between paints: traced once for each page window and set of inputs, and reused by
// repaints, zoom, scrolling and printed pages until a load, point or option changes.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "analysis/isobars.h"
#include "document/document_results.h"

namespace qel {

struct RenderContext;

// What a set of isobars is traced from: the loads (their revision and circle method), the view,
// its depth or section line, the levels, whether the areas are filled, and the window traced
// over (the default window of the view worked out, so that it follows the figure's range).
struct IsobarKey {
  ResultsKey loads;
  IsobarView view = IsobarView::kStrip;
  double at = 0.0;
  bool fill = false;
  std::vector<double> levels;
  ContourWindow window;
  friend bool operator==(const IsobarKey&, const IsobarKey&) = default;
};
IsobarKey IsobarKeyOf(const RenderContext& ctx, const IsobarRequest& request);

// How a set of isobars is traced.
using IsobarTracer =
    std::function<IsobarSet(const Document&, const SystemSettings&, const IsobarRequest&)>;

class IsobarCache {
 public:
  // Tracing with ComputeIsobars, or with `trace`, which must give the same sets (a test counting
  // the work wraps ComputeIsobars).
  IsobarCache() : IsobarCache(ComputeIsobars) {}
  explicit IsobarCache(IsobarTracer trace) : trace_(std::move(trace)) {}

  // The isobars of `request` over the tables drawn, traced only when no kept set has the same
  // inputs (the load and point cells through the document's revisions, and the request).
  std::shared_ptr<const IsobarSet> Get(const RenderContext& ctx, const IsobarRequest& request);
  // Makes room for the sets of `pages` pages prepared ahead of their drawing (a page draws at
  // most one set), besides the usual number kept, so that none of them goes before its page is
  // drawn; 0 goes back to the usual number, the oldest sets beyond it leaving at once.
  void KeepForPages(std::size_t pages);

 private:
  // Beyond this many sets besides those of pages prepared ahead, the oldest set goes.
  static constexpr std::size_t kKeptSets = 16;
  std::vector<std::pair<IsobarKey, std::shared_ptr<const IsobarSet>>> kept_;
  std::size_t mostKept_ = kKeptSets;
  IsobarTracer trace_;
};

}  // namespace qel
