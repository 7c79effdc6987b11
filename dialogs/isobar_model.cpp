// The isobar dialog's model: the figure options as text fields, checked before they are stored.
#include "dialogs/isobar_model.h"

#include <algorithm>

#include "analysis/isobar_fields.h"
#include "analysis/isobar_levels.h"
#include "base/c_locale.h"
#include "dialogs/numeric_entry.h"
#include "document/load_lists.h"
#include "settings/number_format.h"

namespace qel {

namespace {

bool IsBlank(const std::string& text) {
  return text.find_first_not_of(" \t") == std::string::npos;
}

// A depth or position in its shortest form; a negative zero shows as 0.
std::string PositionText(double value) {
  return ShortestRealText(value == 0.0 ? 0.0 : value);
}

}  // namespace

IsobarModel::IsobarModel(const DocumentTables& tables, Problem problem, int stressDigits)
    : problem_(problem), stressDigits_(stressDigits) {
  const LoadIntensities intensities = problem == Problem::Strip
                                          ? StripIntensities(ExtractStripLoads(tables))
                                          : PlanIntensities(ExtractPlanLoads(tables));
  largestPositive_ = intensities.positive;
  mostNegative_ = intensities.negative;
  const FigureOptions& figures = tables.figures;
  const IsobarOptions& isobars =
      problem == Problem::Strip ? figures.stripIsobars : figures.planIsobars;
  fields_.shown = isobars.shown;
  fields_.levels = IsobarLevelsText(isobars.levels);
  heldLevels_ = fields_.levels;
  fields_.fill = isobars.fill;
  if (problem == Problem::RectCircle && figures.planDepth)
    fields_.depth = PositionText(*figures.planDepth);
  if (problem == Problem::RectCircle) {
    fields_.sectionAtX = figures.section.axis == SectionAxis::kAtX;
    if (figures.section.at) fields_.sectionAt = PositionText(*figures.section.at);
  }
  original_ = fields_;
}

std::string IsobarModel::WindowTitle() const {
  return problem_ == Problem::Strip ? "帯状荷重 > 等圧線" : "長方形円形荷重 > 等圧線";
}

std::optional<ValidationError> IsobarModel::Validate() const {
  const std::string typedLevels = HalfWidthNumberList(fields_.levels);
  if (!IsBlank(typedLevels)) {
    std::string why;
    const std::optional<std::vector<double>> levels = ParseIsobarLevels(typedLevels, why);
    if (!levels)
      return ValidationError{
          "等圧線の値は 5,10,20 のように、0 以外の数値をコンマで区切って\n"
          "同じ値を重ねずに入力してください（空欄は自動）",
          "levels"};
    // Levels the file already held are kept as they are, however many: the figures draw the
    // first and say so.
    if (levels->size() > kMostIsobarLevels && typedLevels != heldLevels_)
      return ValidationError{FormatC("等圧線の値は %zu 個までです（入力は %zu 個）",
                                     kMostIsobarLevels, levels->size()),
                             "levels"};
  }
  if (hasDepth() && !IsBlank(fields_.depth)) {
    const std::optional<double> depth = ParseRealNumber(HalfWidthNumber(fields_.depth));
    if (!depth || *depth < 0.0)
      return ValidationError{
          "平面図の深度 z は 0 以上の数値で入力してください（空欄は計算点の深度）", "depth"};
  }
  if (hasDepth() && !IsBlank(fields_.sectionAt) &&
      !ParseRealNumber(HalfWidthNumber(fields_.sectionAt)))
    return ValidationError{"断面の位置は数値で入力してください（空欄は最初の計算点）", "sectionAt"};
  return std::nullopt;
}

std::optional<std::string> IsobarModel::LevelsOutOfRangeQuestion() const {
  if (!fields_.shown || !(largestPositive_ > 0.0 || mostNegative_ < 0.0)) return std::nullopt;
  const std::string typedLevels = HalfWidthNumberList(fields_.levels);
  if (IsBlank(typedLevels)) return std::nullopt;  // the default levels lie within it
  std::string why;
  const std::optional<std::vector<double>> levels = ParseIsobarLevels(typedLevels, why);
  if (!levels) return std::nullopt;
  const bool anyWithin = std::any_of(levels->begin(), levels->end(), [this](double level) {
    return level > 0.0 ? level <= largestPositive_ : level >= mostNegative_;
  });
  if (anyWithin) return std::nullopt;
  const char* digits = DigitFormat(stressDigits_);
  return FormatC(
      "等圧線の値がどれも荷重の範囲 (dP %s〜%s) の外にあります\n"
      "このままでは線が描かれません\n訂正しますか? ",
      FormatUnsignedZero(digits, mostNegative_).c_str(),
      FormatUnsignedZero(digits, largestPositive_).c_str());
}

bool IsobarModel::ConfirmLevels(PromptService& prompts) const {
  const std::optional<std::string> question = LevelsOutOfRangeQuestion();
  return !question || prompts.Show(*question, PromptButtons::YesNo) != PromptAnswer::Yes;
}

ApplyOutcome IsobarModel::Apply(DocumentTables& tables) const {
  FigureOptions& figures = tables.figures;
  IsobarOptions& isobars = problem_ == Problem::Strip ? figures.stripIsobars : figures.planIsobars;
  isobars.shown = fields_.shown;
  isobars.fill = fields_.fill;
  const std::string typedLevels = HalfWidthNumberList(fields_.levels);
  std::string why;
  isobars.levels = IsBlank(typedLevels)
                       ? std::vector<double>{}
                       : ParseIsobarLevels(typedLevels, why).value_or(std::vector<double>{});
  if (hasDepth()) {
    const std::string depth = HalfWidthNumber(fields_.depth);
    const std::string at = HalfWidthNumber(fields_.sectionAt);
    figures.planDepth = IsBlank(depth) ? std::nullopt : ParseRealNumber(depth);
    figures.section.axis = fields_.sectionAtX ? SectionAxis::kAtX : SectionAxis::kAtY;
    figures.section.at = IsBlank(at) ? std::nullopt : ParseRealNumber(at);
  }
  return {};
}

}  // namespace qel
