// Commands whose dialogs may change the document: each change is one undo step, and the
// document's modified mark follows its content.
#pragma once

#include <functional>

#include "view/command_ids.h"

namespace qel {

class CQelApp;

// Connects `handler` to command `id` of the main window (and enables it). The handler changes
// the document through Document::Change. The window's modified mark then shows the document's,
// and every command ends with the view's Refresh, whatever its dialog changed (the document, the
// settings, the display).
void SetDocumentCommandHandler(CQelApp& app, CommandId id, std::function<void()> handler);

}  // namespace qel
