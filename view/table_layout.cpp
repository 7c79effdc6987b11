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
// The end of a heading's scope while it lasts to the end of the table.
constexpr std::size_t kOpenScope = static_cast<std::size_t>(-1);

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

void TableContent::BeginHeading() {
  EndHeadingScope();
  headings_.push_back({LineCount(), LineCount(), kOpenScope});
}

void TableContent::EndHeading() {
  if (!headings_.empty()) headings_.back().last = LineCount();
}

void TableContent::EndHeadingScope() {
  if (!headings_.empty() && headings_.back().scopeEnd == kOpenScope)
    headings_.back().scopeEnd = LineCount();
}

void TableContent::BeginBlock() {
  blocks_.push_back({LineCount(), LineCount()});
}

void TableContent::EndBlock() {
  if (!blocks_.empty()) blocks_.back().last = LineCount();
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
  // A heading of `other` ends the scope of one still open here.
  if (!other.headings_.empty()) EndHeadingScope();
  for (const Heading& h : other.headings_)
    headings_.push_back({lineBase + h.first, lineBase + h.last,
                         h.scopeEnd == kOpenScope ? kOpenScope : lineBase + h.scopeEnd});
  for (const Block& b : other.blocks_)
    blocks_.push_back({lineBase + b.first, lineBase + b.last});
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
  placement.repeatedLines.emplace_back();
  const double twoThirds = 2 * paging.linesPerPage / 3.0;
  double y = paging.top;
  int count = 0;
  int page = 1;
  // The heading in force for a page beginning at `line`, if any.
  const std::vector<TableContent::Heading>& headings = content.headings();
  std::size_t heading = 0;
  auto headingAt = [&](std::size_t line) -> const TableContent::Heading* {
    while (heading < headings.size() && headings[heading].scopeEnd <= line)
      ++heading;
    if (heading < headings.size() && headings[heading].last <= line &&
        headings[heading].first < headings[heading].last)
      return &headings[heading];
    return nullptr;
  };
  // The heading repeated on a page beginning at `line`; none when it would leave no room below
  // it on a page.
  auto repeatedHeading = [&](std::size_t line) -> const TableContent::Heading* {
    const TableContent::Heading* h = headingAt(line);
    if (h == nullptr) return nullptr;
    const auto size = static_cast<int>(h->last - h->first);
    if (size >= paging.linesPerPage || paging.top - size * paging.lineStep < paging.bottomLimit)
      return nullptr;
    return h;
  };
  // Leaves `y` and `count` where the first line of the new page goes: at the top, or below the
  // heading repeated there.
  auto newPage = [&](std::size_t firstLine) {
    ++page;
    count = 0;
    y = paging.top;
    placement.pageFirstLine.push_back(firstLine);
    placement.repeatedLines.emplace_back();
    const TableContent::Heading* h = repeatedHeading(firstLine);
    if (h == nullptr) return;
    for (std::size_t line = h->first; line < h->last; ++line) {
      placement.repeatedLines.back().push_back({line, y});
      y -= paging.lineStep;
      ++count;
    }
  };
  // Whether `size` lines fit below the line at (`atY`, `atCount`) on its page.
  auto fits = [&](double atY, int atCount, int size) {
    return atCount + size <= paging.linesPerPage &&
           atY - size * paging.lineStep >= paging.bottomLimit;
  };
  const std::vector<TableContent::Block>& blocks = content.blocks();
  std::size_t nextBlock = 0;
  const std::vector<std::size_t>& breaks = content.twoThirdsBreaks();
  std::size_t nextBreak = 0;
  auto applyBreaksBefore = [&](std::size_t line) {
    for (; nextBreak < breaks.size() && breaks[nextBreak] <= line; ++nextBreak) {
      if (count > twoThirds) newPage(line);
    }
  };
  for (std::size_t line = 0; line < lines; ++line) {
    applyBreaksBefore(line);
    for (; nextBlock < blocks.size() && blocks[nextBlock].first < line; ++nextBlock) {
    }
    if (nextBlock < blocks.size() && blocks[nextBlock].first == line &&
        line > placement.pageFirstLine.back()) {
      const auto size = static_cast<int>(blocks[nextBlock].last - line);
      // On a fresh page the block's first line goes below the repeated heading, if any.
      const TableContent::Heading* h = repeatedHeading(line);
      const int above = h == nullptr ? 0 : static_cast<int>(h->last - h->first);
      const double freshY = paging.top - above * paging.lineStep;
      if (!fits(y, count, size) && fits(freshY + paging.lineStep, above - 1, size)) {
        newPage(line);
        placement.lineY.push_back(y);
        continue;
      }
    }
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
  if (page >= 1 && page <= static_cast<int>(placement.repeatedLines.size())) {
    for (const auto& [line, y] : placement.repeatedLines[page - 1]) {
      content.ForEachText(line, line + 1, [&](std::size_t, double x, std::string_view value) {
        text.assign(value);
        WorldText(dc, transform, x, y, text);
      });
    }
  }
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
