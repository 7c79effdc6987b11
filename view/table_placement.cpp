// Puts the lines of a table on pages: line counts, the bottom limit, repeated headings, lines
// kept together and the two-thirds rule.
#include <algorithm>
#include <vector>

#include "view/table_layout.h"

namespace qel {

namespace {

// Lines [first, first + size) that stay on one page when a page holds them. A group that may
// not open a page stays together only where it fits on the page it begins on.
struct Group {
  std::size_t first;
  std::size_t size;
  bool opensPage = true;
};

// The groups of a content: its blocks, every heading, and every heading with the line after
// it, ordered by their first line and, from one line, longest first. A heading alone never
// opens a page: where no page holds it with the line after it, a page of its own would only
// postpone that line.
std::vector<Group> GroupsOf(const TableContent& content) {
  std::vector<Group> groups;
  for (const TableContent::Block& block : content.blocks())
    if (block.last > block.first + 1) groups.push_back({block.first, block.last - block.first});
  for (const TableContent::Heading& heading : content.headings()) {
    if (heading.last <= heading.first) continue;
    const std::size_t size = heading.last - heading.first;
    if (size > 1) groups.push_back({heading.first, size, false});
    if (heading.last < content.LineCount()) groups.push_back({heading.first, size + 1});
  }
  std::sort(groups.begin(), groups.end(), [](const Group& a, const Group& b) {
    return a.first != b.first ? a.first < b.first : a.size > b.size;
  });
  return groups;
}

class TablePlacer {
 public:
  TablePlacer(const TableContent& content, const TablePaging& paging)
      : content_(content), paging_(paging), groups_(GroupsOf(content)) {
    textEnd_ = content.LineCount();
    while (textEnd_ > 0 && content.IsBlankLine(textEnd_ - 1))
      --textEnd_;
  }

  TablePlacement Place() {
    const std::size_t lines = content_.LineCount();
    placement_.lineY.reserve(lines);
    placement_.pageFirstLine.push_back(0);
    placement_.repeatedLines.emplace_back();
    y_ = paging_.top;
    pageStart_ = {y_, count_, fresh_};
    for (std::size_t line = 0; line < lines; ++line) {
      ApplyBreaksBefore(line);
      KeepGroupsFrom(line);
      const bool blank = content_.IsBlankLine(line);
      if (!fresh_ && !FitsHere(1)) {
        if (blank && line >= textEnd_) {
          // Blank lines that end the table stay below the last page's text, unseen.
          placement_.lineY.push_back(y_);
          continue;
        }
        if (!blank) DropBlankLines();
        if (!fresh_ && !FitsHere(1)) NewPage(line);
      }
      if (!fresh_) {
        ++count_;
        y_ -= paging_.lineStep;
      }
      placement_.lineY.push_back(y_);
      fresh_ = false;
      if (blank)
        ++blanksOnPage_;
      else
        pageShowsText_ = true;
    }
    ApplyBreaksBefore(lines);
    placement_.pageFirstLine.push_back(lines);
    placement_.pageCount = page_;
    return std::move(placement_);
  }

 private:
  // Where the next line goes on a page before any line is placed on it.
  struct PageStart {
    double y;
    int count;
    bool fresh;
  };

  // On a page that shows no text yet, the blank lines placed on it give way to what follows:
  // the next line goes where the first of them went.
  void DropBlankLines() {
    if (pageShowsText_ || blanksOnPage_ == 0) return;
    y_ = pageStart_.y;
    count_ = pageStart_.count;
    fresh_ = pageStart_.fresh;
    blanksOnPage_ = 0;
  }

  // Whether `lines` lines fit on their page when the first goes at (y, count), each next one
  // a step lower and one count higher, as the placement puts them.
  bool FitsFrom(double y, int count, std::size_t lines) const {
    for (std::size_t i = 0; i < lines; ++i) {
      if (count > paging_.linesPerPage || y < paging_.bottomLimit) return false;
      y -= paging_.lineStep;
      ++count;
    }
    return true;
  }

  // Whether `lines` lines fit from the next place on this page.
  bool FitsHere(std::size_t lines) const {
    return fresh_ ? FitsFrom(y_, count_, lines)
                  : FitsFrom(y_ - paging_.lineStep, count_ + 1, lines);
  }

  // Whether `lines` lines from `line` fit on a page begun for `line`, below the heading it
  // would repeat.
  bool FitsOnFreshPage(std::size_t line, std::size_t lines) {
    double y = paging_.top;
    int count = 0;
    if (const TableContent::Heading* heading = RepeatedHeading(line)) {
      for (std::size_t i = heading->first; i < heading->last; ++i) {
        y -= paging_.lineStep;
        ++count;
      }
    }
    return FitsFrom(y, count, lines);
  }

  // The heading in force for a page that begins at `line`, if any. Lines only grow from one
  // call to the next.
  const TableContent::Heading* HeadingInForce(std::size_t line) {
    const std::vector<TableContent::Heading>& headings = content_.headings();
    while (heading_ < headings.size() && headings[heading_].scopeEnd <= line)
      ++heading_;
    if (heading_ < headings.size() && headings[heading_].last <= line &&
        headings[heading_].first < headings[heading_].last)
      return &headings[heading_];
    return nullptr;
  }

  // The heading a page beginning at `line` repeats: the one in force, when it is shorter than
  // the lines of a page and a fresh page holds it with a line below it, unless the shortest
  // group that begins at `line` would fit on that page only without it.
  const TableContent::Heading* RepeatedHeading(std::size_t line) {
    const TableContent::Heading* heading = HeadingInForce(line);
    if (heading == nullptr) return nullptr;
    const std::size_t size = heading->last - heading->first;
    if (size >= static_cast<std::size_t>(paging_.linesPerPage)) return nullptr;
    if (!FitsFrom(paging_.top, 0, size + 1)) return nullptr;
    const std::size_t g = FirstGroupAt(line);
    std::size_t group = 0;
    for (std::size_t i = g; i < groups_.size() && groups_[i].first == line; ++i)
      group = groups_[i].size;
    if (group > 1 && !FitsFrom(paging_.top, 0, size + group) && FitsFrom(paging_.top, 0, group))
      return nullptr;
    return heading;
  }

  // The index of the first group that begins at `line` or later.
  std::size_t FirstGroupAt(std::size_t line) {
    while (group_ < groups_.size() && groups_[group_].first < line)
      ++group_;
    return group_;
  }

  // Keeps the groups that begin at `line` on one page: the longest that fits here stays; else
  // the longest that fits on a fresh page begins one. A page that shows no text yet is not
  // given up for a group: its blank lines give way first, and the group that still does not
  // fit goes on it line by line. Inside a group kept so, nothing moves.
  void KeepGroupsFrom(std::size_t line) {
    if (line < keptEnd_) return;
    for (std::size_t g = FirstGroupAt(line); g < groups_.size() && groups_[g].first == line; ++g) {
      const std::size_t size = groups_[g].size;
      if (!FitsHere(size)) DropBlankLines();
      if (FitsHere(size)) {
        keptEnd_ = line + size;
        return;
      }
      if (pageShowsText_ && groups_[g].opensPage && FitsOnFreshPage(line, size)) {
        NewPage(line);
        keptEnd_ = line + size;
        return;
      }
    }
  }

  // Before `line`: a new page for every two-thirds break there while more than two thirds of
  // this page's lines are used. Such a page begins one step below the top, as page 1 does,
  // unless it repeats a heading.
  void ApplyBreaksBefore(std::size_t line) {
    const double twoThirds = 2 * paging_.linesPerPage / 3.0;
    const std::vector<std::size_t>& breaks = content_.twoThirdsBreaks();
    for (; break_ < breaks.size() && breaks[break_] <= line; ++break_) {
      if (fresh_ || !pageShowsText_ || count_ <= twoThirds) continue;
      NewPage(line);
      if (placement_.repeatedLines.back().empty()) fresh_ = false;
      pageStart_.fresh = fresh_;
    }
  }

  // Begins a page whose first line is `line`, below the heading it repeats; the next line
  // goes at (y_, count_).
  void NewPage(std::size_t line) {
    ++page_;
    count_ = 0;
    y_ = paging_.top;
    fresh_ = true;
    pageShowsText_ = false;
    blanksOnPage_ = 0;
    placement_.pageFirstLine.push_back(line);
    placement_.repeatedLines.emplace_back();
    if (const TableContent::Heading* heading = RepeatedHeading(line)) {
      for (std::size_t repeated = heading->first; repeated < heading->last; ++repeated) {
        const bool marked =
            heading->mark == HeadingMark::Continued && repeated == heading->markLine;
        placement_.repeatedLines.back().push_back({repeated, y_, marked});
        y_ -= paging_.lineStep;
        ++count_;
      }
    }
    pageStart_ = {y_, count_, fresh_};
  }

  const TableContent& content_;
  const TablePaging& paging_;
  const std::vector<Group> groups_;
  TablePlacement placement_;
  // The last line placed, or with fresh_ the place of the next one on a page just begun.
  double y_ = 0.0;
  int count_ = 0;
  bool fresh_ = false;
  int page_ = 1;
  PageStart pageStart_{};
  bool pageShowsText_ = false;  // a line with text is placed on this page, repeats aside
  int blanksOnPage_ = 0;        // blank lines placed on this page while it shows no text
  std::size_t textEnd_ = 0;     // the lines from it on are blank
  std::size_t keptEnd_ = 0;     // lines before it belong to a group placed together
  std::size_t heading_ = 0;     // cursors into the headings, groups and breaks
  std::size_t group_ = 0;
  std::size_t break_ = 0;
};

}  // namespace

TablePlacement PlaceTableLines(const TableContent& content, const TablePaging& paging) {
  return TablePlacer(content, paging).Place();
}

}  // namespace qel
