// "表をCSVで保存": the table shown to a CSV file chosen in a dialog.
#pragma once

#include <optional>
#include <string>

#include "view/application_state.h"

namespace qel {

class CQelApp;
class FileChooser;
class PromptService;

// Asks for the file, proposing "<document name>_<table name>.csv" in the document's folder
// (".csv" is added to a name chosen without an extension), refuses the document's own file,
// and writes the table as CSV, complete or not at all. The path written; nothing when the
// dialog was cancelled or the file was refused or not written (the reason was shown).
std::optional<std::string> SaveTableAsCsv(ApplicationState& state, const std::string& documentPath,
                                          FileChooser& chooser, PromptService& prompts);

// The command: SaveTableAsCsv with the application's services; the status bar then says where
// the file went.
void OnFileSaveTableCsv(CQelApp& app);

}  // namespace qel
