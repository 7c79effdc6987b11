// "元に戻す" and "やり直し" of the edit menu, without a window: what their menu items show and
// what they do to the program's state.
#pragma once

#include <string>

#include "view/application_state.h"

namespace qel {

// How a menu item of the undo history shows: enabled while there is a step to take, its text
// naming that step ("元に戻す: 荷重1の入力"), or the bare command while there is none.
struct HistoryItem {
  bool enabled = false;
  std::string text;
};
HistoryItem UndoItem(const Document& document);
HistoryItem RedoItem(const Document& document);

// Takes the document one step back, or the last undone step again, its scales and print ranges
// with it. False, with nothing changed, when there is no step to take. The caller refreshes the
// view as after any command.
bool UndoDocumentStep(ApplicationState& state);
bool RedoDocumentStep(ApplicationState& state);

}  // namespace qel
