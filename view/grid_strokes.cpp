// The strokes of a figure grid on one page, in device units.
#include "view/grid_strokes.h"

#include <algorithm>
#include <cstdlib>

namespace qel {

namespace {

// Grid values looked at per direction: a step that is tiny against the range cannot make the
// grid endless.
constexpr long long kGridStepLimit = 10000;

// The grid values of one group that share a device row or column: indices first..last.
struct Mark {
  int device = 0;
  long long first = 0, last = 0;
};

// One direction of the grid and where its values land on the device. Device coordinates never
// decrease along x and never increase along y, so a key (the coordinate, negated for y) grows
// with the index and the visible values are found by bisection.
class AxisMapping {
 public:
  AxisMapping(const GridAxis& axis, const WorldTransform& t, bool vertical)
      : axis_(axis), t_(t), vertical_(vertical) {
    long long values = (axis.to - axis.from) / std::max(axis.step, 1LL) + 1;
    count_ = std::clamp(values, 0LL, kGridStepLimit + 1);
  }

  long long count() const { return count_; }
  double Value(long long k) const { return static_cast<double>(axis_.from + k * axis_.step); }
  int Device(double value) const { return vertical_ ? ToDeviceY(t_, value) : ToDeviceX(t_, value); }
  int DeviceOf(long long k) const { return Device(Value(k)); }
  long long Key(long long k) const { return vertical_ ? -DeviceOf(k) : DeviceOf(k); }
  // The key range of device coordinates low..high (low <= high), widened by `margin`.
  std::pair<long long, long long> KeyRange(long long low, long long high, long long margin) const {
    if (vertical_) return {-(high + margin), -(low - margin)};
    return {low - margin, high + margin};
  }

 private:
  GridAxis axis_;
  const WorldTransform& t_;
  bool vertical_;
  long long count_ = 0;
};

// The first index in [low, high) for which `holds` is true (it is false before and true after),
// or `high`.
template <typename Predicate>
long long FirstWhere(long long low, long long high, Predicate holds) {
  while (low < high) {
    long long middle = low + (high - low) / 2;
    if (holds(middle))
      high = middle;
    else
      low = middle + 1;
  }
  return low;
}

// The groups of values whose device coordinate lies in the key range, in index order.
std::vector<Mark> VisibleMarks(const AxisMapping& axis, std::pair<long long, long long> keys) {
  std::vector<Mark> marks;
  const long long n = axis.count();
  long long k = FirstWhere(0, n, [&](long long j) { return axis.Key(j) >= keys.first; });
  const long long end = FirstWhere(k, n, [&](long long j) { return axis.Key(j) > keys.second; });
  while (k < end) {
    const long long key = axis.Key(k);
    long long next = k + 1;
    if (next < end && axis.Key(next) == key)
      next = FirstWhere(next, end, [&](long long j) { return axis.Key(j) > key; });
    marks.push_back({axis.DeviceOf(k), k, next - 1});
    k = next;
  }
  return marks;
}

// Lines of one direction closer together than the pen is wide make one band; a line lies under
// its neighbours once they are at most a pen width apart, and is left out.
std::vector<Mark> WithoutCoveredLines(const std::vector<Mark>& marks, int penWidth) {
  if (marks.size() <= 2) return marks;
  std::vector<Mark> kept{marks.front()};
  for (std::size_t i = 1; i + 1 < marks.size(); ++i) {
    if (std::llabs(static_cast<long long>(marks[i + 1].device) - kept.back().device) <= penWidth)
      continue;
    kept.push_back(marks[i]);
  }
  kept.push_back(marks.back());
  return kept;
}

// Every `factor`-th mark.
std::vector<Mark> Thinned(const std::vector<Mark>& marks, std::size_t factor) {
  if (factor <= 1) return marks;
  std::vector<Mark> kept;
  for (std::size_t i = 0; i < marks.size(); i += factor)
    kept.push_back(marks[i]);
  return kept;
}

// Collects strokes until one covers the whole visible rectangle; after that nothing drawn in the
// grid's one colour can change the picture.
class StrokeList {
 public:
  StrokeList(const DeviceRect& visible, int penWidth) : visible_(visible), penWidth_(penWidth) {}

  // False once the visible rectangle is covered.
  bool Add(int x1, int y1, int x2, int y2) {
    strokes_.push_back({x1, y1, x2, y2});
    covered_ = covered_ || Covers(x1, y1, x2, y2);
    return !covered_;
  }
  bool covered() const { return covered_; }
  std::vector<GridStroke> Take() { return std::move(strokes_); }

 private:
  // A horizontal or vertical stroke whose body reaches a pixel past every side.
  bool Covers(int x1, int y1, int x2, int y2) const {
    const DeviceRect& v = visible_;
    auto across = [&](long long from, long long to, long long low, long long high) {
      return std::min(from, to) <= low - 1 && std::max(from, to) >= high + 1;
    };
    auto thick = [&](long long at, long long low, long long high) {
      return 2 * (at - low) + 2 <= penWidth_ && 2 * (high - at) + 2 <= penWidth_;
    };
    if (y1 == y2) return across(x1, x2, v.left, v.right) && thick(y1, v.top, v.bottom);
    if (x1 == x2) return across(y1, y2, v.top, v.bottom) && thick(x1, v.left, v.right);
    return false;
  }

  DeviceRect visible_;
  long long penWidth_;
  std::vector<GridStroke> strokes_;
  bool covered_ = false;
};

DeviceRect Normalised(DeviceRect r) {
  if (r.left > r.right) std::swap(r.left, r.right);
  if (r.top > r.bottom) std::swap(r.top, r.bottom);
  return r;
}

// Thins one list or the other, each time the one whose thinning leaves fewer strokes, until
// `count` of them fits the budget. A list of one mark cannot be thinned; two such lists draw at
// most two strokes, so this ends.
template <typename Count>
void ThinToBudget(std::vector<Mark>& first, std::vector<Mark>& second, Count count) {
  const std::vector<Mark> allFirst = first, allSecond = second;
  std::size_t firstFactor = 1, secondFactor = 1;
  while (count(first, second) > kMostGridStrokes) {
    std::vector<Mark> thinnerFirst = Thinned(allFirst, firstFactor * 2);
    std::vector<Mark> thinnerSecond = Thinned(allSecond, secondFactor * 2);
    const bool firstShrinks = thinnerFirst.size() < first.size();
    const bool secondShrinks = thinnerSecond.size() < second.size();
    if (!firstShrinks && !secondShrinks) return;
    if (firstShrinks &&
        (!secondShrinks || count(thinnerFirst, second) <= count(first, thinnerSecond))) {
      firstFactor *= 2;
      first = std::move(thinnerFirst);
    } else {
      secondFactor *= 2;
      second = std::move(thinnerSecond);
    }
  }
}

std::vector<GridStroke> LineStrokes(const GridPlanInput& in, const WorldTransform& t,
                                    const AxisMapping& xs, const AxisMapping& ys) {
  const DeviceRect v = Normalised(in.visible);
  const long long margin = in.penWidth / 2 + 2;
  const int left = ToDeviceX(t, static_cast<double>(in.x.from));
  const int right = ToDeviceX(t, static_cast<double>(in.x.to));
  const int bottom = ToDeviceY(t, static_cast<double>(in.y.from));
  const int top = ToDeviceY(t, static_cast<double>(in.y.to));
  // Lines of one direction are seen only when their common span reaches the page.
  const bool rowsSeen = right >= v.left - margin && left <= v.right + margin;
  const bool columnsSeen = bottom >= v.top - margin && top <= v.bottom + margin;
  // The two lines on the axes are left out; a group drawn at one device row is still drawn
  // when it holds another value.
  auto withoutZero = [](const AxisMapping& axis, std::vector<Mark> marks) {
    std::erase_if(marks,
                  [&](const Mark& m) { return m.first == m.last && axis.Value(m.first) == 0; });
    return marks;
  };
  std::vector<Mark> rows, columns;
  if (rowsSeen) rows = withoutZero(ys, VisibleMarks(ys, ys.KeyRange(v.top, v.bottom, margin)));
  if (columnsSeen)
    columns = withoutZero(xs, VisibleMarks(xs, xs.KeyRange(v.left, v.right, margin)));
  rows = WithoutCoveredLines(rows, in.penWidth);
  columns = WithoutCoveredLines(columns, in.penWidth);
  ThinToBudget(rows, columns, [](const std::vector<Mark>& a, const std::vector<Mark>& b) {
    return a.size() + b.size();
  });

  StrokeList strokes(in.visible, in.penWidth);
  for (const Mark& row : rows) {
    if (!strokes.Add(left, row.device, right, row.device)) return strokes.Take();
  }
  for (const Mark& column : columns) {
    if (!strokes.Add(column.device, bottom, column.device, top)) return strokes.Take();
  }
  return strokes.Take();
}

// Arms of neighbouring crosses that touch or overlap (the pen's width counted) are one stroke.
// For each mark: the index of the last mark of the run it starts and the run's far end, or -1
// when it starts none. `low`/`high` give a mark's arm ends along the run's direction.
struct Run {
  long long end = -1;
  int farEnd = 0;
};

template <typename Low, typename High>
std::vector<Run> ArmRuns(std::size_t count, int penWidth, Low low, High high, bool ascending) {
  std::vector<Run> runs(count);
  for (std::size_t i = 0; i < count;) {
    std::size_t j = i;
    long long far = high(i);  // the run's far end so far
    while (j + 1 < count) {
      long long next = low(j + 1);
      bool touches = ascending ? next <= far + penWidth : next >= far - penWidth;
      if (!touches) break;
      ++j;
      const long long end = high(j);
      far = ascending ? std::max(far, end) : std::min(far, end);
    }
    runs[i] = {static_cast<long long>(j), static_cast<int>(far)};
    i = j + 1;
  }
  return runs;
}

std::vector<GridStroke> CrossStrokes(const GridPlanInput& in, const WorldTransform& t,
                                     const AxisMapping& xs, const AxisMapping& ys) {
  const DeviceRect v = Normalised(in.visible);
  const long long margin = static_cast<long long>(in.markSize) + in.penWidth / 2 + 2;
  std::vector<Mark> columns = VisibleMarks(xs, xs.KeyRange(v.left, v.right, margin));
  std::vector<Mark> rows = VisibleMarks(ys, ys.KeyRange(v.top, v.bottom, margin));
  if (columns.empty() || rows.empty()) return {};
  // Each arm is markSize pixels long whatever the scale.
  const double hx = in.markSize / t.pixelsPerMetreX;
  const double hy = in.markSize / t.pixelsPerMetreY;

  // Horizontal arms run left to right: from the left end of a group's first value to the right
  // end of its last. Vertical arms run from the bottom end (the larger device y) upwards.
  auto horizontalRuns = [&](const std::vector<Mark>& cs) {
    return ArmRuns(
        cs.size(), in.penWidth,
        [&](std::size_t i) { return xs.Device(xs.Value(cs[i].first) - hx); },
        [&](std::size_t i) { return xs.Device(xs.Value(cs[i].last) + hx); }, true);
  };
  auto verticalRuns = [&](const std::vector<Mark>& rs) {
    return ArmRuns(
        rs.size(), in.penWidth,
        [&](std::size_t i) { return ys.Device(ys.Value(rs[i].first) - hy); },
        [&](std::size_t i) { return ys.Device(ys.Value(rs[i].last) + hy); }, false);
  };
  auto runCount = [](const std::vector<Run>& runs) {
    return static_cast<std::size_t>(
        std::count_if(runs.begin(), runs.end(), [](const Run& r) { return r.end >= 0; }));
  };
  // Each row draws its horizontal runs; each row that starts a vertical run draws one per column.
  ThinToBudget(rows, columns, [&](const std::vector<Mark>& rs, const std::vector<Mark>& cs) {
    return rs.size() * runCount(horizontalRuns(cs)) + runCount(verticalRuns(rs)) * cs.size();
  });

  const std::vector<Run> across = horizontalRuns(columns);
  const std::vector<Run> upwards = verticalRuns(rows);
  std::vector<std::size_t> runStarts;
  for (std::size_t c = 0; c < columns.size(); ++c) {
    if (across[c].end >= 0) runStarts.push_back(c);
  }
  StrokeList strokes(in.visible, in.penWidth);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const int y = rows[r].device;
    auto horizontal = [&](std::size_t c) {
      return strokes.Add(xs.Device(xs.Value(columns[c].first) - hx), y, across[c].farEnd, y);
    };
    if (upwards[r].end < 0) {
      for (std::size_t c : runStarts) {
        if (!horizontal(c)) return strokes.Take();
      }
      continue;
    }
    const int bottom = ys.Device(ys.Value(rows[r].first) - hy);
    for (std::size_t c = 0; c < columns.size(); ++c) {
      if (across[c].end >= 0 && !horizontal(c)) return strokes.Take();
      const int x = columns[c].device;
      if (!strokes.Add(x, bottom, x, upwards[r].farEnd)) return strokes.Take();
    }
  }
  return strokes.Take();
}

}  // namespace

std::vector<GridStroke> PlanGridStrokes(const GridPlanInput& input, const WorldTransform& t) {
  const AxisMapping xs(input.x, t, false);
  const AxisMapping ys(input.y, t, true);
  return input.lines ? LineStrokes(input, t, xs, ys) : CrossStrokes(input, t, xs, ys);
}

}  // namespace qel
