// The values table of a time-settlement graph: its layout and its drawing.
#include "view/settlement_time_table.h"

#include <algorithm>

#include "base/c_locale.h"
#include "view/drawing.h"
#include "view/figure_common.h"
#include "view/figure_notes.h"
#include "view/graph_axes.h"
#include "view/text_wrap.h"

namespace qel {

namespace {

constexpr Colour kBlack = 0x000000;
constexpr const char* kCaption = "時間 t (日) の沈下量 S (cm)、最終沈下量 S (cm)、t50・t90 (日)";
constexpr const char* kLabelHeading = "位置";
constexpr const char* kTailHeadings[] = {"最終 S", "t50", "t90"};
constexpr int kTailCells = 3;

int WidestOf(const std::vector<std::string>& texts, int height) {
  int widest = 0;
  for (const std::string& text : texts)
    widest = std::max(widest, NoteTextWidth(text, height));
  return widest;
}

std::vector<std::string> Wrapped(const std::vector<std::string>& notes, int width, int height) {
  std::vector<std::string> lines;
  const double ems = static_cast<double>(width) / std::max(1, height);
  for (const std::string& note : notes)
    for (std::string& line : WrapText(note, ems))
      lines.push_back(std::move(line));
  return lines;
}

}  // namespace

int TimeTableLayout::Height() const {
  if (notes.empty()) return BlockTop(0, blocks) - rowHeight / 2;
  return NotesTop(0) + static_cast<int>(notes.size()) * rowHeight;
}

int TimeTableLayout::BlockTop(int top, int block) const {
  return ClampToDevice(static_cast<double>(top) + rowHeight +
                       block * ((1.0 + rows) * rowHeight + rowHeight / 2));
}

int TimeTableLayout::NotesTop(int top) const {
  return BlockTop(top, blocks);
}

TimeTableLayout LayOutTimeTable(const TimeTable& table, int left, int right, int textHeight,
                                int sampleLength, int mostHeight) {
  TimeTableLayout layout;
  layout.left = left;
  layout.textHeight = std::max(1, textHeight);
  const int h = layout.textHeight;
  const int pad = h / 2;
  layout.rowHeight = h + std::max(1, h / 3);
  layout.rows = static_cast<int>(table.rows.size());
  layout.sampleLength = std::max(1, sampleLength);
  layout.sampleWidth = layout.sampleLength + 2 * pad;
  std::vector<std::string> labels{kLabelHeading}, cells = table.times;
  cells.insert(cells.end(), std::begin(kTailHeadings), std::end(kTailHeadings));
  for (const TimeTableRow& row : table.rows) {
    labels.push_back(row.label);
    cells.insert(cells.end(), row.atTimes.begin(), row.atTimes.end());
    cells.insert(cells.end(), {row.final, row.t50, row.t90});
  }
  layout.nameWidth = WidestOf(labels, h) + 2 * pad;
  layout.cellWidth = WidestOf(cells, h) + 2 * pad;
  const int forTimes =
      right - left - layout.sampleWidth - layout.nameWidth - kTailCells * layout.cellWidth;
  layout.timesPerBlock = std::max(1, forTimes / std::max(1, layout.cellWidth));
  const int times = static_cast<int>(table.times.size());
  const int needed = std::max(1, (times + layout.timesPerBlock - 1) / layout.timesPerBlock);
  // The most table lines that leave the height, down to one.
  for (int blocks = std::min(needed, kMostTimeBlocks); blocks >= 1; --blocks) {
    layout.blocks = blocks;
    layout.shownTimes = std::min(times, blocks * layout.timesPerBlock);
    std::vector<std::string> notes = table.notes;
    if (layout.shownTimes < times)
      notes.push_back(
          FormatC("時間 %d 個のうち初めの %d 個の値を示します", times, layout.shownTimes));
    layout.notes = Wrapped(notes, right - left, h);
    if (layout.Height() <= mostHeight) break;
  }
  // Notes beyond the room are left out, the last line kept saying how many: the page holds
  // what it can instead of running off the paper.
  const int noteRoom = std::max(1, (mostHeight - layout.NotesTop(0)) / layout.rowHeight);
  const int noteLines = static_cast<int>(layout.notes.size());
  if (noteLines > noteRoom) {
    layout.notes.resize(static_cast<std::size_t>(noteRoom - 1));
    layout.notes.push_back(
        FormatC("（ほか %d 行の注記は紙面に入りません）", noteLines - (noteRoom - 1)));
  }
  return layout;
}

void DrawTimeTable(DeviceContext& dc, RenderContext& ctx, const TimeTableLayout& layout,
                   const TimeTable& table, int top) {
  const WorldTransform& t = ctx.transform;
  const bool monochrome = IsMonochrome(ctx.settings);
  const int h = layout.textHeight;
  const int inset = (layout.rowHeight - h) / 2;
  const int pad = h / 2;
  const int ruleWidth = DevicePixels(t, 1);
  if (!CreateTextFont(dc, kBlack, h, ctx.fonts[kPageFont].faceName, 0, false))
    ++ctx.shortfalls.fontsNotMade;
  dc.SetTextAlign(TextAlign::LeftTop);
  dc.TextOut(layout.left, top + inset, kCaption);
  const int nameLeft = layout.left + layout.sampleWidth;
  const int firstCell = nameLeft + layout.nameWidth;
  auto cellCentre = [&](int cell) {
    return firstCell + cell * layout.cellWidth + layout.cellWidth / 2;
  };
  for (int block = 0; block < layout.blocks; ++block) {
    const int from = block * layout.timesPerBlock;
    const int to = std::min(layout.shownTimes, from + layout.timesPerBlock);
    const bool last = block + 1 == layout.blocks;
    const int cells = (to - from) + (last ? kTailCells : 0);
    const int blockTop = layout.BlockTop(top, block);
    const int headerBottom = blockTop + layout.rowHeight;
    const int blockBottom = blockTop + (1 + layout.rows) * layout.rowHeight;
    const int blockRight = firstCell + cells * layout.cellWidth;
    for (const int y : {blockTop, headerBottom, blockBottom})
      DrawLine(dc, layout.left, y, blockRight, y, PenStyle::Solid, ruleWidth, kBlack);
    dc.SetTextAlign(TextAlign::LeftTop);
    dc.TextOut(nameLeft + pad, blockTop + inset, kLabelHeading);
    dc.SetTextAlign(TextAlign::CentreTop);
    for (int i = from; i < to; ++i)
      dc.TextOut(cellCentre(i - from), blockTop + inset, table.times[static_cast<std::size_t>(i)]);
    if (last)
      for (int k = 0; k < kTailCells; ++k)
        dc.TextOut(cellCentre(to - from + k), blockTop + inset, kTailHeadings[k]);
    for (int r = 0; r < layout.rows; ++r) {
      const TimeTableRow& row = table.rows[static_cast<std::size_t>(r)];
      const int rowTop = headerBottom + r * layout.rowHeight;
      if (row.drawn)
        DrawCurveSample(dc, t, CurveStyleOf(r, monochrome), layout.left + pad,
                        layout.left + pad + layout.sampleLength, rowTop + layout.rowHeight / 2);
      dc.SetTextAlign(TextAlign::LeftTop);
      dc.TextOut(nameLeft + pad, rowTop + inset, row.label);
      dc.SetTextAlign(TextAlign::CentreTop);
      for (int i = from; i < to && i < static_cast<int>(row.atTimes.size()); ++i)
        dc.TextOut(cellCentre(i - from), rowTop + inset, row.atTimes[static_cast<std::size_t>(i)]);
      if (!last) continue;
      const std::string* tail[] = {&row.final, &row.t50, &row.t90};
      for (int k = 0; k < kTailCells; ++k)
        dc.TextOut(cellCentre(to - from + k), rowTop + inset, *tail[k]);
    }
  }
  dc.SetTextAlign(TextAlign::LeftTop);
  const int notesTop = layout.NotesTop(top);
  for (std::size_t i = 0; i < layout.notes.size(); ++i)
    dc.TextOut(layout.left, notesTop + static_cast<int>(i) * layout.rowHeight + inset,
               layout.notes[i]);
}

}  // namespace qel
