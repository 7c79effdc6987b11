// The commands of the settings menu.
#include "app/settings_commands.h"

#include "app/main_frame.h"
#include "app/qel_app.h"
#include "dialogs/key_behaviour_model.h"
#include "dialogs/qt/key_dlg.h"
#include "dialogs/settings_saving.h"

namespace qel {

void OnKeyBehaviour(CQelApp& app) {
  SystemSettings& settings = app.state().settings;
  KeyBehaviourModel model(settings);
  CKeyDlg dialog(model, app.mainFrame());
  if (dialog.exec() != QDialog::Accepted) return;
  model.Apply(settings);
  SaveSettingsFile(settings, app.services().prompts);
}

void ConnectSettingsCommands(CQelApp& app) {
  CMainFrame& frame = *app.mainFrame();
  frame.SetCommandHandler(CommandId::KeyBehaviour, [&app] { OnKeyBehaviour(app); });
}

}  // namespace qel
