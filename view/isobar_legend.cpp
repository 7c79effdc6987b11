// The classes of an isobar fill, which of them a page shows, and their legend.
#include "view/isobar_legend.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/isobar_levels.h"
#include "view/figure_notes.h"

namespace qel {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// `t` of the way from colour `a` to colour `b` (0x00BBGGRR).
Colour Blend(Colour a, Colour b, double t) {
  Colour out = 0;
  for (int shift : {0, 8, 16}) {
    const double from = (a >> shift) & 0xFF, to = (b >> shift) & 0xFF;
    out |= static_cast<Colour>(std::lround(from + (to - from) * t)) << shift;
  }
  return out;
}

// One edge of a class on the bar: its level and the device y it stands at.
struct BarTick {
  double level = 0.0;
  int y = 0;
};

}  // namespace

std::vector<FillClass> FillClasses(const IsobarSet& set, bool monochrome) {
  std::vector<FillClass> classes;
  for (const bool negative : {false, true}) {
    std::vector<const IsobarFill*> fills;
    for (const IsobarFill& fill : set.fills)
      if ((fill.level < 0) == negative) fills.push_back(&fill);
    std::sort(fills.begin(), fills.end(), [](const IsobarFill* a, const IsobarFill* b) {
      return std::fabs(a->level) < std::fabs(b->level);
    });
    const Colour pale = monochrome ? 0xF0F0F0 : (negative ? 0xF7EBDE : 0xBCF7FF);
    const Colour strong = monochrome ? 0x969696 : (negative ? 0xC69242 : 0x3C6EF0);
    for (std::size_t i = 0; i < fills.size(); ++i) {
      const double t = fills.size() == 1 ? 0.5 : static_cast<double>(i) / (fills.size() - 1);
      const bool last = i + 1 == fills.size();
      const double level = fills[i]->level;
      const double next = last ? (negative ? -kInfinity : kInfinity) : fills[i + 1]->level;
      const std::string text = !last ? IsobarLevelText(level) + " ～ " + IsobarLevelText(next)
                                     : IsobarLevelText(level) + (negative ? " 以下" : " 以上");
      classes.push_back(
          {fills[i], Blend(pale, strong, t), std::min(level, next), std::max(level, next), text});
    }
  }
  return classes;
}

std::vector<FillClass> PresentClasses(const IsobarSet& set, bool monochrome) {
  double low = set.range.low, high = set.range.high;
  for (const Isobar& line : set.lines) {
    low = std::min(low, std::nextafter(line.level, -kInfinity));
    high = std::max(high, std::nextafter(line.level, kInfinity));
  }
  std::vector<FillClass> present;
  for (const FillClass& c : FillClasses(set, monochrome)) {
    // A positive class holds dP from its lower level up to (not including) the next; a
    // negative one from its level down.
    const bool meets = c.low >= 0.0 ? high >= c.low && low < c.high : low <= c.high && high > c.low;
    if (meets) present.push_back(c);
  }
  return present;
}

LegendShape ShapeLegend(const std::vector<FillClass>& classes, int textHeight, int room) {
  LegendShape shape;
  if (classes.empty()) return shape;
  const int h = textHeight;
  int widest = 0;
  const int rows = static_cast<int>(classes.size());
  if (classes.size() <= kMostLegendRows && rows * h <= room) {
    for (const FillClass& c : classes)
      widest = std::max(widest, NoteTextWidth(c.text, h));
    shape.width = 2 * h + widest;
    shape.height = rows * h;
    return shape;
  }
  shape.bar = true;
  for (const FillClass& c : classes)
    for (const double level : {c.low, c.high})
      if (std::isfinite(level)) widest = std::max(widest, NoteTextWidth(IsobarLevelText(level), h));
  // Half a row a class, but never less than six rows nor more than the room leaves.
  shape.barHeight = std::max(6 * h, std::min(rows * h / 2, room - h));
  shape.width = 3 * h / 2 + h / 2 + widest;
  shape.height = shape.barHeight + h;
  return shape;
}

void DrawLegend(DeviceContext& dc, const LegendShape& shape, const std::vector<FillClass>& classes,
                int left, int top, int textHeight, Colour lineColour) {
  if (classes.empty()) return;
  const int h = textHeight, margin = NoteGroundMargin(h);
  dc.FillPaper(left - margin, top - margin, left + shape.width + margin,
               top + shape.height + margin);
  dc.SetTextAlign(TextAlign::LeftTop);
  if (!shape.bar) {
    const int inset = h / 6;
    for (std::size_t i = 0; i < classes.size(); ++i) {
      const int row = top + static_cast<int>(i) * h;
      dc.FillPolygons({{{left, row + inset},
                        {left + h * 3 / 2, row + inset},
                        {left + h * 3 / 2, row + h - inset},
                        {left, row + h - inset}}},
                      classes[i].colour);
      dc.TextOut(left + 2 * h, row, classes[i].text);
    }
    return;
  }
  // The bar, highest class at the top; where the classes of the two signs do not meet, a blank
  // stretch stands for the unfilled values between them.
  std::vector<const FillClass*> order;
  for (const FillClass& c : classes)
    order.push_back(&c);
  std::sort(order.begin(), order.end(),
            [](const FillClass* a, const FillClass* b) { return a->low > b->low; });
  int slots = static_cast<int>(order.size());
  for (std::size_t i = 1; i < order.size(); ++i)
    if (order[i]->high != order[i - 1]->low) ++slots;
  const int barTop = top + h / 2, barLeft = left, barRight = left + 3 * h / 2;
  auto slotTop = [&](int slot) {
    return barTop +
           static_cast<int>(std::lround(static_cast<double>(shape.barHeight) * slot / slots));
  };
  std::vector<BarTick> ticks;
  int slot = 0;
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (i > 0 && order[i]->high != order[i - 1]->low) ++slot;
    const int y0 = slotTop(slot), y1 = slotTop(slot + 1);
    if (y1 > y0)
      dc.FillPolygons({{{barLeft, y0}, {barRight, y0}, {barRight, y1}, {barLeft, y1}}},
                      order[i]->colour);
    if (std::isfinite(order[i]->high) && (ticks.empty() || ticks.back().level != order[i]->high))
      ticks.push_back({order[i]->high, y0});
    if (std::isfinite(order[i]->low)) ticks.push_back({order[i]->low, y1});
    ++slot;
  }
  const Pen before = dc.SelectPen({PenStyle::Solid, 1, lineColour});
  dc.Polyline({{barLeft, barTop},
               {barRight, barTop},
               {barRight, barTop + shape.barHeight},
               {barLeft, barTop + shape.barHeight},
               {barLeft, barTop}});
  // A level by every tick whose label keeps a row from the one above it, the lowest always:
  // the one before it gives way where they would meet.
  std::vector<const BarTick*> labelled;
  for (const BarTick& tick : ticks)
    if (labelled.empty() || tick.y - labelled.back()->y >= h + 1) labelled.push_back(&tick);
  if (!ticks.empty() && labelled.back() != &ticks.back()) {
    if (labelled.size() > 1 && ticks.back().y - labelled.back()->y < h + 1) labelled.pop_back();
    labelled.push_back(&ticks.back());
  }
  for (const BarTick* tick : labelled) {
    dc.MoveTo(barRight, tick->y);
    dc.LineTo(barRight + h / 3, tick->y);
    dc.TextOut(barRight + h / 2, tick->y - h / 2, IsobarLevelText(tick->level));
  }
  dc.SelectPen(before);
}

}  // namespace qel
