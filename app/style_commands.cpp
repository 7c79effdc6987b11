// The title/style and page commands of the two load menus.
#include "app/style_commands.h"

#include "app/dialog_command.h"
#include "app/main_frame.h"
#include "app/modal_dialog.h"
#include "app/qel_app.h"
#include "dialogs/display_moves.h"
#include "dialogs/isobar_model.h"
#include "dialogs/page_model.h"
#include "dialogs/qt/isobar_dlg.h"
#include "dialogs/qt/page_dlg.h"
#include "dialogs/qt/title_style_dlg.h"
#include "dialogs/title_style_model.h"

namespace qel {

namespace {

// Runs `Dialog` over a model of one problem's document lines, built by `load`; each OK that
// changed them is one step named as the dialog's title names it (the problem and the command),
// and the view then moves by `move`.
template <typename Dialog, typename Model>
void RunProblemDialog(CQelApp& app, std::function<Model()> load,
                      bool (*move)(ViewState&, const DocumentTables&, Problem)) {
  ApplicationState& state = app.state();
  PromptService& prompts = app.services().prompts;
  DialogCommand<Model> command;
  command.load = std::move(load);
  command.show = [&app, &prompts](Model& model) {
    return ExecModal<Dialog>(model, prompts, app.mainFrame());
  };
  command.afterOk = [&state, move](const Model& model) {
    move(state.view, state.document.cells(), model.problem());
  };
  RunDocumentDialog(command, command.load().WindowTitle(), state.document, prompts);
}

}  // namespace

void OnTitleStyle(CQelApp& app, Problem problem) {
  const ApplicationState& state = app.state();
  RunProblemDialog<CTitleStyleDlg, TitleStyleModel>(
      app,
      [&state, problem] {
        return TitleStyleModel(state.document.cells(), state.settings, problem);
      },
      MoveDisplayToProblem);
}

void OnPage(CQelApp& app, Problem problem) {
  const ApplicationState& state = app.state();
  // The distances are checked against the paper the pages will be printed on.
  app.ReadPaper();
  RunProblemDialog<CPageDlg, PageModel>(
      app,
      [&state, problem] {
        return PageModel(state.document.cells(), problem, state.geometry.paperWidthMm,
                         state.geometry.paperHeightMm);
      },
      MoveDisplayToProblem);
}

void OnIsobars(CQelApp& app, Problem problem) {
  const ApplicationState& state = app.state();
  RunProblemDialog<CIsobarDlg, IsobarModel>(
      app,
      [&state, problem] {
        return IsobarModel(state.document.cells(), problem, state.settings.stressDigits);
      },
      MoveDisplayToIsobars);
}

}  // namespace qel
