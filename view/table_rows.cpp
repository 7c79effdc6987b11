// Which displays are tables, and their models and rows for files.
#include "view/table_rows.h"

#include "analysis/plate_table_model.h"
#include "analysis/rect_circle_data_model.h"
#include "analysis/rect_circle_results_model.h"
#include "analysis/settlement_table_model.h"
#include "analysis/soil_conditions_model.h"
#include "analysis/strip_data_model.h"
#include "analysis/strip_results_model.h"
#include "view/display_table.h"

namespace qel {

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

std::optional<TableModel> BuildTableModel(DisplayMode display, const Document& document,
                                          const DocumentResults& results, CircleMethod circles,
                                          const SystemSettings& settings,
                                          SettlementCache& settlement) {
  const DisplayRow& row = DisplayRowOf(display);
  if (!row.exportsTable) return std::nullopt;
  const bool strip = row.problem == Problem::Strip;
  switch (row.kind) {
    case DisplayKind::Data:
      return strip ? StripDataModel(document.strip(), settings)
                   : RectCircleDataModel(document.plan(), settings);
    case DisplayKind::Results:
      return strip ? StripResultsModel(document.strip(), results.Strip(document), settings,
                                       TableUse::File)
                   : RectCircleResultsModel(document.plan(), results.Lattice(document, circles),
                                            circles, settings, TableUse::File);
    case DisplayKind::SettlementTable:
      return SettlementTableModel(settlement.Get(document, settings.unitSystem, circles),
                                  row.problem, settings, TableUse::File);
    case DisplayKind::SoilConditions:
      return SoilConditionsTable(document.soil(settings.unitSystem), settings);
    case DisplayKind::SettlementPlates:
      return PlateFitsTableModel(ComparePlates(
          document, settlement.Get(document, settings.unitSystem, circles), row.problem));
    default:
      return std::nullopt;
  }
}

std::optional<TableRows> BuildTableRows(DisplayMode display, const Document& document,
                                        const DocumentResults& results, CircleMethod circles,
                                        const SystemSettings& settings,
                                        SettlementCache& settlement) {
  const std::optional<TableModel> model =
      BuildTableModel(display, document, results, circles, settings, settlement);
  if (!model) return std::nullopt;
  TableRows rows = ExportedRows(*model);
  rows.name = TableName(display);
  return rows;
}

std::optional<TableRows> BuildTableRows(DisplayMode display, const Document& document,
                                        const DocumentResults& results, CircleMethod circles,
                                        const SystemSettings& settings) {
  SettlementCache computedHere;
  return BuildTableRows(display, document, results, circles, settings, computedHere);
}

}  // namespace qel
