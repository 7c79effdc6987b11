// The commands of the load menus that enter data: each opens its dialog, stores what was
// confirmed as one undo step named for the dialog and moves the display to the problem's figure;
// the view is refreshed after it (SetDocumentCommandHandler).
#include "app/data_entry_commands.h"

#include "app/document_commands.h"
#include "app/main_frame.h"
#include "app/qel_app.h"
#include "app/qel_view.h"
#include "dialogs/display_moves.h"
#include "dialogs/load_list_editor.h"
#include "dialogs/point_command.h"
#include "dialogs/qt/load_list_dlg.h"
#include "dialogs/qt/point_dlg.h"
#include "platform/prompts.h"

namespace qel {

namespace {

void RunLoadList(CQelApp& app, LoadListKind kind, int set, Problem problem) {
  ApplicationState& state = app.state();
  PromptService& prompts = app.services().prompts;
  DialogSession& session = app.dialogSession();
  LoadListEditor model(kind, state.document.cells(), state.settings.unitSystem,
                       session.loadSortOption, set);
  std::unique_ptr<LoadListDialog> dialog = MakeLoadListDialog(
      model, prompts, EnterKeyModeOf(state.settings.enterKeyMode), app.mainFrame());
  if (dialog->exec() == QDialog::Accepted) {
    state.document.Change(model.Title(), [&](DocumentTables& cells) { model.Apply(cells); });
    if (const std::string notice = model.DuplicateNotice(); !notice.empty())
      prompts.Show(notice, PromptButtons::Ok);
    session.loadSortOption = model.sortOption();
    MoveDisplayToProblem(state.view, state.document.cells(), problem);
  }
}

void RunPoints(CQelApp& app, PointKind kind, Problem problem) {
  ApplicationState& state = app.state();
  PromptService& prompts = app.services().prompts;
  PointEditor model(kind, state.document.cells());
  const EnterKeyMode enterKey = EnterKeyModeOf(state.settings.enterKeyMode);
  RunPointCommand(
      model, state.document, prompts,
      [&] {
        // Built afresh for every opening, with the texts as last typed.
        std::unique_ptr<PointDialog> dialog =
            MakePointDialog(model, prompts, enterKey, app.mainFrame());
        return dialog->exec() == QDialog::Accepted;
      },
      [&](bool) {
        // The dialog may open again: the view behind it shows what was stored.
        MoveDisplayToProblem(state.view, state.document.cells(), problem);
        app.mainFrame()->view()->Refresh();
      });
}

}  // namespace

void OnStripLoads(CQelApp& app, int set) {
  RunLoadList(app, LoadListKind::Strip, set, Problem::Strip);
}

void OnRectLoads(CQelApp& app) {
  RunLoadList(app, LoadListKind::Rectangle, 1, Problem::RectCircle);
}

void OnCircleLoads(CQelApp& app) {
  RunLoadList(app, LoadListKind::Circle, 1, Problem::RectCircle);
}

void OnStripPoints(CQelApp& app) {
  RunPoints(app, PointKind::Strip, Problem::Strip);
}

void OnLatticePoints(CQelApp& app) {
  RunPoints(app, PointKind::Lattice, Problem::RectCircle);
}

void ConnectDataEntryCommands(CQelApp& app) {
  SetDocumentCommandHandler(app, CommandId::StripLoad1, [&app] { OnStripLoads(app, 1); });
  SetDocumentCommandHandler(app, CommandId::StripLoad2, [&app] { OnStripLoads(app, 2); });
  SetDocumentCommandHandler(app, CommandId::StripPoints, [&app] { OnStripPoints(app); });
  SetDocumentCommandHandler(app, CommandId::RectLoads, [&app] { OnRectLoads(app); });
  SetDocumentCommandHandler(app, CommandId::CircleLoads, [&app] { OnCircleLoads(app); });
  SetDocumentCommandHandler(app, CommandId::LatticePoints, [&app] { OnLatticePoints(app); });
}

}  // namespace qel
