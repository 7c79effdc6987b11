// The isobars of a document in world coordinates: the strip cross-section, a plan of the
// rectangle/circle problem at a depth, or a vertical section of it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/contour_lines.h"
#include "analysis/field_range.h"
#include "document/document_tables.h"
#include "engine/circle_method.h"
#include "settings/system_settings.h"

namespace qel {

class Document;

enum class IsobarView { kStrip, kPlan, kSectionAtY, kSectionAtX };

struct IsobarRequest {
  IsobarView view = IsobarView::kStrip;
  double at = 0.0;  // the plan's depth z, or the section's y or x
  // Empty: the default levels of the problem's loads. Of more than kMostIsobarLevels, only the
  // first that many are traced.
  std::vector<double> levels;
  CircleMethod circleMethod = CircleMethod::kExact;
  int threads = 1;
  bool fill = false;  // also the areas beyond each level, to fill
  // The rectangle to trace over, in the view's (u, v) (see IsobarSet::window); by default the
  // view's default window.
  std::optional<ContourWindow> window;
};

struct IsobarVertex {
  double x = 0.0, y = 0.0, z = 0.0;
};

struct Isobar {
  double level = 0.0;
  bool closed = false;  // the last vertex joins the first, which is not repeated
  std::vector<IsobarVertex> vertices;
};

// The area beyond one level (IsBeyondLevel), as rings to fill by the even-odd rule.
struct IsobarFill {
  double level = 0.0;
  std::vector<std::vector<IsobarVertex>> rings;
};

struct IsobarSet {
  std::vector<double> levels;  // the levels traced, as requested or by default
  ContourWindow window;        // in the view's (u, v): (x, z), (x, y), (x, z) or (y, z)
  double largestIntensity = 0.0;
  std::vector<Isobar> lines;      // level by level in the order of `levels`
  std::vector<IsobarFill> fills;  // when the request asks for them, level by level likewise
  FieldRange range;               // the lowest and highest dP over the window, as sampled
  std::string error;              // not empty when nothing could be traced, saying why
};

// The options every isobar is traced with: vertices to 1e-5 of the largest load intensity,
// lines within a thousandth of the window between their vertices.
ContourOptions IsobarContourOptions(double largestIntensity, int threads);

// The isobars `request` asks for, over its window or the default window of its view. A window
// TraceableWindow refuses (a figure reaching out to 1e308 m) is an error, not a trace: no vertex
// is ever a NaN or an infinity.
IsobarSet ComputeIsobars(const Document& document, const SystemSettings& settings,
                         const IsobarRequest& request);

}  // namespace qel
