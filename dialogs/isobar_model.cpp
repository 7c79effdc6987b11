// The isobar dialog's model: the figure options as text fields, checked before they are stored.
#include "dialogs/isobar_model.h"

#include "settings/c_locale.h"
#include "view/isobar_levels.h"

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

IsobarModel::IsobarModel(const DocumentTables& tables, Problem problem) : problem_(problem) {
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
}

std::string IsobarModel::WindowTitle() const {
  return problem_ == Problem::Strip ? "帯状荷重 > 等圧線" : "長方形円形荷重 > 等圧線";
}

std::optional<ValidationError> IsobarModel::Validate() const {
  if (!IsBlank(fields_.levels)) {
    std::string why;
    const std::optional<std::vector<double>> levels = ParseIsobarLevels(fields_.levels, why);
    if (!levels)
      return ValidationError{
          "等圧線の値は 5,10,20 のように、0 以外の数値をコンマで区切って\n"
          "同じ値を重ねずに入力してください（空欄は自動）",
          "levels"};
    // Levels the file already held are kept as they are, however many: the figures draw the
    // first and say so.
    if (levels->size() > kMostIsobarLevels && fields_.levels != heldLevels_)
      return ValidationError{FormatC("等圧線の値は %zu 個までです（入力は %zu 個）",
                                     kMostIsobarLevels, levels->size()),
                             "levels"};
  }
  if (hasDepth() && !IsBlank(fields_.depth)) {
    const std::optional<double> depth = ParseRealNumber(fields_.depth);
    if (!depth || *depth < 0.0)
      return ValidationError{
          "平面図の深度 z は 0 以上の数値で入力してください（空欄は計算点の深度）", "depth"};
  }
  if (hasDepth() && !IsBlank(fields_.sectionAt) && !ParseRealNumber(fields_.sectionAt))
    return ValidationError{"断面の位置は数値で入力してください（空欄は最初の計算点）", "sectionAt"};
  return std::nullopt;
}

void IsobarModel::Apply(DocumentTables& tables) const {
  FigureOptions& figures = tables.figures;
  IsobarOptions& isobars = problem_ == Problem::Strip ? figures.stripIsobars : figures.planIsobars;
  isobars.shown = fields_.shown;
  isobars.fill = fields_.fill;
  std::string why;
  isobars.levels = IsBlank(fields_.levels)
                       ? std::vector<double>{}
                       : ParseIsobarLevels(fields_.levels, why).value_or(std::vector<double>{});
  if (hasDepth()) {
    figures.planDepth = IsBlank(fields_.depth) ? std::nullopt : ParseRealNumber(fields_.depth);
    figures.section.axis = fields_.sectionAtX ? SectionAxis::kAtX : SectionAxis::kAtY;
    figures.section.at =
        IsBlank(fields_.sectionAt) ? std::nullopt : ParseRealNumber(fields_.sectionAt);
  }
}

}  // namespace qel
