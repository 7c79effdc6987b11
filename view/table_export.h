// The table "表をCSVで保存" and "コピー" take, without a window: the table shown, or the results
// table of the problem shown; and the copy to the clipboard.
#pragma once

#include "view/application_state.h"
#include "view/table_rows.h"

namespace qel {

class ClipboardService;

// The table the commands take while the display of `state` is shown (TableDisplayFor). A
// settlement table reads the settlement the view keeps in `state.caches`, computing it there
// when none is kept for the document as it is.
TableRows ExportedTableRows(ApplicationState& state);

// Puts the table shown on the clipboard as tab-separated text; false, and the clipboard left
// alone, while the display shown is no table.
bool CopyShownTable(ApplicationState& state, ClipboardService& clipboard);

}  // namespace qel
