// Commands whose dialogs may change the document, and the refresh of the view that ends each of
// them.
#include "app/document_commands.h"

#include "app/main_frame.h"
#include "app/qel_app.h"
#include "app/qel_view.h"

namespace qel {

void SetDocumentCommandHandler(CQelApp& app, CommandId id, std::function<void()> handler) {
  app.mainFrame()->SetCommandHandler(id, [&app, handler = std::move(handler)] {
    handler();
    app.document().ModifiedMayHaveChanged();
    app.mainFrame()->view()->Refresh();
  });
}

}  // namespace qel
