// The settlement columns of a document: where they stand, the loads' dP at their slices, and
// the slices' messages.
#include "analysis/settlement_columns.h"

#include <algorithm>
#include <optional>
#include <thread>

#include "document/document.h"
#include "document/load_lists.h"
#include "engine/rect_circle_influence.h"
#include "engine/strip_influence.h"
#include "engine/worker_threads.h"

namespace qel {

std::vector<SettlementSite> SettlementSites(const Document& document) {
  std::vector<SettlementSite> sites;
  const StripProblem& strip = document.strip();
  if (strip.hasLoads()) {
    for (const PointValue& x : strip.points.xs())
      sites.push_back({Problem::Strip, x.row, 0, x.value, 0.0});
  }
  const PlanProblem& plan = document.plan();
  if (plan.hasLoads()) {
    for (const PointValue& y : plan.lattice.ys())
      for (const PointValue& x : plan.lattice.xs())
        sites.push_back({Problem::RectCircle, x.row, y.row, x.value, y.value});
  }
  return sites;
}

namespace {

// dP at every slice middle of the lattice sites: [site][slice], empty for the strip sites. The
// points go to the engine in one batch, depth by depth, so that the points of one depth follow
// each other and share what the circle formulas compute once per depth.
std::vector<std::vector<double>> LatticeLoadsAtSlices(const Document& document,
                                                      const std::vector<SettlementSite>& sites,
                                                      const std::vector<double>& depths,
                                                      CircleMethod circleMethod, int threads) {
  std::vector<std::vector<double>> deltaP(sites.size());
  std::vector<std::size_t> latticeSites;
  for (std::size_t s = 0; s < sites.size(); ++s)
    if (sites[s].problem == Problem::RectCircle) latticeSites.push_back(s);
  if (latticeSites.empty() || depths.empty()) return deltaP;
  PlanLoads loads = document.plan().engineLoads;
  loads.circleMethod = circleMethod;
  std::vector<LatticePoint> points;
  points.reserve(latticeSites.size() * depths.size());
  for (const double depth : depths)
    for (const std::size_t s : latticeSites)
      points.push_back({sites[s].x, sites[s].y, FlooredLatticeDepth(depth)});
  const std::vector<double> stress = LatticeStress(loads, points, threads);
  for (std::size_t i = 0; i < latticeSites.size(); ++i) {
    std::vector<double>& column = deltaP[latticeSites[i]];
    column.resize(depths.size());
    for (std::size_t d = 0; d < depths.size(); ++d)
      column[d] = stress[d * latticeSites.size() + i];
  }
  return deltaP;
}

std::string LayerName(const SoilLayer& layer) {
  std::string name = "土層 " + std::to_string(layer.number);
  if (!layer.name.empty()) name += " (" + layer.name + ")";
  return name;
}

std::optional<SliceNote> GapNote(SliceGap gap) {
  switch (gap) {
    case SliceGap::kNone:
      return std::nullopt;
    case SliceGap::kNoEffectiveStress:
      return SliceNote::kNoEffectiveStress;
    case SliceGap::kNoOverburden:
      return SliceNote::kNoOverburden;
    case SliceGap::kNoSwellingIndex:
      return SliceNote::kNoSwellingIndex;
    case SliceGap::kVoidRatioOutOfRange:
      return SliceNote::kVoidRatioOutOfRange;
    case SliceGap::kVoidRatioNotPositive:
      return SliceNote::kVoidRatioNotPositive;
    case SliceGap::kStrainTooLarge:
      return SliceNote::kStrainTooLarge;
  }
  return std::nullopt;
}

}  // namespace

int ThreadCount(int requested, std::size_t sites) {
  const int count =
      requested > 0 ? requested : static_cast<int>(std::thread::hardware_concurrency());
  return static_cast<int>(std::clamp<std::size_t>(static_cast<std::size_t>(std::max(count, 1)), 1,
                                                  std::max<std::size_t>(sites, 1)));
}

double FinalLoadShare(const SettlementModel& model) {
  const std::vector<LoadStage>& stages = model.profile().stages;
  return stages.empty() ? 1.0 : stages.back().fraction;
}

const char* SliceNoteText(SliceNote note) {
  switch (note) {
    case SliceNote::kNoEffectiveStress:
      return "p1 = σ'v0 + ΔP が 0 以下のため沈下量を計算できません";
    case SliceNote::kNoOverburden:
      return "σ'v0 が 0 以下のため沈下量を計算できません";
    case SliceNote::kNoSwellingIndex:
      return "p1 が σ'v0 より小さく、Cs がないため沈下量を計算できません";
    case SliceNote::kVoidRatioOutOfRange:
      return "e–log p 曲線の外挿で間隙比が -1 以下になるため沈下量を計算できません";
    case SliceNote::kVoidRatioNotPositive:
      return "e1 が 0 以下になるため沈下量を計算できません";
    case SliceNote::kStrainTooLarge:
      return "ひずみ (e0 − e1)/(1 + e0) が 0.5 を超えるため沈下量を計算しません";
    case SliceNote::kOutsideCurve:
      return "e–log p 曲線の範囲外を端の区間の延長で計算しています";
    case SliceNote::kPcBelowOverburden:
      return "p'c < σ'v0 のため正規圧密として計算しています";
    case SliceNote::kUnloadedMv:
      return "除荷 (ΔP < 0) の膨張は mv では求められないため沈下量 0 としています (Cs を使う cc か "
             "elogp で計算してください)";
  }
  return "";
}

std::vector<SliceMessage> SliceMessages(const SettlementModel& model,
                                        const SettlementColumn& column) {
  std::vector<SliceMessage> messages;
  for (std::size_t i = 0; i < column.slices.size() && i < model.slices().size(); ++i) {
    const SliceSettlement& slice = column.slices[i];
    const SoilSlice& cut = model.slices()[i];
    const std::string layerName =
        LayerName(model.profile().layers[static_cast<std::size_t>(cut.layer)]);
    auto add = [&](SliceNote note) {
      messages.push_back({static_cast<int>(i), note, cut.layer, layerName, cut.number,
                          layerName + " の " + std::to_string(cut.number) +
                              " 番目の分割: " + SliceNoteText(note)});
    };
    if (const std::optional<SliceNote> note = GapNote(slice.gap)) add(*note);
    if (slice.outsideCurve) add(SliceNote::kOutsideCurve);
    if (slice.pcBelowOverburden) add(SliceNote::kPcBelowOverburden);
    if (slice.unloadedMv) add(SliceNote::kUnloadedMv);
  }
  return messages;
}

std::vector<SettlementColumnResult> ComputeSettlementColumns(const Document& document,
                                                             const SettlementModel& model,
                                                             CircleMethod circleMethod,
                                                             int threads) {
  const std::vector<SettlementSite> sites = SettlementSites(document);
  const std::vector<double> depths = model.SliceMiddles();
  std::vector<std::vector<double>> deltaP =
      LatticeLoadsAtSlices(document, sites, depths, circleMethod, threads);
  const double finalShare = FinalLoadShare(model);
  // The strip's dP and every column's settlement, its times and its messages, column by column
  // on the threads: the times alone take a search per column.
  std::vector<SettlementColumnResult> columns(sites.size());
  ChunkQueue queue(sites.size());
  RunWorkers(ThreadCount(threads, sites.size()), [&] {
    while (const std::optional<std::size_t> s = queue.Next()) {
      if (sites[*s].problem == Problem::Strip) {
        deltaP[*s].resize(depths.size());
        for (std::size_t d = 0; d < depths.size(); ++d)
          deltaP[*s][d] = StripPointStress(document.strip().engineLoads, sites[*s].x, depths[d]);
      }
      // The stages may end at a share of the loads: the column settles under that share.
      if (finalShare != 1.0) {
        for (double& value : deltaP[*s])
          value *= finalShare;
      }
      SettlementColumnResult& column = columns[*s];
      column.site = sites[*s];
      column.values = model.Column(std::span<const double>(deltaP[*s]));
      column.messages = SliceMessages(model, column.values);
    }
  });
  return columns;
}

}  // namespace qel
