// The commands of the load menus that enter data: each opens its dialog, stores what was
// confirmed as one undo step named as the dialog's title names it and moves the display to the
// problem's figure; the view is refreshed after it (CommandRow::refreshes).
#include "app/data_entry_commands.h"

#include "app/dialog_command.h"
#include "app/main_frame.h"
#include "app/qel_app.h"
#include "app/qel_view.h"
#include "dialogs/display_moves.h"
#include "dialogs/load_list_editor.h"
#include "dialogs/point_editor.h"
#include "dialogs/qt/load_list_dlg.h"
#include "dialogs/qt/point_dlg.h"
#include "platform/prompts.h"

namespace qel {

namespace {

void RunLoadList(CQelApp& app, LoadListKind kind, int set, Problem problem) {
  ApplicationState& state = app.state();
  PromptService& prompts = app.services().prompts;
  DialogSession& session = app.dialogSession();
  DialogCommand<LoadListEditor> command;
  command.load = [&state, &session, kind, set] {
    return LoadListEditor(kind, state.document.cells(), state.settings.unitSystem,
                          session.loadSortOption, set);
  };
  command.show = [&app, &state, &prompts](LoadListEditor& model) {
    return MakeLoadListDialog(model, prompts, EnterKeyModeOf(state.settings.enterKeyMode),
                              app.mainFrame())
               ->exec() == QDialog::Accepted;
  };
  command.afterOk = [&state, &session, problem](const LoadListEditor& model) {
    session.loadSortOption = model.sortOption();
    MoveDisplayToProblem(state.view, state.document.cells(), problem);
  };
  // The step is named as the dialog's title names the list ("荷重1の入力").
  RunDocumentDialog(command, command.load().Title(), state.document, prompts);
}

// The dialog opens again, with the texts as stored, while a point holds a negative value.
void RunPoints(CQelApp& app, PointKind kind, Problem problem) {
  ApplicationState& state = app.state();
  PromptService& prompts = app.services().prompts;
  DialogCommand<PointEditor> command;
  command.load = [&state, kind] { return PointEditor(kind, state.document.cells()); };
  command.show = [&app, &state, &prompts](PointEditor& model) {
    return MakePointDialog(model, prompts, EnterKeyModeOf(state.settings.enterKeyMode),
                           app.mainFrame())
               ->exec() == QDialog::Accepted;
  };
  command.afterOk = [&app, &state, problem](const PointEditor&) {
    // The dialog may open again: the view behind it shows what was stored.
    MoveDisplayToProblem(state.view, state.document.cells(), problem);
    app.mainFrame()->view()->Refresh();
  };
  RunDocumentDialog(command, command.load().layout().title, state.document, prompts);
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

}  // namespace qel
