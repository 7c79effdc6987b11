// The data and results tables as rows of cells, built once for every way a table leaves the
// program: CSV files, the clipboard and qel-cli.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/document_results.h"
#include "document/document_tables.h"
#include "settings/system_settings.h"
#include "view/settlement_cache.h"
#include "view/view_state.h"

namespace qel {

// One table: the heading of each column, one row per load or point the display lists (cells
// as the display prints them, without the blanks that align them), and the note lines the
// display prints under it. Every row has as many cells as there are headings.
struct TableRows {
  std::string name;  // "帯状荷重計算結果"
  std::vector<std::string> headings;
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> notes;
};

// The mark column's heading: it holds the mark of a row that does not enter the calculation as
// typed, the mark the data tables print after such a row.
inline constexpr const char* kMarkHeading = "※";

// Whether `display` is one of the four tables: strip data and results, rectangle/circle data
// and results.
bool IsTableDisplay(DisplayMode display);

// The table to copy or save while `shown` is on screen: the table shown, else the results
// table of the problem shown.
DisplayMode TableDisplayFor(DisplayMode shown);

// The name of a table as the display menu names it: "帯状荷重データ" ...
std::string TableName(DisplayMode display);

// The rows of table `display` for the document, its results and the settings (decimals and
// unit system). Nothing for a display that is not a table. The results tables list dP as the
// display prints it and in a second column as "%.17g", empty where the display prints "－".
// The settlement tables take the settlement from `settlement`, which computes it only when it
// keeps none of this document's revision and circle method.
std::optional<TableRows> BuildTableRows(DisplayMode display, const Document& document,
                                        const DocumentResults& results, CircleMethod circles,
                                        const SystemSettings& settings,
                                        SettlementCache& settlement);
// The same for a caller that keeps no settlement: it is computed for this table alone.
std::optional<TableRows> BuildTableRows(DisplayMode display, const Document& document,
                                        const DocumentResults& results, CircleMethod circles,
                                        const SystemSettings& settings);

}  // namespace qel
