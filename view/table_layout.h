// The four text tables: their line step and pages, their lines kept once laid out, and the
// routine that draws one page of them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "document/document_results.h"
#include "settings/number_format.h"
#include "view/render_context.h"

namespace qel {

// Tables are placed in units of 10 mm; a column position given in paper millimetres from the
// left margin becomes mm * 100 * 0.001 table units.
inline double TableColumn(int millimetres) {
  return millimetres * 100 * 0.001;
}

// How the lines of a table fall on pages.
struct TablePaging {
  int top = 0;               // usable page height in table units; later pages start here
  double lineStep = 0.0;     // table units from one line to the next
  int linesPerPage = 2;      // trunc(top / lineStep) - 2, kept within 2..200
  double bottomLimit = 0.0;  // 2 line steps: no line is placed below it
};

// The paging of a table whose top is `top` units and whose lines are `lineStep` apart.
TablePaging PagingForStep(int top, double lineStep);

// The paging of a table in font slot `fontSlot` on the device painted last, at its layout
// resolution. The line step is 1.2 times the font's height in table units. On screen it is
// remembered in `rememberedScreenStep`; when printing, a remembered step within 3 % of the
// printer's own is used instead, so that paper breaks pages where the screen does.
TablePaging PrepareTablePaging(const RenderContext& ctx, int fontSlot,
                               double& rememberedScreenStep);

// How wide text runs in a table, for breaking long lines: the width of one full-width
// character in table units, the table x at which the printable width ends, and where the
// table's first column begins. A zero width breaks nothing.
struct TableTextMeasure {
  double emWidth = 0.0;
  double rightEdge = 0.0;
  double leftEdge = 0.0;
  friend bool operator==(const TableTextMeasure&, const TableTextMeasure&) = default;
};

// What marks a heading repeated at the top of a page that continues its record.
enum class HeadingMark { None, Continued };

// The text appended to a record's heading where a page repeats it.
inline constexpr const char* kContinuedMark = "（続き）";

// The texts of a table line by line, before they are put on pages. Every line of the table is
// one line here, blank lines included, because each one advances the line count.
//
// With a text measure set, a row never runs off the paper or over itself: a text that would
// overlap the text before it moves right past it, and one that would then end beyond the
// printable width goes on to a new line of the row, indented, where the texts after it follow
// one another; a text no line holds whole moves to the table's first column and is broken
// there as WrapText breaks it. A row that takes several lines is kept on one page when a page
// holds it.
class TableContent {
 public:
  // The measure rows are fitted to; set before the content is built.
  void SetTextMeasure(const TableTextMeasure& measure) { measure_ = measure; }
  const TableTextMeasure& textMeasure() const { return measure_; }
  // Starts the next row on a new line.
  void NextLine();
  // Adds `text` at table x `x` to the current row (NextLine must have been called).
  void AddText(double x, std::string_view text);
  // As AddText for a text of words such as a name, never for a number: cut with kCutMark to
  // `width` table units, the room of its column, when that holds the mark and a character;
  // and where no line holds it whole, cut at the printable width instead of broken.
  void AddCutText(double x, std::string_view text, double width);
  // Whether AddCutText would cut `text` to `width`.
  bool CutsText(std::string_view text, double width) const;
  // Adds `text` at table x `x` as a row of its own, on as many lines as it needs.
  void AddWrappedText(double x, std::string_view text);
  // Before the next line: a new page begins when more than two thirds of a page's lines are
  // used.
  void BreakPastTwoThirds();
  // The lines from the next one to EndHeading() head what follows them: a page that begins
  // after them, before EndHeadingScope() or the next heading, repeats them at its top, so that
  // every page of a table can be read alone; with HeadingMark::Continued the repeat says that
  // the record goes on, after the heading's first row, which keeps room for the mark. A
  // heading never ends a page: its lines stay together, and with the line after them,
  // whenever a fresh page holds them.
  void BeginHeading(HeadingMark mark = HeadingMark::None);
  void EndHeading();
  void EndHeadingScope();
  // The lines from `first` to the last one so far stay on one page: when they do not fit on
  // what is left of a page but fit on a fresh one, they begin the next page. Where groups
  // begin on one line, the longest that fits on a fresh page decides.
  void KeepTogether(std::size_t first);
  // Appends the lines of `other` after the lines of this content.
  void Append(const TableContent& other);
  // Appends the lines of every part in order, emptying the parts as it goes.
  void AppendAll(std::vector<TableContent>& parts);

  std::size_t LineCount() const { return lineFirstText_.size(); }
  // Whether line `line` holds no text: a separator.
  bool IsBlankLine(std::size_t line) const;
  // Calls `visit`(line, x, text) for every text of the lines [first, last), in order.
  template <typename Visit>
  void ForEachText(std::size_t first, std::size_t last, Visit&& visit) const;
  // Line indices before which the two-thirds rule applies, in order.
  const std::vector<std::size_t>& twoThirdsBreaks() const { return twoThirdsBreaks_; }

  // Lines [first, last) of a heading, repeated on pages that begin in [last, scopeEnd); the
  // continued mark goes after the last text of line markLine.
  struct Heading {
    std::size_t first, last, scopeEnd;
    HeadingMark mark = HeadingMark::None;
    std::size_t markLine = first;
  };
  const std::vector<Heading>& headings() const { return headings_; }
  // Lines [first, last) kept on one page.
  struct Block {
    std::size_t first, last;
  };
  const std::vector<Block>& blocks() const { return blocks_; }

 private:
  struct Text {
    std::uint32_t end;     // end of the text in characters_; it begins where the previous ends
    std::uint32_t column;  // index into columns_
  };
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  std::uint32_t ColumnIndex(double x);
  // Adds a line to the table without starting a row.
  void StartLine();
  // Fits `text` into the current row as AddText and AddCutText describe.
  void PlaceText(double x, std::string_view text, bool cut);
  // Goes on with the current row on a new line.
  void ContinueRow();
  // Adds `text` at `x` to the current line as it is.
  void StoreText(double x, std::string_view text);
  // How many ems of the table font fit from table x `x` to the end of the printable width.
  double RoomFrom(double x) const;

  TableTextMeasure measure_;
  std::vector<double> columns_;  // the distinct x positions in use
  std::unordered_map<double, std::uint32_t> columnIndex_;
  std::vector<std::uint32_t> lineFirstText_;
  std::vector<Text> texts_;
  std::string characters_;
  std::vector<std::size_t> twoThirdsBreaks_;
  std::vector<Heading> headings_;
  std::vector<Block> blocks_;
  // The row being added: where its first text begins, its first line, the block that keeps its
  // lines together once it has several, and where the last text of its last line ends.
  double rowX_ = 0.0;
  std::size_t rowFirstLine_ = 0;
  std::size_t rowBlock_ = kNone;
  bool rowHasText_ = false;
  double lineEnd_ = 0.0;
  // The heading whose first row keeps room for the continued mark, while that row is added,
  // or kNone; pendingMark_: that row is the next one.
  std::size_t markedHeading_ = kNone;
  bool pendingMark_ = false;
};

// A heading line repeated at the top of a page: its line, its table y, and whether it carries
// the continued mark (after the last text of the heading's mark line).
struct RepeatedLine {
  std::size_t line;
  double y;
  bool marked;
  bool operator==(const RepeatedLine&) const = default;
};

// Where each line of a content lies.
struct TablePlacement {
  std::vector<double> lineY;               // table y of each line
  std::vector<std::size_t> pageFirstLine;  // [p - 1]: first line of page p; last entry: end
  // [p - 1]: the heading lines repeated at the top of page p.
  std::vector<std::vector<RepeatedLine>> repeatedLines;
  int pageCount = 1;

  // Lines [first, last) of page `page`; an empty range for a page outside 1..pageCount.
  std::pair<std::size_t, std::size_t> LinesOfPage(int page) const;
};

// Places the lines: each line is one step below the previous one and adds one to the line
// count; when the count exceeds the lines per page or the line would fall below the bottom
// limit, a new page begins and the line goes to its top with the count reset to 0. Page 1
// therefore begins one step below the top and later pages at the top. A heading in force is
// repeated at the top of a new page, its lines counted, before the line that begins it, when a
// fresh page holds it with what must follow it. Lines kept together (a heading with the line
// after it, a block) that fit on a fresh page but not on the rest of this one begin a new
// page; those no page holds are placed as they come, and so is a heading that no page holds
// with the line after it. So every line is placed once and the page count stays within the
// line count plus the two-thirds breaks plus one.
//
// A page that shows no line yet is never given up while it can hold one: what does not fit on
// it whole goes on it line by line. Blank lines are separators: those at the top of a page
// that would show nothing else give way to the lines after them, and blank lines that end the
// table stay at the bottom of the last page with text.
TablePlacement PlaceTableLines(const TableContent& content, const TablePaging& paging);

// Draws the texts of the lines of page `page` with WorldText.
void DrawTablePage(DeviceContext& dc, const WorldTransform& transform, const TableContent& content,
                   const TablePlacement& placement, int page);

// What a table's lines are built from, compared with ==: the revisions of what it reads (the
// results of its problem with their circle method, and another revision where it reads more:
// the problem's own, or the settlement's), and the settings that change its text.
struct TableContentKey {
  ResultsKey results;
  std::uint64_t more = 0;
  std::array<int, 6> options{};
  friend bool operator==(const TableContentKey&, const TableContentKey&) = default;
};

// A table's lines laid out for one set of inputs, and where they fell on pages for one paging.
struct TableLayoutCache {
  bool hasContent = false;
  TableContentKey contentKey;
  TableTextMeasure contentMeasure;  // the measure the lines were broken by
  TableContent content;
  bool hasPlacement = false;
  int placedTop = 0;
  std::uint64_t placedStepBits = 0;
  TablePlacement placement;
};

// What distinguishes one table display from another for RenderTable.
struct TableDisplay {
  Problem problem;
  DisplayKind kind;
  int fontSlot;
  double& rememberedScreenStep;
  TableLayoutCache& cache;
};

// The renderer common to the four tables: sets the table transform (restored on return), draws
// the title and selects the body font when drawing, lays out the content (with
// `buildContent`, only when `contentKey` or the text measure of the font and paper differs from
// the cached one) and places it (only when the paging changed), draws page currentPage when
// drawing, and returns the page count.
int RenderTable(RenderContext& ctx, DeviceContext* dc, bool draw, const TableDisplay& display,
                const TableContentKey& contentKey,
                const std::function<void(TableContent&)>& buildContent);

template <typename Visit>
void TableContent::ForEachText(std::size_t first, std::size_t last, Visit&& visit) const {
  for (std::size_t line = first; line < last && line < lineFirstText_.size(); ++line) {
    std::size_t text = lineFirstText_[line];
    std::size_t endText =
        line + 1 < lineFirstText_.size() ? lineFirstText_[line + 1] : texts_.size();
    std::size_t begin = text == 0 ? 0 : texts_[text - 1].end;
    for (; text < endText; ++text) {
      std::size_t end = texts_[text].end;
      visit(line, columns_[texts_[text].column],
            std::string_view(characters_.data() + begin, end - begin));
      begin = end;
    }
  }
}

}  // namespace qel
