// The settlement plates display: its pages counted and each drawn, or why there is nothing.
#include <algorithm>

#include "analysis/settlement_rows.h"
#include "base/c_locale.h"
#include "view/figure_notes.h"
#include "view/graph_axes.h"
#include "view/page_furniture.h"
#include "view/plate_pages.h"
#include "view/renderers.h"
#include "view/settlement_cache.h"

namespace qel {

namespace {

int MadeFits(const PlatePrediction& plate) {
  return static_cast<int>(std::count_if(plate.fits.begin(), plate.fits.end(), [](const auto& fit) {
    return fit.outcome.fit.has_value();
  }));
}

int RenderSettlementPlates(RenderContext& ctx, DeviceContext* dc, bool draw, Problem problem) {
  // The pages follow from the fits alone: counting them settles no column.
  const int count =
      std::max(1, static_cast<int>(PlatePagesOf(PredictSettlements(ctx.document)).size()));
  if (dc == nullptr || !draw) return count;
  const DocumentSettlement& settlement = SettlementOf(ctx);
  const PlateComparison comparison = ComparePlates(ctx.document, settlement, problem);
  const std::vector<PlatePage> pages = PlatePagesOf(comparison.predictions);
  DrawDisplayTitle(*dc, ctx, problem, DisplayKind::SettlementPlates);
  PaperBox box = DepthGraphBox(ctx);
  if (problem == Problem::RectCircle)
    if (const std::optional<double> note = CircleMethodNoteTopMm(ctx))
      box.bottomMm = std::min(box.bottomMm, *note - kGraphTableGapMm);
  const TableModel table = PlateFitsTableModel(comparison);
  if (pages.empty()) {
    const bool unread =
        comparison.predictions.status == SettlementPredictions::Status::kBadReadings;
    DrawLinesInBox(
        *dc, ctx, box,
        unread ? table.preamble : std::vector<std::string>{"沈下板の実測値がありません"});
    return count;
  }
  const PlatePage& page =
      pages[static_cast<std::size_t>(std::clamp(ctx.view.currentPage, 1, count) - 1)];
  const bool computed = settlement.status == DocumentSettlement::Status::kComputed;
  if (page.plots == 0)
    DrawPlateGraphPage(*dc, ctx, box, comparison, computed ? &*settlement.courseModel : nullptr,
                       page.plate, table);
  else
    DrawPlatePlotsPage(*dc, ctx, box, comparison.predictions.plates[page.plate], page.plots);
  return count;
}

}  // namespace

std::vector<PlatePage> PlatePagesOf(const SettlementPredictions& predictions) {
  std::vector<PlatePage> pages;
  for (std::size_t i = 0; i < predictions.plates.size(); ++i) {
    pages.push_back({i, 0});
    const int plotPages = (MadeFits(predictions.plates[i]) + kPlotsPerPage - 1) / kPlotsPerPage;
    for (int k = 1; k <= plotPages; ++k)
      pages.push_back({i, k});
  }
  return pages;
}

std::string PlateHeading(const PlatePrediction& plate) {
  const SettlementPlate& p = plate.plate;
  return FormatC("沈下板 %d  ", p.number) + p.name +
         FormatC("  (x = %.2f m, y = %.2f m, t0 = %g 日)", p.x, p.y, p.t0);
}

int RenderStripSettlementPlates(RenderContext& ctx, DeviceContext* dc, bool draw) {
  return RenderSettlementPlates(ctx, dc, draw, Problem::Strip);
}

int RenderRectCircleSettlementPlates(RenderContext& ctx, DeviceContext* dc, bool draw) {
  return RenderSettlementPlates(ctx, dc, draw, Problem::RectCircle);
}

}  // namespace qel
