// Which displays are tables, and the model of each table built for every way it leaves the
// program: CSV files, the clipboard and qel-cli.
#pragma once

#include <optional>
#include <string>

#include "analysis/table_model.h"
#include "document/document.h"
#include "document/document_results.h"
#include "settings/system_settings.h"
#include "view/settlement_cache.h"
#include "view/view_state.h"

namespace qel {

// Whether `display` is one of the tables: strip data and results, rectangle/circle data and
// results, the settlement calculation tables and the table of the plates' fits.
bool IsTableDisplay(DisplayMode display);

// The table to copy or save while `shown` is on screen: the table shown, else the results
// table of the problem shown, or its settlement table while a settlement display is shown.
DisplayMode TableDisplayFor(DisplayMode shown);

// The name of a table as the display menu names it: "帯状荷重データ" ...
std::string TableName(DisplayMode display);

// The model of table `display` for a file (TableUse::File: no course of the calculation), built
// by the same builder its pages are laid out from; nothing for a display that is not a table.
// The settlement tables take the settlement from `settlement`, which computes it only when it
// keeps none of this document's revisions and circle method.
std::optional<TableModel> BuildTableModel(DisplayMode display, const Document& document,
                                          const DocumentResults& results, CircleMethod circles,
                                          const SystemSettings& settings,
                                          SettlementCache& settlement);

// The rows of that model (ExportedRows), named after the display.
std::optional<TableRows> BuildTableRows(DisplayMode display, const Document& document,
                                        const DocumentResults& results, CircleMethod circles,
                                        const SystemSettings& settings,
                                        SettlementCache& settlement);
// The same for a caller that keeps no settlement: it is computed for this table alone.
std::optional<TableRows> BuildTableRows(DisplayMode display, const Document& document,
                                        const DocumentResults& results, CircleMethod circles,
                                        const SystemSettings& settings);

}  // namespace qel
