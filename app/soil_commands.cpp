// The soil menu's commands: the dialog's OK writes the soil profile's section of the document
// when it changed it.
#include "app/soil_commands.h"

#include "app/document_commands.h"
#include "app/main_frame.h"
#include "app/qel_app.h"
#include "dialogs/qt/soil_conditions_dlg.h"
#include "dialogs/qt/soil_curve_dlg.h"
#include "dialogs/qt/soil_layer_dlg.h"

namespace qel {

namespace {

// Runs `Dialog` over a `Model` built from the document; OK that changed the section applies it.
template <typename Model, typename Dialog, typename... Args>
void RunSoilDialog(CQelApp& app, Args... args) {
  ApplicationState& state = app.state();
  Model model(state.tables, args...);
  Dialog dialog(model, app.services().prompts, app.mainFrame());
  if (dialog.exec() == QDialog::Accepted && model.HasChanged()) model.Apply(state.tables);
}

}  // namespace

void ConnectSoilCommands(CQelApp& app) {
  SetDocumentCommandHandler(app, CommandId::SoilLayers, [&app] {
    RunSoilDialog<SoilLayerModel, CSoilLayerDlg>(app, app.state().settings.unitSystem);
  });
  SetDocumentCommandHandler(app, CommandId::SoilCurves,
                            [&app] { RunSoilDialog<SoilCurveModel, CSoilCurveDlg>(app); });
  SetDocumentCommandHandler(app, CommandId::SoilConditions, [&app] {
    RunSoilDialog<SoilConditionsModel, CSoilConditionsDlg>(app, app.state().settings.unitSystem);
  });
}

}  // namespace qel
