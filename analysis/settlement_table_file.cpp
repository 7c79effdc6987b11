// The settlement calculation table for CSV and the clipboard: each value in a cell of its own,
// an empty cell where a value does not apply, and the layer subtotals and column totals as rows
// a spreadsheet can sum and filter, not as lines of text.
#include "analysis/settlement_table_file.h"

#include "analysis/settlement_rows.h"
#include "analysis/settlement_table_model.h"
#include "analysis/table_cells.h"
#include "base/c_locale.h"

namespace qel {

namespace {

// The file's columns after the row kind: the printed ones with the depth range split in two.
enum FileColumn {
  kKind,
  kLayer,
  kName,
  kTop,
  kBottom,
  kThickness,
  kSigma0,
  kDeltaP,
  kP1,
  kPc,
  kE0,
  kE1,
  kCentimetres,
  kT50,
  kT90,
  kFileColumns
};

std::string Number(const char* format, const std::optional<double>& value) {
  return value ? FormatUnsignedZero(format, *value) : std::string();
}

std::string Exact(const std::optional<double>& value) {
  return value ? FormatC("%.17g", *value) : std::string();
}

// The cells of a subtotal or total row over slices [first, last] of the column.
TableModelRow SumRow(const SettlementModel& model, std::size_t first, std::size_t last,
                     const char* kind, const std::optional<double>& settlement) {
  const std::vector<SoilSlice>& slices = model.slices();
  TableModelRow row;
  row.cells.assign(kFileColumns, std::string());
  row.cells[kKind] = kind;
  row.cells[kTop] = Number("%.2f", slices[first].top);
  row.cells[kBottom] = Number("%.2f", slices[last].bottom);
  row.cells[kThickness] = Number("%.2f", slices[last].bottom - slices[first].top);
  row.cells[kCentimetres] = settlement ? Number("%.2f", *settlement * 100.0) : std::string();
  row.exact = {Exact(settlement)};
  return row;
}

}  // namespace

TableModel SettlementTableForFiles(const DocumentSettlement& settlement, Problem problem,
                                   const SystemSettings& settings) {
  const char* stress = StressUnitText(settings);
  TableModel table;
  table.keyColumns = {Heading("x", "m"), Heading("y", "m")};
  table.columns = {Heading("行"),
                   Heading("層"),
                   Heading("土層名"),
                   Heading("上端深度", "m"),
                   Heading("下端深度", "m"),
                   Heading("層厚", "m"),
                   Heading("σ'v0", stress),
                   Heading("Δp", stress),
                   Heading("p1", stress),
                   Heading("pc", stress),
                   Heading("e0"),
                   Heading("e1"),
                   Heading("S", "cm"),
                   Heading("t50", "日"),
                   Heading("t90", "日")};
  table.marked = true;
  table.exactColumns = {Heading("S", "m")};
  if (settlement.status != DocumentSettlement::Status::kComputed) {
    table.preamble = UnreadProfileLines(settlement);
    return table;
  }
  const SettlementModel& model = *settlement.model;
  table.preamble = {ConditionsText(model)};
  const std::vector<SoilSlice>& slices = model.slices();
  const std::vector<const SettlementColumnResult*> columns = ColumnsOf(settlement, problem);
  for (std::size_t number = 1; number <= columns.size(); ++number) {
    const SettlementColumnResult* column = columns[number - 1];
    TableSection& section = table.sections.emplace_back();
    section.name = ColumnHeading(column->site, static_cast<int>(number));
    section.key = {FormatUnsignedZero("%.2f", column->site.x),
                   FormatUnsignedZero("%.2f", column->site.y)};
    for (std::size_t i = 0; i < table.columns.size(); ++i)
      section.columns.push_back(i);
    const SettlementColumn& values = column->values;
    std::size_t layerFirst = 0;
    for (std::size_t i = 0; i < slices.size(); ++i) {
      const SoilLayer& layer = model.profile().layers[static_cast<std::size_t>(slices[i].layer)];
      const SliceSettlement& value = values.slices[i];
      const SliceCells printed = CellsOfSlice(model, *column, i);
      TableModelRow& row = section.rows.emplace_back();
      row.cells.assign(kFileColumns, std::string());
      row.cells[kKind] = kSliceRowKind;
      row.cells[kLayer] = FormatC("%d", layer.number);
      row.cells[kName] = layer.name;
      row.cells[kTop] = Number("%.2f", slices[i].top);
      row.cells[kBottom] = Number("%.2f", slices[i].bottom);
      row.cells[kThickness] = Number("%.2f", slices[i].thickness);
      row.cells[kSigma0] = Number("%.2f", value.sigma0);
      row.cells[kDeltaP] = Number("%.2f", value.deltaP);
      row.cells[kP1] = Number("%.2f", value.p1);
      row.cells[kPc] =
          Number("%.2f", layer.method == SettlementMethod::kCc ? layer.pc : std::nullopt);
      row.cells[kE0] = Number("%.3f", value.e0);
      row.cells[kE1] = Number("%.3f", value.e1);
      row.cells[kCentimetres] =
          value.settlement ? Number("%.2f", *value.settlement * 100.0) : std::string();
      row.mark = printed.mark;
      row.exact = {Exact(value.settlement)};
      if (i + 1 < slices.size() && slices[i + 1].layer == slices[i].layer) continue;
      TableModelRow subtotal =
          SumRow(model, layerFirst, i, kLayerRowKind,
                 values.layerTotals[static_cast<std::size_t>(slices[i].layer)]);
      subtotal.cells[kLayer] = row.cells[kLayer];
      subtotal.cells[kName] = row.cells[kName];
      section.rows.push_back(std::move(subtotal));
      layerFirst = i + 1;
    }
    if (!slices.empty()) {
      TableModelRow total = SumRow(model, 0, slices.size() - 1, kColumnRowKind, values.total);
      const SettlementCourse& course = CourseOf(settlement, *column);
      total.cells[kT50] = Number("%.1f", course.t50);
      total.cells[kT90] = Number("%.1f", course.t90);
      section.rows.push_back(std::move(total));
    }
    section.notes = MarkNotes(*column);
  }
  return table;
}

}  // namespace qel
