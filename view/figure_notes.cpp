// Placing and drawing the notes of the two figures.
#include "view/figure_notes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "document/circle_rows.h"
#include "document/lattice_points.h"
#include "document/rectangle_rows.h"
#include "document/strip_pieces.h"
#include "document/strip_points.h"
#include "settings/c_locale.h"
#include "settings/drawing.h"
#include "view/page_furniture.h"

namespace qel {

namespace {

constexpr double kNotePoints = 7.0;
constexpr double kPointsToInches = 1.0 / 72.0;
constexpr double kNarrowWidth = 0.6;  // of the cell height, for a half-width character
// About this many values along an edge when no grid gives their step.
constexpr double kValuesAlongAnEdge = 8.0;

// Collects notes, keeping out each one that would meet a note placed before it or leave the
// window.
class NoteLayout {
 public:
  NoteLayout(int height, int left, int top, int right, int bottom,
             const std::vector<PlacedNote>& occupied)
      : height_(height),
        left_(left),
        top_(top),
        right_(right),
        bottom_(bottom),
        occupied_(occupied) {}

  // A note whose box has its top-left corner at (x, y); `centred` puts (x, y) at its top middle.
  // False when it was kept out.
  bool Add(int x, int y, const std::string& text, bool centred = false) {
    const int width = NoteTextWidth(text, height_);
    PlacedNote note{centred ? x - width / 2 : x, y, 0, y + height_, text};
    note.right = note.left + width;
    if (note.left < left_ || note.right > right_ || note.top < top_ || note.bottom > bottom_)
      return false;
    auto meets = [&note](const PlacedNote& other) {
      return note.left <= other.right && other.left <= note.right && note.top <= other.bottom &&
             other.top <= note.bottom;
    };
    if (std::any_of(notes_.begin(), notes_.end(), meets) ||
        std::any_of(occupied_.begin(), occupied_.end(), meets))
      return false;
    notes_.push_back(std::move(note));
    return true;
  }
  int height() const { return height_; }
  std::vector<PlacedNote> Take() { return std::move(notes_); }

 private:
  int height_, left_, top_, right_, bottom_;
  const std::vector<PlacedNote>& occupied_;
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
  const FigureRange& range = ctx.settings.figure(problem);
  const std::string text = FormatC("縮尺 横 1/%d　縦 1/%d", range.scaleX, range.scaleY);
  const int h = layout.height();
  const int right = ToDeviceX(ctx.transform, window.right) - h / 2;
  layout.Add(right - NoteTextWidth(text, h), ToDeviceY(ctx.transform, window.top) + h / 2, text);
}

// The values of a point pattern: its x values under its lowest row, and each row's value
// (`prefix` and the value) left of its left-most column. A row of value r lies at world y
// `sign` * r: the strip's depths downwards (-1), the plan's y values as they are (+1).
// The pattern's lower-left corner in world coordinates, where the values meet; none without a
// column or a row.
struct PatternCorner {
  double left = 0.0, lowest = 0.0;
};
std::optional<PatternCorner> AddPatternValues(NoteLayout& layout, const WorldTransform& t,
                                              const std::vector<PointValue>& xs,
                                              const std::vector<PointValue>& rows,
                                              const char* prefix, double sign) {
  if (xs.empty() || rows.empty()) return std::nullopt;
  const int h = layout.height();
  auto byValue = [](const PointValue& a, const PointValue& b) { return a.value < b.value; };
  const double leftmost = std::min_element(xs.begin(), xs.end(), byValue)->value;
  const double lowest = sign * (sign > 0 ? std::min_element(rows.begin(), rows.end(), byValue)
                                         : std::max_element(rows.begin(), rows.end(), byValue))
                                   ->value;
  for (const PointValue& x : xs)
    layout.Add(ToDeviceX(t, x.value), ToDeviceY(t, lowest) + h / 2, Number(x.value), true);
  for (const PointValue& row : rows) {
    const std::string text = prefix + Number(row.value);
    layout.Add(ToDeviceX(t, leftmost) - h / 2 - NoteTextWidth(text, h),
               ToDeviceY(t, sign * row.value) - h / 2, text);
  }
  return PatternCorner{leftmost, lowest};
}

NoteLayout LayoutOver(const WorldTransform& t, const FigureWindow& window, int textHeight,
                      const std::vector<PlacedNote>& occupied) {
  return NoteLayout(textHeight, ToDeviceX(t, window.left), ToDeviceY(t, window.top),
                    ToDeviceX(t, window.right), ToDeviceY(t, window.bottom), occupied);
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
  return static_cast<int>(ctx.geometry.dpiY * kNotePoints * kPointsToInches);
}

std::vector<PlacedNote> StripFigureNotes(const RenderContext& ctx, const FigureWindow& window,
                                         int textHeight, const std::vector<PlacedNote>& occupied) {
  if (!ctx.tables.figures.stripNotes) return {};
  const WorldTransform& t = ctx.transform;
  NoteLayout layout = LayoutOver(t, window, textHeight, occupied);
  const int h = textHeight;
  AddScaleNote(layout, ctx, window, Problem::Strip);
  // Each piece's intensity inside it at half its height, or above its top when the piece is
  // too thin on the paper to hold the text.
  for (int set = 1; set <= kStripSets; ++set)
    for (const StripPieceRow& row : CalculatedStripPieces(ctx.tables, set)) {
      const StripPiece& p = row.piece;
      const double middle = (std::max(p.x1, p.x2) + std::min(p.x3, p.x4)) / 2;
      const int base = ToDeviceY(t, row.baseY), top = ToDeviceY(t, row.baseY + p.h);
      const int y = std::abs(base - top) >= 5 * h / 2 ? (base + top) / 2 - h / 2 : top - h - h / 4;
      layout.Add(ToDeviceX(t, middle), y,
                 "q=" + Number(p.h * p.gamma) + " " + StressUnitText(ctx.settings), true);
    }
  // The calculation x values under the deepest row of points, the depths left of the first x.
  const StripPoints points(ctx.tables);
  AddPatternValues(layout, t, points.xs(), points.depths(), "z=", -1.0);
  AddEdgeValues(layout, ctx, window, ReadFigureGrid(ctx, Problem::Strip), true);
  return layout.Take();
}

std::vector<PlacedNote> PlanFigureNotes(const RenderContext& ctx, const FigureWindow& window,
                                        int textHeight, const std::vector<PlacedNote>& occupied) {
  if (!ctx.tables.figures.rectNotes) return {};
  const WorldTransform& t = ctx.transform;
  NoteLayout layout = LayoutOver(t, window, textHeight, occupied);
  const int h = textHeight;
  AddScaleNote(layout, ctx, window, Problem::RectCircle);
  const std::string unit = StressUnitText(ctx.settings);
  // Each rectangle's number and intensity inside its top-left corner where they fit, else over
  // its top edge, else under its bottom edge; a circle's above its centre.
  for (const RectangleRow& row : DrawnRectangles(ctx.tables)) {
    const RectLoad& r = row.load;
    const std::string text =
        FormatC("No.%d q=%s %s", row.number, Number(r.q).c_str(), unit.c_str());
    const int left = ToDeviceX(t, std::min(r.x1, r.x2)), right = ToDeviceX(t, std::max(r.x1, r.x2));
    const int top = ToDeviceY(t, std::max(r.y1, r.y2)), bottom = ToDeviceY(t, std::min(r.y1, r.y2));
    const bool fitsInside =
        NoteTextWidth(text, h) + h / 2 <= right - left && 3 * h / 2 <= bottom - top;
    if (fitsInside && layout.Add(left + h / 4, top + h / 4, text)) continue;
    if (!layout.Add(left, top - h - h / 4, text)) layout.Add(left, bottom + h / 4, text);
  }
  for (const CircleRow& row : DrawnCircles(ctx.tables)) {
    const CircleLoad& c = row.load;
    layout.Add(ToDeviceX(t, c.x), ToDeviceY(t, c.y) - 2 * h,
               FormatC("No.%d q=%s %s", row.number, Number(c.q).c_str(), unit.c_str()), true);
  }
  // The lattice x values under its lowest row, its y values left of its first column, and its
  // depths in one line under the x values.
  const LatticePoints lattice(ctx.tables);
  if (!lattice.depths().empty()) {
    const std::optional<PatternCorner> corner =
        AddPatternValues(layout, t, lattice.xs(), lattice.ys(), "y=", 1.0);
    if (corner) {
      std::string depths = "z =";
      for (const PointValue& z : lattice.depths())
        depths += " " + Number(z.value);
      layout.Add(ToDeviceX(t, corner->left), ToDeviceY(t, corner->lowest) + 2 * h, depths + " m");
    }
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
  for (const PlacedNote& note : notes)
    dc.TextOut(note.left, note.top, note.text);
}

}  // namespace qel
