// The model of the title/style dialog.
#include "dialogs/title_style_model.h"

#include "base/c_locale.h"

namespace qel {

namespace {

using namespace setting_line;

// A field of the dialog and the strip line that holds it.
struct TextLine {
  std::string StyleFields::*field;
  int stripLine;
};
constexpr TextLine kTextLines[] = {
    {&StyleFields::gridFromY, kGridFromY},     {&StyleFields::gridToY, kGridToY},
    {&StyleFields::gridStepY, kGridStepY},     {&StyleFields::gridFromX, kGridFromX},
    {&StyleFields::gridToX, kGridToX},         {&StyleFields::gridStepX, kGridStepX},
    {&StyleFields::figureTitle, kFigureTitle}, {&StyleFields::dataTitle, kDataTitle},
    {&StyleFields::resultTitle, kResultTitle},
};
// Whole numbers typed as text.
constexpr TextLine kNumberLines[] = {
    {&StyleFields::figureTitleTop, kFigureTitleTop},
    {&StyleFields::dataTitleTop, kDataTitleTop},
    {&StyleFields::resultTitleTop, kResultTitleTop},
    {&StyleFields::titleLeft, kTitleLeft},
};
struct FlagLine {
  bool TitleStyleFields::*field;
  int stripLine;
};
constexpr FlagLine kFlagLines[] = {
    {&TitleStyleFields::titleCentered, kTitleCentered},
    {&TitleStyleFields::dataTitleEveryPage, kDataTitleEveryPage},
    {&TitleStyleFields::resultTitleEveryPage, kResultTitleEveryPage},
    {&TitleStyleFields::figureTitleEveryPage, kFigureTitleEveryPage},
    {&TitleStyleFields::showCalcTrace, kShowCalcTrace},
};

}  // namespace

TitleStyleModel::TitleStyleModel(const DocumentTables& tables, const SystemSettings& settings,
                                 Problem problem)
    : problem_(problem), standard_(settings.style(problem)) {
  auto line = [&](int stripLine) -> const std::string& {
    return tables.settingLines[Style(problem, stripLine)];
  };
  for (const TextLine& t : kTextLines)
    original_.*t.field = line(t.stripLine);
  for (const TextLine& t : kNumberLines)
    original_.*t.field = FormatC("%d", ToInt(line(t.stripLine)));
  for (const FlagLine& f : kFlagLines)
    original_.*f.field = ToInt(line(f.stripLine)) != 0;
  original_.gridStyle = ToInt(line(kGridStyle)) == 1 ? 1 : 0;
  original_.figureNotes =
      problem == Problem::Strip ? tables.figures.stripNotes : tables.figures.rectNotes;
  fields_ = original_;
}

std::string TitleStyleModel::WindowTitle() const {
  return problem_ == Problem::Strip ? "帯状荷重 > タイトル・様式"
                                    : "長方形円形荷重 > タイトル・様式";
}

std::string TitleStyleModel::CalcTraceText() const {
  return problem_ == Problem::Strip ? "計算経過 （分割片毎の影響値など） を表示する"
                                    : "計算経過 （形状毎の影響値など） を表示する";
}

void TitleStyleModel::ApplyStandardValues() {
  static_cast<StyleFields&>(fields_) = StyleFieldsOf(standard_);
}

ApplyOutcome TitleStyleModel::Apply(DocumentTables& tables) const {
  auto store = [&](int stripLine, const std::string& text) {
    tables.settingLines[Style(problem_, stripLine)] = text;
  };
  for (const TextLine& t : kTextLines)
    if (fields_.*t.field != original_.*t.field) store(t.stripLine, fields_.*t.field);
  for (const TextLine& t : kNumberLines)
    if (fields_.*t.field != original_.*t.field)
      store(t.stripLine, FormatC("%d", ToInt(fields_.*t.field)));
  for (const FlagLine& f : kFlagLines)
    if (fields_.*f.field != original_.*f.field) store(f.stripLine, fields_.*f.field ? "1" : "0");
  if (fields_.gridStyle != original_.gridStyle) store(kGridStyle, FormatC("%d", fields_.gridStyle));
  bool& notes = problem_ == Problem::Strip ? tables.figures.stripNotes : tables.figures.rectNotes;
  notes = fields_.figureNotes;
  return {};
}

}  // namespace qel
