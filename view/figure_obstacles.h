// What the texts of a figure keep clear of, in device units: the calculation point marks, the
// load outlines, the texts placed before them and, for the legend, the isobar lines.
#pragma once

#include <cstddef>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/device_context.h"
#include "view/figure_notes.h"
#include "view/render_context.h"

namespace qel {

// A box on the device, its edges included.
struct DeviceBox {
  int left = 0, top = 0, right = 0, bottom = 0;
  // Whether the two boxes share a point: boxes that touch meet.
  bool Meets(const DeviceBox& other) const {
    return left <= other.right && other.left <= right && top <= other.bottom && other.top <= bottom;
  }
  bool Inside(const DeviceBox& outer) const {
    return left >= outer.left && right <= outer.right && top >= outer.top && bottom <= outer.bottom;
  }
  DeviceBox Grown(int by) const { return {left - by, top - by, right + by, bottom + by}; }
};

DeviceBox BoxOf(const PlacedNote& note);

class FigureObstacles {
 public:
  // A mark or a text.
  void AddBox(const DeviceBox& box);
  // A stroke from `a` to `b` with a pen `width` units wide. `owner` names the line it belongs
  // to, so that a label can be tested against every line but its own.
  void AddStroke(DevicePoint a, DevicePoint b, int width, int owner = kNoOwner);
  void AddPolyline(const std::vector<DevicePoint>& points, int width, int owner = kNoOwner);
  void AddAll(const FigureObstacles& other);

  // Whether `box` meets no box and no stroke (but those of `ignored`).
  bool IsClear(const DeviceBox& box, int ignored = kNoOwner) const;
  // How much of `box` is covered: the area of the boxes inside it plus, for each stroke through
  // it, the area of the stroke inside it; texts count `textWeight` times. For choosing the
  // least-covered of places that are all covered.
  double Cover(const DeviceBox& box, double textWeight = 1.0) const;
  // The strokes other than those of `ignored` that pass through `box`.
  int Crossings(const DeviceBox& box, int ignored) const;

  // The parts of the segment a-b inside the boxes, as ascending, separate ranges of t in [0, 1]
  // along it (a + t (b - a)).
  std::vector<std::pair<double, double>> BoxSpans(DevicePoint a, DevicePoint b) const;

  static constexpr int kNoOwner = -1;

 private:
  struct Stroke {
    DevicePoint a, b;
    int half = 0;  // half the pen width, rounded up
    int owner = kNoOwner;
  };
  // Boxes and strokes are kept in cells of kCell units, so that a query looks only at what is
  // near it.
  static constexpr int kCell = 64;
  void Index(const DeviceBox& bounds, int entry);
  void IndexStroke(const Stroke& stroke, int entry);
  // The entries (a box is its index, a stroke ~index) that lie in the cells `box` touches,
  // each once.
  std::vector<int> Near(const DeviceBox& box) const;
  // Calls `visit` with each entry in the cells `box` touches (an entry in several of them more
  // than once) until it returns false; false then.
  template <typename Visit>
  bool VisitNear(const DeviceBox& box, Visit visit) const;
  static long long CellKey(int column, int row) {
    return (static_cast<long long>(column) << 32) ^ static_cast<unsigned>(row);
  }

  std::vector<DeviceBox> boxes_;
  std::vector<Stroke> strokes_;
  std::unordered_map<long long, std::vector<int>> cells_;
};

// The length of the segment a-b inside `box` (0 when it misses it).
double LengthInside(DevicePoint a, DevicePoint b, const DeviceBox& box);

// The marks of the calculation points and the outlines of the loads as each figure draws them.
FigureObstacles StripFigureObstacles(const RenderContext& ctx);
FigureObstacles PlanFigureObstacles(const RenderContext& ctx);

// How far a point mark reaches from its centre, its pen included.
int PointMarkReach(const RenderContext& ctx);

}  // namespace qel
