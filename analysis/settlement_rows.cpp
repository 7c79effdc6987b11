// The texts of the settlement columns, shared by the calculation table and its CSV.
#include "analysis/settlement_rows.h"

#include "base/c_locale.h"
#include "settings/number_format.h"

namespace qel {

namespace {

std::string Fixed(const char* format, double value) {
  return FormatUnsignedZero(format, value);
}

std::string Optional(const char* format, const std::optional<double>& value) {
  return value ? Fixed(format, *value) : std::string("－");
}

std::string Centimetres(const std::optional<double>& metres) {
  return metres ? Fixed("%.2f", *metres * 100.0) : std::string("－");
}

std::string Days(const std::optional<double>& days) {
  return days ? Fixed("%.1f", *days) + " 日" : std::string("－");
}

const SoilLayer& LayerOf(const SettlementModel& model, std::size_t slice) {
  return model.profile().layers[static_cast<std::size_t>(model.slices()[slice].layer)];
}

}  // namespace

std::vector<std::string> SliceHeadings() {
  return {"層", "土層名", "深度", "層厚", "σ'v0", "Δp", "p1", "pc", "e0", "e1", "S"};
}

std::vector<std::string> SliceUnits(const char* stressUnit) {
  return {"", "", "m", "m", stressUnit, stressUnit, stressUnit, stressUnit, "", "", "cm"};
}

SliceCells CellsOfSlice(const SettlementModel& model, const SettlementColumnResult& column,
                        std::size_t slice) {
  const SoilSlice& cut = model.slices()[slice];
  const SoilLayer& layer = LayerOf(model, slice);
  const SliceSettlement& value = column.values.slices[slice];
  const std::optional<double> pc = layer.method == SettlementMethod::kCc ? layer.pc : std::nullopt;
  SliceCells out;
  out.cells = {FormatC("%d", layer.number),
               layer.name,
               Fixed("%.2f", cut.top) + "～" + Fixed("%.2f", cut.bottom),
               Fixed("%.2f", cut.thickness),
               Fixed("%.2f", value.sigma0),
               Fixed("%.2f", value.deltaP),
               Fixed("%.2f", value.p1),
               Optional("%.2f", pc),
               Optional("%.3f", value.e0),
               Optional("%.3f", value.e1),
               Centimetres(value.settlement)};
  if (!value.settlement)
    out.mark = kNoSettlementMark;
  else if (value.outsideCurve)
    out.mark = kOutsideCurveMark;
  else if (value.pcBelowOverburden)
    out.mark = kPcBelowMark;
  else if (value.deltaP < 0)
    out.mark = kUnloadedMark;
  return out;
}

std::string ColumnHeading(const SettlementSite& site, int number) {
  const std::string numbered = FormatC(" (%d) x = ", number);
  if (site.problem == Problem::Strip) return "帯状荷重" + numbered + Fixed("%.2f", site.x) + " m";
  return "長方形円形荷重" + numbered + Fixed("%.2f", site.x) + " m, y = " + Fixed("%.2f", site.y) +
         " m";
}

std::string ColumnTotalText(const SettlementCourse& course) {
  if (!course.final.total) return "合計 S = －（沈下量を求められない分割があります）";
  return "合計 S = " + Centimetres(course.final.total) + " cm　t50 = " + Days(course.t50) +
         "　t90 = " + Days(course.t90);
}

std::string LayerTotalText(const std::optional<double>& total) {
  return "小計 " + Centimetres(total);
}

std::vector<std::string> MarkNotes(const SettlementColumnResult& column) {
  bool outside = false, unloaded = false;
  for (std::size_t i = 0; i < column.values.slices.size(); ++i) {
    const SliceSettlement& slice = column.values.slices[i];
    if (!slice.settlement) continue;
    outside = outside || slice.outsideCurve;
    // An unloaded mv slice gets S = 0, not a negative one: its own note below says why.
    unloaded = unloaded || (!slice.outsideCurve && !slice.pcBelowOverburden && !slice.unloadedMv &&
                            slice.deltaP < 0);
  }
  std::vector<std::string> notes;
  if (outside)
    notes.push_back(std::string(kOutsideCurveMark) +
                    " e-log p 曲線の範囲外: 曲線の端の線分を延長して求めた値");
  if (unloaded)
    notes.push_back(std::string(kUnloadedMark) + " 除荷（Δp < 0）の分割: 膨張を負の沈下量とした値");
  // Each message under the mark its slice carries.
  for (const SliceMessage& message : column.messages) {
    if (message.note == SliceNote::kOutsideCurve) continue;
    const char* mark = message.note == SliceNote::kPcBelowOverburden ? kPcBelowMark
                       : message.note == SliceNote::kUnloadedMv      ? kUnloadedMark
                                                                     : kNoSettlementMark;
    notes.push_back(std::string(mark) + " " + message.text);
  }
  return notes;
}

std::string ConditionsText(const SettlementModel& model) {
  const SoilProfile& profile = model.profile();
  const std::string water = profile.waterDepth
                                ? "地下水位 GL－" + Fixed("%.2f", *profile.waterDepth) + " m"
                                : std::string("地下水位なし");
  return water + "　γw = " + Fixed("%.2f", profile.gammaW) + "　最大分割厚 " +
         Fixed("%.2f", profile.sliceThickness) + " m";
}

std::vector<std::string> UnreadProfileLines(const DocumentSettlement& settlement) {
  std::vector<std::string> lines;
  if (settlement.status == DocumentSettlement::Status::kNoProfile) {
    lines.push_back("地盤の土層がありません");
    return lines;
  }
  lines.push_back("地盤の土層を読めないため、沈下量を計算できません");
  for (const SoilProfileError& error : settlement.errors)
    lines.push_back(error.line > 0 ? FormatC("  土層データの %d 行目: ", error.line) + error.text
                                   : "  " + error.text);
  return lines;
}

std::vector<const SettlementColumnResult*> ColumnsOf(const DocumentSettlement& settlement,
                                                     Problem problem) {
  std::vector<const SettlementColumnResult*> columns;
  for (const SettlementColumnResult& column : settlement.columns)
    if (column.site.problem == problem) columns.push_back(&column);
  return columns;
}

}  // namespace qel
