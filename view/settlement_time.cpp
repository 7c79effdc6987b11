// The settlement of the columns against time: six columns to a graph, time in days on a
// logarithmic axis across, S in cm downwards, t50 and t90 marked, the values in a table below.
#include <algorithm>
#include <cmath>

#include "analysis/settlement_rows.h"
#include "analysis/settlement_time.h"
#include "base/c_locale.h"
#include "settings/number_format.h"
#include "view/depth_values_table.h"
#include "view/graph_axes.h"
#include "view/page_furniture.h"
#include "view/renderers.h"
#include "view/settlement_cache.h"
#include "view/settlement_time_table.h"

namespace qel {

namespace {

constexpr int kColumnsPerGraph = kCurvesPerGraph;
// Samples a decade: the curve's bends stay smooth at any paper size.
constexpr int kSamplesPerDecade = 20;
constexpr double kTableGapMm = kGraphTableGapMm;
constexpr double kLeastFrameMm = kLeastGraphFrameMm;
// Settlements smaller than this (cm) print as 0.00 and do not set the axis.
constexpr double kPrintedZeroCm = 0.005;

// A number with `decimals` decimals as the tables print it, or in exponent form when that would
// run longer than a table cell (a value far beyond anything the ground does).
constexpr double kLongestFixed = 1e7;
std::string Fixed(double value, int decimals) {
  if (std::fabs(value) >= kLongestFixed) return FormatC("%.3e", value);
  return FormatUnsignedZero(decimals == 1 ? "%.1f" : "%.2f", value);
}

std::string Centimetres(const std::optional<double>& metres) {
  return metres && std::isfinite(*metres) ? Fixed(*metres * 100.0, 2) : std::string("－");
}

std::string Days(const std::optional<double>& days) {
  return days && std::isfinite(*days) ? Fixed(*days, 1) : std::string("－");
}

std::string TimeHeading(double days) {
  return FormatUnsignedZero("%g", days);
}

std::string ColumnLabel(const SettlementSite& site) {
  std::string label = "x = " + Fixed(site.x, 2);
  if (site.problem == Problem::RectCircle) label += ", y = " + Fixed(site.y, 2);
  return label;
}

// A column's curve as a depth curve turned on its side: `dP` holds the time in days (across),
// `z` the settlement in cm (downwards); its marks stand at t50 and t90.
DepthCurve TimeCurve(const SettlementModel& model, const SettlementColumnResult& column,
                     const std::vector<double>& samples) {
  DepthCurve curve;
  curve.label = ColumnLabel(column.site);
  if (!HasTimeBehaviour(model, column.values)) return curve;
  const std::vector<std::optional<double>> s = SettlementAtTimes(model, column.values, samples);
  for (std::size_t i = 0; i < samples.size(); ++i)
    if (s[i] && std::isfinite(*s[i])) curve.samples.push_back({*s[i] * 100.0, samples[i]});
  // A time beyond the axis (it spans at most kMostTimeDecades) is told by the table alone.
  const double earliest = samples.front(), latest = samples.back();
  for (const std::optional<double>& t : {column.values.t50, column.values.t90})
    if (t && *t >= earliest && *t <= latest)
      if (const std::optional<double> at = model.SettlementAt(column.values, *t))
        curve.marks.push_back({*at * 100.0, *t, Days(t)});
  return curve;
}

// The settlement axis: 0 and every value of the curves, 0 at the top, in round steps.
AxisRange SettlementRange(const std::vector<DepthCurve>& curves) {
  double low = 0.0, high = 0.0;
  for (const DepthCurve& curve : curves)
    for (const DepthSample& sample : curve.samples)
      low = std::min(low, sample.z), high = std::max(high, sample.z);
  if (!(std::max(-low, high) >= kPrintedZeroCm)) return RoundAxisRange(0.0, 1.0, 5);
  return RoundAxisRange(low, high, 8);
}

TimeTable TableOf(const SettlementModel& model,
                  const std::vector<const SettlementColumnResult*>& columns) {
  TimeTable table;
  const std::vector<double>& times = model.profile().times;
  for (const double t : times)
    table.times.push_back(TimeHeading(t));
  bool noTotal = false, noTime = false, marked = false;
  for (const SettlementColumnResult* column : columns) {
    const SettlementColumn& v = column->values;
    TimeTableRow row{ColumnLabel(column->site), {}, Centimetres(v.total), Days(v.t50), Days(v.t90)};
    for (const std::optional<double>& s : SettlementAtTimes(model, v, times))
      row.atTimes.push_back(Centimetres(s));
    table.rows.push_back(std::move(row));
    noTotal = noTotal || !v.total;
    noTime = noTime || (v.total && !HasTimeBehaviour(model, v));
    marked = marked || (HasTimeBehaviour(model, v) && (v.t50 || v.t90));
  }
  if (marked) table.notes.push_back("曲線上の記号は各列の t50 (左) と t90 (右) の位置です");
  if (noTotal)
    table.notes.push_back("－ の列: 沈下量を求められない分割があるため、曲線はありません");
  if (noTime)
    table.notes.push_back(
        "－ の列: 沈下する層に圧密係数 cv がないため、時間による沈下の曲線はありません");
  return table;
}

// Lines of text from the top of the box down, as many as it holds.
void DrawNoteLines(DeviceContext& dc, RenderContext& ctx, const PaperBox& box,
                   const std::vector<std::string>& lines) {
  const DeviceGeometry& g = ctx.geometry;
  const int h = NoteTextHeight(ctx);
  if (!CreateTextFont(dc, 0x000000, h, ctx.fonts[kPageFont].faceName, 0, false))
    ++ctx.shortfalls.fontsNotMade;
  dc.SetTextAlign(TextAlign::LeftTop);
  const int left = ClampToDevice((box.leftMm - kDepthValuesRoomMm) * g.pixelsPerMmX);
  const int bottom = ClampToDevice(box.bottomMm * g.pixelsPerMmY);
  int y = ClampToDevice(box.topMm * g.pixelsPerMmY);
  for (std::size_t i = 0; i < lines.size() && y + h <= bottom; ++i, y += h + h / 3)
    dc.TextOut(left, y, lines[i]);
}

void DrawTimeGraph(DeviceContext& dc, RenderContext& ctx, const PaperBox& box,
                   const SettlementModel& model,
                   const std::vector<const SettlementColumnResult*>& columns,
                   const std::string& heading) {
  const DeviceGeometry& g = ctx.geometry;
  std::vector<const SettlementColumn*> values;
  for (const SettlementColumnResult* column : columns)
    values.push_back(&column->values);
  const TimeDecades decades = DecadesSpanning(DaysOfInterest(model, values));
  const std::vector<double> samples = LogTimeSamples(decades, kSamplesPerDecade);
  std::vector<DepthCurve> curves;
  for (const SettlementColumnResult* column : columns)
    curves.push_back(TimeCurve(model, *column, samples));
  const TimeTable table = TableOf(model, columns);
  const int left = ClampToDevice((box.leftMm - kDepthValuesRoomMm) * g.pixelsPerMmX);
  const int right = ClampToDevice(box.rightMm * g.pixelsPerMmX);
  const double roomMm = box.bottomMm - box.topMm - kLeastFrameMm - kTableGapMm;
  const TimeTableLayout layout = LayOutTimeTable(
      table, left, right, NoteTextHeight(ctx), ClampToDevice(kLeastLegendSampleMm * g.pixelsPerMmX),
      ClampToDevice(roomMm * g.pixelsPerMmY));
  PaperBox graphBox = box;
  graphBox.bottomMm = std::max(box.topMm + kLeastFrameMm,
                               box.bottomMm - layout.Height() / g.pixelsPerMmY - kTableGapMm);
  GraphFrame frame = FrameOnDevice(
      ctx, graphBox, {static_cast<double>(decades.first), static_cast<double>(decades.last), 1.0},
      SettlementRange(curves));
  frame.acrossScale = AxisScale::kLog;
  DrawGraphHeading(dc, ctx, graphBox, heading);
  std::vector<PlacedNote> taken;
  DrawGraphAxes(dc, ctx, frame, "t (日)", taken, "S (cm)");
  DrawDepthCurves(dc, ctx, frame, curves);
  DrawTimeTable(dc, ctx, layout, table, ClampToDevice(frame.bottom + kTableGapMm * g.pixelsPerMmY));
}

int RenderSettlementTime(RenderContext& ctx, DeviceContext* dc, bool draw, Problem problem) {
  const DocumentSettlement& settlement = SettlementOf(ctx);
  const bool computed = settlement.status == DocumentSettlement::Status::kComputed;
  const std::vector<const SettlementColumnResult*> columns =
      computed ? ColumnsOf(settlement, problem) : std::vector<const SettlementColumnResult*>{};
  const int graphs = GraphCount(columns.size());
  if (dc == nullptr || !draw) return graphs;
  DrawDisplayTitle(*dc, ctx, problem, DisplayKind::SettlementTime);
  PaperBox box = DepthGraphBox(ctx);
  if (problem == Problem::RectCircle)
    if (const std::optional<double> note = CircleMethodNoteTopMm(ctx))
      box.bottomMm = std::min(box.bottomMm, *note - kTableGapMm);
  if (!computed) {
    DrawNoteLines(*dc, ctx, box, UnreadProfileLines(settlement));
    return graphs;
  }
  if (columns.empty()) {
    DrawNoteLines(*dc, ctx, box, {"沈下量を求める列がありません（荷重または計算点がありません）"});
    return graphs;
  }
  const int graph = std::clamp(ctx.view.currentPage, 1, graphs);
  const auto first = columns.begin() + (graph - 1) * kColumnsPerGraph;
  const std::vector<const SettlementColumnResult*> shown(
      first, first + std::min<std::ptrdiff_t>(kColumnsPerGraph, columns.end() - first));
  const std::string heading =
      std::string(problem == Problem::Strip ? "帯状荷重" : "長方形円形荷重") + " 時間－沈下曲線" +
      (graphs > 1 ? FormatC("　(%d/%d)", graph, graphs) : std::string());
  DrawTimeGraph(*dc, ctx, box, *settlement.model, shown, heading);
  return graphs;
}

}  // namespace

int RenderStripSettlementTime(RenderContext& ctx, DeviceContext* dc, bool draw) {
  return RenderSettlementTime(ctx, dc, draw, Problem::Strip);
}

int RenderRectCircleSettlementTime(RenderContext& ctx, DeviceContext* dc, bool draw) {
  return RenderSettlementTime(ctx, dc, draw, Problem::RectCircle);
}

}  // namespace qel
