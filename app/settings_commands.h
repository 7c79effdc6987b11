// The commands of the settings menu: each opens its dialog and keeps what was confirmed.
#pragma once

namespace qel {

class CQelApp;

// Connects the settings commands to the menu of the application's main window.
void ConnectSettingsCommands(CQelApp& app);

// "キーの動作": the Enter key of the data-entry dialogs; saved in Sys.ndx.
void OnKeyBehaviour(CQelApp& app);

}  // namespace qel
