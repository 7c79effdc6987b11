// The strip-load results table as a model.
#include "analysis/strip_results_model.h"

#include <memory>
#include <utility>

#include "analysis/table_cells.h"
#include "base/c_locale.h"
#include "document/point_values.h"

namespace qel {

namespace {

// The course of the calculation of the strip problem. It keeps what it lists, so that it does
// not depend on the document once built.
class StripTrace : public CalculationTrace {
 public:
  StripTrace(const StripProblem& strip, const SystemSettings& settings)
      : influenceFormat_(DigitFormat(settings.influenceDigits)),
        stressFormat_(DigitFormat(settings.stressDigits)) {
    for (std::size_t set = 0; set < kStripSets; ++set) {
      pieces_[set] = strip.sets[set].calculated;
      hasData_[set] = strip.sets[set].hasData;
    }
    strip.points.ForEach([&](const StripPoint& at) { points_.push_back(at); });
  }

  std::size_t PointCount() const override { return points_.size(); }

  // The point's number and position; for every piece its set and No. with its shape, then I and
  // dP at the point.
  TracePoint Point(std::size_t index) const override {
    const double x = points_[index].x, z = points_[index].z;
    TracePoint point;
    point.heading = FormatC("計算点 P%d(%4.2f,%4.2f)", static_cast<int>(index) + 1,
                            AtTwoDecimals(x), AtTwoDecimals(z));
    const bool bothSets = hasData_[0] && hasData_[1];
    for (std::size_t set = 0; set < kStripSets; ++set) {
      for (const StripPieceRow& row : pieces_[set]) {
        const StripPiece& piece = row.piece;
        TraceLine shape, values;
        if (bothSets)
          shape[0] = FormatC("荷重%d 帯状荷重 No.%2d", static_cast<int>(set) + 1, row.number);
        else if (hasData_[set])
          shape[0] = FormatC("　　　帯状荷重 No.%2d", row.number);
        shape[2] =
            FormatC("x(%4.2f, %4.2f, %4.2f, %4.2f)  h=%4.2f γ=%4.2f", AtTwoDecimals(piece.x1),
                    AtTwoDecimals(piece.x2), AtTwoDecimals(piece.x3), AtTwoDecimals(piece.x4),
                    AtTwoDecimals(piece.h), AtTwoDecimals(piece.gamma));
        values[1] = "I=" + FormatUnsignedZero(influenceFormat_, StripPieceI(piece, x, z));
        values[2] = "dP=" + FormatUnsignedZero(stressFormat_, StripPieceStress(piece, x, z));
        point.loads.push_back({std::move(shape), std::move(values)});
      }
    }
    return point;
  }

 private:
  const char* influenceFormat_;
  const char* stressFormat_;
  std::vector<StripPieceRow> pieces_[kStripSets];
  bool hasData_[kStripSets] = {false, false};
  std::vector<StripPoint> points_;
};

// The course as a file takes it: after the depths, one section per point P (numbered as the
// pages number them), with a row per piece of both sets: its set, No., I and dP at the point.
void AddCourseSections(TableModel& table, const StripProblem& strip,
                       const SystemSettings& settings) {
  const std::size_t first = table.columns.size();
  for (TableColumnHeading heading : {Heading("P"), Heading("荷重"), Heading("No."), Heading("I"),
                                     Heading("dP 荷重ごと", StressUnitText(settings))})
    table.columns.push_back(std::move(heading));
  const char* influenceFormat = DigitFormat(settings.influenceDigits);
  const char* stressFormat = DigitFormat(settings.stressDigits);
  int number = 0;
  strip.points.ForEach([&](const StripPoint& at) {
    TableSection& section = table.sections.emplace_back();
    const std::string point = FormatC("P%d", ++number);
    section.title =
        FormatC("計算点 %s(%4.2f,%4.2f)", point.c_str(), AtTwoDecimals(at.x), AtTwoDecimals(at.z));
    section.key = {FormatUnsignedZero("%4.2f", at.z)};
    section.columns = {first, 0, first + 1, first + 2, first + 3, first + 4};
    for (std::size_t set = 0; set < kStripSets; ++set)
      for (const StripPieceRow& row : strip.sets[set].calculated) {
        TableModelRow& line = section.rows.emplace_back();
        line.cells = {point,
                      FormatUnsignedZero("%5.2f", at.x),
                      FormatC("%zu", set + 1),
                      FormatC("%d", row.number),
                      FormatUnsignedZero(influenceFormat, StripPieceI(row.piece, at.x, at.z)),
                      FormatUnsignedZero(stressFormat, StripPieceStress(row.piece, at.x, at.z))};
        line.exact = {""};
      }
  });
}

}  // namespace

TableModel StripResultsModel(const StripProblem& strip, const ResultsGrid& results,
                             const SystemSettings& settings, TableUse use) {
  TableModel table;
  const char* unit = StressUnitText(settings);
  table.keyColumns = {Heading("Z", "m", true)};
  table.columns = {Heading("X", "m", true), Heading("dP", unit, true)};
  table.exactColumns = {Heading("dP 全桁", unit)};
  const char* stressFormat = DigitFormat(settings.stressDigits);
  const std::vector<PointValue>& xs = strip.points.xs();
  for (const PointValue& z : strip.points.depths()) {
    TableSection& section = table.sections.emplace_back();
    const std::string depth = FormatUnsignedZero("%4.2f", z.value);
    section.title = PrintedHeading(table.keyColumns[0]) + "  " + depth;
    section.key = {depth};
    section.columns = {0, 1};
    for (const PointValue& x : xs) {
      const double dP = results.strip(x.row, z.row);
      TableModelRow& row = section.rows.emplace_back();
      row.cells = {FormatUnsignedZero("%5.2f", x.value), StressCellText(z.value, stressFormat, dP)};
      row.exact = {ExactStressText(z.value, dP)};
    }
  }
  table.notes = PointNotes(strip.pointExclusions);
  if (strip.style.showCalcTrace) {
    if (use == TableUse::Page)
      table.trace = std::make_unique<StripTrace>(strip, settings);
    else
      AddCourseSections(table, strip, settings);
  }
  return table;
}

}  // namespace qel
