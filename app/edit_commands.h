// "元に戻す" and "やり直し" of the edit menu: the thin Qt side of the undo commands.
#pragma once

namespace qel {

class CQelApp;

// Connects undo and redo (Ctrl+Z; Ctrl+Y and Ctrl+Shift+Z) to the main window. Their items name
// the step they would take and are disabled while there is none; after a step the window's
// modified mark and the view are brought up to date through the view's one refresh.
void ConnectEditCommands(CQelApp& app);

}  // namespace qel
