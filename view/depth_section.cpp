// The vertical section of the rectangle/circle problem on the first page of its depth display.
#include "view/depth_section.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "analysis/isobar_fields.h"
#include "analysis/isobar_levels.h"
#include "analysis/isobar_windows.h"
#include "base/c_locale.h"
#include "document/document_results.h"
#include "document/lattice_points.h"
#include "document/load_lists.h"
#include "settings/cache_key.h"
#include "settings/number_format.h"
#include "view/drawing.h"
#include "view/figure_common.h"
#include "view/figure_obstacles.h"
#include "view/isobar_layer.h"
#include "view/render_caches.h"

namespace qel {

namespace {

constexpr Colour kLoadColour = 0x2020D0;  // 0x00BBGGRR: the loaded stretches of the surface
constexpr Colour kBlack = 0x000000;
// The lattices the field is surveyed on: columns across the window, rows down it.
constexpr int kSurveyColumns = 48;
constexpr int kSurveyRows = 48;
constexpr int kBottomHalvings = 10;
constexpr int kSpanSamples = 48;

// A position or scale as the headings print it; a negative zero prints as 0.
std::string Metres(double value) {
  return FormatUnsignedZero("%g", value);
}

// The smallest round n >= `needed`.
double RoundScaleAtLeast(double needed) {
  for (double power = 1.0; power < 1e9; power *= 10.0)
    for (double factor : {1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0})
      if (factor * power >= needed) return factor * power;
  return 1e9;
}

// The stretches of the section line under each rectangle and circle, as (from, to) along it.
std::vector<std::pair<double, double>> LoadedStretches(const PlanLoads& loads,
                                                       const ResolvedSection& section) {
  std::vector<std::pair<double, double>> stretches;
  for (const RectLoad& r : loads.rectangles) {
    const double across0 = section.atY ? std::min(r.y1, r.y2) : std::min(r.x1, r.x2);
    const double across1 = section.atY ? std::max(r.y1, r.y2) : std::max(r.x1, r.x2);
    if (section.at < across0 || section.at > across1) continue;
    stretches.emplace_back(section.atY ? std::min(r.x1, r.x2) : std::min(r.y1, r.y2),
                           section.atY ? std::max(r.x1, r.x2) : std::max(r.y1, r.y2));
  }
  for (const CircleLoad& c : loads.circles) {
    const double off = section.at - (section.atY ? c.y : c.x);
    if (!(std::fabs(off) < c.r)) continue;
    const double half = std::sqrt(c.r * c.r - off * off), centre = section.atY ? c.x : c.y;
    stretches.emplace_back(centre - half, centre + half);
  }
  return stretches;
}

// Where along the section each load's centre lies (a bulb is deepest under it), or with
// `edges` its two edges.
std::vector<double> LoadPlaces(const PlanLoads& loads, const ResolvedSection& section, bool edges) {
  std::vector<double> places;
  for (const RectLoad& r : loads.rectangles) {
    const double a = section.atY ? r.x1 : r.y1, b = section.atY ? r.x2 : r.y2;
    if (edges)
      places.insert(places.end(), {a, b});
    else
      places.push_back((a + b) / 2);
  }
  for (const CircleLoad& c : loads.circles) {
    const double centre = section.atY ? c.x : c.y;
    if (edges)
      places.insert(places.end(), {centre - c.r, centre + c.r});
    else
      places.push_back(centre);
  }
  return places;
}

// The levels the trace of `request` draws, as ComputeIsobars chooses them.
std::vector<double> LevelsOf(const IsobarRequest& request, const PlanLoads& loads) {
  if (!request.levels.empty()) return DrawnIsobarLevels(request.levels);
  const LoadIntensities intensities = PlanIntensities(loads);
  return DefaultIsobarLevels(intensities.positive, intensities.negative);
}

}  // namespace

BulbSurvey SurveyBulbs(const ScalarField& field, const ContourWindow& window,
                       const std::vector<double>& levels, const std::vector<double>& columns) {
  BulbSurvey survey;
  const double limit = window.v1 * kSectionDepthLimit;
  if (!(window.v1 > 0) || !std::isfinite(limit) || !std::isfinite(window.u0) ||
      !std::isfinite(window.u1) || !(window.u1 >= window.u0))
    return survey;
  double lowestPositive = 0.0, highestNegative = 0.0;
  for (double level : levels) {
    if (level > 0 && (lowestPositive == 0.0 || level < lowestPositive)) lowestPositive = level;
    if (level < 0 && (highestNegative == 0.0 || level > highestNegative)) highestNegative = level;
  }
  if (lowestPositive == 0.0 && highestNegative == 0.0) return survey;
  auto inBulb = [&](double u, double z) {
    const double dP = field(u, z);
    return (lowestPositive > 0 && dP >= lowestPositive) ||
           (highestNegative < 0 && dP <= highestNegative);
  };
  std::vector<double> us;
  for (int i = 0; i <= kSurveyColumns; ++i)
    us.push_back(window.u0 + (window.u1 - window.u0) * i / kSurveyColumns);
  for (double u : columns)
    if (u >= window.u0 && u <= window.u1) us.push_back(u);
  // The deepest row in a bulb of each column, -1 for none: the first met from the bottom up.
  const double step = limit / kSurveyRows;
  std::vector<int> deepest(us.size(), -1);
  for (std::size_t c = 0; c < us.size(); ++c) {
    for (int row = kSurveyRows; row >= 0 && deepest[c] < 0; --row)
      if (inBulb(us[c], step * row)) deepest[c] = row;
    if (deepest[c] < 0) continue;
    survey.uLow = survey.found ? std::min(survey.uLow, us[c]) : us[c];
    survey.uHigh = survey.found ? std::max(survey.uHigh, us[c]) : us[c];
    survey.found = true;
  }
  if (!survey.found) return survey;
  const int lowestRow = *std::max_element(deepest.begin(), deepest.end());
  double bottom = step * lowestRow;
  if (lowestRow < kSurveyRows) {
    // Where the columns of the lowest row leave their bulb, between it and the row below.
    for (std::size_t c = 0; c < us.size(); ++c) {
      if (deepest[c] != lowestRow) continue;
      double inside = step * lowestRow, outside = inside + step;
      for (int i = 0; i < kBottomHalvings; ++i) {
        const double middle = (inside + outside) / 2;
        (inBulb(us[c], middle) ? inside : outside) = middle;
      }
      bottom = std::max(bottom, inside);
    }
  }
  survey.bottom = std::min(limit, bottom * 1.05);
  return survey;
}

ContourWindow SectionWindow(const ContourWindow& window, const std::vector<double>& content,
                            const BulbSurvey& bulbs) {
  ContourWindow shown = window;
  if (bulbs.found) shown.v1 = std::max(window.v1, bulbs.bottom);
  std::vector<double> spans;
  for (double u : content)
    if (std::isfinite(u)) spans.push_back(u);
  if (bulbs.found) spans.insert(spans.end(), {bulbs.uLow, bulbs.uHigh});
  if (spans.empty()) return shown;
  const auto [low, high] = std::minmax_element(spans.begin(), spans.end());
  const double margin = std::max(*high - *low, shown.v1 - shown.v0) / 20.0;
  shown.u0 = *low - margin;
  shown.u1 = *high + margin;
  return shown;
}

ValueSpan SampledValueSpan(const ScalarField& field, const ContourWindow& window) {
  ValueSpan span;
  bool any = false;
  for (int i = 0; i <= kSpanSamples; ++i) {
    for (int j = 0; j <= kSpanSamples; ++j) {
      const double dP = field(window.u0 + (window.u1 - window.u0) * i / kSpanSamples,
                              window.v0 + (window.v1 - window.v0) * j / kSpanSamples);
      if (!std::isfinite(dP)) continue;
      span.low = any ? std::min(span.low, dP) : dP;
      span.high = any ? std::max(span.high, dP) : dP;
      any = true;
    }
  }
  return span;
}

double RoundScaleFor(double metres, double millimetres) {
  return RoundScaleAtLeast(metres * 1000.0 / std::max(millimetres, 1.0));
}

void DrawSection(DeviceContext& dc, RenderContext& ctx, const ResolvedSection& section,
                 PaperBox& box) {
  const ContourWindow plan = SectionIsobarWindow(ctx.document.cells(), ctx.settings, section.atY);
  PlanLoads loads = ExtractPlanLoads(ctx.document.cells());
  loads.circleMethod = ctx.results.circleMethod();
  IsobarRequest isobars = SectionIsobarRequest(ctx, section.atY, section.at);
  const ScalarField field = SectionStressField(loads, section.atY, section.at);
  std::vector<double> content = LoadPlaces(loads, section, true);
  for (const PointValue& u : SectionColumns(ctx.document.cells(), section))
    content.push_back(u.value);
  // The window is surveyed once for each set of inputs: every paint of the page needs it.
  CacheKey key;
  key.Add(ResultsInputsKey(ctx, Problem::RectCircle));
  for (double value : {plan.u0, plan.u1, plan.v1, section.at})
    key.Add(value);
  key.Add(static_cast<long long>(section.atY));
  key.Add(static_cast<long long>(loads.circleMethod));
  for (double level : isobars.levels)
    key.Add(level);
  SectionWindowCache& kept = ctx.caches.section;
  if (kept.key != key.text()) {
    // The bulbs are looked for across the plan and whatever lies beyond it.
    ContourWindow surveyed = plan;
    for (double u : content)
      if (std::isfinite(u))
        surveyed.u0 = std::min(surveyed.u0, u), surveyed.u1 = std::max(surveyed.u1, u);
    kept = {key.text(),
            SectionWindow(plan, content,
                          SurveyBulbs(field, surveyed, LevelsOf(isobars, loads),
                                      LoadPlaces(loads, section, false))),
            std::nullopt};
  }
  const ContourWindow window = kept.window;
  const double width = window.u1 - window.u0, depth = window.v1;
  if (!(width > 0) || !(depth > 0) || !std::isfinite(width) || !std::isfinite(depth)) return;
  isobars.window = window;
  const std::shared_ptr<const IsobarSet> set = ctx.caches.isobars.Get(ctx, isobars);

  // The caption goes under the section, half a line below it and above what follows.
  const int h = NoteTextHeight(ctx);
  const PlacedNote sized = IsobarCaption(ctx, isobars, FigureWindow{});
  const bool noLine = set->lines.empty();
  const double captionMm =
      (sized.bottom - sized.top + (noLine ? h : 0) + h) / ctx.geometry.pixelsPerMmY;
  const double scale = std::max(RoundScaleFor(width, box.rightMm - box.leftMm),
                                RoundScaleFor(depth, box.bottomMm - box.topMm - captionMm));
  const double mmPerMetre = 1000.0 / scale;
  box.rightMm = box.leftMm + width * mmPerMetre;
  const double frameBottomMm = box.topMm + depth * mmPerMetre;
  const GraphFrame frame =
      FrameOnDevice(ctx, {box.leftMm, box.topMm, box.rightMm, frameBottomMm},
                    {window.u0, window.u1, RoundAxisRange(window.u0, window.u1, 8).step},
                    {0.0, depth, RoundAxisRange(0.0, depth, 8).step});
  const char* line = section.atY ? "y" : "x";
  DrawGraphHeading(dc, ctx, box,
                   FormatC("長方形円形 断面　%s = %s m　縮尺 1/%s", line,
                           Metres(section.at).c_str(), Metres(scale).c_str()));

  // The world of the section: u across, y = -z up, to the scale of the frame.
  SavedTransform saved(ctx.transform);
  WorldTransform& t = ctx.transform;
  t.marginLeft = box.leftMm;
  t.marginTop = box.topMm;
  t.pixelsPerMetreX = mmPerMetre * ctx.geometry.pixelsPerMmX;
  t.pixelsPerMetreY = mmPerMetre * ctx.geometry.pixelsPerMmY;
  t.originX = -window.u0;
  t.originY = 0.0;
  // The fill under the axes' lines, then the axes' values outside the frame, the lines traced
  // over the frame with their caption under it, and the rest inside the frame.
  dc.IntersectClipRect(frame.left, frame.top, frame.right + 1, frame.bottom + 1);
  DrawIsobarFill(dc, ctx, isobars);
  dc.RemoveClip();
  std::vector<PlacedNote> taken;
  DrawGraphAxes(dc, ctx, frame, section.atY ? "x (m)" : "y (m)", taken);
  const FigureWindow captionWindow{window.u0, window.u1, -depth, -depth};
  const LatticePoints lattice(ctx.document.cells());
  const std::vector<PointValue>& across = section.atY ? lattice.ys() : lattice.xs();
  const bool onLattice = std::any_of(across.begin(), across.end(),
                                     [&](const PointValue& p) { return p.value == section.at; });
  // The level labels go along the lines inside the frame, clear of the point marks and the
  // loaded stretches; the caption stays under the frame.
  FigureObstacles marks;
  const int reach = PointMarkReach(ctx);
  if (onLattice)
    for (const PointValue& u : SectionColumns(ctx.document.cells(), section))
      for (const PointValue& z : lattice.depths())
        if (IsUsableDepth(z.value))
          marks.AddBox(DeviceBox{ToDeviceX(t, u.value), ToDeviceY(t, -z.value),
                                 ToDeviceX(t, u.value), ToDeviceY(t, -z.value)}
                           .Grown(reach));
  for (const auto& [from, to] : LoadedStretches(loads, section))
    marks.AddStroke({frame.AcrossToX(from), frame.top}, {frame.AcrossToX(to), frame.top},
                    DevicePixels(t, 4));
  DrawIsobarLayer(dc, ctx, isobars, FigureWindow{window.u0, window.u1, 0.0, -depth},
                  IsobarCaption(ctx, isobars, captionWindow), taken, marks);
  if (noLine) {
    const PlacedNote caption = IsobarCaption(ctx, isobars, captionWindow);
    if (!CreateTextFont(dc, kBlack, h, ctx.fonts[kPageFont].faceName, 0, false))
      ++ctx.shortfalls.fontsNotMade;
    dc.SetTextAlign(TextAlign::LeftTop);
    dc.TextOut(caption.left, caption.top, caption.text);
    if (!kept.span) {
      const ValueSpan span = SampledValueSpan(field, window);
      kept.span = {span.low, span.high};
    }
    dc.TextOut(caption.left, caption.bottom,
               set->error.empty() ? IsobarsOutOfRangeText(kept.span->first, kept.span->second,
                                                          ctx.settings.stressDigits)
                                  : "等圧線: " + set->error);
  }
  dc.IntersectClipRect(frame.left, frame.top, frame.right + 1, frame.bottom + 1);
  const Colour loadColour = IsMonochrome(ctx.settings) ? kBlack : kLoadColour;
  for (const auto& [from, to] : LoadedStretches(loads, section))
    DrawLine(dc, frame.AcrossToX(from), frame.top, frame.AcrossToX(to), frame.top, PenStyle::Solid,
             DevicePixels(t, 4), loadColour);
  if (onLattice)
    for (const PointValue& u : SectionColumns(ctx.document.cells(), section))
      for (const PointValue& z : lattice.depths())
        if (IsUsableDepth(z.value))
          DrawPointCross(dc, ctx, u.value, -z.value, FigureColoursOf(ctx.settings).point);
  dc.RemoveClip();
  box.bottomMm = frameBottomMm + captionMm;
}

}  // namespace qel
