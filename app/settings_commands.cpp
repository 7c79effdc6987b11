// The commands of the settings menu and the help menu's help text.
#include "app/settings_commands.h"

#include "app/commands.h"
#include "app/document_commands.h"
#include "app/main_frame.h"
#include "app/qel_app.h"
#include "app/qel_view.h"
#include "app/soil_commands.h"
#include "app/style_commands.h"
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

void OnScale(CQelApp& app, Problem problem) {
  ApplicationState& state = app.state();
  PromptService& prompts = app.services().prompts;
  // The paper may have changed since the last look.
  app.ReadPaper();
  ScaleCommandSteps steps;
  steps.showDialog = [&app, &prompts](ScaleModel& model) {
    CScaleDlg dialog(model, prompts, app.mainFrame());
    return dialog.exec() == QDialog::Accepted;
  };
  // The dialog may open again: the view behind it shows the values stored.
  steps.repaint = [&app] { app.mainFrame()->view()->Refresh(); };
  steps.stepName =
      CommandStepName(problem == Problem::Strip ? CommandId::StripScale : CommandId::RectScale);
  RunScaleCommand(problem, state.geometry, state.settings, state.document, state.view, prompts,
                  steps);
}

void OnStandardValues(CQelApp& app, Problem kind) {
  ApplicationState& state = app.state();
  StandardValueModel model(state.settings, kind);
  CStandardValueDlg dialog(model, app.services().prompts, app.mainFrame());
  if (dialog.exec() == QDialog::Accepted) {
    model.Apply(state.settings);
    SaveSettingsFile(state.settingsFiles.dataFolder, state.settings, app.services().prompts);
    MoveDisplayToProblem(state.view, state.document.cells(), kind);
  }
}

}  // namespace

void OnStripScale(CQelApp& app) {
  OnScale(app, Problem::Strip);
}

void OnRectScale(CQelApp& app) {
  OnScale(app, Problem::RectCircle);
}

void OnLineMarginDigits(CQelApp& app) {
  ApplicationState& state = app.state();
  LineMarginModel model(state.settings);
  CLineMarginDlg dialog(model, app.services().prompts, *app.services().colourChooser,
                        app.mainFrame());
  if (dialog.exec() == QDialog::Accepted) {
    StoreLineMarginSettings(model, state.geometry, state.settings, state.document,
                            CommandStepName(CommandId::LineMarginDigits), state.view);
    SaveSettingsFile(state.settingsFiles.dataFolder, state.settings, app.services().prompts);
  }
}

void OnStripStandardValues(CQelApp& app) {
  OnStandardValues(app, Problem::Strip);
}

void OnRectStandardValues(CQelApp& app) {
  OnStandardValues(app, Problem::RectCircle);
}

void OnChooseFont(CQelApp& app, int slot) {
  ApplicationState& state = app.state();
  ChooseSlotFont(slot, state.settingsFiles.dataFolder, state.fonts, *app.services().fontChooser,
                 app.services().prompts);
}

void OnKeyBehaviour(CQelApp& app) {
  SystemSettings& settings = app.state().settings;
  KeyBehaviourModel model(settings);
  CKeyDlg dialog(model, app.mainFrame());
  if (dialog.exec() != QDialog::Accepted) return;
  model.Apply(settings);
  SaveSettingsFile(app.state().settingsFiles.dataFolder, settings, app.services().prompts);
}

void OnHelp(CQelApp& app) {
  const AppServices& services = app.services();
  // The command reads the file and tells what went wrong; the dialog shows what was read.
  const HelpText text = ReadHelpText(app.state().settingsFiles.dataFolder);
  for (const std::string& message : HelpTextMessages(text))
    services.prompts.Show(message, PromptButtons::Ok);
  const HelpModel model(text);
  CHelpDlg dialog(model, services.prompts, *services.fileOpener, app.mainFrame());
  dialog.exec();
}

void ConnectSettingsCommands(CQelApp& app) {
  auto on = [&app](CommandId id, std::function<void()> handler) {
    SetDocumentCommandHandler(app, id, std::move(handler));
  };
  on(CommandId::StripScale, [&app] { OnStripScale(app); });
  on(CommandId::RectScale, [&app] { OnRectScale(app); });
  on(CommandId::LineMarginDigits, [&app] { OnLineMarginDigits(app); });
  on(CommandId::StripStandardValues, [&app] { OnStripStandardValues(app); });
  on(CommandId::RectStandardValues, [&app] { OnRectStandardValues(app); });
  const std::pair<CommandId, int> fonts[] = {{CommandId::FontTitle, kTitleFont},
                                             {CommandId::FontStrip, kStripFont},
                                             {CommandId::FontRectCircle, kRectCircleFont},
                                             {CommandId::FontPage, kPageFont}};
  for (const auto& [id, slot] : fonts)
    on(id, [&app, slot] { OnChooseFont(app, slot); });
  on(CommandId::KeyBehaviour, [&app] { OnKeyBehaviour(app); });
  on(CommandId::Help, [&app] { OnHelp(app); });
  ConnectStyleCommands(app);
  ConnectSoilCommands(app);
}

}  // namespace qel
