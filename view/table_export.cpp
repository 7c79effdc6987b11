// The table shown to a CSV file or to the clipboard.
#include "view/table_export.h"

#include <filesystem>

#include "platform/clipboard.h"
#include "platform/file_chooser.h"
#include "platform/messages.h"
#include "platform/prompts.h"
#include "settings/safe_file_writer.h"
#include "settings/same_file.h"
#include "settings/text_file.h"
#include "view/table_text.h"

namespace qel {

TableRows ExportedTableRows(ApplicationState& state) {
  // TableDisplayFor always names a table, so there are rows. The settlement is the one the
  // window's displays keep: exporting what is shown computes nothing again.
  return *BuildTableRows(TableDisplayFor(state.view.displayMode), state.document, state.results,
                         state.settings, state.caches.settlement);
}

std::optional<std::string> SaveTableAsCsv(ApplicationState& state, const std::string& documentPath,
                                          FileChooser& chooser, PromptService& prompts) {
  const TableRows table = ExportedTableRows(state);
  FileDialogRequest request;
  request.kind = FileDialogKind::Save;
  request.title = MessageText(MessageId::SaveTableTitle, table.name);
  request.filters = {{"CSV", {"csv"}}};
  request.defaultExtension = "csv";
  request.initialName = ProposedTableFileName(documentPath, table);
  if (!documentPath.empty())
    request.startFolder = std::filesystem::path(documentPath).parent_path().string();
  std::optional<std::string> path = chooser.Choose(request);
  if (!path) return std::nullopt;
  if (std::filesystem::path(*path).extension().empty()) *path += ".csv";
  if (IsSameExistingFile(*path, documentPath)) {
    prompts.Show(MessageText(MessageId::OutputIsInput, *path), PromptButtons::Ok);
    return std::nullopt;
  }
  const WriteOutcome outcome = WriteFileSafely(*path, TableCsv(table));
  if (!outcome.ok) {
    prompts.Show(SaveFailureText(outcome, *path), PromptButtons::Ok);
    return std::nullopt;
  }
  return path;
}

bool CopyShownTable(ApplicationState& state, ClipboardService& clipboard) {
  if (!IsTableDisplay(state.view.displayMode)) return false;
  clipboard.SetText(TableTabText(ExportedTableRows(state)));
  return true;
}

}  // namespace qel
