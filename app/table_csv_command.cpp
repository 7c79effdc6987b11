// "表をCSVで保存": the table shown to a CSV file chosen in a dialog.
#include "app/table_csv_command.h"

#include <filesystem>

#include "app/main_frame.h"
#include "app/qel_app.h"
#include "app/qel_view.h"

#include "base/safe_file_writer.h"
#include "base/same_file.h"
#include "base/text_file.h"
#include "platform/file_chooser.h"
#include "platform/file_messages.h"
#include "platform/messages.h"
#include "platform/prompts.h"
#include "view/table_export.h"
#include "view/table_text.h"

namespace qel {

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

void OnFileSaveTableCsv(CQelApp& app) {
  const AppServices& services = app.services();
  const std::optional<std::string> path =
      SaveTableAsCsv(app.state(), app.document().GetPathName(), services.chooser, services.prompts);
  if (path)
    emit app.mainFrame()->view()->statusMessage(
        QString::fromStdString(MessageText(MessageId::PdfSaved, *path)));
}

}  // namespace qel
