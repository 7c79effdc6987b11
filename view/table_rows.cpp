// The four tables as rows of cells, each cell formatted as the table display prints it.
#include "view/table_rows.h"

#include "analysis/settlement_analysis.h"
#include "base/c_locale.h"
#include "document/circle_rows.h"
#include "document/document.h"
#include "document/excluded_loads.h"
#include "document/lattice_points.h"
#include "document/point_values.h"
#include "document/rectangle_rows.h"
#include "document/strip_pieces.h"
#include "document/strip_points.h"
#include "settings/number_format.h"
#include "view/exclusion_notes.h"
#include "view/settlement_rows.h"

namespace qel {

namespace {

// A cell as printed, without the blanks a field width adds for alignment.
std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The dP the calculation gave, to the last digit: empty where the display prints "－".
std::string FullPrecisionStress(double z, double value) {
  if (!IsUsableDepth(z)) return {};
  return FormatC("%.17g", value);
}

std::string WithUnit(const char* heading, const char* unit) {
  return std::string(heading) + " (" + unit + ")";
}

// Each note of `notes`, after the name of the list it belongs to when there is one.
void AddNotes(std::vector<std::string>& to, const std::string& list,
              const std::vector<std::string>& notes) {
  for (const std::string& note : notes) {
    if (note.empty()) continue;
    to.push_back(list.empty() ? note : list + ": " + note);
  }
}

TableRows StripData(const DocumentTables& tables, const SystemSettings& settings) {
  TableRows table;
  const char* weightUnit = settings.unitSystem != 0 ? "kN/m3" : "tf/m3";
  table.headings = {"荷重",   "No.",       "x1 (m)", "x2 (m)",
                    "x3 (m)", "x4 (m)",    "h (m)",  WithUnit("γ", weightUnit),
                    "y (m)",  kMarkHeading};
  const std::vector<ExcludedLoad> excluded = FindExcludedLoads(tables);
  for (int set = 1; set <= kStripSets; ++set) {
    const std::vector<ExcludedLoad> ofSet = ExclusionsOf(excluded, LoadKind::Strip, set);
    // A set without data lists no row, but its notes still name what it holds.
    const bool listed = StripSetHasData(tables, set);
    for (const StripPieceRow& row :
         listed ? ListedStripPieces(tables, set) : std::vector<StripPieceRow>()) {
      const StripPiece& p = row.piece;
      const double values[kStripColumns + 1] = {0,    0,   p.x1,    p.x2,     p.x3,
                                                p.x4, p.h, p.gamma, row.baseY};
      std::vector<std::string> cells{FormatC("%d", set), FormatC("%d", row.number)};
      for (int column = 2; column <= kStripColumns; ++column)
        cells.push_back(Trimmed(LoadCellText(row.outOfRange, column, values[column])));
      cells.push_back(IsMarkedRow(ofSet, row.row) ? kExclusionMark : "");
      table.rows.push_back(std::move(cells));
    }
    AddNotes(table.notes, FormatC("帯状荷重 %d", set), LoadNotes(ofSet, tables));
  }
  AddNotes(table.notes, "", PointNotes(FindExcludedPoints(tables, false)));
  return table;
}

TableRows StripResults(const Document& document, const DocumentResults& results,
                       const SystemSettings& settings) {
  const DocumentTables& tables = document.cells();
  TableRows table;
  const char* unit = StressUnitText(settings);
  table.headings = {"Z (m)", "X (m)", WithUnit("dP", unit), WithUnit("dP 全桁", unit)};
  const char* stressFormat = DigitFormat(settings.stressDigits);
  const ResultsGrid& grid = results.Strip(document);
  StripPoints(tables).ForEach([&](const StripPoint& at) {
    const double dP = grid.strip(at.xRow, at.zRow);
    table.rows.push_back(
        {Trimmed(FormatUnsignedZero("%4.2f", at.z)), Trimmed(FormatUnsignedZero("%5.2f", at.x)),
         Trimmed(StressCellText(at.z, stressFormat, dP)), FullPrecisionStress(at.z, dP)});
  });
  AddNotes(table.notes, "", PointNotes(FindExcludedPoints(tables, false)));
  return table;
}

TableRows RectCircleData(const DocumentTables& tables, const SystemSettings& settings) {
  TableRows table;
  table.headings = {
      "荷重",      "No.",   "R1 x (m)", "R1 y (m)", "R2 x (m)",
      "R2 y (m)",  "x (m)", "y (m)",    "r (m)",    WithUnit("q", StressUnitText(settings)),
      kMarkHeading};
  const std::vector<ExcludedLoad> excluded = FindExcludedLoads(tables);
  const std::vector<ExcludedLoad> rectangles = ExclusionsOf(excluded, LoadKind::Rectangle, 0);
  const std::vector<ExcludedLoad> circles = ExclusionsOf(excluded, LoadKind::Circle, 0);
  // `values` by heading index, in the order of the load table's columns from X1 on; the
  // columns of the other kind stay empty.
  auto addRow = [&](const char* kind, int number, int row, unsigned outOfRange,
                    const std::vector<std::pair<int, double>>& values,
                    const std::vector<ExcludedLoad>& list) {
    std::vector<std::string> cells(table.headings.size());
    cells[0] = kind;
    cells[1] = FormatC("%d", number);
    int column = 2;  // the load table's column of the first number
    for (const auto& [heading, value] : values)
      cells[static_cast<std::size_t>(heading)] = Trimmed(LoadCellText(outOfRange, column++, value));
    cells.back() = IsMarkedRow(list, row) ? kExclusionMark : "";
    table.rows.push_back(std::move(cells));
  };
  for (const RectangleRow& r : ListedRectangles(tables)) {
    addRow("長方形荷重", r.number, r.row, r.outOfRange,
           {{2, r.load.x1}, {3, r.load.y1}, {4, r.load.x2}, {5, r.load.y2}, {9, r.load.q}},
           rectangles);
  }
  for (const CircleRow& c : ListedCircles(tables)) {
    addRow("円形荷重", c.number, c.row, c.outOfRange,
           {{6, c.load.x}, {7, c.load.y}, {8, c.load.r}, {9, c.load.q}}, circles);
  }
  AddNotes(table.notes, "長方形荷重", LoadNotes(rectangles, tables));
  AddNotes(table.notes, "円形荷重", LoadNotes(circles, tables));
  AddNotes(table.notes, "", PointNotes(FindExcludedPoints(tables, true)));
  return table;
}

TableRows RectCircleResults(const Document& document, const DocumentResults& results,
                            CircleMethod circles, const SystemSettings& settings) {
  const DocumentTables& tables = document.cells();
  TableRows table;
  const char* unit = StressUnitText(settings);
  table.headings = {
      "計算点", "x (m)", "y (m)", "z (m)", WithUnit("dP", unit), WithUnit("dP 全桁", unit)};
  const char* stressFormat = DigitFormat(settings.stressDigits);
  const ResultsGrid& grid = results.Lattice(document, circles);
  int number = 0;
  LatticePoints(tables).ForEachListed([&](const GridPoint& point) {
    const double dP = grid.at(point.xRow, point.yRow, point.zRow);
    table.rows.push_back({FormatC("P%d", ++number), Trimmed(FormatUnsignedZero("%4.2f", point.x)),
                          Trimmed(FormatUnsignedZero("%4.2f", point.y)),
                          Trimmed(FormatUnsignedZero("%4.2f", point.z)),
                          Trimmed(StressCellText(point.z, stressFormat, dP)),
                          FullPrecisionStress(point.z, dP)});
  });
  AddNotes(table.notes, "", PointNotes(FindExcludedPoints(tables, true)));
  // The pages say so at their foot; a file says so under its rows.
  if (circles == CircleMethod::kCompatible && CountCircleRows(tables) > 0)
    table.notes.push_back("円形荷重は旧版互換の計算方法による値です");
  return table;
}

// Every slice of the columns of `problem`: where its column stands, its cells as the
// calculation table prints them with their mark, and S in metres to the last digit; under them
// each column's total and times, and what its marks mean.
TableRows SettlementSlices(const Document& document, Problem problem, CircleMethod circles,
                           const SystemSettings& settings, SettlementCache& settlements) {
  TableRows table;
  table.headings = {"x (m)", "y (m)"};
  const std::vector<std::string> headings = SliceHeadings();
  const std::vector<std::string> units = SliceUnits(StressUnitText(settings));
  for (std::size_t i = 0; i < headings.size(); ++i)
    table.headings.push_back(units[i].empty() ? headings[i]
                                              : WithUnit(headings[i].c_str(), units[i].c_str()));
  table.headings.push_back(kMarkHeading);
  table.headings.push_back("S (m)");
  const DocumentSettlement& settlement = settlements.Get(document, settings.unitSystem, circles);
  if (settlement.status != DocumentSettlement::Status::kComputed) {
    table.notes = UnreadProfileLines(settlement);
    return table;
  }
  const SettlementModel& model = *settlement.model;
  table.notes.push_back(ConditionsText(model));
  for (const SettlementColumnResult* column : ColumnsOf(settlement, problem)) {
    for (std::size_t i = 0; i < column->values.slices.size(); ++i) {
      SliceCells cells = CellsOfSlice(model, *column, i);
      std::vector<std::string> row = {Trimmed(FormatUnsignedZero("%.2f", column->site.x)),
                                      Trimmed(FormatUnsignedZero("%.2f", column->site.y))};
      row.insert(row.end(), cells.cells.begin(), cells.cells.end());
      row.push_back(cells.mark);
      const std::optional<double>& s = column->values.slices[i].settlement;
      row.push_back(s ? FormatC("%.17g", *s) : std::string());
      table.rows.push_back(std::move(row));
    }
    const std::string heading = ColumnHeading(column->site);
    table.notes.push_back(heading + ": " + ColumnTotalText(column->values));
    AddNotes(table.notes, heading, MarkNotes(*column));
  }
  return table;
}

}  // namespace

bool IsTableDisplay(DisplayMode display) {
  return DisplayRowOf(display).exportsTable;
}

DisplayMode TableDisplayFor(DisplayMode shown) {
  if (IsTableDisplay(shown)) return shown;
  const DisplayKind kind = KindOf(shown);
  const bool settlement = kind == DisplayKind::SettlementMap || kind == DisplayKind::SettlementTime;
  return DisplayOf(ProblemOf(shown),
                   settlement ? DisplayKind::SettlementTable : DisplayKind::Results);
}

std::string TableName(DisplayMode display) {
  return IsTableDisplay(display) ? DisplayRowOf(display).menuText : std::string();
}

std::optional<TableRows> BuildTableRows(DisplayMode display, const Document& document,
                                        const DocumentResults& results, CircleMethod circles,
                                        const SystemSettings& settings) {
  SettlementCache computedHere;
  return BuildTableRows(display, document, results, circles, settings, computedHere);
}

std::optional<TableRows> BuildTableRows(DisplayMode display, const Document& document,
                                        const DocumentResults& results, CircleMethod circles,
                                        const SystemSettings& settings,
                                        SettlementCache& settlement) {
  const DisplayRow& row = DisplayRowOf(display);
  if (!row.exportsTable) return std::nullopt;
  const DocumentTables& tables = document.cells();
  const bool data = row.kind == DisplayKind::Data;
  std::optional<TableRows> table;
  if (row.kind == DisplayKind::SettlementTable)
    table = SettlementSlices(document, row.problem, circles, settings, settlement);
  else if (row.problem == Problem::Strip)
    table = data ? StripData(tables, settings) : StripResults(document, results, settings);
  else
    table = data ? RectCircleData(tables, settings)
                 : RectCircleResults(document, results, circles, settings);
  table->name = TableName(display);
  return table;
}

}  // namespace qel
