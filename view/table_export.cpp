// The table shown to a CSV file or to the clipboard.
#include "view/table_export.h"

#include "platform/clipboard.h"
#include "view/table_text.h"

namespace qel {

TableRows ExportedTableRows(ApplicationState& state) {
  // TableDisplayFor always names a table, so there are rows. The settlement is the one the
  // window's displays keep: exporting what is shown computes nothing again.
  return *BuildTableRows(TableDisplayFor(state.view.displayMode), state.document, state.results,
                         state.circleMethod, state.settings, state.caches.settlement);
}

bool CopyShownTable(ApplicationState& state, ClipboardService& clipboard) {
  if (!IsTableDisplay(state.view.displayMode)) return false;
  clipboard.SetText(TableTabText(ExportedTableRows(state)));
  return true;
}

}  // namespace qel
