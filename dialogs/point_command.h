// The calculation-point commands: the dialog until its values hold no negative number.
#pragma once

#include <functional>

#include "dialogs/point_editor.h"
#include "document/document.h"

namespace qel {

class PromptService;

struct PointCommandOutcome {
  int confirmations = 0;  // how many times OK was pressed
  bool changed = false;   // whether any OK changed a cell of the document
};

// Shows the dialog of `editor` through `show` (true for OK). Each OK copies the texts into
// the document (one undo step named for the dialog), tells every record holding a negative
// value (message 4012) and calls `afterOk` with whether that OK changed the document; a
// negative value opens the dialog again with the texts as typed. Cancel ends the loop and keeps
// what earlier OKs copied.
PointCommandOutcome RunPointCommand(PointEditor& editor, Document& document, PromptService& prompts,
                                    const std::function<bool()>& show,
                                    const std::function<void(bool changed)>& afterOk);

}  // namespace qel
