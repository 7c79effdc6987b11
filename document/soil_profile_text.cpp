// The soil profile's section read line by line, then checked as a whole.
#include "document/soil_profile_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <stdexcept>

#include "base/c_locale.h"
#include "base/quoted_text.h"
#include "document/soil_field_checks.h"
#include "document/soil_section_lines.h"
#include "document/soil_time_lines.h"
#include "engine/soil_slices.h"

namespace qel {

namespace {

std::string_view Trimmed(std::string_view text) {
  return TrimmedSoilView(text);
}

std::vector<std::string_view> SplitFields(std::string_view text) {
  return SoilFieldViews(text);
}

std::string Quoted(std::string_view text) {
  return QuotedInput(text);
}

using soil_text::kCalphaRange;
using soil_text::kCvRange;
using soil_text::kDeepest;
using soil_text::kDepthRange;
using soil_text::kIndexRange;
using soil_text::kLongestCell;
using soil_text::kMvRange;
using soil_text::kPressureRange;
using soil_text::kShownNameCharacters;
using soil_text::kTimeRange;
using soil_text::kVoidRatioRange;
using soil_text::kWaterRange;
using soil_text::OutsideRange;
using soil_text::Range;
using soil_text::Subject;
using soil_text::UnitWeightRange;

enum LayerField {
  kNo,
  kName,
  kBottom,
  kGammaT,
  kGammaSat,
  kMethod,
  kE0,
  kCc,
  kCs,
  kPc,
  kMv,
  kCv,
  kDrain,
  kCurve,
  kCalpha,
  kCh,
  kLayerFieldCount
};
// A layer line holds the first 14 fields at least; Calpha and ch may be left off.
constexpr int kLeastLayerFields = kCalpha;
constexpr const char* kLayerFieldNames[kLayerFieldCount] = {
    "番号", "名称", "下端深さ", "γt", "γsat",     "沈下計算法", "e0", "Cc",
    "Cs",   "p'c",  "mv",       "cv", "排水条件", "曲線番号",   "Cα", "ch"};
// The fields that hold real numbers.
constexpr LayerField kRealFields[] = {kBottom, kGammaT, kGammaSat, kE0,     kCc, kCs,
                                      kPc,     kMv,     kCv,       kCalpha, kCh};

// The range of a real field (the unit weights' depends on the units).
Range FieldRange(LayerField field, int unitSystem) {
  switch (field) {
    case kBottom:
      return kDepthRange;
    case kGammaT:
    case kGammaSat:
      return UnitWeightRange(unitSystem);
    case kE0:
      return kVoidRatioRange;
    case kCc:
    case kCs:
      return kIndexRange;
    case kPc:
      return kPressureRange;
    case kMv:
      return kMvRange;
    case kCalpha:
      return kCalphaRange;
    default:
      return kCvRange;
  }
}

// A layer line as read, before the checks that need the whole section.
struct LayerLine {
  int line = 0;
  std::string label;  // how the messages name it: 土層 3 (粘土2)
  std::array<std::string, kLayerFieldCount> texts;
  std::array<std::optional<double>, kLayerFieldCount> values;
  std::optional<int> number;
  std::optional<SettlementMethod> method;
  std::optional<Drainage> drainage;
  std::optional<int> curve;
};

std::optional<SettlementMethod> MethodFrom(std::string_view text) {
  if (text == "none") return SettlementMethod::kNone;
  if (text == "cc") return SettlementMethod::kCc;
  if (text == "elogp") return SettlementMethod::kElogP;
  if (text == "mv") return SettlementMethod::kMv;
  return std::nullopt;
}

std::optional<Drainage> DrainageFrom(std::string_view text) {
  if (text == "both") return Drainage::kBoth;
  if (text == "top") return Drainage::kTop;
  if (text == "bottom") return Drainage::kBottom;
  if (text == "none") return Drainage::kNone;
  return std::nullopt;
}

class SectionReader : private soil_text::FieldChecks {
 public:
  explicit SectionReader(int unitSystem) : unitSystem_(unitSystem), timeLines_(*this) {}
  SoilProfileReading Read(const std::vector<std::string>& lines);

 private:
  void ReadLine(int line, std::string_view text);
  void ReadSetting(int line, std::string_view key, std::string_view value);
  void ReadTimes(int line, std::string_view value);
  void ReadLayer(int line, std::string_view value);
  void ReadCurve(int line, std::string_view value);
  // The checks of one layer that need the water table, the curves or the layer above.
  void CheckLayer(std::size_t index, SoilLayer& layer);
  std::optional<double> Required(const LayerLine& layer, LayerField field);
  // Tells a value of `field` outside its plausible range.
  void CheckRange(const LayerLine& layer, LayerField field);

  int unitSystem_;
  soil_text::TimeLines timeLines_;
  SoilProfile profile_;
  std::vector<LayerLine> layers_;
  std::map<std::string, int, std::less<>> settingLines_;  // for keys given twice
  int extraLayers_ = 0;                                   // layer lines beyond the bound
  int curveLines_ = 0;
  // Numbers of the curves given, good or not: a layer is told its curve is missing only when
  // no line gives it.
  std::vector<int> curveNumbers_;
  std::string gammaWText_;    // as typed, once it has read as a positive number
  bool gammaWTyped_ = false;  // a value was typed, good or not
  bool waterBad_ = false;     // a water table that did not read: no layer check relies on it
};

void SectionReader::ReadLine(int line, std::string_view text) {
  if (Trimmed(text).empty()) return;
  const std::size_t equals = text.find('=');
  const std::string_view key = Trimmed(text.substr(0, equals));
  const std::string_view value = equals == std::string_view::npos ? "" : text.substr(equals + 1);
  if (equals != std::string_view::npos && CharacterCount(key) <= kLongestCell) {
    if (key == "layer") return ReadLayer(line, value);
    if (key == "curve") return ReadCurve(line, value);
    if (key == "stage") return timeLines_.ReadStage(line, value);
    if (key == "water" || key == "gammaw" || key == "slice" || key == "times" ||
        soil_text::TimeLines::SettingLabel(key))
      return ReadSetting(line, key, Trimmed(value));
  }
  Error(line, std::to_string(line) + " 行目: 不明な項目" + Quoted(key) + "です");
}

void SectionReader::ReadSetting(int line, std::string_view key, std::string_view value) {
  const std::map<std::string_view, const char*> labels = {
      {"water", "地下水位"}, {"gammaw", "γw"}, {"slice", "分割厚さ"}, {"times", "時間"}};
  const auto own = labels.find(key);
  const std::string label =
      own != labels.end() ? own->second : soil_text::TimeLines::SettingLabel(key);
  if (!settingLines_.emplace(std::string(key), line).second) {
    Error(line, Subject(label) + "が重複しています");
    return;
  }
  if (own == labels.end()) {
    if (!value.empty()) timeLines_.ReadSetting(line, key, value, profile_);
    return;
  }
  if (key == "times") return ReadTimes(line, value);
  if (value.empty()) return;  // as if absent
  if (key == "gammaw") gammaWTyped_ = true;
  const std::optional<double> number = TooLong(line, std::to_string(line) + " 行目", label, value)
                                           ? std::nullopt
                                           : ParseRealNumber(value);
  if (!number) {
    if (CharacterCount(value) <= kLongestCell)
      Error(line, label + Quoted(value) + "が数値ではありません");
    waterBad_ = waterBad_ || key == "water";
    return;
  }
  const Range range = key == "water"    ? kWaterRange
                      : key == "gammaw" ? UnitWeightRange(unitSystem_)
                                        : kDepthRange;
  if (const std::optional<std::string> broken = OutsideRange(*number, range)) {
    Error(line, Subject(label) + *broken);
    waterBad_ = waterBad_ || key == "water";
  } else if (key == "water") {
    profile_.waterDepth = number;
  } else if (key == "gammaw") {
    profile_.gammaW = *number;
    gammaWText_ = std::string(value);
  } else {
    profile_.sliceThickness = *number;
  }
}

void SectionReader::ReadTimes(int line, std::string_view value) {
  if (value.empty()) return;  // the default times
  std::vector<double> times;
  const std::vector<std::string_view> items = SplitFields(value);
  if (items.size() > static_cast<std::size_t>(kMaxSettlementTimes)) {
    Error(line, "時間は " + std::to_string(kMaxSettlementTimes) + " 個までです");
    return;
  }
  for (std::size_t i = 0; i < items.size(); ++i) {
    const std::string which = "時間の " + std::to_string(i + 1) + " 番目";
    if (TooLong(line, std::to_string(line) + " 行目", which, items[i])) continue;
    const std::optional<double> time = ParseRealNumber(items[i]);
    if (!time)
      Error(line, which + Quoted(items[i]) + "が数値ではありません");
    else if (*time < 0.0)
      Error(line, which + Quoted(items[i]) + "が負です");
    else if (const std::optional<std::string> broken = OutsideRange(*time, kTimeRange))
      Error(line, which + Quoted(items[i]) + *broken);
    else
      times.push_back(*time);
  }
  profile_.times = times;
}

void SectionReader::ReadLayer(int line, std::string_view value) {
  const std::vector<std::string_view> fields = SplitFields(value);
  const std::string where = std::to_string(line) + " 行目の土層";
  if (fields.size() < static_cast<std::size_t>(kLeastLayerFields) ||
      fields.size() > static_cast<std::size_t>(kLayerFieldCount)) {
    Error(line, where + ": 項目が " + std::to_string(fields.size()) + " 個あります (" +
                    std::to_string(kLeastLayerFields) + "–" + std::to_string(kLayerFieldCount) +
                    " 個必要です)");
    return;
  }
  if (layers_.size() == static_cast<std::size_t>(kMaxSoilLayers)) {
    // Told once; the lines beyond are not read, so no section makes the work grow unbounded.
    if (++extraLayers_ == 1)
      Error(line, "土層は " + std::to_string(kMaxSoilLayers) + " 層までです");
    return;
  }
  LayerLine layer;
  layer.line = line;
  // A cell too long is told once and read as nothing more: no number, no method, no name. The
  // fields left off read as empty.
  std::vector<std::string_view> given = fields;
  given.resize(kLayerFieldCount);
  std::vector<std::string_view> read = given;
  for (int field = 0; field < kLayerFieldCount; ++field) {
    if (!TooLong(line, where, kLayerFieldNames[field], given[field])) continue;
    read[field] = {};
    layer.texts[field] = "…";  // not missing: it was given, and told
  }
  for (int field = 0; field < kLayerFieldCount; ++field)
    if (!read[field].empty()) layer.texts[field] = std::string(read[field]);
  layer.number = Whole(line, where, kLayerFieldNames[kNo], read[kNo]);
  layer.label = layer.number ? "土層 " + std::to_string(*layer.number) : where;
  if (!read[kName].empty())
    layer.label += " (" + ShortenedText(read[kName], kShownNameCharacters) + ")";
  if (given[kNo].empty()) Error(line, layer.label + ": 番号がありません");
  for (const LayerField field : kRealFields)
    layer.values[field] = Real(line, layer.label, kLayerFieldNames[field], read[field]);
  layer.method = MethodFrom(read[kMethod]);
  if (given[kMethod].empty())
    Error(line, layer.label + ": 沈下計算法がありません");
  else if (!layer.method && !read[kMethod].empty())
    Error(line, layer.label + ": 沈下計算法" + Quoted(read[kMethod]) +
                    "は none, cc, elogp, mv のいずれかです");
  layer.drainage = DrainageFrom(read[kDrain]);
  if (!read[kDrain].empty() && !layer.drainage)
    Error(line, layer.label + ": 排水条件" + Quoted(read[kDrain]) +
                    "は both, top, bottom, none のいずれかです");
  layer.curve = Whole(line, layer.label, kLayerFieldNames[kCurve], read[kCurve]);
  for (const LayerLine& other : layers_) {
    if (layer.number && other.number == layer.number) {
      Error(line,
            layer.label + ": 番号が " + std::to_string(other.line) + " 行目の土層と重複しています");
      break;
    }
  }
  layers_.push_back(std::move(layer));
}

void SectionReader::ReadCurve(int line, std::string_view value) {
  const std::vector<std::string_view> fields = SplitFields(value);
  const std::string where = std::to_string(line) + " 行目の曲線";
  if (++curveLines_ > kMaxCurves) {
    if (curveLines_ == kMaxCurves + 1)
      Error(line, "e–log p 曲線は " + std::to_string(kMaxCurves) + " 本までです");
    return;
  }
  bool tooLong = false;
  for (std::size_t i = 0; i < fields.size(); ++i)
    tooLong = TooLong(line, where, std::to_string(i + 1) + " 番目の項目", fields[i]) || tooLong;
  std::optional<int> number;
  if (CharacterCount(fields[0]) <= kLongestCell) number = Whole(line, where, "番号", fields[0]);
  if (tooLong) {
    // Its number is still known, so that no layer is told that its curve is missing.
    if (number) curveNumbers_.push_back(*number);
    return;
  }
  if (fields[0].empty()) Error(line, where + ": 番号がありません");
  const std::string label = number ? "曲線 " + std::to_string(*number) : where;
  if (number) {
    if (std::find(curveNumbers_.begin(), curveNumbers_.end(), *number) != curveNumbers_.end())
      Error(line, label + ": 番号が重複しています");
    curveNumbers_.push_back(*number);
  }
  if ((fields.size() - 1) % 2 != 0) {
    Error(line, label + ": p と e の数が揃っていません");
    return;
  }
  const std::size_t points = (fields.size() - 1) / 2;
  if (points < 2) {
    Error(line, label + ": 点が 2 つ以上必要です");
    return;
  }
  if (points > static_cast<std::size_t>(kMaxCurvePoints)) {
    Error(line, label + ": 点は " + std::to_string(kMaxCurvePoints) + " 個までです");
    return;
  }
  ElogPCurve curve;
  curve.number = number.value_or(0);
  for (std::size_t i = 0; i < points; ++i) {
    const std::string point = std::to_string(i + 1) + " 番目の ";
    const std::optional<double> p = Real(line, label, (point + "p").c_str(), fields[1 + 2 * i]);
    const std::optional<double> e = Real(line, label, (point + "e").c_str(), fields[2 + 2 * i]);
    if (fields[1 + 2 * i].empty() || fields[2 + 2 * i].empty())
      Error(line, label + ": " + std::to_string(i + 1) + " 番目の点がありません");
    if (!p || !e) continue;
    if (const std::optional<std::string> broken = OutsideRange(*p, kPressureRange))
      Error(line, label + ": " + point + "p " + *broken);
    else if (!curve.p.empty() && *p <= curve.p.back())
      Error(line, label + ": " + point + "p が前の点より大きくありません");
    if (const std::optional<std::string> broken = OutsideRange(*e, kVoidRatioRange))
      Error(line, label + ": " + point + "e " + *broken);
    else if (!curve.e.empty() && *e >= curve.e.back())
      Error(line, label + ": " + point + "e が前の点より小さくありません");
    curve.p.push_back(*p);
    curve.e.push_back(*e);
  }
  profile_.curves.push_back(curve);
}

std::optional<double> SectionReader::Required(const LayerLine& layer, LayerField field) {
  if (layer.texts[field].empty())
    Error(layer.line, layer.label + ": " + Subject(kLayerFieldNames[field]) + "がありません");
  return layer.values[field];
}

void SectionReader::CheckRange(const LayerLine& layer, LayerField field) {
  const std::optional<double>& value = layer.values[field];
  if (!value) return;
  if (const std::optional<std::string> broken =
          OutsideRange(*value, FieldRange(field, unitSystem_)))
    Error(layer.line, layer.label + ": " + Subject(kLayerFieldNames[field]) + *broken);
}

void SectionReader::CheckLayer(std::size_t index, SoilLayer& soil) {
  const LayerLine& layer = layers_[index];
  const double top = index == 0 ? 0.0 : layers_[index - 1].values[kBottom].value_or(0.0);
  const std::optional<double> bottom = Required(layer, kBottom);
  if (bottom && (index == 0 || *bottom > kDeepest))
    CheckRange(layer, kBottom);
  else if (bottom && index > 0 && layers_[index - 1].values[kBottom] && *bottom <= top)
    Error(layer.line, layer.label + ": 下端深さ " + layer.texts[kBottom] + " が上の層の下端 " +
                          layers_[index - 1].texts[kBottom] + " 以下です");
  // Which unit weights the layer uses: gammaT above the water table, gammaSat below it.
  const double water = waterBad_ ? top : profile_.waterDepth.value_or(INFINITY);
  const bool dry = water > top;
  const bool wet = !bottom || water < *bottom;
  if (dry) {
    Required(layer, kGammaT);
    CheckRange(layer, kGammaT);
  }
  if (wet && !waterBad_ && profile_.waterDepth) {
    const std::optional<double> gammaSat = Required(layer, kGammaSat);
    CheckRange(layer, kGammaSat);
    if (gammaSat && !gammaWText_.empty() && *gammaSat < profile_.gammaW)
      Error(layer.line, layer.label + ": γsat " + layer.texts[kGammaSat] + " が γw " + gammaWText_ +
                            " より小さくなっています");
  }
  const SettlementMethod method = layer.method.value_or(SettlementMethod::kNone);
  if (method == SettlementMethod::kCc) {
    for (const LayerField field : {kE0, kCc, kCs})
      Required(layer, field);
    for (const LayerField field : {kE0, kCc, kCs, kPc})
      CheckRange(layer, field);
  } else if (method == SettlementMethod::kElogP) {
    CheckRange(layer, kCs);
    if (layer.texts[kCurve].empty()) {
      Error(layer.line, layer.label + ": 曲線番号がありません");
    } else if (layer.curve && std::find(curveNumbers_.begin(), curveNumbers_.end(), *layer.curve) ==
                                  curveNumbers_.end()) {
      Error(layer.line,
            layer.label + ": e–log p 曲線 " + std::to_string(*layer.curve) + " がありません");
    }
  } else if (method == SettlementMethod::kMv) {
    Required(layer, kMv);
    CheckRange(layer, kMv);
    // e0 gives the void ratio of its secondary compression.
    if (layer.values[kCalpha]) CheckRange(layer, kE0);
  }
  if (method != SettlementMethod::kNone) {
    for (const LayerField field : {kCv, kCalpha, kCh})
      CheckRange(layer, field);
    if (layer.values[kCv] && layer.texts[kDrain].empty())
      Error(layer.line, layer.label + ": 排水条件がありません");
  }
  soil.number = layer.number.value_or(0);
  soil.name = layer.texts[kName];
  soil.bottom = bottom.value_or(0.0);
  soil.gammaT = layer.values[kGammaT].value_or(0.0);
  soil.gammaSat = layer.values[kGammaSat].value_or(0.0);
  soil.method = method;
  soil.e0 = layer.values[kE0].value_or(0.0);
  soil.cc = layer.values[kCc].value_or(0.0);
  soil.cs = layer.values[kCs];
  soil.pc = layer.values[kPc];
  soil.mv = layer.values[kMv].value_or(0.0);
  soil.cv = layer.values[kCv];
  soil.drainage = layer.drainage.value_or(Drainage::kBoth);
  soil.curve = layer.curve.value_or(0);
  if (method != SettlementMethod::kNone) {
    soil.calpha = layer.values[kCalpha];
    soil.ch = layer.values[kCh];
  }
}

SoilProfileReading SectionReader::Read(const std::vector<std::string>& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i)
    ReadLine(static_cast<int>(i + 1), lines[i]);
  if (layers_.empty()) Error(0, "土層がありません");
  if (profile_.waterDepth && !gammaWTyped_)
    Error(settingLines_.at("water"), "地下水位があるときは γw が必要です");
  std::vector<soil_text::TimeLines::LayerLine> layerLines;
  for (std::size_t i = 0; i < layers_.size(); ++i) {
    SoilLayer layer;
    CheckLayer(i, layer);
    profile_.layers.push_back(layer);
    layerLines.push_back({layers_[i].line, layers_[i].label});
  }
  timeLines_.Finish(profile_, layerLines, gammaWTyped_);
  if (errors().empty()) {
    try {
      CutIntoSlices(profile_);
    } catch (const std::length_error&) {
      Error(settingLines_.count("slice") ? settingLines_.at("slice") : 0,
            "分割数が " + std::to_string(kMaxSlicesPerColumn) +
                " を超えます。分割厚さを大きくしてください");
    }
  }
  std::vector<SoilProfileError>& errors_ = errors();
  std::stable_sort(
      errors_.begin(), errors_.end(),
      [](const SoilProfileError& a, const SoilProfileError& b) { return a.line < b.line; });
  SoilProfileReading reading;
  reading.errors = std::move(errors_);
  if (reading.errors.empty()) reading.profile = std::move(profile_);
  return reading;
}

}  // namespace

SoilProfileReading ReadSoilProfile(const std::vector<std::string>& lines, int unitSystem) {
  return SectionReader(unitSystem).Read(lines);
}

}  // namespace qel
