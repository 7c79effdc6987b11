// The title/style and page commands of the two load menus.
#include "app/style_commands.h"

#include "app/document_commands.h"
#include "app/main_frame.h"
#include "app/qel_app.h"
#include "dialogs/display_moves.h"
#include "dialogs/isobar_model.h"
#include "dialogs/page_model.h"
#include "dialogs/qt/isobar_dlg.h"
#include "dialogs/qt/page_dlg.h"
#include "dialogs/qt/title_style_dlg.h"
#include "dialogs/title_style_model.h"

namespace qel {

void OnTitleStyle(CQelApp& app, Problem problem) {
  ApplicationState& state = app.state();
  TitleStyleModel model(state.document.cells(), state.settings, problem);
  CTitleStyleDlg dialog(model, app.services().prompts, app.mainFrame());
  if (dialog.exec() == QDialog::Accepted) {
    state.document.Change(model.WindowTitle(),
                          [&model](DocumentTables& cells) { model.Apply(cells); });
    MoveDisplayToProblem(state.view, state.document.cells(), problem);
  }
}

void OnPage(CQelApp& app, Problem problem) {
  ApplicationState& state = app.state();
  // The distances are checked against the paper the pages will be printed on.
  app.ReadPaper();
  PageModel model(state.document.cells(), problem, state.geometry.paperWidthMm,
                  state.geometry.paperHeightMm);
  CPageDlg dialog(model, app.services().prompts, app.mainFrame());
  if (dialog.exec() == QDialog::Accepted) {
    state.document.Change(model.WindowTitle(),
                          [&model](DocumentTables& cells) { model.Apply(cells); });
    MoveDisplayToProblem(state.view, state.document.cells(), problem);
  }
}

void OnIsobars(CQelApp& app, Problem problem) {
  ApplicationState& state = app.state();
  IsobarModel model(state.document.cells(), problem, state.settings.stressDigits);
  CIsobarDlg dialog(model, app.services().prompts, app.mainFrame());
  if (dialog.exec() == QDialog::Accepted) {
    state.document.Change(model.WindowTitle(),
                          [&model](DocumentTables& cells) { model.Apply(cells); });
    MoveDisplayToIsobars(state.view, state.document.cells(), problem);
  }
}

void ConnectStyleCommands(CQelApp& app) {
  const std::pair<CommandId, Problem> titles[] = {{CommandId::StripTitleStyle, Problem::Strip},
                                                  {CommandId::RectTitleStyle, Problem::RectCircle}};
  for (const auto& [id, problem] : titles)
    SetDocumentCommandHandler(app, id, [&app, problem] { OnTitleStyle(app, problem); });
  const std::pair<CommandId, Problem> pages[] = {{CommandId::StripPage, Problem::Strip},
                                                 {CommandId::RectPage, Problem::RectCircle}};
  for (const auto& [id, problem] : pages)
    SetDocumentCommandHandler(app, id, [&app, problem] { OnPage(app, problem); });
  const std::pair<CommandId, Problem> isobars[] = {{CommandId::StripIsobars, Problem::Strip},
                                                   {CommandId::RectIsobars, Problem::RectCircle}};
  for (const auto& [id, problem] : isobars)
    SetDocumentCommandHandler(app, id, [&app, problem] { OnIsobars(app, problem); });
}

}  // namespace qel
