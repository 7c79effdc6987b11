// Line step, pagination, laid-out lines and the common renderer of the four text tables.
#include "view/table_layout.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "base/c_locale.h"
#include "settings/number_format.h"
#include "view/drawing.h"
#include "view/page_furniture.h"
#include "view/text_wrap.h"

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
// Where the first column of every table begins, in millimetres from the left margin.
constexpr int kFirstColumnMm = 1;
// The space left between a text and the one before it where the second had to move right:
// a half-width blank.
constexpr double kCellGapEms = kNominalHalfWidthEms;
// How far the lines that continue a row are indented, so that they do not read as rows.
constexpr double kContinuationIndentEms = 1.0;
// A cell narrower than this (the cut mark and a character) is not cut to its own width.
constexpr double kSmallestCutCellEms = 2.0;

// Table units (10 mm) in device units for a resolution given in device units per millimetre.
double UnitsPerTableUnit(double pixelsPerMm) {
  return pixelsPerMm * 10;
}

int TableTop(const RenderContext& ctx) {
  return PrintableRangeY(100, ctx.geometry.paperHeightMm, ctx.settings.marginTop);
}

// One em of the table font across the page, in table units, and where the printable width
// ends. The em is the height the line step is made of, so that paper breaks its lines where the
// screen does whenever it breaks its pages there.
TableTextMeasure MeasureOf(const RenderContext& ctx, const TablePaging& paging) {
  const DeviceGeometry& g = ctx.geometry;
  TableTextMeasure measure;
  // The device's pixels may be narrower than they are high: an em spans more of them across.
  const double aspect = g.pixelsPerMmX > 0 ? g.pixelsPerMmY / g.pixelsPerMmX : 1.0;
  measure.emWidth = paging.lineStep / kLineStepPerHeight * std::max(aspect, 1.0);
  if (!std::isfinite(measure.emWidth) || measure.emWidth < 0) measure.emWidth = 0.0;
  measure.rightEdge = PrintableRangeX(100, g.paperWidthMm, ctx.settings.marginLeft);
  measure.leftEdge = TableColumn(kFirstColumnMm);
  return measure;
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

void TableContent::StartLine() {
  lineFirstText_.push_back(static_cast<std::uint32_t>(texts_.size()));
}

void TableContent::NextLine() {
  StartLine();
  rowFirstLine_ = LineCount() - 1;
  rowBlock_ = kNone;
  rowHasText_ = false;
  markedHeading_ = kNone;
  if (pendingMark_ && !headings_.empty()) {
    markedHeading_ = headings_.size() - 1;
    headings_.back().markLine = rowFirstLine_;
  }
  pendingMark_ = false;
}

bool TableContent::IsBlankLine(std::size_t line) const {
  const std::size_t end =
      line + 1 < lineFirstText_.size() ? lineFirstText_[line + 1] : texts_.size();
  return lineFirstText_[line] == end;
}

void TableContent::StoreText(double x, std::string_view text) {
  characters_.append(text);
  texts_.push_back({static_cast<std::uint32_t>(characters_.size()), ColumnIndex(x)});
  if (!rowHasText_) rowX_ = x;
  rowHasText_ = true;
  lineEnd_ = x + EstimatedEms(text, kNominalHalfWidthEms) * measure_.emWidth;
}

void TableContent::ContinueRow() {
  StartLine();
  if (rowBlock_ == kNone) {
    blocks_.push_back({rowFirstLine_, LineCount()});
    rowBlock_ = blocks_.size() - 1;
  } else {
    blocks_[rowBlock_].last = LineCount();
  }
  if (markedHeading_ != kNone) headings_[markedHeading_].markLine = LineCount() - 1;
}

double TableContent::RoomFrom(double x) const {
  return (measure_.rightEdge - x) / measure_.emWidth;
}

void TableContent::AddText(double x, std::string_view text) {
  PlaceText(x, text, false);
}

void TableContent::AddCutText(double x, std::string_view text, double width) {
  const double em = measure_.emWidth;
  if (em > 0.0 && width / em >= kSmallestCutCellEms) {
    PlaceText(x, CutText(text, width / em - kCellGapEms), true);
    return;
  }
  PlaceText(x, text, true);
}

bool TableContent::CutsText(std::string_view text, double width) const {
  const double em = measure_.emWidth;
  return em > 0.0 && width / em >= kSmallestCutCellEms &&
         CutText(text, width / em - kCellGapEms) != text;
}

void TableContent::PlaceText(double x, std::string_view text, bool cut) {
  const double em = measure_.emWidth;
  if (!(em > 0.0) || lineFirstText_.empty()) {
    StoreText(x, text);
    return;
  }
  // The first row of a heading marked as continued keeps room for the mark.
  const double markEms = markedHeading_ != kNone ? EstimatedEms(kContinuedMark) : 0.0;
  const double ems = EstimatedEms(text) + markEms;
  if (lineFirstText_.back() < texts_.size()) {
    // On the row's first line a text keeps its own x when the text before it ends short of
    // it; on the lines that continue the row, the texts follow one another.
    const bool continuing = LineCount() - 1 > rowFirstLine_;
    const double after = !continuing && x >= lineEnd_ ? x : lineEnd_ + kCellGapEms * em;
    if (ems <= RoomFrom(after)) {
      StoreText(after, text);
      return;
    }
    ContinueRow();
  }
  // Alone on its line: the row's first text at its own x, a later one indented from the row's
  // first x; else at the row's first x, then at the table's first column, and broken or cut
  // there when no line holds it whole.
  const double left = rowHasText_ ? rowX_ : x;
  const double at = rowHasText_ ? rowX_ + kContinuationIndentEms * em : x;
  for (const double place : {at, left, measure_.leftEdge}) {
    if (ems <= RoomFrom(place)) {
      StoreText(place, text);
      return;
    }
  }
  const double start = std::min(left, measure_.leftEdge);
  const double room = RoomFrom(start);
  if (cut) {
    StoreText(start, CutText(text, room - markEms));
    return;
  }
  // A heading marked as continued is broken narrower where that leaves its last line room for
  // the mark; where the line is too narrow for that, the mark is cut when it is drawn.
  const double width = markEms > 0.0 && room - markEms >= markEms ? room - markEms : room;
  const std::vector<std::string> pieces = WrapText(text, width);
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0) ContinueRow();
    StoreText(start, pieces[i]);
  }
}

void TableContent::AddWrappedText(double x, std::string_view text) {
  NextLine();
  AddText(x, text);
}

void TableContent::BreakPastTwoThirds() {
  twoThirdsBreaks_.push_back(LineCount());
}

void TableContent::BeginHeading(HeadingMark mark) {
  EndHeadingScope();
  headings_.push_back({LineCount(), LineCount(), kOpenScope, mark});
  pendingMark_ = mark == HeadingMark::Continued;
}

void TableContent::EndHeading() {
  if (!headings_.empty()) headings_.back().last = LineCount();
}

void TableContent::EndHeadingScope() {
  if (!headings_.empty() && headings_.back().scopeEnd == kOpenScope)
    headings_.back().scopeEnd = LineCount();
}

void TableContent::KeepTogether(std::size_t first) {
  if (first < LineCount()) blocks_.push_back({first, LineCount()});
}

std::uint32_t TableContent::ColumnIndex(double x) {
  // Rows moved past their neighbours bring many positions, so they are looked up by value.
  const auto [at, added] = columnIndex_.try_emplace(x, static_cast<std::uint32_t>(columns_.size()));
  if (added) columns_.push_back(x);
  return at->second;
}

void TableContent::Append(const TableContent& other) {
  const auto textBase = static_cast<std::uint32_t>(texts_.size());
  const auto characterBase = static_cast<std::uint32_t>(characters_.size());
  const std::size_t lineBase = LineCount();
  const std::size_t headingBase = headings_.size();
  const std::size_t blockBase = blocks_.size();
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
                         h.scopeEnd == kOpenScope ? kOpenScope : lineBase + h.scopeEnd, h.mark,
                         lineBase + h.markLine});
  for (const Block& b : other.blocks_)
    blocks_.push_back({lineBase + b.first, lineBase + b.last});
  // The row `other` was adding goes on here.
  if (other.LineCount() > 0) {
    rowX_ = other.rowX_;
    rowFirstLine_ = lineBase + other.rowFirstLine_;
    rowBlock_ = other.rowBlock_ == kNone ? kNone : blockBase + other.rowBlock_;
    rowHasText_ = other.rowHasText_;
    lineEnd_ = other.lineEnd_;
    markedHeading_ = other.markedHeading_ == kNone ? kNone : headingBase + other.markedHeading_;
  }
  if (!other.headings_.empty()) pendingMark_ = other.pendingMark_;
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

void DrawTablePage(DeviceContext& dc, const WorldTransform& transform, const TableContent& content,
                   const TablePlacement& placement, int page) {
  auto [first, last] = placement.LinesOfPage(page);
  std::string text;
  if (page >= 1 && page <= static_cast<int>(placement.repeatedLines.size())) {
    const TableTextMeasure& measure = content.textMeasure();
    for (const RepeatedLine& repeated : placement.repeatedLines[page - 1]) {
      std::vector<std::pair<double, std::string>> texts;
      content.ForEachText(repeated.line, repeated.line + 1,
                          [&](std::size_t, double x, std::string_view value) {
                            texts.emplace_back(x, std::string(value));
                          });
      if (repeated.marked && !texts.empty()) {
        auto& [x, marked] = texts.back();
        // Room was kept for the mark; only a line narrower than the mark itself cuts it.
        std::string mark = kContinuedMark;
        if (measure.emWidth > 0.0)
          mark = CutText(mark, (measure.rightEdge - x) / measure.emWidth - EstimatedEms(marked));
        marked += mark;
      }
      for (const auto& [x, value] : texts)
        WorldText(dc, transform, x, repeated.y, value);
    }
  }
  content.ForEachText(first, last, [&](std::size_t line, double x, std::string_view value) {
    text.assign(value);
    WorldText(dc, transform, x, placement.lineY[line], text);
  });
}

int RenderTable(RenderContext& ctx, DeviceContext* dc, bool draw, const TableDisplay& display,
                const TableContentKey& contentKey,
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
  // Long texts break by the font and the paper, so those are part of the content too.
  const TableTextMeasure measure = MeasureOf(ctx, paging);
  if (!cache.hasContent || !(cache.contentKey == contentKey) ||
      !(cache.contentMeasure == measure)) {
    // Marked stale first, so that a build cut short is never taken for a finished one.
    cache.hasContent = false;
    cache.hasPlacement = false;
    cache.content = TableContent();
    cache.content.SetTextMeasure(measure);
    buildContent(cache.content);
    cache.contentKey = contentKey;
    cache.contentMeasure = measure;
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
