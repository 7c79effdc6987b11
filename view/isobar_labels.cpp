// Placing the level labels of isobars along their lines.
#include "view/isobar_labels.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>

#include "analysis/isobar_levels.h"
#include "view/figure_notes.h"

namespace qel {

namespace {

// The most places along one level's lines that are tried when it has no label yet.
constexpr int kMostLevelPlaces = 2000;
// The most places along them a label set off the lines is tried around.
constexpr int kMostLeaderPlaces = 60;

double Distance(DevicePoint a, DevicePoint b) {
  return std::hypot(static_cast<double>(b.x - a.x), static_cast<double>(b.y - a.y));
}

// A polyline measured along its length.
class Walk {
 public:
  explicit Walk(const std::vector<DevicePoint>& points) : points_(points) {
    along_.reserve(points.size());
    double walked = 0.0;
    for (std::size_t i = 0; i < points.size(); ++i) {
      if (i > 0) walked += Distance(points[i - 1], points[i]);
      along_.push_back(walked);
    }
  }
  double length() const { return along_.empty() ? 0.0 : along_.back(); }
  // The point `s` units along (clamped to the line).
  DevicePoint At(double s) const {
    if (points_.empty()) return {};
    s = std::clamp(s, 0.0, length());
    const std::size_t i = std::lower_bound(along_.begin(), along_.end(), s) - along_.begin();
    if (i == 0) return points_.front();
    const double step = along_[i] - along_[i - 1];
    const double f = step > 0 ? (s - along_[i - 1]) / step : 0.0;
    const DevicePoint a = points_[i - 1], b = points_[i];
    return {a.x + static_cast<int>(std::lround(f * (b.x - a.x))),
            a.y + static_cast<int>(std::lround(f * (b.y - a.y)))};
  }

 private:
  const std::vector<DevicePoint>& points_;
  std::vector<double> along_;
};

// The point of `box` nearest to `p`.
DevicePoint NearestOn(const DeviceBox& box, DevicePoint p) {
  return {std::clamp(p.x, box.left, box.right), std::clamp(p.y, box.top, box.bottom)};
}

// A place a label may take, and how good it is.
struct Place {
  LevelLabel label;
  DevicePoint at;  // the point of the line it labels
  double score = 0.0;
};

class Placer {
 public:
  Placer(const std::vector<DeviceIsobar>& lines, const FigureObstacles& taken,
         const DeviceBox& window, int textHeight)
      : lines_(lines), taken_(taken), window_(window), h_(textHeight) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      strokes_.AddPolyline(lines[i].points, 1, static_cast<int>(i));
      texts_.push_back(IsobarLevelText(lines[i].level));
      widths_.push_back(NoteTextWidth(texts_.back(), h_));
    }
  }

  // The best clear place among `count` spread over the line with the label centred on it, or
  // when none is, with the line passing off the label's middle.
  std::optional<Place> BestOnLine(std::size_t line, int count) const {
    const Walk walk(lines_[line].points);
    for (const bool offset : {false, true}) {
      std::optional<Place> best;
      for (int k = 0; k < count; ++k)
        for (const DevicePoint& shift : Shifts(line, offset)) {
          std::optional<Place> place = Clear(line, walk, (k + 0.5) / count, shift);
          if (place && (!best || place->score > best->score)) best = std::move(place);
        }
      if (best) return best;
    }
    return std::nullopt;
  }

  // A level without a label: the best clear place on any of its lines; else the nearest clear
  // place beside one, with a leader; else the least covered place on one.
  std::optional<Place> AnyPlace(double level) const {
    std::vector<std::size_t> own;
    double total = 0.0;
    for (std::size_t i = 0; i < lines_.size(); ++i)
      if (lines_[i].level == level) {
        own.push_back(i);
        total += Walk(lines_[i].points).length();
      }
    const double width = NoteTextWidth(IsobarLevelText(level), h_);
    const double step = std::max(width / 3.0, total / kMostLevelPlaces);
    std::optional<Place> found;
    for (std::size_t i : own) {
      const int count = std::max(1, static_cast<int>(Walk(lines_[i].points).length() / step));
      std::optional<Place> place = BestOnLine(i, count);
      if (place && (!found || place->score > found->score)) found = std::move(place);
    }
    if (found) return found;
    if ((found = BesideLines(own, total))) return found;
    return LeastCovered(own, step);
  }

  void Take(const Place& place, double level) {
    placed_.AddBox(place.label.ground);
    centres_[level].push_back(place.at);
  }

 private:
  // Where the label's middle goes from the point of the line: on it, or off it by a third of
  // the label's width or height, the line still through the label.
  std::vector<DevicePoint> Shifts(std::size_t line, bool offset) const {
    if (!offset) return {{0, 0}};
    const int w = widths_[line] / 3, h = h_ / 3;
    return {{0, h}, {0, -h}, {w, 0}, {-w, 0}, {w, h}, {-w, h}, {w, -h}, {-w, -h}};
  }

  bool IsClear(const DeviceBox& ground) const {
    return taken_.IsClear(ground) && placed_.IsClear(ground);
  }

  // The label of `line` for the point `f` of the way along it, its middle `shift` from there,
  // not yet scored; none when it would leave the window.
  std::optional<Place> Candidate(std::size_t line, const Walk& walk, double f,
                                 DevicePoint shift) const {
    const int width = widths_[line], margin = NoteGroundMargin(h_);
    const DevicePoint at = walk.At(f * walk.length());
    const DevicePoint middle{at.x + shift.x, at.y + shift.y};
    Place place;
    place.at = at;
    place.label.text = texts_[line];
    place.label.box = {middle.x - width / 2, middle.y - h_ / 2, middle.x - width / 2 + width,
                       middle.y - h_ / 2 + h_};
    place.label.ground = place.label.box.Grown(margin);
    if (!place.label.ground.Inside(window_)) return std::nullopt;
    return place;
  }

  // The candidate's place when it is clear, scored: flat stretches read best; other lines
  // through the label, labels of the same level close by, the ends of an open line and a label
  // off its line read worse.
  std::optional<Place> Clear(std::size_t line, const Walk& walk, double f,
                             DevicePoint shift) const {
    std::optional<Place> place = Candidate(line, walk, f, shift);
    if (!place || !IsClear(place->label.ground)) return std::nullopt;
    const double length = walk.length();
    const int width = place->label.box.right - place->label.box.left;
    const DevicePoint a = walk.At(f * length - width / 2.0), b = walk.At(f * length + width / 2.0);
    const double flat = std::fabs(static_cast<double>(b.x - a.x)) / std::max(1.0, Distance(a, b));
    const int crossings = strokes_.Crossings(place->label.ground, static_cast<int>(line));
    double nearest = std::numeric_limits<double>::infinity();
    const auto same = centres_.find(lines_[line].level);
    if (same != centres_.end())
      for (const DevicePoint& other : same->second)
        nearest = std::min(nearest, Distance(place->at, other));
    const double spread = std::min(1.0, nearest / (6.0 * width));
    const std::vector<DevicePoint>& points = lines_[line].points;
    const bool closed = points.size() > 2 && points.front().x == points.back().x &&
                        points.front().y == points.back().y;
    const double ends = closed ? 1.0 : 1.0 - 2.0 * std::fabs(f - 0.5);
    const DevicePoint middle{(place->label.box.left + place->label.box.right) / 2,
                             (place->label.box.top + place->label.box.bottom) / 2};
    const double off = Distance(place->at, middle) / std::max(1, width);
    place->score = flat + 0.5 * spread + 0.3 * ends - 1.5 * crossings - off;
    return place;
  }

  // The nearest clear place beside the lines, rings of places around points along them, each
  // with a leader back to its point.
  std::optional<Place> BesideLines(const std::vector<std::size_t>& own, double total) const {
    if (own.empty()) return std::nullopt;
    const int width = NoteTextWidth(IsobarLevelText(lines_[own.front()].level), h_);
    const double step = std::max(2.0 * width, total / kMostLeaderPlaces);
    const double reach = std::hypot(width, h_) / 2.0 + h_;
    for (const double distance : {reach, 1.6 * reach, 2.5 * reach, 4.0 * reach}) {
      std::optional<Place> best;
      for (std::size_t i : own) {
        const Walk walk(lines_[i].points);
        const int count = std::max(1, static_cast<int>(walk.length() / step));
        for (int k = 0; k < count; ++k)
          for (int direction = 0; direction < 8; ++direction) {
            const double angle = direction * 3.141592653589793 / 4.0;
            const DevicePoint shift{static_cast<int>(std::lround(distance * std::cos(angle))),
                                    static_cast<int>(std::lround(distance * std::sin(angle)))};
            std::optional<Place> place = Clear(i, walk, (k + 0.5) / count, shift);
            if (place && (!best || place->score > best->score)) best = std::move(place);
          }
      }
      if (best) {
        best->label.leader = true;
        best->label.to = best->at;
        best->label.from = NearestOn(best->label.ground, best->at);
        return best;
      }
    }
    return std::nullopt;
  }

  // The place on a line that the fewest things cover; texts count most, as a label over
  // another text cannot be read at all.
  std::optional<Place> LeastCovered(const std::vector<std::size_t>& own, double step) const {
    std::optional<Place> covered;
    double leastCover = std::numeric_limits<double>::infinity();
    for (std::size_t i : own) {
      const Walk walk(lines_[i].points);
      const int count = std::max(1, static_cast<int>(walk.length() / step));
      for (int k = 0; k < count; ++k) {
        std::optional<Place> place = Candidate(i, walk, (k + 0.5) / count, {0, 0});
        if (!place) continue;
        const double cover =
            taken_.Cover(place->label.ground, 8.0) + placed_.Cover(place->label.ground, 8.0);
        if (cover < leastCover) {
          leastCover = cover;
          covered = std::move(place);
        }
      }
    }
    if (covered) covered->label.clear = false;
    return covered;
  }

  const std::vector<DeviceIsobar>& lines_;
  const FigureObstacles& taken_;
  DeviceBox window_;
  int h_;
  std::vector<std::string> texts_;  // each line's label
  std::vector<int> widths_;         // and its width
  FigureObstacles strokes_;         // the lines themselves, each its own owner
  FigureObstacles placed_;          // the labels placed so far
  std::map<double, std::vector<DevicePoint>> centres_;
};

}  // namespace

std::vector<LevelLabel> PlaceLevelLabels(const std::vector<DeviceIsobar>& lines,
                                         const FigureObstacles& taken, const DeviceBox& window,
                                         int textHeight) {
  std::vector<LevelLabel> labels;
  if (textHeight <= 0) return labels;
  Placer placer(lines, taken, window, textHeight);
  // The longest lines choose first: they have the most places to choose from.
  std::vector<std::size_t> order(lines.size());
  std::vector<double> lengths(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    order[i] = i;
    lengths[i] = Walk(lines[i].points).length();
  }
  std::stable_sort(order.begin(), order.end(),
                   [&lengths](std::size_t a, std::size_t b) { return lengths[a] > lengths[b]; });
  std::map<double, bool> labelled;
  for (std::size_t i : order) {
    labelled.emplace(lines[i].level, false);
    const int width = NoteTextWidth(IsobarLevelText(lines[i].level), textHeight);
    if (lengths[i] < kLabelledLength * width) continue;
    const int count = std::clamp(static_cast<int>(lengths[i] / (width / 2.0)), 8, 64);
    if (const std::optional<Place> place = placer.BestOnLine(i, count)) {
      placer.Take(*place, lines[i].level);
      labels.push_back(place->label);
      labelled[lines[i].level] = true;
    }
  }
  for (const auto& [level, done] : labelled) {
    if (done) continue;
    if (const std::optional<Place> place = placer.AnyPlace(level)) {
      placer.Take(*place, level);
      labels.push_back(place->label);
    }
  }
  return labels;
}

}  // namespace qel
