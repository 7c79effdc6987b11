// Commands whose dialogs may change what a save of the document writes, and the refresh of the
// view that ends each of them.
#include "app/document_commands.h"

#include <string>

#include "app/main_frame.h"
#include "app/qel_app.h"
#include "app/qel_view.h"

namespace qel {

void SetDocumentCommandHandler(CQelApp& app, CommandId id, std::function<void()> handler) {
  app.mainFrame()->SetCommandHandler(id, [&app, handler = std::move(handler)] {
    CQelDoc& document = app.document();
    const std::string before = document.SavedText();
    handler();
    if (document.SavedText() != before) document.SetModifiedFlag();
    app.mainFrame()->view()->Refresh();
  });
}

}  // namespace qel
