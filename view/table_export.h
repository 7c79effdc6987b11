// "表をCSVで保存" and "コピー" of the desktop program, without a window: the table shown, or
// the results table of the problem shown, to a CSV file chosen in a dialog or to the clipboard.
#pragma once

#include <optional>
#include <string>

#include "view/application_state.h"
#include "view/table_rows.h"

namespace qel {

class ClipboardService;
class FileChooser;
class PromptService;

// The table the commands take while the display of `state` is shown (TableDisplayFor). A
// settlement table reads the settlement the view keeps in `state.caches`, computing it there
// when none is kept for the document as it is.
TableRows ExportedTableRows(ApplicationState& state);

// Asks for the file, proposing "<document name>_<table name>.csv" in the document's folder
// (".csv" is added to a name chosen without an extension), refuses the document's own file,
// and writes the table as CSV, complete or not at all. The path written; nothing when the
// dialog was cancelled or the file was refused or not written (the reason was shown).
std::optional<std::string> SaveTableAsCsv(ApplicationState& state, const std::string& documentPath,
                                          FileChooser& chooser, PromptService& prompts);

// Puts the table shown on the clipboard as tab-separated text; false, and the clipboard left
// alone, while the display shown is no table.
bool CopyShownTable(ApplicationState& state, ClipboardService& clipboard);

}  // namespace qel
