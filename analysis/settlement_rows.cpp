// The texts of the settlement columns, shared by the calculation table and its CSV.
#include "analysis/settlement_rows.h"

#include <algorithm>

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

const char* MarkOfNote(SliceNote note) {
  switch (note) {
    case SliceNote::kOutsideCurve:
      return kOutsideCurveMark;
    case SliceNote::kPcBelowOverburden:
      return kPcBelowMark;
    case SliceNote::kUnloadedMv:
      return kUnloadedMark;
    default:
      return kNoSettlementMark;
  }
}

// "4", "1～12", "1, 3, 5" or "1～3, 7": the slice numbers (ascending), each run of consecutive
// numbers as its ends.
std::string SliceNumbersText(const std::vector<int>& numbers) {
  std::string text;
  for (std::size_t first = 0; first < numbers.size();) {
    std::size_t last = first;
    while (last + 1 < numbers.size() && numbers[last + 1] == numbers[last] + 1)
      ++last;
    if (!text.empty()) text += ", ";
    text += std::to_string(numbers[first]);
    if (last > first) text += "～" + std::to_string(numbers[last]);
    first = last + 1;
  }
  return text;
}

// The messages of one layer and one kind of note, in the order their first slice comes.
struct NoteGroup {
  const SliceMessage* first = nullptr;
  std::vector<int> numbers;
};

std::vector<NoteGroup> GroupByLayerAndNote(const std::vector<SliceMessage>& messages) {
  std::vector<NoteGroup> groups;
  for (const SliceMessage& message : messages) {
    auto same = [&message](const NoteGroup& group) {
      return group.first->layer == message.layer && group.first->note == message.note;
    };
    auto found = std::find_if(groups.begin(), groups.end(), same);
    if (found == groups.end()) found = groups.insert(groups.end(), NoteGroup{&message, {}});
    found->numbers.push_back(message.number);
  }
  return groups;
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
  const bool showsPc = layer.method == SettlementMethod::kCc && layer.pc.has_value();
  SliceCells out;
  out.cells = {FormatC("%d", layer.number),
               layer.name,
               Fixed("%.2f", cut.top) + "～" + Fixed("%.2f", cut.bottom),
               Fixed("%.2f", cut.thickness),
               Fixed("%.2f", value.sigma0),
               Fixed("%.2f", value.deltaP),
               Fixed("%.2f", value.p1),
               showsPc ? Fixed("%.2f", *layer.pc) : std::string("－"),
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
  // One line per layer and kind of message, naming its slices, under the mark they carry.
  for (const NoteGroup& group : GroupByLayerAndNote(column.messages)) {
    const SliceNote note = group.first->note;
    if (note == SliceNote::kOutsideCurve) continue;
    notes.push_back(std::string(MarkOfNote(note)) + " " + group.first->layerName + " の " +
                    SliceNumbersText(group.numbers) + " 番目の分割: " + SliceNoteText(note));
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
