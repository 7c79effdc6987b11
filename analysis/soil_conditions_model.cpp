// The soil profile as entered, as a table model.
#include "analysis/soil_conditions_model.h"

#include <string>
#include <vector>

#include "analysis/table_cells.h"
#include "base/c_locale.h"

namespace qel {

namespace {

// The number as the calculation reads it: the fewest decimals that read back as the same value
// ("0.0003", as a value is typed, not "3e-04"); the shortest form of all for a value no
// fixed-point text of 17 decimals holds.
std::string Number(double value) {
  for (int decimals = 0; decimals <= 17; ++decimals) {
    const std::string text = FormatC("%.*f", decimals, value);
    if (ParseRealNumber(text) == value) return text == "-0" ? "0" : text;
  }
  return ShortestRealText(value);
}

std::string Optional(const std::optional<double>& value) {
  return value ? Number(*value) : std::string();
}

std::string NumberList(const std::vector<double>& values) {
  std::string text;
  for (const double value : values)
    text += (text.empty() ? "" : ", ") + Number(value);
  return text;
}

const char* MethodText(SettlementMethod method) {
  switch (method) {
    case SettlementMethod::kNone:
      return "なし";
    case SettlementMethod::kCc:
      return "Cc";
    case SettlementMethod::kElogP:
      return "e-logp";
    case SettlementMethod::kMv:
      return "mv";
  }
  return "";
}

const char* DrainageText(Drainage drainage) {
  switch (drainage) {
    case Drainage::kBoth:
      return "両面";
    case Drainage::kTop:
      return "上面";
    case Drainage::kBottom:
      return "下面";
    case Drainage::kNone:
      return "なし";
  }
  return "";
}

// The units of the document's unit system: force "kN" or "tf".
struct Units {
  std::string force;
  std::string weight() const { return force + "/m³"; }
  std::string stress() const { return force + "/㎡"; }
  std::string compressibility() const { return "㎡/" + force; }
};

void AddSection(TableModel& table, const std::string& title, std::size_t first, std::size_t end) {
  TableSection& section = table.sections.emplace_back();
  section.title = title;
  section.name = title;
  section.key = {title};
  for (std::size_t column = first; column < end; ++column)
    section.columns.push_back(column);
}

void AddItem(TableSection& section, std::string item, std::string unit, std::string value) {
  section.rows.push_back({{std::move(item), std::move(unit), std::move(value)}, {}, {}, {}});
}

void AddConditions(TableModel& table, const SoilProfile& profile, const Units& units) {
  AddSection(table, kSoilConditionsTitle, kSoilItem, kSoilItemValue + 1);
  TableSection& section = table.sections.back();
  AddItem(section, "地下水位 GL－", profile.waterDepth ? "m" : "",
          profile.waterDepth ? Number(*profile.waterDepth) : "なし");
  AddItem(section, "水の単位体積重量 γw", units.weight(), Number(profile.gammaW));
  AddItem(section, "最大分割厚", "m", Number(profile.sliceThickness));
  AddItem(section, "時間", "日", NumberList(profile.times));
  for (const LoadStage& stage : profile.stages) {
    const std::string name = FormatC("載荷段階 %d ", stage.number);
    AddItem(section, name + "開始～終了", "日", Number(stage.start) + "～" + Number(stage.end));
    AddItem(section, name + "終了時の荷重の割合", "", Number(stage.fraction));
  }
  AddItem(section, "漸増載荷の計算", "",
          profile.timeLoading == TimeLoading::kExact ? "厳密解" : "Terzaghi の修正");
  const char* rule = profile.consolidation == ConsolidationRule::kLayers       ? "層ごと"
                     : profile.consolidation == ConsolidationRule::kEquivalent ? "換算層厚"
                                                                               : "連成";
  AddItem(section, "圧密の計算", "", rule);
  AddItem(section, "二次圧密の開始（一次圧密沈下量に対する割合）", "",
          Number(profile.secondaryStart));
  if (profile.residual) {
    AddItem(section, "舗装の日", "日", Number(profile.residual->paving));
    AddItem(section, "供用期間", "日", Number(profile.residual->service));
  }
  std::string columns;
  for (const int column : profile.timeColumns)
    columns += (columns.empty() ? "" : ", ") + FormatC("%d", column);
  AddItem(section, "時間－沈下曲線の列", "",
          columns.empty() ? std::string("沈下量の大きい 6 列") : columns);
  if (const std::optional<VerticalDrains>& drains = profile.drains) {
    AddItem(section, "鉛直ドレーンの配置", "",
            drains->pattern == DrainPattern::kSquare ? "正方形" : "正三角形");
    AddItem(section, "ドレーンの間隔", "m", Number(drains->spacing));
    // A diameter worked out from a band drain's a and b has no short exact text: it is given to
    // six digits with the formula a checker redoes it by.
    std::string dw = Number(drains->dw);
    if (profile.drainBand && dw.size() > 10) dw = FormatC("%.6g", drains->dw) + "（2(a + b)/π）";
    AddItem(section, "ドレーンの換算直径 dw", "m", dw);
    if (const std::optional<BandDrain>& band = profile.drainBand) {
      AddItem(section, "バンドドレーンの幅 a", "m", Number(band->width));
      AddItem(section, "バンドドレーンの厚さ b", "m", Number(band->thickness));
    }
    AddItem(section, "スミア域の直径 ds", "m", Optional(drains->ds));
    AddItem(section, "透水係数比 kh/ks", "", Optional(drains->khks));
    AddItem(section, "通水能力 qw", "m³/日", Optional(drains->qw));
    AddItem(section, "ドレーンの下端深度", "m", Number(drains->bottom));
  }
}

void AddLayers(TableModel& table, const SoilProfile& profile) {
  AddSection(table, kSoilLayersTitle, kSoilLayerNo, kSoilLayerCh + 1);
  TableSection& section = table.sections.back();
  for (std::size_t i = 0; i < profile.layers.size(); ++i) {
    const SoilLayer& layer = profile.layers[i];
    const bool cc = layer.method == SettlementMethod::kCc;
    const bool elogp = layer.method == SettlementMethod::kElogP;
    const bool settles = layer.method != SettlementMethod::kNone;
    TableModelRow& row = section.rows.emplace_back();
    row.cells = {FormatC("%d", layer.number),
                 layer.name,
                 Number(LayerTop(profile, i)),
                 Number(layer.bottom),
                 Number(layer.gammaT),
                 Number(layer.gammaSat),
                 MethodText(layer.method),
                 cc ? Number(layer.e0) : std::string(),
                 cc ? Number(layer.cc) : std::string(),
                 cc || elogp ? Optional(layer.cs) : std::string(),
                 cc ? Optional(layer.pc) : std::string(),
                 layer.method == SettlementMethod::kMv ? Number(layer.mv) : std::string(),
                 settles ? Optional(layer.cv) : std::string(),
                 settles ? DrainageText(layer.drainage) : "",
                 elogp ? FormatC("%d", layer.curve) : std::string(),
                 settles ? Optional(layer.calpha) : std::string(),
                 settles ? Optional(layer.ch) : std::string()};
  }
  section.notes = {"上端は上の層の下端です"};
  for (const SoilLayer& layer : profile.layers)
    if (layer.method == SettlementMethod::kCc && !layer.pc) {
      section.notes.push_back("p'c が空欄の Cc 層は正規圧密（p'c = σ'v0）として計算します");
      break;
    }
}

void AddCurves(TableModel& table, const SoilProfile& profile) {
  for (const ElogPCurve& curve : profile.curves) {
    AddSection(table, SoilCurveTitle(curve.number), kSoilCurvePoint, kSoilCurveE + 1);
    TableSection& section = table.sections.back();
    for (std::size_t i = 0; i < curve.p.size() && i < curve.e.size(); ++i)
      section.rows.push_back(
          {{FormatC("%zu", i + 1), Number(curve.p[i]), Number(curve.e[i])}, {}, {}, {}});
  }
}

}  // namespace

std::string SoilCurveTitle(int number) {
  return FormatC("e-log p 曲線 %d", number);
}

TableModel SoilConditionsTable(const SoilProfileReading& reading, const SystemSettings& settings) {
  const Units units{settings.unitSystem != 0 ? "kN" : "tf"};
  TableModel table;
  table.keyColumns = {Heading("区分")};
  table.columns = {Heading("項目"),
                   Heading("単位"),
                   Heading("値"),
                   Heading("No."),
                   Heading("土層名"),
                   Heading("上端", "m"),
                   Heading("下端", "m"),
                   Heading("γt", units.weight()),
                   Heading("γsat", units.weight()),
                   Heading("方法"),
                   Heading("e0"),
                   Heading("Cc"),
                   Heading("Cs"),
                   Heading("p'c", units.stress()),
                   Heading("mv", units.compressibility()),
                   Heading("cv", "cm²/日"),
                   Heading("排水"),
                   Heading("曲線"),
                   Heading("Cα"),
                   Heading("ch", "cm²/日"),
                   Heading("点"),
                   Heading("p", units.stress()),
                   Heading("e")};
  if (!reading.profile) {
    if (reading.errors.empty()) {
      table.preamble = {"地盤の土層がありません"};
      return table;
    }
    table.preamble = {"地盤の土層を読めません"};
    for (const SoilProfileError& error : reading.errors)
      table.preamble.push_back(error.line > 0
                                   ? FormatC("  土層データの %d 行目: ", error.line) + error.text
                                   : "  " + error.text);
    return table;
  }
  AddConditions(table, *reading.profile, units);
  AddLayers(table, *reading.profile);
  AddCurves(table, *reading.profile);
  return table;
}

}  // namespace qel
