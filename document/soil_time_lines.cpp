// Stages, rules, drains and curve columns of the soil section, read and checked.
#include "document/soil_time_lines.h"

#include <algorithm>
#include <cmath>

#include "base/c_locale.h"
#include "base/quoted_text.h"
#include "document/soil_section_lines.h"
#include "engine/consolidation_groups.h"

namespace qel::soil_text {

namespace {

// A number as typed, shortened for a message that shows it beside another.
std::string Shown(std::string_view text) {
  return ShortenedText(text, kShownNumberCharacters);
}

std::string Count(std::size_t count) {
  return std::to_string(count);
}

constexpr const char* kDrainsLabel = "バーチカルドレーン";
constexpr const char* kResidualLabel = "残留沈下";
// How far a band drain's diameter as given may stray from 2 (a + b) / pi: enough for the four
// figures a written diameter keeps, not for a width or thickness changed by hand.
constexpr double kBandDiameterTolerance = 0.005;
constexpr const char* kTimeColumnsLabel = "時間－沈下曲線の列";

}  // namespace

const char* TimeLines::SettingLabel(std::string_view key) {
  if (key == "timeload") return "載荷時間の扱い";
  if (key == "consolidation") return "圧密計算法";
  if (key == "secondary") return "二次圧密の開始";
  if (key == "residual") return kResidualLabel;
  if (key == "drains") return kDrainsLabel;
  if (key == "timecols") return kTimeColumnsLabel;
  return nullptr;
}

void TimeLines::ReadStage(int line, std::string_view value) {
  const std::vector<std::string_view> fields = SoilFieldViews(value);
  const std::string where = std::to_string(line) + " 行目の施工段階";
  if (fields.size() != 4) {
    checks_.Error(line, where + ": 項目が " + Count(fields.size()) + " 個あります (4 個必要です)");
    return;
  }
  if (stages_.size() == static_cast<std::size_t>(kMaxLoadStages)) {
    if (++extraStages_ == 1)
      checks_.Error(line, "施工段階は " + std::to_string(kMaxLoadStages) + " 段階までです");
    return;
  }
  StageLine stage;
  stage.line = line;
  if (!checks_.TooLong(line, where, "番号", fields[0]))
    stage.number = checks_.Whole(line, where, "番号", fields[0]);
  stage.label = stage.number ? "段階 " + std::to_string(*stage.number) : where;
  if (fields[0].empty()) checks_.Error(line, stage.label + ": 番号がありません");
  for (const StageLine& other : stages_) {
    if (stage.number && other.number == stage.number) {
      checks_.Error(line, stage.label + ": 番号が " + std::to_string(other.line) +
                              " 行目の施工段階と重複しています");
      break;
    }
  }
  stage.start = checks_.Checked(line, stage.label, "開始", fields[1], kTimeRange);
  stage.end = checks_.Checked(line, stage.label, "終了", fields[2], kTimeRange);
  stage.fraction = checks_.Checked(line, stage.label, "割合", fields[3], kFractionRange);
  stage.startText = std::string(fields[1]);
  stage.endText = std::string(fields[2]);
  stage.fractionText = std::string(fields[3]);
  if (stage.start && stage.end && *stage.end < *stage.start) {
    checks_.Error(line, stage.label + ": 終了 " + Shown(stage.endText) + " が開始 " +
                            Shown(stage.startText) + " より前です");
  }
  stages_.push_back(std::move(stage));
}

void TimeLines::ReadSetting(int line, std::string_view key, std::string_view value,
                            SoilProfile& profile) {
  const std::string label = SettingLabel(key);
  if (key == "timeload") {
    if (value == "exact")
      profile.timeLoading = TimeLoading::kExact;
    else if (value == "terzaghi")
      profile.timeLoading = TimeLoading::kTerzaghi;
    else
      checks_.Error(line, label + QuotedInput(value) + "は exact, terzaghi のいずれかです");
  } else if (key == "consolidation") {
    if (value == "layers")
      profile.consolidation = ConsolidationRule::kLayers;
    else if (value == "equivalent")
      profile.consolidation = ConsolidationRule::kEquivalent;
    else if (value == "coupled")
      profile.consolidation = ConsolidationRule::kCoupled;
    else
      checks_.Error(line,
                    label + QuotedInput(value) + "は layers, equivalent, coupled のいずれかです");
  } else if (key == "secondary") {
    if (checks_.TooLong(line, std::to_string(line) + " 行目", label, value)) return;
    const std::optional<double> start = ParseRealNumber(value);
    if (!start)
      checks_.Error(line, label + QuotedInput(value) + "が数値ではありません");
    else if (const std::optional<std::string> broken = OutsideRange(*start, kSecondaryStartRange))
      checks_.Error(line, Subject(label) + *broken);
    else
      profile.secondaryStart = *start;
  } else if (key == "residual") {
    ReadResidual(line, value, profile);
  } else if (key == "drains") {
    ReadDrains(line, value, profile);
  } else if (key == "timecols") {
    ReadTimeColumns(line, value, profile);
  }
}

void TimeLines::ReadResidual(int line, std::string_view value, SoilProfile& profile) {
  const std::vector<std::string_view> fields = SoilFieldViews(value);
  if (fields.size() > 2) {
    checks_.Error(line, std::string(kResidualLabel) + ": 項目が " + Count(fields.size()) +
                            " 個あります (1–2 個必要です)");
    return;
  }
  const std::optional<double> paving =
      checks_.Checked(line, kResidualLabel, "舗装日", fields[0], kTimeRange);
  ResidualPeriod period;
  if (fields.size() == 2 && !fields[1].empty()) {
    const std::optional<double> service =
        checks_.CheckedIfGiven(line, kResidualLabel, "供用期間", fields[1], kServiceRange);
    if (!service) return;
    period.service = *service;
  }
  if (!paving) return;
  period.paving = *paving;
  profile.residual = period;
}

void TimeLines::ReadDrains(int line, std::string_view value, SoilProfile& profile) {
  drainsLine_ = line;
  const std::vector<std::string_view> fields = SoilFieldViews(value);
  const std::string label = kDrainsLabel;
  // Seven fields, or nine with a band drain's width and thickness at the end.
  if (fields.size() != 7 && fields.size() != 9) {
    checks_.Error(line,
                  label + ": 項目が " + Count(fields.size()) + " 個あります (7 個か 9 個必要です)");
    return;
  }
  VerticalDrains drains;
  bool good = true;
  if (fields[0].empty()) {
    checks_.Error(line, label + ": 配置がありません");
    good = false;
  } else if (checks_.TooLong(line, label, "配置", fields[0])) {
    good = false;
  } else if (fields[0] == "square" || fields[0] == "triangle") {
    drains.pattern = fields[0] == "square" ? DrainPattern::kSquare : DrainPattern::kTriangle;
  } else {
    checks_.Error(line,
                  label + ": 配置" + QuotedInput(fields[0]) + "は square, triangle のいずれかです");
    good = false;
  }
  auto required = [&](const char* field, std::string_view text, const Range& range) {
    const std::optional<double> number = checks_.Checked(line, label, field, text, range);
    good = good && number.has_value();
    return number.value_or(0.0);
  };
  auto optional = [&](const char* field, std::string_view text, const Range& range) {
    const std::optional<double> number = checks_.CheckedIfGiven(line, label, field, text, range);
    good = good && (text.empty() || number.has_value());
    return number;
  };
  drains.spacing = required("間隔", fields[1], kDrainSizeRange);
  // A band drain: its width and thickness both or neither; its diameter, when left empty,
  // follows from them, and when given must agree with them (one edited without the other).
  const bool bandGiven = fields.size() == 9 && !(fields[7].empty() && fields[8].empty());
  std::optional<BandDrain> band;
  if (bandGiven) {
    const double width = required("幅 a", fields[7], kDrainSizeRange);
    const double thickness = required("厚さ b", fields[8], kDrainSizeRange);
    if (width > 0 && thickness > 0) band = BandDrain{width, thickness};
  }
  std::string dwShown(fields[2]);
  if (bandGiven && fields[2].empty()) {
    if (band) drains.dw = BandDrainDiameter(*band);
    dwShown = FormatC("%.4g", drains.dw);
  } else {
    drains.dw = required("直径 dw", fields[2], kDrainSizeRange);
    const double derived = band ? BandDrainDiameter(*band) : 0.0;
    if (band && drains.dw > 0 && std::abs(drains.dw - derived) > kBandDiameterTolerance * derived) {
      checks_.Error(line, label + ": 直径 dw " + Shown(fields[2]) +
                              " が幅 a と厚さ b の 2(a + b)/π = " + FormatC("%.4g", derived) +
                              " と合いません");
      good = false;
    }
  }
  drains.ds = optional("スミア径 ds", fields[3], kDrainSizeRange);
  drains.khks = optional("kh/ks", fields[4], kPermeabilityRatioRange);
  drains.qw = optional("通水能力 qw", fields[5], kDischargeRange);
  drains.bottom = required("下端深さ", fields[6], kDepthRange);
  if (!good) return;
  // The values are each plausible; what is left is how they fit together.
  for (const DrainProblem problem : CheckVerticalDrains(drains)) {
    switch (problem) {
      case DrainProblem::kSpacingNotAboveDiameter:
        checks_.Error(line, label + ": 間隔 " + Shown(fields[1]) + " が直径 dw " + Shown(dwShown) +
                                " 以下です");
        break;
      case DrainProblem::kSmearBelowDiameter:
        checks_.Error(line, label + ": スミア径 ds " + Shown(fields[3]) + " が直径 dw " +
                                Shown(dwShown) + " より小さくなっています");
        break;
      case DrainProblem::kSmearNotWithinCell:
        checks_.Error(line,
                      label + ": スミア径 ds " + Shown(fields[3]) + " が有効径 de " +
                          FormatC("%.4g", EquivalentDiameter(drains.pattern, drains.spacing)) +
                          " 以上です");
        break;
      default:  // refused by the ranges above
        break;
    }
    good = false;
  }
  if (!good) return;
  profile.drains = drains;
  profile.drainBand = band;
}

void TimeLines::ReadTimeColumns(int line, std::string_view value, SoilProfile& profile) {
  const std::vector<std::string_view> items = SoilFieldViews(value);
  if (items.size() > static_cast<std::size_t>(kMaxTimeColumns)) {
    checks_.Error(line, std::string(kTimeColumnsLabel) + "は " + std::to_string(kMaxTimeColumns) +
                            " 個までです");
    return;
  }
  std::vector<int> columns;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const std::string which = std::string(kTimeColumnsLabel) + "の " + Count(i + 1) + " 番目";
    if (checks_.TooLong(line, std::to_string(line) + " 行目", which, items[i])) continue;
    const std::optional<int> column = ParseWholeNumber(items[i]);
    if (!column || *column <= 0)
      checks_.Error(line, which + QuotedInput(items[i]) + "が正の整数ではありません");
    else
      columns.push_back(*column);
  }
  profile.timeColumns = columns;
}

void TimeLines::CheckStages(SoilProfile& profile) {
  profile.stages.clear();
  for (std::size_t i = 0; i < stages_.size(); ++i) {
    const StageLine& stage = stages_[i];
    if (i > 0) {
      const StageLine& before = stages_[i - 1];
      if (stage.start && before.end && *stage.start < *before.end) {
        checks_.Error(stage.line, stage.label + ": 開始 " + Shown(stage.startText) + " が" +
                                      before.label + " の終了 " + Shown(before.endText) +
                                      " より前です");
      }
      if (stage.fraction && before.fraction && *stage.fraction <= *before.fraction) {
        checks_.Error(stage.line, stage.label + ": 割合 " + Shown(stage.fractionText) + " が" +
                                      before.label + " の割合 " + Shown(before.fractionText) +
                                      " 以下です");
      }
    }
    if (stage.number && stage.start && stage.end && stage.fraction)
      profile.stages.push_back({*stage.number, *stage.start, *stage.end, *stage.fraction});
  }
}

void TimeLines::CheckGroups(const SoilProfile& profile, const std::vector<LayerLine>& layers) {
  if (profile.consolidation == ConsolidationRule::kLayers) {
    for (std::size_t i = 0; i < profile.layers.size() && i < layers.size(); ++i) {
      const SoilLayer& layer = profile.layers[i];
      if (layer.method != SettlementMethod::kNone && layer.drainage == Drainage::kNone)
        checks_.Error(layers[i].line,
                      layers[i].label +
                          ": 排水条件 none は圧密計算法 equivalent か coupled のときだけ使えます");
    }
    return;
  }
  for (const LayerGroup& group : ConsolidationGroups(profile)) {
    if (group.topDrained || group.bottomDrained || group.first >= layers.size()) continue;
    std::string members = "土層 " + std::to_string(profile.layers[group.first].number);
    if (group.last > group.first)
      members += "–" + std::to_string(profile.layers[group.last].number);
    checks_.Error(layers[group.first].line, layers[group.first].label + ": 圧密グループ (" +
                                                members + ") の上端も下端も排水しません");
  }
}

void TimeLines::Finish(SoilProfile& profile, const std::vector<LayerLine>& layers,
                       bool gammaWTyped) {
  CheckStages(profile);
  CheckGroups(profile, layers);
  if (drainsLine_ > 0 && profile.drains && profile.drains->qw && !gammaWTyped)
    checks_.Error(drainsLine_, "ドレーンの通水能力 qw があるときは γw が必要です");
}

}  // namespace qel::soil_text
