// "元に戻す" and "やり直し" of the edit menu: the thin Qt side of the undo commands.
#include "app/edit_commands.h"

#include "app/main_frame.h"
#include "app/qel_app.h"
#include "app/qel_view.h"
#include "app/undo_commands.h"

namespace qel {

namespace {

void TakeStep(CQelApp& app, bool (*step)(ApplicationState&)) {
  if (!step(app.state())) return;
  app.document().ModifiedMayHaveChanged();
  app.mainFrame()->view()->Refresh();
}

}  // namespace

void OnEditUndo(CQelApp& app) {
  TakeStep(app, UndoDocumentStep);
}

void OnEditRedo(CQelApp& app) {
  TakeStep(app, RedoDocumentStep);
}

}  // namespace qel
