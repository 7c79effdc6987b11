// A plate's page: its readings, the fitted curves and the calculated curve against time, and
// under the graph the legend with the table of the fits.
#include <algorithm>
#include <cmath>

#include "analysis/settlement_time.h"
#include "base/c_locale.h"
#include "view/drawing.h"
#include "view/figure_common.h"
#include "view/figure_notes.h"
#include "view/plate_pages.h"
#include "view/text_wrap.h"

namespace qel {

namespace {

constexpr Colour kBlack = 0x000000;
// The curve styles: the readings' marker, the calculated curve's line, then the fits' four.
constexpr int kReadingsStyle = 0;
constexpr int kCalculatedStyle = 1;
constexpr int kFirstFitStyle = 2;
constexpr int kFitStyles = kCurveStyles - kFirstFitStyle;
constexpr int kCurveSamples = 200;
// A fitted S∞ far beyond the readings would flatten them against the top: the axis reaches
// at most this many times the largest reading, the table giving the value.
constexpr double kMostAxisOverReadings = 3.0;
constexpr double kFinalMarkMm = 8.0;      // the length of an S∞ mark at the right edge
constexpr double kLeastGraphMm = 40.0;    // the least height of the graph's frame
constexpr double kMostGraphShare = 0.75;  // of the frame's width: the graph's greatest height
// Where the legend table's cells begin, in millimetres from its left edge: the sample, then
// the columns of the fits' table up to the residual; the reason of a fit that cannot be made
// begins at S0's place.
constexpr double kSampleMm = 12.0;
constexpr double kCellMm[] = {14, 30, 42, 54, 64, 78, 92, 106, 118, 132};
constexpr std::size_t kLegendCells = std::size(kCellMm);

int StyleOfFit(std::size_t fit) {
  return kFirstFitStyle + static_cast<int>(fit % kFitStyles);
}

struct GraphCurves {
  std::vector<DepthCurve> curves;  // indexed by style; empty where a style is unused
  double lastDay = 1.0;            // the right end of the axis before rounding
  double deepest = 0.0;            // cm
  std::vector<double> finals;      // cm, of each fit made, in the order of `fits`
  std::vector<int> styles;         // of each fit made
};

// The days 0 .. `last` the calculated curve is drawn at.
std::vector<double> EvenDays(double last) {
  std::vector<double> days;
  for (int i = 0; i <= kCurveSamples; ++i)
    days.push_back(last * i / kCurveSamples);
  return days;
}

// Every curve of the graph, batch by batch of kFitStyles fits: the readings and the calculated
// curve go with the first batch.
std::vector<GraphCurves> CurvesOf(const PlateComparison& comparison,
                                  const SettlementCourseModel* model,
                                  const PlatePrediction& plate) {
  // Batches are added as the fits need them: the first is reached by its place, never by a
  // reference that an added batch would leave dangling.
  std::vector<GraphCurves> batches(1);
  batches[0].curves.resize(kCurveStyles);
  double largestReading = 0.0;
  for (const SettlementReading& r : plate.plate.readings) {
    batches[0].curves[kReadingsStyle].marks.push_back({r.s * 100.0, r.t, {}});
    batches[0].lastDay = std::max(batches[0].lastDay, r.t);
    largestReading = std::max(largestReading, r.s * 100.0);
  }
  std::size_t made = 0;
  for (const PlateFitPrediction& prediction : plate.fits) {
    if (!prediction.outcome.fit) continue;
    const SettlementFit& fit = *prediction.outcome.fit;
    if (made > 0 && made % kFitStyles == 0) batches.emplace_back().curves.resize(kCurveStyles);
    const int style = StyleOfFit(made++);
    DepthCurve& curve = batches.back().curves[static_cast<std::size_t>(style)];
    for (const double t : FitCurveDays(plate.plate, fit)) {
      curve.samples.push_back({fit.At(t) * 100.0, t});
      batches[0].lastDay = std::max(batches[0].lastDay, t);
    }
    if (fit.t90) curve.marks.push_back({fit.At(*fit.t90) * 100.0, *fit.t90, {}});
    batches[0].finals.push_back(fit.sFinal * 100.0);
    batches[0].styles.push_back(style);
  }
  if (model && plate.nearest) {
    const SettlementCourse& course = comparison.courses[plate.nearest->index];
    const std::vector<double> days = EvenDays(batches[0].lastDay);
    const std::vector<std::optional<double>> s = CalculatedSettlement(*model, course, days);
    for (std::size_t i = 0; i < days.size(); ++i)
      if (s[i] && std::isfinite(*s[i]))
        batches[0].curves[kCalculatedStyle].samples.push_back({*s[i] * 100.0, days[i]});
  }
  double deepest = largestReading;
  for (const GraphCurves& batch : batches)
    for (const DepthCurve& curve : batch.curves)
      for (const DepthSample& sample : curve.samples)
        if (std::isfinite(sample.z)) deepest = std::max(deepest, sample.z);
  for (const double final : batches[0].finals)
    if (std::isfinite(final)) deepest = std::max(deepest, final);
  if (largestReading > 0.0) deepest = std::min(deepest, kMostAxisOverReadings * largestReading);
  batches[0].deepest = deepest;
  return batches;
}

// One line of the legend under the graph: a sample of a curve's style (none: -1), then either
// the cells of a fit's row at their columns or one text from the first column on.
struct LegendLine {
  int style = -1;
  bool marksOnly = false;  // the readings: their marker without a line
  std::vector<std::string> cells;
  std::string text;
  double textMm = kCellMm[0];  // where the text begins
};

std::vector<LegendLine> LegendLines(const PlatePrediction& plate, const TableModel& table,
                                    std::size_t index, double widthMm, double textMm) {
  std::vector<LegendLine> lines;
  LegendLine heading, units;
  for (std::size_t c = 0; c < kLegendCells; ++c) {
    heading.cells.push_back(table.columns[c].text);
    units.cells.push_back(table.columns[c].unit.empty() ? "" : "(" + table.columns[c].unit + ")");
  }
  lines.push_back(heading);
  lines.push_back(units);
  const SettlementPlate& p = plate.plate;
  LegendLine readings{kReadingsStyle, true, {}, FormatC("実測値 %zu 個", p.readings.size())};
  if (!p.readings.empty())
    readings.text += FormatC("  (最後の読み値 t = %g 日, S = %.2f cm)", p.readings.back().t,
                             p.readings.back().s * 100.0);
  lines.push_back(readings);
  lines.push_back({plate.nearest ? kCalculatedStyle : -1, false, {}, NearestColumnText(plate)});
  const double reasonEms = (widthMm - kCellMm[kFitS0Column]) / textMm;
  const TableSection& section = table.sections[index];
  std::size_t made = 0;
  for (std::size_t i = 0; i < section.rows.size() && i < plate.fits.size(); ++i) {
    const TableModelRow& row = section.rows[i];
    const bool fitted = plate.fits[i].outcome.fit.has_value();
    LegendLine line{fitted ? StyleOfFit(made++) : -1, false, {}, {}};
    for (std::size_t c = 0; c < kLegendCells; ++c)
      line.cells.push_back(fitted || c < kFitS0Column ? row.cells[c] : std::string());
    if (!fitted) {
      const std::vector<std::string> reason = WrapText(row.cells[kFitReasonColumn], reasonEms);
      line.text = reason.front();
      line.textMm = kCellMm[kFitS0Column];
      lines.push_back(line);
      for (std::size_t k = 1; k < reason.size(); ++k)
        lines.push_back({-1, false, {}, reason[k], kCellMm[kFitS0Column]});
      continue;
    }
    lines.push_back(line);
  }
  const std::string nearest = NearestColumnText(plate);
  std::vector<std::string> notes;
  for (const std::string& note : section.notes)
    if (note != nearest) notes.push_back(note);
  notes.insert(notes.end(), table.preamble.begin(), table.preamble.end());
  for (const std::string& note : notes)
    for (const std::string& part : WrapText(note, (widthMm - kCellMm[0]) / textMm))
      lines.push_back({-1, false, {}, part});
  return lines;
}

// A sample of a curve's style drawn as the graph draws the curve: through a small frame of its
// own, so that the marker and line are the graph's.
void DrawSample(DeviceContext& dc, RenderContext& ctx, const LegendLine& line, int left, int right,
                int top, int bottom) {
  if (line.style < 0) return;
  GraphFrame frame;
  frame.left = left, frame.right = right, frame.top = top, frame.bottom = bottom;
  std::vector<DepthCurve> curves(static_cast<std::size_t>(line.style) + 1);
  DepthCurve& curve = curves.back();
  if (line.marksOnly)
    curve.marks.push_back({0.5, 0.5, {}});
  else
    curve.samples = {{0.5, 0.0}, {0.5, 1.0}};
  if (line.style >= kFirstFitStyle) curve.marks.push_back({0.5, 0.5, {}});
  DrawDepthCurves(dc, ctx, frame, curves);
}

void DrawLegend(DeviceContext& dc, RenderContext& ctx, const std::vector<LegendLine>& lines,
                int left, int top, int row) {
  const DeviceGeometry& g = ctx.geometry;
  auto x = [&](double mm) { return left + ClampToDevice(mm * g.pixelsPerMmX); };
  const int h = NoteTextHeight(ctx);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const LegendLine& line = lines[i];
    const int y = top + static_cast<int>(i) * row;
    DrawSample(dc, ctx, line, x(0.5), x(kSampleMm), y, y + h);
    if (!CreateTextFont(dc, kBlack, h, ctx.fonts[kPageFont].faceName, 0, false))
      ++ctx.shortfalls.fontsNotMade;
    dc.SetTextAlign(TextAlign::LeftTop);
    for (std::size_t c = 0; c < line.cells.size() && c < kLegendCells; ++c)
      if (!line.cells[c].empty()) dc.TextOut(x(kCellMm[c]), y, line.cells[c]);
    if (!line.text.empty()) dc.TextOut(x(line.textMm), y, line.text);
  }
}

// S∞ of each fit: its sample at the right edge of the frame, and its value above it where that
// stays clear of the texts placed.
void DrawFinalMarks(DeviceContext& dc, RenderContext& ctx, const GraphFrame& frame,
                    const GraphCurves& curves, std::vector<PlacedNote>& taken) {
  const bool monochrome = IsMonochrome(ctx.settings);
  const int length = ClampToDevice(kFinalMarkMm * ctx.geometry.pixelsPerMmX);
  const int h = NoteTextHeight(ctx);
  for (std::size_t i = 0; i < curves.finals.size(); ++i) {
    const double final = curves.finals[i];
    if (!(final >= frame.depth.from && final <= frame.depth.to)) continue;
    const int y = frame.DepthToY(final);
    const CurveStyle style = CurveStyleOf(curves.styles[i], monochrome);
    DrawCurveSample(dc, ctx.transform, style, frame.right - length, frame.right, y);
    const std::string text = FormatC("S∞ %.2f", final);
    const int width = NoteTextWidth(text, h);
    const PlacedNote note{frame.right - length - width, y - h, frame.right - length, y, text};
    const bool clear = std::none_of(taken.begin(), taken.end(), [&](const PlacedNote& other) {
      return note.left <= other.right && other.left <= note.right && note.top <= other.bottom &&
             other.top <= note.bottom;
    });
    if (!clear) continue;
    if (!CreateTextFont(dc, style.colour, h, ctx.fonts[kPageFont].faceName, 0, false))
      ++ctx.shortfalls.fontsNotMade;
    dc.SetTextAlign(TextAlign::LeftTop);
    dc.TextOut(note.left, note.top, text);
    taken.push_back(note);
  }
}

}  // namespace

void DrawPlateGraphPage(DeviceContext& dc, RenderContext& ctx, const PaperBox& box,
                        const PlateComparison& comparison, const SettlementCourseModel* model,
                        std::size_t index, const TableModel& table) {
  const DeviceGeometry& g = ctx.geometry;
  const PlatePrediction& plate = comparison.predictions.plates[index];
  const std::vector<GraphCurves> batches = CurvesOf(comparison, model, plate);
  const double textMm = NoteTextHeight(ctx) / g.pixelsPerMmY;
  const double legendLeftMm = box.leftMm - kDepthValuesRoomMm;
  const std::vector<LegendLine> lines =
      LegendLines(plate, table, index, box.rightMm - legendLeftMm, textMm);
  const int h = NoteTextHeight(ctx);
  const int row = h + h / 3;
  const double legendMm = static_cast<double>(lines.size()) * row / g.pixelsPerMmY;
  const double widthMm = box.rightMm - box.leftMm;
  const double roomMm = box.bottomMm - box.topMm - legendMm - kGraphTableGapMm;
  PaperBox graphBox = box;
  graphBox.bottomMm = box.topMm + std::clamp(roomMm, kLeastGraphMm,
                                             std::max(kLeastGraphMm, kMostGraphShare * widthMm));
  const GraphCurves& first = batches.front();
  const AxisRange days = RoundAxisRange(0.0, first.lastDay, 8);
  const AxisRange settlement =
      first.deepest > 0.0 ? RoundAxisRange(0.0, first.deepest, 8) : AxisRange{0.0, 1.0, 0.2};
  const GraphFrame frame = FrameOnDevice(ctx, graphBox, days, settlement);
  DrawGraphHeading(dc, ctx, graphBox, PlateHeading(plate));
  std::vector<PlacedNote> taken;
  DrawGraphAxes(dc, ctx, frame, "t (日)", taken, "S (cm)");
  for (const GraphCurves& batch : batches)
    DrawDepthCurves(dc, ctx, frame, batch.curves);
  DrawFinalMarks(dc, ctx, frame, first, taken);
  const int legendLeft = ClampToDevice(legendLeftMm * g.pixelsPerMmX);
  DrawLegend(dc, ctx, lines, legendLeft,
             ClampToDevice(frame.bottom + kGraphTableGapMm * g.pixelsPerMmY), row);
}

}  // namespace qel
