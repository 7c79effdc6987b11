// Titles, page number texts and the figure grid.
#include "view/page_furniture.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

#include "document/circle_rows.h"
#include "document/problem_common.h"
#include "settings/c_locale.h"
#include "settings/text_fields.h"

namespace qel {

namespace {

constexpr double kPointsToInches = 0.013888888888888888;  // 1 / 72
// How far above the page text the compatible-method note stands.
constexpr double kNoteLineMm = 6.0;

// Millimetres on the paper to a device coordinate, truncated and kept in the device range.
int PaperToDevice(double millimetres, double pixelsPerMm) {
  double value = std::trunc(millimetres * pixelsPerMm);
  if (!(value >= -32767.0)) return -32767;  // also catches NaN
  if (value > 32767.0) return 32767;
  return static_cast<int>(value);
}

// A line of text cannot be wider than the paper, and no character that shows is narrower than
// a quarter of a device pixel: a text drawn from x shows at most four characters for each
// pixel between x and the paper's right edge, and a centred one as many on each side of its
// middle. The rest is never drawn (a title of megabytes would take the device seconds to lay
// out); the text itself stays as it is.
constexpr long long kCharactersPerPixel = 4;
constexpr long long kSpareCharacters = 64;

bool IsUtf8Continuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The byte offset of character `n` (0-based) of UTF-8 `text`; its size when it has fewer.
std::size_t OffsetOfCharacter(std::string_view text, long long n) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsUtf8Continuation(text[i])) continue;
    if (n-- == 0) return i;
  }
  return text.size();
}

long long CountCharacters(std::string_view text) {
  long long count = 0;
  for (char c : text)
    count += IsUtf8Continuation(c) ? 0 : 1;
  return count;
}

std::string_view PartThatCanReachThePaper(std::string_view text, int x, bool centred,
                                          int paperPixels) {
  if (centred) {
    const long long side = kCharactersPerPixel * (paperPixels / 2 + 1) + kSpareCharacters;
    if (static_cast<long long>(text.size()) <= 2 * side + 1) return text;
    const long long middle = CountCharacters(text) / 2;
    const std::size_t from = OffsetOfCharacter(text, std::max(0LL, middle - side));
    const std::size_t to = OffsetOfCharacter(text, middle + side + 1);
    return text.substr(from, to - from);
  }
  const long long most =
      kCharactersPerPixel * std::max(0LL, static_cast<long long>(paperPixels) - x) +
      kSpareCharacters;
  if (static_cast<long long>(text.size()) <= most) return text;
  return text.substr(0, OffsetOfCharacter(text, most));
}

void DrawPlacedText(DeviceContext& dc, const DeviceGeometry& geometry, const std::string& text,
                    const std::string& topMm, const std::string& leftMm, int centred) {
  double x = centred ? geometry.paperWidthMm * 0.5 : ToDouble(leftMm);
  double y = ToDouble(topMm);
  const int deviceX = PaperToDevice(x, geometry.pixelsPerMmX);
  const int paperPixels = PaperToDevice(geometry.paperWidthMm, geometry.pixelsPerMmX);
  dc.SetTextAlign(centred ? TextAlign::CentreTop : TextAlign::LeftTop);
  dc.TextOut(deviceX, PaperToDevice(y, geometry.pixelsPerMmY),
             std::string(PartThatCanReachThePaper(text, deviceX, centred != 0, paperPixels)));
  dc.SetTextAlign(TextAlign::LeftTop);
}

struct TitleLines {
  int text, top, everyPage;
};

TitleLines TitleLinesOf(DisplayKind kind) {
  using namespace setting_line;
  switch (kind) {
    case DisplayKind::Figure:
    case DisplayKind::Depth:  // the depth graphs are figures of the problem too
      return {kFigureTitle, kFigureTitleTop, kFigureTitleEveryPage};
    case DisplayKind::Data:
      return {kDataTitle, kDataTitleTop, kDataTitleEveryPage};
    case DisplayKind::Results:
      return {kResultTitle, kResultTitleTop, kResultTitleEveryPage};
  }
  return {kFigureTitle, kFigureTitleTop, kFigureTitleEveryPage};
}

int PrefixLineOf(DisplayKind kind) {
  using namespace setting_line;
  switch (kind) {
    case DisplayKind::Figure:
    case DisplayKind::Depth:
      return kFigurePagePrefix;
    case DisplayKind::Data:
      return kDataPagePrefix;
    case DisplayKind::Results:
      return kResultPagePrefix;
  }
  return kFigurePagePrefix;
}

}  // namespace

bool CreateSlotFont(DeviceContext& dc, RenderContext& ctx, int slot) {
  const FontSlot& font = ctx.fonts[slot];
  int height = static_cast<int>(ctx.geometry.dpiY * font.size * kPointsToInches);
  const bool made =
      CreateTextFont(dc, static_cast<Colour>(font.colour), height, font.faceName, 0, false);
  if (!made) ++ctx.shortfalls.fontsNotMade;
  return made;
}

void DrawTitle(DeviceContext& dc, const DeviceGeometry& geometry, const std::string& text,
               const std::string& topMm, const std::string& leftMm, int centred) {
  DrawPlacedText(dc, geometry, text, topMm, leftMm, centred);
}

std::string DepthDisplayTitle(const std::string& figureTitle, const std::string& word) {
  std::string_view text = figureTitle;
  // Blanks at the end, half-width or full-width, are not part of the last word.
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    for (std::string_view blank : {std::string_view(" "), std::string_view("　")})
      if (text.size() >= blank.size() && text.substr(text.size() - blank.size()) == blank) {
        text.remove_suffix(blank.size());
        trimmed = true;
      }
  }
  if (text.empty()) return std::string();
  for (std::string_view figureWord : {std::string_view("断面形状図"), std::string_view("形状図")})
    if (text.size() >= figureWord.size() &&
        text.substr(text.size() - figureWord.size()) == figureWord)
      return std::string(text.substr(0, text.size() - figureWord.size())) + word;
  return std::string(text) + "　" + word;
}

void DrawDisplayTitle(DeviceContext& dc, RenderContext& ctx, Problem problem, DisplayKind kind) {
  using setting_line::Style;
  const std::string* lines = ctx.tables.settingLines;
  TitleLines title = TitleLinesOf(kind);
  CreateSlotFont(dc, ctx, kTitleFont);
  if (ctx.view.currentPage == 1 || ToInt(lines[Style(problem, title.everyPage)]) != 0) {
    // A depth display is titled as the figure of its problem, for what it shows.
    const std::string& text = lines[Style(problem, title.text)];
    const char* word = DisplayRowOf(DisplayOf(problem, kind)).titleWord;
    DrawTitle(dc, ctx.geometry, word != nullptr ? DepthDisplayTitle(text, word) : text,
              lines[Style(problem, title.top)], lines[Style(problem, setting_line::kTitleLeft)],
              ToInt(lines[Style(problem, setting_line::kTitleCentered)]));
  }
}

void DrawPageNumber(DeviceContext& dc, RenderContext& ctx, const std::string& prefix,
                    const std::string& startPage, const std::string& suffix,
                    const std::string& topMm, const std::string& leftMm, int centred) {
  CreateSlotFont(dc, ctx, kPageFont);
  std::string text;
  if (IsPresent(startPage)) {
    long number = ctx.view.printedPageNumber != 0
                      ? ctx.view.printedPageNumber
                      : static_cast<long>(ToInt(startPage)) + ctx.view.currentPage - 1;
    text = prefix + FormatC("%ld", number) + suffix;
  } else {
    text = prefix + startPage + suffix;
  }
  DrawPlacedText(dc, ctx.geometry, text, topMm, leftMm, centred);
}

long StartPageNumber(const DocumentTables& tables, DisplayMode display) {
  const std::string& start =
      tables
          .settingLines[setting_line::Page(ProblemOf(display), PrefixLineOf(KindOf(display)) + 1)];
  return IsPresent(start) ? ToInt(start) : 1;
}

void DrawDisplayPageNumber(DeviceContext& dc, RenderContext& ctx, Problem problem,
                           DisplayKind kind) {
  using setting_line::Page;
  const std::string* lines = ctx.tables.settingLines;
  int prefix = PrefixLineOf(kind);
  DrawPageNumber(dc, ctx, lines[Page(problem, prefix)], lines[Page(problem, prefix + 1)],
                 lines[Page(problem, prefix + 2)], lines[Page(problem, setting_line::kPageTextTop)],
                 lines[Page(problem, setting_line::kPageTextLeft)],
                 ToInt(lines[Page(problem, setting_line::kPageTextCentered)]));
}

std::optional<double> CircleMethodNoteTopMm(const RenderContext& ctx) {
  if (ctx.results.circleMethod() != CircleMethod::kCompatible) return std::nullopt;
  if (CountCircleRows(ctx.tables) == 0) return std::nullopt;
  // One line above the page text when that is in the lower half of the paper, else 12 mm above
  // the paper's lower edge: never on the page text or the table.
  const double pageTextTop = ToDouble(
      ctx.tables.settingLines[setting_line::Page(Problem::RectCircle, setting_line::kPageTextTop)]);
  const double lowerHalf = ctx.geometry.paperHeightMm * 0.5;
  return pageTextTop > lowerHalf ? pageTextTop - kNoteLineMm : ctx.geometry.paperHeightMm - 12.0;
}

void DrawCircleMethodNote(DeviceContext& dc, RenderContext& ctx) {
  const std::optional<double> top = CircleMethodNoteTopMm(ctx);
  if (!top) return;
  CreateSlotFont(dc, ctx, kPageFont);
  DrawTitle(dc, ctx.geometry, "円形荷重は旧版互換の計算方法による値です", FormatC("%.1f", *top),
            FormatC("%d", ctx.settings.marginLeft), 0);
}

FigureGrid ReadFigureGrid(const RenderContext& ctx, Problem problem) {
  // The grid as the document reads it, normalised there; drawn only where the settings give it
  // a width and a mark size.
  const FigureGridLines lines = ReadProblemStyle(ctx.tables, problem).grid;
  FigureGrid grid;
  grid.fromX = lines.fromX;
  grid.toX = lines.toX;
  grid.stepX = lines.stepX;
  grid.fromY = lines.fromY;
  grid.toY = lines.toY;
  grid.stepY = lines.stepY;
  grid.style = lines.style;
  grid.drawn =
      ctx.settings.gridLineWidth >= 1 && ctx.settings.gridMarkSize >= 1 && lines.boundsGiven;
  return grid;
}

void DrawFigureGrid(DeviceContext& dc, RenderContext& ctx, Problem problem, Colour colour,
                    const DeviceRect& visible) {
  FigureGrid grid = ReadFigureGrid(ctx, problem);
  if (!grid.drawn) return;
  GridPlanInput plan;
  plan.x = {grid.fromX, grid.toX, grid.stepX};
  plan.y = {grid.fromY, grid.toY, grid.stepY};
  plan.lines = grid.style != 0;
  // Widths and sizes are screen pixels, grown on paper by dpi / 96.
  plan.penWidth = DevicePixels(ctx.transform, ctx.settings.gridLineWidth);
  plan.markSize = DevicePixels(ctx.transform, ctx.settings.gridMarkSize);
  plan.visible = visible;
  const std::vector<GridStroke> strokes = PlanGridStrokes(plan, ctx.transform);
  if (strokes.empty()) return;
  // One pen for the whole grid: every stroke has the same.
  const Pen previous = dc.SelectPen({PenStyle::Solid, plan.penWidth, colour});
  for (const GridStroke& s : strokes) {
    dc.MoveTo(s.x1, s.y1);
    dc.LineTo(s.x2, s.y2);
  }
  dc.SelectPen(previous);
}

}  // namespace qel
