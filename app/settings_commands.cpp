// The commands of the settings menu and the help menu's help text.
#include "app/settings_commands.h"

#include "app/command_table.h"
#include "app/dialog_command.h"
#include "app/main_frame.h"
#include "app/modal_dialog.h"
#include "app/qel_app.h"
#include "app/qel_view.h"
#include "dialogs/display_moves.h"
#include "dialogs/font_command.h"
#include "dialogs/help_model.h"
#include "dialogs/key_behaviour_model.h"
#include "dialogs/line_margin_model.h"
#include "dialogs/qt/help_dlg.h"
#include "dialogs/qt/key_dlg.h"
#include "dialogs/qt/line_margin_dlg.h"
#include "dialogs/qt/scale_dlg.h"
#include "dialogs/qt/standard_value_dlg.h"
#include "dialogs/scale_model.h"
#include "dialogs/settings_saving.h"
#include "dialogs/standard_value_model.h"
#include "platform/prompts.h"

namespace qel {

namespace {

void OnScale(CQelApp& app, Problem problem, CommandId id) {
  ApplicationState& state = app.state();
  PromptService& prompts = app.services().prompts;
  // The paper may have changed since the last look.
  app.ReadPaper();
  DialogCommand<ScaleModel> command;
  command.load = [&state, problem] {
    return ScaleModel(state.document.cells(), state.settings, problem, state.geometry);
  };
  command.show = [&app, &prompts](ScaleModel& model) {
    return ExecModal<CScaleDlg>(model, prompts, app.mainFrame());
  };
  command.afterOk = [&app, &state, problem](const ScaleModel&) {
    ReturnToFirstPage(state.view, state.document.cells(), problem);
    // The dialog may open again: the view behind it shows the values stored.
    app.mainFrame()->view()->Refresh();
  };
  command.mostOpenings = kMostScaleOpenings;
  RunDocumentDialog(command, CommandStepName(id), state.document, prompts);
}

// Runs a dialog over a model of the system settings; each OK saves Sys.ndx after `afterOk`.
template <typename Model>
void RunSettingsCommand(CQelApp& app, const DialogCommand<Model>& command) {
  ApplicationState& state = app.state();
  PromptService& prompts = app.services().prompts;
  RunSettingsDialog(
      command, state.settings,
      [&] {
        if (std::optional<std::string> notice =
                SaveSettingsFile(state.settingsFiles.dataFolder, state.settings))
          prompts.Show(*notice, PromptButtons::Ok);
      },
      prompts);
}

void OnStandardValues(CQelApp& app, Problem kind) {
  ApplicationState& state = app.state();
  PromptService& prompts = app.services().prompts;
  DialogCommand<StandardValueModel> command;
  command.load = [&state, kind] { return StandardValueModel(state.settings, kind); };
  command.show = [&app, &prompts](StandardValueModel& model) {
    return ExecModal<CStandardValueDlg>(model, prompts, app.mainFrame());
  };
  command.afterOk = [&state, kind](const StandardValueModel&) {
    MoveDisplayToProblem(state.view, state.document.cells(), kind);
  };
  RunSettingsCommand(app, command);
}

}  // namespace

void OnStripScale(CQelApp& app) {
  OnScale(app, Problem::Strip, CommandId::StripScale);
}

void OnRectScale(CQelApp& app) {
  OnScale(app, Problem::RectCircle, CommandId::RectScale);
}

void OnLineMarginDigits(CQelApp& app) {
  ApplicationState& state = app.state();
  PromptService& prompts = app.services().prompts;
  DialogCommand<LineMarginModel> command;
  command.load = [&state] { return LineMarginModel(state.settings); };
  command.show = [&app, &prompts](LineMarginModel& model) {
    return ExecModal<CLineMarginDlg>(model, prompts, *app.services().colourChooser,
                                     app.mainFrame());
  };
  // Print ranges that no longer fit within the new margins are lowered, in the settings and
  // in the document, before the settings are saved.
  command.afterOk = [&state](const LineMarginModel&) {
    FitRangesToMargins(state.geometry, state.settings, state.document,
                       CommandStepName(CommandId::LineMarginDigits), state.view);
  };
  RunSettingsCommand(app, command);
}

void OnStripStandardValues(CQelApp& app) {
  OnStandardValues(app, Problem::Strip);
}

void OnRectStandardValues(CQelApp& app) {
  OnStandardValues(app, Problem::RectCircle);
}

void OnChooseFont(CQelApp& app, int slot) {
  ApplicationState& state = app.state();
  if (const std::optional<ApplyOutcome> outcome = ChooseSlotFont(
          slot, state.settingsFiles.dataFolder, state.fonts, *app.services().fontChooser))
    ShowEach(app.services().prompts, outcome->notices);
}

void OnKeyBehaviour(CQelApp& app) {
  const SystemSettings& settings = app.state().settings;
  DialogCommand<KeyBehaviourModel> command;
  command.load = [&settings] { return KeyBehaviourModel(settings); };
  command.show = [&app](KeyBehaviourModel& model) {
    return ExecModal<CKeyDlg>(model, app.mainFrame());
  };
  RunSettingsCommand(app, command);
}

void OnHelp(CQelApp& app) {
  const AppServices& services = app.services();
  // The command reads the file and tells what went wrong; the dialog shows what was read.
  const HelpText text = ReadHelpText(app.state().settingsFiles.dataFolder);
  ShowEach(services.prompts, HelpTextMessages(text));
  const HelpModel model(text);
  CHelpDlg dialog(model, services.prompts, *services.fileOpener, app.mainFrame());
  dialog.exec();
}

}  // namespace qel
