// The lines of the calculation table that say what the settlement in time rests on.
#include "analysis/settlement_time_basis.h"

#include <algorithm>

#include "base/c_locale.h"

namespace qel {

namespace {

std::string LayerLabel(const SoilProfile& profile, std::size_t layer) {
  return FormatC("層 %d ", profile.layers[layer].number) + profile.layers[layer].name;
}

std::string FacesText(const LayerGroup& group) {
  if (group.topDrained && group.bottomDrained) return "上下面排水";
  if (group.topDrained) return "上面排水";
  if (group.bottomDrained) return "下面排水";
  return "排水面なし";
}

std::string StagesLine(const SettlementCourseModel& model) {
  const SoilProfile& p = model.profile();
  if (p.stages.empty()) return "載荷: 0 日に全荷重";
  std::string line = p.timeLoading == TimeLoading::kExact ? "施工段階（漸増載荷の厳密解）:"
                                                          : "施工段階（テルツァーギの補正）:";
  for (const LoadStage& stage : p.stages)
    line += FormatC("　%d) %g～%g 日 %.0f %%", stage.number, stage.start, stage.end,
                    stage.fraction * 100.0);
  return line;
}

std::vector<std::string> GroupLines(const SettlementCourseModel& model) {
  const SoilProfile& p = model.profile();
  std::vector<std::string> lines;
  const char* rule = p.consolidation == ConsolidationRule::kLayers       ? "層ごと"
                     : p.consolidation == ConsolidationRule::kEquivalent ? "換算層厚法"
                                                                         : "多層連成";
  lines.push_back(std::string("圧密の計算: ") + rule);
  int number = 0;
  for (const CourseGroup& group : model.groups()) {
    ++number;
    const LayerGroup& layers = group.layers;
    std::string line = layers.first == layers.last
                           ? "　" + LayerLabel(p, layers.first)
                           : FormatC("　群 %d（層 %d～%d）", number, p.layers[layers.first].number,
                                     p.layers[layers.last].number);
    line += "　" + FacesText(layers);
    if (!group.thickness) {
      lines.push_back(line + "　cv のない層があり時間変化なし");
      continue;
    }
    const char* thickness = p.consolidation == ConsolidationRule::kEquivalent ? "H' = " : "層厚 ";
    line += "　" + std::string(thickness) + FormatC("%.2f m", *group.thickness);
    line += FormatC("　Hd = %.2f m", *group.drainagePath);
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

std::vector<std::string> TimeBasisLines(const SettlementCourseModel& model) {
  const SoilProfile& p = model.profile();
  const bool anyCv = std::any_of(p.layers.begin(), p.layers.end(),
                                 [](const SoilLayer& layer) { return layer.cv.has_value(); });
  if (!anyCv) return {};
  std::vector<std::string> lines = {StagesLine(model)};
  const std::vector<std::string> groups = GroupLines(model);
  lines.insert(lines.end(), groups.begin(), groups.end());
  const bool anyCalpha = std::any_of(p.layers.begin(), p.layers.end(), [](const SoilLayer& layer) {
    return layer.calpha.has_value();
  });
  if (anyCalpha)
    lines.push_back(
        FormatC("二次圧密: 一次圧密沈下が最終値の %g %% に達した日から", p.secondaryStart * 100.0));
  if (p.drains && model.drains()) {
    const VerticalDrains& d = *p.drains;
    const DrainFactors& f = *model.drains();
    lines.push_back(std::string("バーチカルドレーン: ") +
                    (d.pattern == DrainPattern::kTriangle ? "正三角形" : "正方形") +
                    FormatC("配置 s = %.3f m　dw = %.4f m　de = %.3f m　n = %.2f　μs = %.3f",
                            d.spacing, d.dw, f.de, f.n, f.smear));
    lines.push_back(FormatC("　中央が GL－%.2f m より浅い分割は水平方向にも排水", d.bottom));
  }
  return lines;
}

std::vector<std::string> ColumnDrainLines(const SettlementCourseModel& model,
                                          const SettlementColumn& final) {
  const SoilProfile& p = model.profile();
  if (!p.drains) return {};
  const SettlementCourseModel::LayerDrains drains = model.DrainsOfLayers(final);
  std::vector<std::string> lines;
  for (std::size_t layer = 0; layer < drains.layers.size(); ++layer) {
    const std::optional<DrainFactors>& f = drains.layers[layer];
    if (f) {
      lines.push_back(
          "ドレーン " + LayerLabel(p, layer) +
          FormatC("　μs = %.4g　μw = %.4g　μ = %.4g", f->smear, f->wellResistance, f->mu()));
    } else if (p.drains->qw && HorizontalCv(p.layers[layer]) &&
               p.layers[layer].method != SettlementMethod::kNone) {
      lines.push_back("ドレーン " + LayerLabel(p, layer) + "　mv が決まらず μw を求められない");
    }
  }
  return lines;
}

}  // namespace qel
