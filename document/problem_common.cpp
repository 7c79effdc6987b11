// Reading the scale, titles, grid, page texts and figure options of one problem from its cells.
#include "document/problem_common.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

#include "base/c_locale.h"
#include "base/text_fields.h"
#include "settings/system_settings.h"

namespace qel {

namespace {

// One direction of the grid: from <= to and a positive step. The step is worked out in 64 bits
// and kept within int, because bounds such as -2e9 and 2e9, or a step of INT_MIN, have no
// difference or magnitude that fits.
void NormaliseGridDirection(int& from, int& to, int& step) {
  if (to < from) std::swap(from, to);
  long long magnitude = std::llabs(static_cast<long long>(step));
  if (to == from)
    magnitude = 1;
  else if (magnitude == 0)
    magnitude = static_cast<long long>(to) - from;
  step = static_cast<int>(std::min<long long>(magnitude, std::numeric_limits<int>::max()));
}

bool Flag(const std::string& line) {
  return ToInt(line) != 0;
}

bool IsBlankLine(const std::string& line) {
  return IsNumericText(line) == -1;
}

}  // namespace

const DisplayTitle& ProblemStyle::title(SheetKind kind) const {
  switch (kind) {
    case SheetKind::Data:
      return dataTitle;
    case SheetKind::Results:
      return resultTitle;
    case SheetKind::Figure:
      break;
  }
  return figureTitle;
}

const PageNumberText& PageTexts::of(SheetKind kind) const {
  switch (kind) {
    case SheetKind::Data:
      return data;
    case SheetKind::Results:
      return results;
    case SheetKind::Figure:
      break;
  }
  return figure;
}

FigureRange ReadFigureRange(const DocumentTables& cells, Problem problem) {
  // The clamps are those of the settings load, so that a range reads the same whether it came
  // from a document or from the settings file.
  SystemSettings clamped;
  FigureRange& range = clamped.figureDefault(problem);
  const int spare = range.spare;
  range = FigureRangeLines(cells, problem);
  range.spare = spare;
  ClampSettings(clamped);
  return range;
}

ProblemStyle ReadProblemStyle(const DocumentTables& cells, Problem problem) {
  using namespace setting_line;
  auto line = [&](int stripLine) -> const std::string& {
    return cells.settingLines[Style(problem, stripLine)];
  };
  auto title = [&](int text, int top, int everyPage) {
    return DisplayTitle{line(text), ToDouble(line(top)), Flag(line(everyPage))};
  };
  ProblemStyle style;
  style.figureTitle = title(kFigureTitle, kFigureTitleTop, kFigureTitleEveryPage);
  style.dataTitle = title(kDataTitle, kDataTitleTop, kDataTitleEveryPage);
  style.resultTitle = title(kResultTitle, kResultTitleTop, kResultTitleEveryPage);
  style.titleLeftMm = ToDouble(line(kTitleLeft));
  style.titleCentred = Flag(line(kTitleCentered));
  style.showCalcTrace = Flag(line(kShowCalcTrace));

  FigureGridLines& grid = style.grid;
  grid.fromX = ToInt(line(kGridFromX));
  grid.toX = ToInt(line(kGridToX));
  grid.stepX = ToInt(line(kGridStepX));
  grid.fromY = ToInt(line(kGridFromY));
  grid.toY = ToInt(line(kGridToY));
  grid.stepY = ToInt(line(kGridStepY));
  grid.style = ToInt(line(kGridStyle));
  NormaliseGridDirection(grid.fromX, grid.toX, grid.stepX);
  NormaliseGridDirection(grid.fromY, grid.toY, grid.stepY);
  grid.boundsGiven = !IsBlankLine(line(kGridFromX)) && !IsBlankLine(line(kGridToX)) &&
                     !IsBlankLine(line(kGridFromY)) && !IsBlankLine(line(kGridToY));
  return style;
}

PageTexts ReadPageTexts(const DocumentTables& cells, Problem problem) {
  using namespace setting_line;
  auto line = [&](int stripLine) -> const std::string& {
    return cells.settingLines[Page(problem, stripLine)];
  };
  auto numberText = [&](int prefixLine) {
    PageNumberText text{line(prefixLine), line(prefixLine + 1), line(prefixLine + 2)};
    text.numbered = IsPresent(text.startPage);
    text.startNumber = text.numbered ? ToInt(text.startPage) : 1;
    return text;
  };
  PageTexts pages;
  pages.figure = numberText(kFigurePagePrefix);
  pages.data = numberText(kDataPagePrefix);
  pages.results = numberText(kResultPagePrefix);
  pages.topMm = ToDouble(line(kPageTextTop));
  pages.leftMm = ToDouble(line(kPageTextLeft));
  pages.centred = Flag(line(kPageTextCentered));
  return pages;
}

ProblemCommon ReadProblemCommon(const DocumentTables& cells, Problem problem) {
  const bool strip = problem == Problem::Strip;
  ProblemCommon common;
  common.range = ReadFigureRange(cells, problem);
  common.style = ReadProblemStyle(cells, problem);
  common.pages = ReadPageTexts(cells, problem);
  common.notes = strip ? cells.figures.stripNotes : cells.figures.rectNotes;
  common.isobars = strip ? cells.figures.stripIsobars : cells.figures.planIsobars;
  return common;
}

}  // namespace qel
