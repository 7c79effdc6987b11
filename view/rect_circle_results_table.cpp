// The rectangular and circular results table: dP at every lattice point, optionally the course
// of the calculation load by load, then one line per lattice point.
#include <algorithm>
#include <optional>

#include "base/c_locale.h"
#include "document/circle_rows.h"
#include "document/document_results.h"
#include "document/lattice_points.h"
#include "document/load_lists.h"
#include "document/point_values.h"
#include "document/problem_common.h"
#include "document/rectangle_rows.h"
#include "engine/worker_threads.h"
#include "settings/number_format.h"
#include "view/exclusion_notes.h"
#include "view/render_caches.h"
#include "view/renderers.h"
#include "view/table_layout.h"

namespace qel {

namespace {

// Column positions in millimetres.
constexpr int kColumn1Mm = 1, kColumn2Mm = 26, kColumn3Mm = 51, kColumn4Mm = 76, kColumn5Mm = 101;
// At or below these raw depths the ratios divided by the depth are shown as infinite.
constexpr double kFlatRectangleDepth = 1.01e-05;
constexpr double kFlatCircleDepth = 1e-05;
// Points laid out by one worker at a time when the course listing is built in parallel.
constexpr std::size_t kTracePointsPerChunk = 8;

struct LatticeTableOptions {
  bool showTrace = false;
  int influenceDigits = 0;
  int stressDigits = 0;
  bool kiloNewtons = false;
};

LatticeTableOptions OptionsOf(const RenderContext& ctx) {
  LatticeTableOptions options;
  options.showTrace = ctx.document.plan().style.showCalcTrace;
  options.influenceDigits = ctx.settings.influenceDigits;
  options.stressDigits = ctx.settings.stressDigits;
  options.kiloNewtons = ctx.settings.unitSystem != 0;
  return options;
}

TableContentKey ContentKey(const ResultsKey& results, const LatticeTableOptions& options) {
  return {results,
          0,
          {options.showTrace, options.influenceDigits, options.stressDigits, options.kiloNewtons}};
}

// One point of the course listing.
struct TracePoint {
  int number = 0;
  double x = 0, y = 0;
  double rawZ = 0;  // as entered
  double z = 0;     // floored to 1e-5
};

// The loads the calculation uses, with the numbers their rows show.
struct NumberedLoads {
  std::vector<RectangleRow> rectangles;
  std::vector<CircleRow> circles;
};

// The points the computation visits, numbered from 1.
std::vector<TracePoint> TracePoints(const DocumentTables& tables) {
  std::vector<TracePoint> points;
  LatticePoints(tables).ForEachComputed([&](const GridPoint& at) {
    TracePoint point;
    point.number = static_cast<int>(points.size()) + 1;
    point.x = at.x;
    point.y = at.y;
    point.rawZ = at.z;
    point.z = FlooredLatticeDepth(at.z);
    points.push_back(point);
  });
  return points;
}

// One point of the course listing: its heading, then the lines of every load. The heading
// begins every page the point goes on to, marked as continued; a load's lines stay together,
// and the heading with the first load.
void AddPointTrace(const TracePoint& point, const NumberedLoads& numbered,
                   const LatticeTableOptions& options, CircleMethod method, TableContent& content) {
  const double c1 = TableColumn(kColumn1Mm), c2 = TableColumn(kColumn2Mm),
               c3 = TableColumn(kColumn3Mm), c4 = TableColumn(kColumn4Mm);
  const char* signedInfluence = SignedDigitFormat(options.influenceDigits);
  const char* influence = DigitFormat(options.influenceDigits);
  const char* stress = DigitFormat(options.stressDigits);
  const double x = point.x, y = point.y, z = point.z;

  content.NextLine();
  const std::size_t headingLine = content.LineCount();
  content.BeginHeading(HeadingMark::Continued);
  content.NextLine();
  content.AddText(c1, FormatC("計算点 P%d(%4.2f,%4.2f,%4.2f)", point.number, AtTwoDecimals(x),
                              AtTwoDecimals(y), AtTwoDecimals(point.rawZ)));
  content.EndHeading();
  bool firstLoad = true;
  const auto endLoad = [&](std::size_t loadLine) {
    content.KeepTogether(loadLine);
    if (firstLoad) content.KeepTogether(headingLine);
    firstLoad = false;
  };

  const bool flatRectangleRatios = !(point.rawZ > kFlatRectangleDepth);
  const std::vector<RectangleRow>& rectangles = numbered.rectangles;
  for (std::size_t m = 0; m < rectangles.size(); ++m) {
    const RectLoad& rect = rectangles[m].load;
    const std::size_t loadLine = content.LineCount();
    content.NextLine();
    content.AddText(c1,
                    FormatC("[%d] 長方形 No.%2d", static_cast<int>(m + 1), rectangles[m].number));
    content.AddText(c3, FormatC("R1(%4.2f,%4.2f)  R2(%4.2f,%4.2f) q=%4.2f", AtTwoDecimals(rect.x1),
                                AtTwoDecimals(rect.y1), AtTwoDecimals(rect.x2),
                                AtTwoDecimals(rect.y2), AtTwoDecimals(rect.q)));
    content.NextLine();
    content.AddText(c2, "I");
    content.AddText(c3, "x/z");
    content.AddText(c4, "y/z");
    const RectangleTerms terms =
        RectangleInfluenceTerms(x, y, z, rect.x1, rect.y1, rect.x2, rect.y2);
    for (int corner = 0; corner < 4; ++corner) {
      content.NextLine();
      content.AddText(c1, FormatC("(%d)", corner + 1));
      content.AddText(c2, FormatUnsignedZero(signedInfluence, terms.signedValue[corner]));
      content.AddText(
          c3, flatRectangleRatios ? "∞" : FormatUnsignedZero("%4.2f", terms.ratioX[corner]));
      content.AddText(
          c4, flatRectangleRatios ? "∞" : FormatUnsignedZero("%4.2f", terms.ratioY[corner]));
    }
    content.NextLine();
    content.AddText(c2, "I=" + FormatUnsignedZero(influence, terms.sum));
    content.AddText(c3, "dP=" + FormatUnsignedZero(stress, terms.sum * rect.q));
    endLoad(loadLine);
  }

  const bool flatCircleRatio = !(point.rawZ > kFlatCircleDepth);
  const std::vector<CircleRow>& circles = numbered.circles;
  for (std::size_t m = 0; m < circles.size(); ++m) {
    const CircleLoad& circle = circles[m].load;
    const double distance = CircleDistance(method, x, y, circle.x, circle.y);
    const double value = CircularLoadInfluence(circle.r, distance, z, method);
    const std::size_t loadLine = content.LineCount();
    content.NextLine();
    content.AddText(c1, FormatC("[%d] 円形 No.%2d", static_cast<int>(m + 1), circles[m].number));
    content.AddText(
        c3, FormatC("C(%4.2f,%4.2f)  r=%4.2f q=%4.2f", AtTwoDecimals(circle.x),
                    AtTwoDecimals(circle.y), AtTwoDecimals(circle.r), AtTwoDecimals(circle.q)));
    content.NextLine();
    content.AddText(c3, "r/z");
    content.AddText(c4, "a/r");
    content.NextLine();
    content.AddText(c3, flatCircleRatio ? "∞" : FormatUnsignedZero("%4.4f", circle.r / z));
    content.AddText(c4, FormatUnsignedZero("%4.4f", distance / circle.r));
    content.NextLine();
    content.AddText(c2, "I=" + FormatUnsignedZero(influence, value));
    content.AddText(c3, "dP=" + FormatUnsignedZero(stress, value * circle.q));
    endLoad(loadLine);
  }
  content.EndHeadingScope();
}

// The course listing of every point. A circle's value costs hundreds of integrand
// evaluations, so the points are shared among the cores, each laying out whole points into
// its own part; the parts are then joined in point order, which keeps the text unchanged.
void AddTrace(const DocumentTables& tables, const LatticeTableOptions& options, CircleMethod method,
              TableContent& content) {
  const NumberedLoads numbered{CalculatedRectangles(tables), CalculatedCircles(tables)};
  const std::vector<TracePoint> points = TracePoints(tables);
  const std::size_t chunks = (points.size() + kTracePointsPerChunk - 1) / kTracePointsPerChunk;
  std::vector<TableContent> parts(chunks);
  for (TableContent& part : parts)
    part.SetTextMeasure(content.textMeasure());
  ChunkQueue queue(chunks);
  RunWorkers(kAllWorkers, [&] {
    while (std::optional<std::size_t> chunk = queue.Next()) {
      const std::size_t end = std::min(points.size(), (*chunk + 1) * kTracePointsPerChunk);
      for (std::size_t i = *chunk * kTracePointsPerChunk; i < end; ++i)
        AddPointTrace(points[i], numbered, options, method, parts[*chunk]);
    }
  });
  content.AppendAll(parts);
  content.NextLine();  // a blank line closes the listing
}

// The header, then one line per listed point: negative depths included, z outermost, x
// innermost, numbered from 1.
void AddFinalTable(const DocumentTables& tables, const ResultsGrid& results,
                   const LatticeTableOptions& options, TableContent& content) {
  const double c1 = TableColumn(kColumn1Mm), c2 = TableColumn(kColumn2Mm),
               c3 = TableColumn(kColumn3Mm), c4 = TableColumn(kColumn4Mm),
               c5 = TableColumn(kColumn5Mm);
  const char* stress = DigitFormat(options.stressDigits);
  // The column headings begin every page of the table, and never end a page alone.
  content.BeginHeading();
  content.NextLine();
  content.AddText(c1, "計算点");
  content.AddText(c2, "x");
  content.AddText(c3, "y");
  content.AddText(c4, "z");
  content.AddText(c5, options.kiloNewtons ? "dP kN/㎡" : "dP tf/㎡");
  content.EndHeading();
  int number = 0;
  LatticePoints(tables).ForEachListed([&](const GridPoint& point) {
    content.NextLine();
    content.AddText(c1, FormatC("P%d", ++number));
    content.AddText(c2, FormatUnsignedZero("%4.2f", point.x));
    content.AddText(c3, FormatUnsignedZero("%4.2f", point.y));
    content.AddText(c4, FormatUnsignedZero("%4.2f", point.z));
    content.AddText(
        c5, StressCellText(point.z, stress, results.at(point.xRow, point.yRow, point.zRow)));
  });
  content.EndHeadingScope();
  AddNoteLines(content, c1, PointNotes(FindExcludedPoints(tables, true)));
}

}  // namespace

int RenderRectCircleResults(RenderContext& ctx, DeviceContext* dc, bool draw) {
  const ResultsGrid& results = LatticeResultsOf(ctx);
  const LatticeTableOptions options = OptionsOf(ctx);
  TableDisplay display{Problem::RectCircle, DisplayKind::Results, kRectCircleFont,
                       ctx.view.screenLineSteps.rectCircleResults, ctx.caches.rectCircleResults};
  return RenderTable(ctx, dc, draw, display,
                     ContentKey(LatticeResultsKey(ctx.document, ctx.circleMethod), options),
                     [&](TableContent& content) {
                       if (options.showTrace)
                         AddTrace(ctx.document.cells(), options, ctx.circleMethod, content);
                       content.BreakPastTwoThirds();
                       AddFinalTable(ctx.document.cells(), results, options, content);
                     });
}

}  // namespace qel
