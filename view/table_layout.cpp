// Line step, pagination, laid-out lines and the common renderer of the four text tables.
#include "view/table_layout.h"

#include <bit>
#include <cmath>
#include <cstring>

#include "settings/c_locale.h"
#include "settings/drawing.h"
#include "settings/number_format.h"
#include "view/page_furniture.h"

namespace qel {

namespace {

constexpr double kPointsToInches = 0.013888888888888888;  // 1 / 72
constexpr double kLineStepPerHeight = 1.2;
constexpr int kMinLinesPerPage = 2;
constexpr int kMaxLinesPerPage = 200;
// Screen and printer line steps this close are treated as equal, so both break pages alike.
constexpr double kStepMatchLow = 0.97;
constexpr double kStepMatchHigh = 1.03;
constexpr double kSmallestMatchedStep = 0.1;

// Table units (10 mm) in device units for a resolution given in device units per millimetre.
double UnitsPerTableUnit(double pixelsPerMm) {
  return pixelsPerMm * 10;
}

int TableTop(const RenderContext& ctx) {
  return PrintableRangeY(100, ctx.geometry.paperHeightMm, ctx.settings.marginTop);
}

// Puts the four transform values a table changes back as they were, however the renderer ends.
class SavedTableTransform {
 public:
  explicit SavedTableTransform(WorldTransform& transform)
      : transform_(transform), saved_(transform) {}
  ~SavedTableTransform() {
    transform_.pixelsPerMetreX = saved_.pixelsPerMetreX;
    transform_.pixelsPerMetreY = saved_.pixelsPerMetreY;
    transform_.originX = saved_.originX;
    transform_.originY = saved_.originY;
  }
  SavedTableTransform(const SavedTableTransform&) = delete;
  SavedTableTransform& operator=(const SavedTableTransform&) = delete;

 private:
  WorldTransform& transform_;
  WorldTransform saved_;
};

}  // namespace

TablePaging PagingForStep(int top, double lineStep) {
  TablePaging paging;
  paging.top = top;
  paging.lineStep = lineStep;
  // Clamped as a double first: a zero step gives an infinite quotient, which no int can hold.
  double lines = std::trunc(top / lineStep) - 2;
  if (lines >= kMaxLinesPerPage)
    paging.linesPerPage = kMaxLinesPerPage;
  else if (lines >= kMinLinesPerPage)
    paging.linesPerPage = static_cast<int>(lines);
  else
    paging.linesPerPage = kMinLinesPerPage;  // also when the quotient is not a number
  paging.bottomLimit = 2 * lineStep;
  return paging;
}

TablePaging PrepareTablePaging(const RenderContext& ctx, int fontSlot,
                               double& rememberedScreenStep) {
  // Spaced at the layout resolution: a zoomed screen breaks its pages where it does at 100 %.
  const int dpi = ctx.geometry.layoutDpiY;
  double fontPixels = std::trunc(dpi * ctx.fonts[fontSlot].size * kPointsToInches);
  double step = fontPixels / UnitsPerTableUnit(dpi * kInchesPerMm) * kLineStepPerHeight;
  if (!ctx.view.printing) {
    rememberedScreenStep = step;
  } else if (step > kSmallestMatchedStep) {
    double ratio = rememberedScreenStep / step;
    if (ratio >= kStepMatchLow && ratio <= kStepMatchHigh) step = rememberedScreenStep;
  }
  return PagingForStep(TableTop(ctx), step);
}

void TableContent::NextLine() {
  lineFirstText_.push_back(static_cast<std::uint32_t>(texts_.size()));
}

void TableContent::AddText(double x, std::string_view text) {
  characters_.append(text);
  texts_.push_back({static_cast<std::uint32_t>(characters_.size()), ColumnIndex(x)});
}

void TableContent::BreakPastTwoThirds() {
  twoThirdsBreaks_.push_back(LineCount());
}

std::uint32_t TableContent::ColumnIndex(double x) {
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (columns_[i] == x) return static_cast<std::uint32_t>(i);
  }
  columns_.push_back(x);
  return static_cast<std::uint32_t>(columns_.size() - 1);
}

void TableContent::Append(const TableContent& other) {
  const auto textBase = static_cast<std::uint32_t>(texts_.size());
  const auto characterBase = static_cast<std::uint32_t>(characters_.size());
  const std::size_t lineBase = LineCount();
  std::vector<std::uint32_t> columnOf(other.columns_.size());
  for (std::size_t i = 0; i < other.columns_.size(); ++i)
    columnOf[i] = ColumnIndex(other.columns_[i]);
  for (std::uint32_t first : other.lineFirstText_)
    lineFirstText_.push_back(textBase + first);
  for (const Text& text : other.texts_)
    texts_.push_back({characterBase + text.end, columnOf[text.column]});
  characters_ += other.characters_;
  for (std::size_t line : other.twoThirdsBreaks_)
    twoThirdsBreaks_.push_back(lineBase + line);
}

void TableContent::AppendAll(std::vector<TableContent>& parts) {
  std::size_t lines = LineCount(), texts = texts_.size(), characters = characters_.size();
  for (const TableContent& part : parts) {
    lines += part.LineCount();
    texts += part.texts_.size();
    characters += part.characters_.size();
  }
  lineFirstText_.reserve(lines);
  texts_.reserve(texts);
  characters_.reserve(characters);
  for (TableContent& part : parts) {
    Append(part);
    part = TableContent();
  }
}

std::pair<std::size_t, std::size_t> TablePlacement::LinesOfPage(int page) const {
  if (page < 1 || page > pageCount) return {0, 0};
  return {pageFirstLine[page - 1], pageFirstLine[page]};
}

TablePlacement PlaceTableLines(const TableContent& content, const TablePaging& paging) {
  TablePlacement placement;
  const std::size_t lines = content.LineCount();
  placement.lineY.reserve(lines);
  placement.pageFirstLine.push_back(0);
  const double twoThirds = 2 * paging.linesPerPage / 3.0;
  double y = paging.top;
  int count = 0;
  int page = 1;
  auto newPage = [&](std::size_t firstLine) {
    ++page;
    count = 0;
    y = paging.top;
    placement.pageFirstLine.push_back(firstLine);
  };
  const std::vector<std::size_t>& breaks = content.twoThirdsBreaks();
  std::size_t nextBreak = 0;
  auto applyBreaksBefore = [&](std::size_t line) {
    for (; nextBreak < breaks.size() && breaks[nextBreak] <= line; ++nextBreak) {
      if (count > twoThirds) newPage(line);
    }
  };
  for (std::size_t line = 0; line < lines; ++line) {
    applyBreaksBefore(line);
    ++count;
    y -= paging.lineStep;
    if (count > paging.linesPerPage || y < paging.bottomLimit) newPage(line);
    placement.lineY.push_back(y);
  }
  applyBreaksBefore(lines);
  placement.pageFirstLine.push_back(lines);
  placement.pageCount = page;
  return placement;
}

void DrawTablePage(DeviceContext& dc, const WorldTransform& transform, const TableContent& content,
                   const TablePlacement& placement, int page) {
  auto [first, last] = placement.LinesOfPage(page);
  std::string text;
  content.ForEachText(first, last, [&](std::size_t line, double x, std::string_view value) {
    text.assign(value);
    WorldText(dc, transform, x, placement.lineY[line], text);
  });
}

int RenderTable(RenderContext& ctx, DeviceContext* dc, bool draw, const TableDisplay& display,
                const std::string& contentKey,
                const std::function<void(TableContent&)>& buildContent) {
  if (dc == nullptr) draw = false;
  WorldTransform& t = ctx.transform;
  SavedTableTransform saved(t);
  t.pixelsPerMetreX = UnitsPerTableUnit(ctx.geometry.pixelsPerMmX);
  t.pixelsPerMetreY = UnitsPerTableUnit(ctx.geometry.pixelsPerMmY);
  t.originX = 0;
  t.originY = TableTop(ctx);

  if (draw) DrawDisplayTitle(*dc, ctx, display.problem, display.kind);
  TablePaging paging = PrepareTablePaging(ctx, display.fontSlot, display.rememberedScreenStep);
  if (draw) CreateSlotFont(*dc, ctx, display.fontSlot);

  TableLayoutCache& cache = display.cache;
  if (!cache.hasContent || cache.contentKey != contentKey) {
    // Marked stale first, so that a build cut short is never taken for a finished one.
    cache.hasContent = false;
    cache.hasPlacement = false;
    cache.content = TableContent();
    buildContent(cache.content);
    cache.contentKey = contentKey;
    cache.hasContent = true;
  }
  const auto stepBits = std::bit_cast<std::uint64_t>(paging.lineStep);
  if (!cache.hasPlacement || cache.placedTop != paging.top || cache.placedStepBits != stepBits) {
    cache.hasPlacement = false;
    cache.placement = PlaceTableLines(cache.content, paging);
    cache.placedTop = paging.top;
    cache.placedStepBits = stepBits;
    cache.hasPlacement = true;
  }
  if (draw) DrawTablePage(*dc, t, cache.content, cache.placement, ctx.view.currentPage);
  return cache.placement.pageCount;
}

}  // namespace qel
