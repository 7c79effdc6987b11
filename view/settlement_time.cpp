// The settlement of the columns against time: the columns chosen (or the six that settle most),
// six to a graph, time in days on a logarithmic axis across, S in cm downwards, t50 and t90
// marked, the values in a table below, and each column without a curve named with the reason.
#include <algorithm>
#include <cmath>

#include "analysis/settlement_rows.h"
#include "analysis/settlement_time.h"
#include "base/c_locale.h"
#include "base/quoted_text.h"
#include "settings/number_format.h"
#include "view/depth_values_table.h"
#include "view/figure_notes.h"
#include "view/graph_axes.h"
#include "view/page_furniture.h"
#include "view/renderers.h"
#include "view/settlement_cache.h"
#include "view/settlement_time_table.h"

namespace qel {

namespace {

// A layer as a short list names it: its number, and its name cut after eight characters (two
// layers may share a name; the soil conditions page gives it whole).
std::string LayerLabel(const SoilLayer& layer) {
  return layer.name.empty()
             ? FormatC("土層 %d", layer.number)
             : FormatC("土層 %d (", layer.number) + ShortenedText(layer.name, 8) + ")";
}

constexpr int kColumnsPerGraph = kCurvesPerGraph;
// Samples a decade: the curve's bends stay smooth at any paper size.
constexpr int kSamplesPerDecade = 20;
constexpr double kTableGapMm = kGraphTableGapMm;
constexpr double kLeastFrameMm = kLeastGraphFrameMm;
// Settlements smaller than this (cm) print as 0.00 and do not set the axis.
constexpr double kPrintedZeroCm = 0.005;
// The band of the load's history above a graph of a profile built in stages.
constexpr double kLoadHistoryMm = 14.0;

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

// A column shown, with its number among its problem's columns (what timecols= names).
struct NumberedColumn {
  int number = 0;
  const SettlementColumnResult* column = nullptr;
  const SettlementCourse* course = nullptr;     // its course in time as built
  const SettlementCourse* undrained = nullptr;  // and without drains, with drains
};

std::string ColumnLabel(const NumberedColumn& shown) {
  const SettlementSite& site = shown.column->site;
  std::string label = FormatC("(%d) x = ", shown.number) + Fixed(site.x, 2);
  if (site.problem == Problem::RectCircle) label += ", y = " + Fixed(site.y, 2);
  return label;
}

// A column's curve as a depth curve turned on its side: `dP` holds the time in days (across),
// `z` the settlement in cm (downwards); its marks stand at t50 and t90.
DepthCurve TimeCurve(const DocumentSettlement& settlement, const NumberedColumn& shown,
                     const std::vector<double>& samples) {
  const SettlementCourseModel& model = *settlement.courseModel;
  const SettlementCourse& course = *shown.course;
  DepthCurve curve;
  curve.label = ColumnLabel(shown);
  if (!course.hasTime) return curve;
  // Each sample's point once: its total draws the curve, its primary the branch below.
  std::vector<std::optional<CoursePoint>> points;
  points.reserve(samples.size());
  for (std::size_t i = 0; i < samples.size(); ++i) {
    points.push_back(model.At(course, samples[i]));
    if (points[i] && std::isfinite(points[i]->total()))
      curve.samples.push_back({points[i]->total() * 100.0, samples[i]});
  }
  // A time beyond the axis (it spans at most kMostTimeDecades) is told by the table alone.
  const double earliest = samples.front(), latest = samples.back();
  if (const SettlementCourseModel* undrained = UndrainedModelOf(settlement);
      shown.undrained && undrained) {
    const std::vector<std::optional<double>> u =
        SettlementAtTimes(*undrained, *shown.undrained, samples);
    for (std::size_t i = 0; i < samples.size(); ++i)
      if (u[i] && std::isfinite(*u[i])) curve.companion.push_back({*u[i] * 100.0, samples[i]});
  }
  for (const std::optional<double>& t : {course.t50, course.t90})
    if (t && *t >= earliest && *t <= latest)
      if (const std::optional<CoursePoint> at = model.At(course, *t))
        curve.marks.push_back({at->total() * 100.0, *t, Days(t)});
  // From the first t_p on, the primary settlement alone leaves the curve; the gap is the
  // secondary compression.
  const std::vector<SecondaryStart> starts = SecondaryStarts(course);
  if (starts.empty()) return curve;
  const double branchFrom = std::max(starts.front().day, earliest);
  if (branchFrom <= latest) {
    auto take = [&](const std::optional<CoursePoint>& at, double t) {
      if (at && std::isfinite(at->primary)) curve.branch.push_back({at->primary * 100.0, t});
    };
    take(model.At(course, branchFrom), branchFrom);
    for (std::size_t i = 0; i < samples.size(); ++i)
      if (samples[i] > branchFrom) take(points[i], samples[i]);
  }
  for (const SecondaryStart& start : starts)
    if (start.day >= earliest && start.day <= latest)
      if (const std::optional<CoursePoint> at = model.At(course, start.day))
        curve.ticks.push_back({at->total() * 100.0, start.day, Days(start.day)});
  return curve;
}

// The load's history over the graph's time axis, between `top` and `bottom`: its share of the
// loads rising to 1 (the frame's left and right), with the days the stages start and end.
void DrawLoadHistory(DeviceContext& dc, RenderContext& ctx, const GraphFrame& frame, int top,
                     int bottom, const std::vector<LoadStage>& stages,
                     const std::vector<double>& samples) {
  std::vector<double> days = samples;
  for (const LoadStage& stage : stages)
    for (const double day : {stage.start, stage.end})
      if (day > samples.front() && day < samples.back()) days.push_back(day);
  std::sort(days.begin(), days.end());
  std::vector<DevicePoint> points;
  for (const double day : days) {
    const double f = std::clamp(LoadFractionAt(stages, day), 0.0, 1.0);
    points.push_back({frame.AcrossToX(day), ClampToDevice(bottom - f * (bottom - top))});
  }
  const int width = DevicePixels(ctx.transform, 1);
  DrawRectOutline(dc, frame.left, top, frame.right, bottom, PenStyle::Solid, width, 0x000000);
  const Pen before = dc.SelectPen({PenStyle::Solid, 2 * width, 0x000000});
  dc.Polyline(points);
  dc.SelectPen(before);
  const int h = NoteTextHeight(ctx);
  UseNoteFont(dc, ctx, 0x000000);
  dc.SetTextAlign(TextAlign::LeftTop);
  for (const auto& [text, y] :
       {std::pair<std::string, int>{"1.0", top}, std::pair<std::string, int>{"0", bottom - h}})
    dc.TextOut(frame.left - h / 3 - NoteTextWidth(text, h), y, text);
  dc.TextOut(frame.left + h / 3, top + h / 4, "荷重の割合（施工段階）");
}

// The settlement axis: 0 and every value of the curves, 0 at the top, in round steps.
AxisRange SettlementRange(const std::vector<DepthCurve>& curves) {
  double low = 0.0, high = 0.0;
  for (const DepthCurve& curve : curves) {
    for (const DepthSample& sample : curve.samples)
      low = std::min(low, sample.z), high = std::max(high, sample.z);
    for (const DepthSample& sample : curve.companion)
      low = std::min(low, sample.z), high = std::max(high, sample.z);
  }
  if (!(std::max(-low, high) >= kPrintedZeroCm)) return RoundAxisRange(0.0, 1.0, 5);
  return RoundAxisRange(low, high, 8);
}

TimeTable TableOf(const SettlementCourseModel& model, const std::vector<NumberedColumn>& columns) {
  TimeTable table;
  const std::vector<double>& times = model.profile().times;
  for (const double t : times)
    table.times.push_back(TimeHeading(t));
  bool marked = false;
  std::vector<std::string> missing, residuals, starts;
  const std::vector<SoilLayer>& layers = model.profile().layers;
  bool secondary = false;
  for (const NumberedColumn& shown : columns) {
    const SettlementCourse& course = *shown.course;
    TimeTableRow row{ColumnLabel(shown),
                     {},
                     Centimetres(course.final.total),
                     Days(course.t50),
                     Days(course.t90)};
    for (const std::optional<double>& s : SettlementAtTimes(model, course, times))
      row.atTimes.push_back(Centimetres(s));
    const std::optional<std::string> reason = NoTimeCurveReason(model, course);
    row.drawn = !reason;
    if (reason) missing.push_back(row.label + ": " + *reason);
    if (course.residual)
      residuals.push_back(row.label + ": 残留沈下量 " + Centimetres(course.residual) + " cm");
    if (!reason) {
      std::string line;
      for (const SecondaryStart& start : SecondaryStarts(course))
        line += (line.empty() ? ": t_p = " : "、") + Days(start.day) + " 日（" +
                LayerLabel(layers[start.layer]) + "）";
      if (!line.empty()) starts.push_back(row.label + line);
    }
    secondary = secondary || (!reason && !course.secondary.empty());
    table.rows.push_back(std::move(row));
    marked = marked || (!reason && (course.t50 || course.t90));
  }
  if (marked) table.notes.push_back("曲線上の記号は各列の t50 (左) と t90 (右) の位置です");
  const bool drained = std::any_of(columns.begin(), columns.end(), [](const NumberedColumn& shown) {
    return shown.undrained != nullptr && shown.undrained->hasTime;
  });
  if (drained) table.notes.push_back("細線は同じ列のバーチカルドレーンがない場合の曲線です");
  if (secondary)
    table.notes.push_back(
        "曲線と各時間の沈下量は二次圧密を含みます（最終沈下量、t50、t90 は一次圧密のもの）");
  if (const std::optional<ResidualPeriod>& period = model.profile().residual;
      period && !residuals.empty()) {
    table.notes.push_back("供用開始 " + TimeHeading(period->paving) + " 日から " +
                          TimeHeading(period->service) + " 日間の残留沈下量");
    table.notes.insert(table.notes.end(), residuals.begin(), residuals.end());
  }
  table.notes.insert(table.notes.end(), missing.begin(), missing.end());
  // The days t_p last, a line per column and layer: the graph marks them too, so they are what
  // a page too short for every note leaves out.
  if (secondary) {
    table.notes.push_back(
        "点線の細線は一次圧密のみの沈下量、曲線を横切る短線は二次圧密が始まる日 t_p です");
    table.notes.insert(table.notes.end(), starts.begin(), starts.end());
  }
  return table;
}

void DrawTimeGraph(DeviceContext& dc, RenderContext& ctx, const PaperBox& box,
                   const DocumentSettlement& settlement, const std::vector<NumberedColumn>& columns,
                   const std::string& heading) {
  const DeviceGeometry& g = ctx.geometry;
  const SettlementCourseModel& model = *settlement.courseModel;
  // The axis spans the curves without drains too.
  std::vector<const SettlementCourse*> values;
  for (const NumberedColumn& shown : columns) {
    values.push_back(shown.course);
    if (shown.undrained) values.push_back(shown.undrained);
  }
  const TimeDecades decades = DecadesSpanning(DaysOfInterest(model, values));
  const std::vector<double> samples = LogTimeSamples(decades, kSamplesPerDecade);
  std::vector<DepthCurve> curves;
  bool anyCurve = false;
  for (const NumberedColumn& shown : columns) {
    curves.push_back(TimeCurve(settlement, shown, samples));
    anyCurve = anyCurve || !curves.back().samples.empty();
  }
  const TimeTable table = TableOf(model, columns);
  if (!anyCurve) {
    // No empty graph: the heading and why each column has no curve.
    std::vector<std::string> lines{heading};
    lines.insert(lines.end(), table.notes.begin(), table.notes.end());
    DrawLinesInBox(dc, ctx, box, lines);
    return;
  }
  const int left = ClampToDevice((box.leftMm - kDepthValuesRoomMm) * g.pixelsPerMmX);
  const int right = ClampToDevice(box.rightMm * g.pixelsPerMmX);
  // Built in stages, the load's history stands in a band above the graph on its time axis.
  const std::vector<LoadStage>& stages = model.profile().stages;
  const double captionsMm = 2.0 * (NoteTextHeight(ctx) * 4 / 3) / g.pixelsPerMmY + 1.0;
  const double historyMm = stages.empty() ? 0.0 : kLoadHistoryMm + captionsMm;
  const double roomMm = box.bottomMm - box.topMm - historyMm - kLeastFrameMm - kTableGapMm;
  const TimeTableLayout layout = LayOutTimeTable(
      table, left, right, NoteTextHeight(ctx), ClampToDevice(kLeastLegendSampleMm * g.pixelsPerMmX),
      ClampToDevice(roomMm * g.pixelsPerMmY));
  PaperBox graphBox = box;
  graphBox.topMm += historyMm;
  graphBox.bottomMm = std::max(graphBox.topMm + kLeastFrameMm,
                               box.bottomMm - layout.Height() / g.pixelsPerMmY - kTableGapMm);
  GraphFrame frame = FrameOnDevice(
      ctx, graphBox, {static_cast<double>(decades.first), static_cast<double>(decades.last), 1.0},
      SettlementRange(curves));
  frame.acrossScale = AxisScale::kLog;
  DrawGraphHeading(dc, ctx, box, heading);
  if (!stages.empty()) {
    const int top = ClampToDevice(box.topMm * g.pixelsPerMmY);
    DrawLoadHistory(dc, ctx, frame, top, ClampToDevice(top + kLoadHistoryMm * g.pixelsPerMmY),
                    stages, samples);
  }
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
  std::vector<const SettlementColumn*> values;
  for (const SettlementColumnResult* column : columns)
    values.push_back(&column->values);
  std::vector<NumberedColumn> chosen;
  if (computed) {
    for (const std::size_t i : ShownTimeColumns(values, settlement.model->profile().timeColumns))
      chosen.push_back({static_cast<int>(i) + 1, columns[i], &CourseOf(settlement, *columns[i]),
                        UndrainedCourseOf(settlement, *columns[i])});
  }
  const int graphs = GraphCount(chosen.size());
  if (dc == nullptr || !draw) return graphs;
  DrawDisplayTitle(*dc, ctx, problem, DisplayKind::SettlementTime);
  PaperBox box = DepthGraphBox(ctx);
  if (problem == Problem::RectCircle)
    if (const std::optional<double> note = CircleMethodNoteTopMm(ctx))
      box.bottomMm = std::min(box.bottomMm, *note - kTableGapMm);
  if (!computed) {
    DrawLinesInBox(*dc, ctx, box, UnreadProfileLines(settlement));
    return graphs;
  }
  if (columns.empty()) {
    DrawLinesInBox(*dc, ctx, box, {"沈下量を求める列がありません（荷重または計算点がありません）"});
    return graphs;
  }
  if (chosen.empty()) {
    DrawLinesInBox(
        *dc, ctx, box,
        {"時間－沈下曲線の列 (timecols) に、この荷重の列の番号がありません（列は 1 から " +
         std::to_string(columns.size()) + " まで）"});
    return graphs;
  }
  const int graph = std::clamp(ctx.view.currentPage, 1, graphs);
  const auto first = chosen.begin() + (graph - 1) * kColumnsPerGraph;
  const std::vector<NumberedColumn> shown(
      first, first + std::min<std::ptrdiff_t>(kColumnsPerGraph, chosen.end() - first));
  const std::string heading =
      std::string(problem == Problem::Strip ? "帯状荷重" : "長方形円形荷重") + " 時間－沈下曲線" +
      (graphs > 1 ? FormatC("　(%d/%d)", graph, graphs) : std::string());
  DrawTimeGraph(*dc, ctx, box, settlement, shown, heading);
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
