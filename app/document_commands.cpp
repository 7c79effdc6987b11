// Commands whose dialogs may change the document, and the refresh of the view that ends each of
// them.
#include "app/document_commands.h"

#include <string>

#include "app/commands.h"
#include "app/main_frame.h"
#include "app/qel_app.h"
#include "app/qel_view.h"
#include "document/document_tables.h"

namespace qel {

void SetDocumentCommandHandler(CQelApp& app, CommandId id, std::function<void()> handler) {
  app.mainFrame()->SetCommandHandler(id, [&app, id, handler = std::move(handler)] {
    handler();
    ApplicationState& state = app.state();
    // The scale and print-range dialogs store the ranges in the settings, which show the
    // document's own ranges between commands: a difference now is this command's change.
    state.document.Change(CommandStepName(id), [&state](DocumentTables& cells) {
      SettingsToLines(state.settings, cells);
    });
    app.document().ModifiedMayHaveChanged();
    app.mainFrame()->view()->Refresh();
  });
}

}  // namespace qel
