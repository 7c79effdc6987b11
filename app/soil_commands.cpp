// The soil menu's commands: the dialog's OK writes the soil profile's section of the document
// when it changed it.
#include "app/soil_commands.h"

#include "app/command_table.h"
#include "app/dialog_command.h"
#include "app/main_frame.h"
#include "app/modal_dialog.h"
#include "app/qel_app.h"
#include "dialogs/qt/plate_dlg.h"
#include "dialogs/qt/soil_conditions_dlg.h"
#include "dialogs/qt/soil_curve_dlg.h"
#include "dialogs/qt/soil_drains_dlg.h"
#include "dialogs/qt/soil_layer_dlg.h"
#include "dialogs/qt/soil_stages_dlg.h"

namespace qel {

namespace {

// Runs `Dialog` over a `Model` built from the document; the change OK makes is one step of the
// undo history, named as the menu names the command.
template <typename Model, typename Dialog, typename... Args>
void RunSoilDialog(CQelApp& app, CommandId id, Args... args) {
  ApplicationState& state = app.state();
  PromptService& prompts = app.services().prompts;
  DialogCommand<Model> command;
  command.load = [&state, args...] { return Model(state.document.cells(), args...); };
  command.show = [&app, &prompts](Model& model) {
    return ExecModal<Dialog>(model, prompts, app.mainFrame());
  };
  RunDocumentDialog(command, CommandStepName(id), state.document, prompts);
}

}  // namespace

void OnSoilLayers(CQelApp& app) {
  RunSoilDialog<SoilLayerModel, CSoilLayerDlg>(app, CommandId::SoilLayers,
                                               app.state().settings.unitSystem);
}

void OnSoilCurves(CQelApp& app) {
  RunSoilDialog<SoilCurveModel, CSoilCurveDlg>(app, CommandId::SoilCurves);
}

void OnSoilConditions(CQelApp& app) {
  RunSoilDialog<SoilConditionsModel, CSoilConditionsDlg>(app, CommandId::SoilConditions,
                                                         app.state().settings.unitSystem);
}

void OnSoilStages(CQelApp& app) {
  RunSoilDialog<SoilStagesModel, CSoilStagesDlg>(app, CommandId::SoilStages,
                                                 app.state().settings.unitSystem);
}

void OnSoilDrains(CQelApp& app) {
  RunSoilDialog<SoilDrainsModel, CSoilDrainsDlg>(app, CommandId::SoilDrains,
                                                 app.state().settings.unitSystem);
}

void OnSoilPlates(CQelApp& app) {
  RunSoilDialog<PlateModel, CPlateDlg>(app, CommandId::SoilPlates);
}

}  // namespace qel
