// Titles, page number texts and the figure grid.
#include "view/page_furniture.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

#include "base/c_locale.h"
#include "base/text_fields.h"
#include "document/circle_rows.h"
#include "document/problem_common.h"

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
                    double topMm, double leftMm, bool centred) {
  double x = centred ? geometry.paperWidthMm * 0.5 : leftMm;
  double y = topMm;
  const int deviceX = PaperToDevice(x, geometry.pixelsPerMmX);
  const int paperPixels = PaperToDevice(geometry.paperWidthMm, geometry.pixelsPerMmX);
  dc.SetTextAlign(centred ? TextAlign::CentreTop : TextAlign::LeftTop);
  dc.TextOut(deviceX, PaperToDevice(y, geometry.pixelsPerMmY),
             std::string(PartThatCanReachThePaper(text, deviceX, centred, paperPixels)));
  dc.SetTextAlign(TextAlign::LeftTop);
}

// The kind of sheet whose title and page text a display uses: the depth, soil and settlement
// displays are titled after the figure of their problem.
SheetKind SheetOf(DisplayKind kind) {
  switch (kind) {
    case DisplayKind::Figure:
    case DisplayKind::Depth:
    case DisplayKind::SettlementTable:
    case DisplayKind::SettlementMap:
    case DisplayKind::SettlementTime:
    case DisplayKind::SoilConditions:
    case DisplayKind::SettlementPlates:
      return SheetKind::Figure;
    case DisplayKind::Data:
      return SheetKind::Data;
    case DisplayKind::Results:
      return SheetKind::Results;
  }
  return SheetKind::Figure;
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
               double topMm, double leftMm, bool centred) {
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
  const ProblemStyle style = ctx.document.problem(problem).style;
  const DisplayTitle& title = style.title(SheetOf(kind));
  CreateSlotFont(dc, ctx, kTitleFont);
  if (ctx.view.currentPage == 1 || title.everyPage) {
    // A depth or settlement display is titled as the figure of its problem, for what it shows.
    const char* word = DisplayRowOf(DisplayOf(problem, kind)).titleWord;
    DrawTitle(dc, ctx.geometry, word != nullptr ? DepthDisplayTitle(title.text, word) : title.text,
              title.topMm, style.titleLeftMm, style.titleCentred);
  }
}

void DrawPageNumber(DeviceContext& dc, RenderContext& ctx, const PageNumberText& number,
                    double topMm, double leftMm, bool centred) {
  CreateSlotFont(dc, ctx, kPageFont);
  std::string text;
  if (number.numbered) {
    const long page = ctx.view.printedPageNumber != 0
                          ? ctx.view.printedPageNumber
                          : static_cast<long>(number.startNumber) + ctx.view.currentPage - 1;
    text = number.prefix + FormatC("%ld", page) + number.suffix;
  } else {
    text = number.prefix + number.startPage + number.suffix;
  }
  DrawPlacedText(dc, ctx.geometry, text, topMm, leftMm, centred);
}

long StartPageNumber(const Document& document, DisplayMode display) {
  return document.problem(ProblemOf(display)).pages.of(SheetOf(KindOf(display))).startNumber;
}

void DrawDisplayPageNumber(DeviceContext& dc, RenderContext& ctx, Problem problem,
                           DisplayKind kind) {
  const PageTexts pages = ctx.document.problem(problem).pages;
  DrawPageNumber(dc, ctx, pages.of(SheetOf(kind)), pages.topMm, pages.leftMm, pages.centred);
}

std::optional<double> CircleMethodNoteTopMm(const RenderContext& ctx) {
  if (ctx.circleMethod != CircleMethod::kCompatible) return std::nullopt;
  if (ctx.document.plan().circles.listed.empty()) return std::nullopt;
  // One line above the page text when that is in the lower half of the paper, else 12 mm above
  // the paper's lower edge: never on the page text or the table.
  const double pageTextTop = ctx.document.problem(Problem::RectCircle).pages.topMm;
  const double lowerHalf = ctx.geometry.paperHeightMm * 0.5;
  return pageTextTop > lowerHalf ? pageTextTop - kNoteLineMm : ctx.geometry.paperHeightMm - 12.0;
}

void DrawCircleMethodNote(DeviceContext& dc, RenderContext& ctx) {
  const std::optional<double> top = CircleMethodNoteTopMm(ctx);
  if (!top) return;
  CreateSlotFont(dc, ctx, kPageFont);
  DrawTitle(dc, ctx.geometry, "円形荷重は旧版互換の計算方法による値です", *top,
            ctx.settings.marginLeft, false);
}

FigureGrid ReadFigureGrid(const RenderContext& ctx, Problem problem) {
  // The grid as the document reads it, normalised there; drawn only where the settings give it
  // a width and a mark size.
  const FigureGridLines lines = ctx.document.problem(problem).style.grid;
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
