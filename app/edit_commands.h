// "元に戻す" and "やり直し" of the edit menu: the thin Qt side of the undo commands.
#pragma once

namespace qel {

class CQelApp;

// Takes the document one step back, or the last undone step again; after a step the window's
// modified mark and the view are brought up to date through the view's one refresh. Nothing
// happens when there is no step to take (their items are disabled then).
void OnEditUndo(CQelApp& app);
void OnEditRedo(CQelApp& app);

}  // namespace qel
