// The rectangular and circular results table as a model.
#include "analysis/rect_circle_results_model.h"

#include <memory>
#include <utility>

#include "analysis/table_cells.h"
#include "base/c_locale.h"
#include "document/load_lists.h"
#include "document/point_values.h"

namespace qel {

namespace {

// At or below these raw depths the ratios divided by the depth are shown as infinite.
constexpr double kFlatRectangleDepth = 1.01e-05;
constexpr double kFlatCircleDepth = 1e-05;

// The course of the calculation of the lattice. It keeps what it lists, so that it does not
// depend on the document once built.
class LatticeTrace : public CalculationTrace {
 public:
  LatticeTrace(const PlanProblem& plan, CircleMethod method, const SystemSettings& settings)
      : rectangles_(plan.rectangles.calculated),
        circles_(plan.circles.calculated),
        method_(method),
        signedInfluence_(SignedDigitFormat(settings.influenceDigits)),
        influence_(DigitFormat(settings.influenceDigits)),
        stress_(DigitFormat(settings.stressDigits)) {
    plan.lattice.ForEachComputed([&](const GridPoint& at) { points_.push_back(at); });
  }

  std::size_t PointCount() const override { return points_.size(); }

  // The point's number and position as entered; for every rectangle its corners and q, the
  // signed I and the ratios of each corner's rectangle, then I and dP; for every circle its
  // centre, radius and q, r/z and a/r, then I and dP. The depth computed with is floored to
  // 1e-5.
  TracePoint Point(std::size_t index) const override {
    const GridPoint& at = points_[index];
    const double x = at.x, y = at.y, rawZ = at.z, z = FlooredLatticeDepth(at.z);
    TracePoint point;
    point.heading = FormatC("計算点 P%d(%4.2f,%4.2f,%4.2f)", static_cast<int>(index) + 1,
                            AtTwoDecimals(x), AtTwoDecimals(y), AtTwoDecimals(rawZ));

    const bool flatRectangleRatios = !(rawZ > kFlatRectangleDepth);
    for (std::size_t m = 0; m < rectangles_.size(); ++m) {
      const RectLoad& rect = rectangles_[m].load;
      std::vector<TraceLine>& lines = point.loads.emplace_back();
      lines.push_back(
          {FormatC("[%d] 長方形 No.%2d", static_cast<int>(m + 1), rectangles_[m].number), "",
           FormatC("R1(%4.2f,%4.2f)  R2(%4.2f,%4.2f) q=%4.2f", AtTwoDecimals(rect.x1),
                   AtTwoDecimals(rect.y1), AtTwoDecimals(rect.x2), AtTwoDecimals(rect.y2),
                   AtTwoDecimals(rect.q)),
           ""});
      lines.push_back({"", "I", "x/z", "y/z"});
      const RectangleTerms terms =
          RectangleInfluenceTerms(x, y, z, rect.x1, rect.y1, rect.x2, rect.y2);
      for (int corner = 0; corner < 4; ++corner) {
        lines.push_back(
            {FormatC("(%d)", corner + 1),
             FormatUnsignedZero(signedInfluence_, terms.signedValue[corner]),
             flatRectangleRatios ? "∞" : FormatUnsignedZero("%4.2f", terms.ratioX[corner]),
             flatRectangleRatios ? "∞" : FormatUnsignedZero("%4.2f", terms.ratioY[corner])});
      }
      lines.push_back({"", "I=" + FormatUnsignedZero(influence_, terms.sum),
                       "dP=" + FormatUnsignedZero(stress_, terms.sum * rect.q), ""});
    }

    const bool flatCircleRatio = !(rawZ > kFlatCircleDepth);
    for (std::size_t m = 0; m < circles_.size(); ++m) {
      const CircleLoad& circle = circles_[m].load;
      const double distance = CircleDistance(method_, x, y, circle.x, circle.y);
      const double value = CircularLoadInfluence(circle.r, distance, z, method_);
      std::vector<TraceLine>& lines = point.loads.emplace_back();
      lines.push_back(
          {FormatC("[%d] 円形 No.%2d", static_cast<int>(m + 1), circles_[m].number), "",
           FormatC("C(%4.2f,%4.2f)  r=%4.2f q=%4.2f", AtTwoDecimals(circle.x),
                   AtTwoDecimals(circle.y), AtTwoDecimals(circle.r), AtTwoDecimals(circle.q)),
           ""});
      lines.push_back({"", "", "r/z", "a/r"});
      lines.push_back({"", "", flatCircleRatio ? "∞" : FormatUnsignedZero("%4.4f", circle.r / z),
                       FormatUnsignedZero("%4.4f", distance / circle.r)});
      lines.push_back({"", "I=" + FormatUnsignedZero(influence_, value),
                       "dP=" + FormatUnsignedZero(stress_, value * circle.q), ""});
    }
    return point;
  }

 private:
  std::vector<RectangleRow> rectangles_;
  std::vector<CircleRow> circles_;
  CircleMethod method_;
  const char* signedInfluence_;
  const char* influence_;
  const char* stress_;
  std::vector<GridPoint> points_;
};

}  // namespace

TableModel RectCircleResultsModel(const PlanProblem& plan, const ResultsGrid& results,
                                  CircleMethod circles, const SystemSettings& settings,
                                  TableUse use) {
  TableModel table;
  const char* unit = StressUnitText(settings);
  table.columns = {Heading("計算点"), Heading("x", "m"), Heading("y", "m"), Heading("z", "m"),
                   Heading("dP", unit, true)};
  table.exactColumns = {Heading("dP 全桁", unit)};
  const char* stressFormat = DigitFormat(settings.stressDigits);
  TableSection& section = table.sections.emplace_back();
  section.columns = {0, 1, 2, 3, 4};
  int number = 0;
  plan.lattice.ForEachListed([&](const GridPoint& point) {
    const double dP = results.at(point.xRow, point.yRow, point.zRow);
    TableModelRow& row = section.rows.emplace_back();
    row.cells = {FormatC("P%d", ++number), FormatUnsignedZero("%4.2f", point.x),
                 FormatUnsignedZero("%4.2f", point.y), FormatUnsignedZero("%4.2f", point.z),
                 StressCellText(point.z, stressFormat, dP)};
    row.exact = {ExactStressText(point.z, dP)};
  });
  table.notes = PointNotes(plan.pointExclusions);
  // The pages say so at their foot; a file says so under its rows.
  if (circles == CircleMethod::kCompatible && !plan.circles.listed.empty())
    table.fileNotes.push_back("円形荷重は旧版互換の計算方法による値です");
  if (use == TableUse::Page && plan.style.showCalcTrace)
    table.trace = std::make_unique<LatticeTrace>(plan, circles, settings);
  return table;
}

}  // namespace qel
