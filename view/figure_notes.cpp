// Placing and drawing the notes of the two figures.
#include "view/figure_notes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "base/c_locale.h"
#include "document/circle_rows.h"
#include "document/lattice_points.h"
#include "document/problem_common.h"
#include "document/rectangle_rows.h"
#include "document/strip_pieces.h"
#include "document/strip_points.h"
#include "view/display_table.h"
#include "view/drawing.h"
#include "view/figure_obstacles.h"
#include "view/page_furniture.h"

namespace qel {

namespace {

constexpr double kNotePoints = 7.0;
// The settlement pages carry the numbers a checker reads off the graphs: no smaller than 8 pt.
constexpr double kSettlementNotePoints = 8.0;
constexpr double kPointsToInches = 1.0 / 72.0;
constexpr double kNarrowWidth = 0.6;  // of the cell height, for a half-width character
// About this many values along an edge when no grid gives their step.
constexpr double kValuesAlongAnEdge = 8.0;

// Collects notes: each goes to the first of its places where it stays inside the window, clear
// of the notes placed before it, of the boxes already taken and of the marks and outlines.
class NoteLayout {
 public:
  NoteLayout(int height, const DeviceBox& window, const std::vector<PlacedNote>& occupied,
             const FigureObstacles* marks)
      : height_(height), window_(window), occupied_(occupied), marks_(marks) {}

  // The note at the first of `corners` (top-left corners of its box) that is clear; false when
  // none is, and the note is left out.
  bool AddAt(const std::string& text, const std::vector<DevicePoint>& corners) {
    const int width = NoteTextWidth(text, height_);
    for (const DevicePoint& corner : corners) {
      PlacedNote note{corner.x, corner.y, corner.x + width, corner.y + height_, text};
      if (!IsClear(BoxOf(note))) continue;
      notes_.push_back(std::move(note));
      return true;
    }
    return false;
  }
  // A note whose box has its top-left corner at (x, y); `centred` puts (x, y) at its top middle.
  bool Add(int x, int y, const std::string& text, bool centred = false) {
    return AddAt(text, {{centred ? x - NoteTextWidth(text, height_) / 2 : x, y}});
  }
  int height() const { return height_; }
  const PlacedNote& last() const { return notes_.back(); }
  std::vector<PlacedNote> Take() { return std::move(notes_); }

 private:
  bool IsClear(const DeviceBox& box) const {
    if (!box.Inside(window_)) return false;
    auto meets = [&box](const PlacedNote& other) { return BoxOf(other).Meets(box); };
    if (std::any_of(notes_.begin(), notes_.end(), meets) ||
        std::any_of(occupied_.begin(), occupied_.end(), meets))
      return false;
    return marks_ == nullptr || marks_->IsClear(box.Grown(NoteGroundMargin(height_)));
  }

  int height_;
  DeviceBox window_;
  const std::vector<PlacedNote>& occupied_;
  const FigureObstacles* marks_;
  std::vector<PlacedNote> notes_;
};

std::string Number(double value) {
  std::string text = FormatC("%.2f", value);
  while (!text.empty() && text.back() == '0')
    text.pop_back();
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text == "-0" ? "0" : text;
}

// The smallest round number (1, 2 or 5 times a power of ten) of at least `value`.
double RoundUp(double value) {
  const double power = std::pow(10.0, std::floor(std::log10(value)));
  for (double factor : {1.0, 2.0, 5.0, 10.0})
    if (factor * power >= value) return factor * power;
  return 10.0 * power;
}

// The grid's step when it is drawn, else a round step that gives about kValuesAlongAnEdge
// values over `span`.
double EdgeStep(int gridStep, bool gridDrawn, double span) {
  if (gridDrawn && gridStep > 0) return gridStep;
  if (!(span > 0)) return 1.0;
  return RoundUp(span / kValuesAlongAnEdge);
}

// The device units an edge from `from` to `to` spans, and one: no more values than that can
// stand apart on it.
std::size_t EdgeRoom(int from, int to) {
  return static_cast<std::size_t>(std::abs(static_cast<long long>(to) - from)) + 1;
}

// Values along the window's bottom edge (x) and left edge: the plan's y, or the strip's depth z
// (the negative of its world y) from the surface down.
void AddEdgeValues(NoteLayout& layout, const RenderContext& ctx, const FigureWindow& window,
                   const FigureGrid& grid, bool belowSurfaceOnly) {
  const WorldTransform& t = ctx.transform;
  const int h = layout.height();
  const double stepX = EdgeStep(grid.stepX, grid.drawn, window.right - window.left);
  const std::size_t roomX = EdgeRoom(ToDeviceX(t, window.left), ToDeviceX(t, window.right));
  for (double x : EdgeValues(window.left, window.right, stepX, roomX))
    layout.Add(ToDeviceX(t, x), ToDeviceY(t, window.bottom) - h - h / 4, Number(x), true);
  const double stepY = EdgeStep(grid.stepY, grid.drawn, window.top - window.bottom);
  const std::size_t roomY = EdgeRoom(ToDeviceY(t, window.top), ToDeviceY(t, window.bottom));
  for (double y : EdgeValues(window.bottom, window.top, stepY, roomY)) {
    if (belowSurfaceOnly && y > 0) break;
    layout.Add(ToDeviceX(t, window.left) + h / 2, ToDeviceY(t, y) - h / 2,
               Number(belowSurfaceOnly ? -y : y));
  }
}

void AddScaleNote(NoteLayout& layout, const RenderContext& ctx, const FigureWindow& window,
                  Problem problem) {
  const FigureRange range = ctx.document.problem(problem).range;
  const std::string text = FormatC("縮尺 横 1/%d　縦 1/%d", range.scaleX, range.scaleY);
  const int h = layout.height();
  const int right = ToDeviceX(ctx.transform, window.right) - h / 2;
  layout.Add(right - NoteTextWidth(text, h), ToDeviceY(ctx.transform, window.top) + h / 2, text);
}

// The values of a point pattern: its x values under its lowest row (over it where a load outline
// leaves no room under it), and each row's value (`prefix` and the value) left of its
// left-most column, clear of the marks. A row of value r
// lies at world y `sign` * r: the strip's depths downwards (-1), the plan's y values as they
// are (+1). When rows lie closer on the paper than a line of text, a row's value moves up or
// down a little, or out to a second column, rather than be left out.
// The pattern's lower-left corner in world coordinates, where the values meet; none without a
// column or a row.
struct PatternCorner {
  double left = 0.0, lowest = 0.0;
  int belowValues = 0;  // a device y clear under the x values
};
std::optional<PatternCorner> AddPatternValues(NoteLayout& layout, const WorldTransform& t,
                                              int markReach, const std::vector<PointValue>& xs,
                                              const std::vector<PointValue>& rows,
                                              const char* prefix, double sign) {
  if (xs.empty() || rows.empty()) return std::nullopt;
  const int h = layout.height();
  // Clear of the marks by more than the halo of the text.
  const int gap = NoteGroundMargin(h) + std::max(1, h / 8);
  auto byValue = [](const PointValue& a, const PointValue& b) { return a.value < b.value; };
  const double leftmost = std::min_element(xs.begin(), xs.end(), byValue)->value;
  const double lowest = sign * (sign > 0 ? std::min_element(rows.begin(), rows.end(), byValue)
                                         : std::max_element(rows.begin(), rows.end(), byValue))
                                   ->value;
  const int under = ToDeviceY(t, lowest) + markReach + gap;
  const int over = ToDeviceY(t, lowest) - markReach - gap - h;
  int below = under + h;
  for (const PointValue& x : xs) {
    const std::string text = Number(x.value);
    const int left = ToDeviceX(t, x.value) - NoteTextWidth(text, h) / 2;
    if (layout.AddAt(text, {{left, under},
                            {left, under + h / 2},
                            {left, under + h},
                            {left, over},
                            {left, under + 3 * h / 2},
                            {left, under + 2 * h}}))
      below = std::max(below, layout.last().bottom);
  }
  for (const PointValue& row : rows) {
    const std::string text = prefix + Number(row.value);
    const int width = NoteTextWidth(text, h);
    const int right = ToDeviceX(t, leftmost) - markReach - gap;
    const int middle = ToDeviceY(t, sign * row.value) - h / 2;
    std::vector<DevicePoint> corners;
    for (const int column : {right - width, right - 2 * width - h})
      for (const int shift : {0, -h / 2, h / 2, -h, h})
        corners.push_back({column, middle + shift});
    layout.AddAt(text, corners);
  }
  return PatternCorner{leftmost, lowest, below + h / 2};
}

NoteLayout LayoutOver(const WorldTransform& t, const FigureWindow& window, int textHeight,
                      const std::vector<PlacedNote>& occupied, const FigureObstacles* marks) {
  const int left = ToDeviceX(t, window.left), right = ToDeviceX(t, window.right);
  const int top = ToDeviceY(t, window.top), bottom = ToDeviceY(t, window.bottom);
  return NoteLayout(
      textHeight,
      {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)},
      occupied, marks);
}

}  // namespace

std::vector<double> EdgeValues(double low, double high, double step, std::size_t most) {
  std::vector<double> values;
  if (!std::isfinite(low) || !std::isfinite(high) || !(step > 0) || most == 0) return values;
  const double count = std::floor(high / step) - std::ceil(low / step) + 1;
  if (count > static_cast<double>(most)) step *= RoundUp(count / static_cast<double>(most));
  if (!std::isfinite(step)) return values;
  for (double value = std::ceil(low / step) * step; value <= high && values.size() < most;) {
    values.push_back(value);
    const double next = value + step;
    if (!(next > value)) break;
    value = next;
  }
  return values;
}

int NoteTextWidth(const std::string& text, int height) {
  double width = 0.0;
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::size_t length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
    width += length == 1 ? kNarrowWidth : 1.0;
    i += length;
  }
  return static_cast<int>(std::ceil(width * height));
}

int NoteTextHeight(const RenderContext& ctx) {
  const DisplayKind kind = DisplayRowOf(ctx.view.displayMode).kind;
  const bool settlement = kind != DisplayKind::Figure && kind != DisplayKind::Data &&
                          kind != DisplayKind::Results && kind != DisplayKind::Depth;
  return static_cast<int>(ctx.geometry.dpiY * (settlement ? kSettlementNotePoints : kNotePoints) *
                          kPointsToInches);
}

void UseNoteFont(DeviceContext& dc, RenderContext& ctx, Colour colour) {
  if (!CreateTextFont(dc, colour, NoteTextHeight(ctx), ctx.fonts[kPageFont].faceName, 0, false))
    ++ctx.shortfalls.fontsNotMade;
}

std::string RectangleName(int number) {
  return FormatC("長方形 No.%d", number);
}

std::string CircleName(int number) {
  return FormatC("円形 No.%d", number);
}

std::vector<PlacedNote> StripFigureNotes(const RenderContext& ctx, const FigureWindow& window,
                                         int textHeight, const std::vector<PlacedNote>& occupied,
                                         const FigureObstacles* marks) {
  if (!ctx.document.strip().notes) return {};
  const WorldTransform& t = ctx.transform;
  NoteLayout layout = LayoutOver(t, window, textHeight, occupied, marks);
  const int h = textHeight;
  AddScaleNote(layout, ctx, window, Problem::Strip);
  // The calculation x values under the deepest row of points, the depths left of the first x,
  // before the pieces' notes, which have more places to go.
  const StripPoints& points = ctx.document.strip().points;
  AddPatternValues(layout, t, PointMarkReach(ctx), points.xs(), points.depths(), "z=", -1.0);
  // Each piece's intensity inside it at half its height when it is tall enough on the paper,
  // else (or where that is taken) above it, then below it, then beside those places. A piece
  // that unloads the ground (h < 0) stands below its base, among the points and isobars.
  for (int set = 1; set <= kStripSets; ++set)
    for (const StripPieceRow& row : ctx.document.strip().set(set).calculated) {
      const StripPiece& p = row.piece;
      const std::string text = "q=" + Number(p.h * p.gamma) + " " + StressUnitText(ctx.settings);
      const int width = NoteTextWidth(text, h);
      const double middle = (std::max(p.x1, p.x2) + std::min(p.x3, p.x4)) / 2;
      const int base = ToDeviceY(t, row.baseY), top = ToDeviceY(t, row.baseY + p.h);
      const int upper = std::min(base, top), lower = std::max(base, top);
      std::vector<int> levels;
      if (lower - upper >= 5 * h / 2) levels.push_back((upper + lower) / 2 - h / 2);
      levels.push_back(upper - h - h / 2);
      levels.push_back(lower + h / 2);
      std::vector<DevicePoint> corners;
      const int centred = ToDeviceX(t, middle) - width / 2;
      for (const int shift : {0, -width * 2 / 3, width * 2 / 3})
        for (const int y : levels)
          corners.push_back({centred + shift, y});
      layout.AddAt(text, corners);
    }
  AddEdgeValues(layout, ctx, window, ReadFigureGrid(ctx, Problem::Strip), true);
  return layout.Take();
}

std::vector<PlacedNote> PlanFigureNotes(const RenderContext& ctx, const FigureWindow& window,
                                        int textHeight, const std::vector<PlacedNote>& occupied,
                                        const FigureObstacles* marks) {
  if (!ctx.document.plan().notes) return {};
  const WorldTransform& t = ctx.transform;
  NoteLayout layout = LayoutOver(t, window, textHeight, occupied, marks);
  const int h = textHeight;
  AddScaleNote(layout, ctx, window, Problem::RectCircle);
  const std::string unit = StressUnitText(ctx.settings);
  // The lattice x values under its lowest row, its y values left of its first column, and its
  // depths in one line under the x values, before the loads' notes, which have more places to
  // go.
  const LatticePoints& lattice = ctx.document.plan().lattice;
  if (!lattice.depths().empty()) {
    const std::optional<PatternCorner> corner =
        AddPatternValues(layout, t, PointMarkReach(ctx), lattice.xs(), lattice.ys(), "y=", 1.0);
    if (corner) {
      std::string depths = "z =";
      for (const PointValue& z : lattice.depths())
        depths += " " + Number(z.value);
      depths += " m";
      const int left = ToDeviceX(t, corner->left), y = corner->belowValues;
      const int width = NoteTextWidth(depths, h);
      layout.AddAt(depths, {{left, y},
                            {left, y + h / 2},
                            {left, y + h},
                            {left - width / 2, y},
                            {left - width / 2, y + h},
                            {left, y + 2 * h}});
    }
  }
  // Each rectangle's name and intensity inside its top-left corner where they fit, else over
  // its top edge, else under its bottom edge, at its left or right end or middle, else a row
  // further out.
  for (const RectangleRow& row : ctx.document.plan().rectangles.drawn) {
    const RectLoad& r = row.load;
    const std::string text = RectangleName(row.number) + " q=" + Number(r.q) + " " + unit;
    const int width = NoteTextWidth(text, h);
    const int left = ToDeviceX(t, std::min(r.x1, r.x2)), right = ToDeviceX(t, std::max(r.x1, r.x2));
    const int top = ToDeviceY(t, std::max(r.y1, r.y2)), bottom = ToDeviceY(t, std::min(r.y1, r.y2));
    std::vector<DevicePoint> corners;
    if (width + h <= right - left && 2 * h <= bottom - top)
      corners.push_back({left + h / 2, top + h / 2});
    for (int row = 0; row < 4; ++row)
      for (const int y : {top - h - h / 2 - row * h, bottom + h / 2 + row * h})
        for (const int x : {left, right - width, (left + right - width) / 2})
          corners.push_back({x, y});
    layout.AddAt(text, corners);
  }
  // A circle's above its centre, else under it, else above or under the circle, a row further
  // out at a time.
  for (const CircleRow& row : ctx.document.plan().circles.drawn) {
    const CircleLoad& c = row.load;
    const std::string text = CircleName(row.number) + " q=" + Number(c.q) + " " + unit;
    const int width = NoteTextWidth(text, h);
    const int cx = ToDeviceX(t, c.x), cy = ToDeviceY(t, c.y);
    const int ry = std::abs(ToDeviceY(t, c.y - c.r) - cy);
    std::vector<DevicePoint> corners{{cx - width / 2, cy - 2 * h}, {cx - width / 2, cy + h}};
    for (int out = 0; out < 4; ++out)
      for (const int y : {cy - ry - h - h / 2 - out * h, cy + ry + h / 2 + out * h})
        corners.push_back({cx - width / 2, y});
    layout.AddAt(text, corners);
  }
  AddEdgeValues(layout, ctx, window, ReadFigureGrid(ctx, Problem::RectCircle), false);
  return layout.Take();
}

void DrawFigureNotes(DeviceContext& dc, RenderContext& ctx, const std::vector<PlacedNote>& notes,
                     int textHeight) {
  if (notes.empty()) return;
  if (!CreateTextFont(dc, 0x000000, textHeight, ctx.fonts[kPageFont].faceName, 0, false))
    ++ctx.shortfalls.fontsNotMade;
  dc.SetTextAlign(TextAlign::LeftTop);
  dc.SetTextHalo(NoteGroundMargin(textHeight));
  for (const PlacedNote& note : notes)
    dc.TextOut(note.left, note.top, note.text);
  dc.SetTextHalo(0);
}

}  // namespace qel
