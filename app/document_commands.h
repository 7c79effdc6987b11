// Commands whose dialogs may change what a save of the document writes: the document's modified
// mark follows the saved text.
#pragma once

#include <functional>

#include "view/command_ids.h"

namespace qel {

class CQelApp;

// Connects `handler` to command `id` of the main window (and enables it). After the command,
// the document is marked modified when a save would now write other bytes than before it:
// a cell, a setting line, a scale or print range, the decimals of the saved results. A
// command that leaves those as they were leaves the mark as it was. Every command ends with the
// view's Refresh, whatever its dialog changed (the document, the settings, the display).
void SetDocumentCommandHandler(CQelApp& app, CommandId id, std::function<void()> handler);

}  // namespace qel
