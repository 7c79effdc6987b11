// The titles, title positions, centring and figure grid of one problem.
#include "dialogs/style_fields.h"

#include "base/c_locale.h"
#include "dialogs/field_checks.h"

namespace qel {

StyleFields StyleFieldsOf(const StyleDefaults& d) {
  StyleFields f;
  f.figureTitle = d.figureTitle;
  f.dataTitle = d.dataTitle;
  f.resultTitle = d.resultTitle;
  f.figureTitleTop = FormatC("%d", d.figureTitleTop);
  f.dataTitleTop = FormatC("%d", d.dataTitleTop);
  f.resultTitleTop = FormatC("%d", d.resultTitleTop);
  f.titleLeft = FormatC("%d", d.titleLeft);
  f.titleCentered = d.titleCentered == 1;
  f.gridFromX = d.gridFromX;
  f.gridToX = d.gridToX;
  f.gridStepX = d.gridStepX;
  f.gridFromY = d.gridFromY;
  f.gridToY = d.gridToY;
  f.gridStepY = d.gridStepY;
  return f;
}

void StoreStyleFields(const StyleFields& f, StyleDefaults& d) {
  d.figureTitle = f.figureTitle;
  d.dataTitle = f.dataTitle;
  d.resultTitle = f.resultTitle;
  d.figureTitleTop = ToInt(f.figureTitleTop);
  d.dataTitleTop = ToInt(f.dataTitleTop);
  d.resultTitleTop = ToInt(f.resultTitleTop);
  d.titleLeft = ToInt(f.titleLeft);
  d.titleCentered = f.titleCentered ? 1 : 0;
  d.gridFromX = f.gridFromX;
  d.gridToX = f.gridToX;
  d.gridStepX = f.gridStepX;
  d.gridFromY = f.gridFromY;
  d.gridToY = f.gridToY;
  d.gridStepY = f.gridStepY;
}

std::optional<ValidationError> CheckStyleFields(const StyleFields& f) {
  constexpr int kMax = kLargestTitlePosition;
  return FirstFailure(
      CheckStoredText(f.figureTitle, "figureTitle"), CheckStoredText(f.dataTitle, "dataTitle"),
      CheckStoredText(f.resultTitle, "resultTitle"),
      CheckWholeNumber(f.figureTitleTop, 0, kMax, "figureTitleTop"),
      CheckWholeNumber(f.dataTitleTop, 0, kMax, "dataTitleTop"),
      CheckWholeNumber(f.resultTitleTop, 0, kMax, "resultTitleTop"),
      CheckWholeNumber(f.titleLeft, 0, kMax, "titleLeft"),
      CheckStoredText(f.gridFromX, "gridFromX"), CheckStoredText(f.gridToX, "gridToX"),
      CheckStoredText(f.gridStepX, "gridStepX"), CheckStoredText(f.gridFromY, "gridFromY"),
      CheckStoredText(f.gridToY, "gridToY"), CheckStoredText(f.gridStepY, "gridStepY"));
}

std::string& TitleOf(StyleFields& fields, TitleKind kind) {
  switch (kind) {
    case TitleKind::Figure:
      return fields.figureTitle;
    case TitleKind::Data:
      return fields.dataTitle;
    case TitleKind::Result:
      break;
  }
  return fields.resultTitle;
}

const char* TitleFieldName(TitleKind kind) {
  switch (kind) {
    case TitleKind::Figure:
      return "figureTitle";
    case TitleKind::Data:
      return "dataTitle";
    case TitleKind::Result:
      break;
  }
  return "resultTitle";
}

namespace {

using List = std::vector<std::string>;

const List& Pick(TitleKind kind, const List& figure, const List& data, const List& result) {
  switch (kind) {
    case TitleKind::Figure:
      return figure;
    case TitleKind::Data:
      return data;
    case TitleKind::Result:
      break;
  }
  return result;
}

// The standard-value lists of the rectangles and circles.
const List kRectFigure = {"地中の鉛直増加応力（長方形円形等分布荷重）", "等分布荷重 形状図",
                          "長方形円形等分布荷重形状図", "　"};
const List kRectData = {"地中の鉛直増加応力（長方形円形等分布荷重）", "等分布荷重 形状データ",
                        "長方形円形等分布荷重形状データ", "　"};
const List kRectResult = {"地中の鉛直増加応力（長方形円形等分布荷重）",
                          "等分布荷重 鉛直増加応力計算結果", "長方形円形等分布荷重計算結果",
                          "計算結果", "　"};

}  // namespace

const std::vector<std::string>& TitleSuggestions(Problem problem, TitleKind kind) {
  static const List kFigure = {"地中の鉛直増加応力（帯状荷重）", "帯状荷重断面形状図",
                               "断面形状図"};
  static const List kData = {"地中の鉛直増加応力（帯状荷重）",
                             "地中の鉛直増加応力（帯状荷重）断面形状データ", "断面形状データ"};
  static const List kResult = {"地中の鉛直増加応力（帯状荷重）",
                               "地中の鉛直増加応力（帯状荷重）計算結果", "鉛直増加応力計算結果",
                               "計算結果", ""};
  // The rectangle/circle titles offer the rectangle/circle standard entries, never the strip
  // ones.
  if (problem == Problem::RectCircle) return Pick(kind, kRectFigure, kRectData, kRectResult);
  return Pick(kind, kFigure, kData, kResult);
}

const std::vector<std::string>& StandardTitleList(Problem problem, TitleKind kind) {
  static const List kFigure = {"帯状荷重断面形状図", "地中の鉛直増加応力（帯状荷重）", "断面形状図",
                               "　"};
  static const List kData = {"地中の鉛直増加応力（帯状荷重）",
                             "地中の鉛直増加応力（帯状荷重）断面形状データ", "断面形状データ",
                             "　"};
  static const List kResult = {"地中の鉛直増加応力（帯状荷重）",
                               "地中の鉛直増加応力（帯状荷重）計算結果",
                               "帯状荷重の鉛直増加応力計算結果", "計算結果", "　"};
  if (problem == Problem::RectCircle) return Pick(kind, kRectFigure, kRectData, kRectResult);
  return Pick(kind, kFigure, kData, kResult);
}

}  // namespace qel
