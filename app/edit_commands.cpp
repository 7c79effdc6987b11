// "元に戻す" and "やり直し" of the edit menu: the thin Qt side of the undo commands.
#include "app/edit_commands.h"

#include <QAction>
#include <QKeySequence>

#include "app/commands.h"
#include "app/main_frame.h"
#include "app/qel_app.h"
#include "app/qel_view.h"
#include "view/undo_commands.h"

namespace qel {

namespace {

// The item's text from the model, with the mnemonic of the command's own menu text.
void ShowItem(QAction& action, CommandId id, const HistoryItem& item) {
  const std::string menuText = FindCommandText(id)->menuText;
  const std::size_t mnemonic = menuText.find("(&");
  std::string text = item.text;
  if (mnemonic != std::string::npos) text += menuText.substr(mnemonic);
  action.setText(QString::fromStdString(text));
  action.setEnabled(item.enabled);
}

}  // namespace

void ConnectEditCommands(CQelApp& app) {
  CMainFrame& frame = *app.mainFrame();
  CQelView& view = *frame.view();
  QAction* undo = frame.CommandAction(CommandId::EditUndo);
  QAction* redo = frame.CommandAction(CommandId::EditRedo);
  redo->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
  auto take = [&app, &view](bool (*step)(ApplicationState&)) {
    if (!step(app.state())) return;
    app.document().ModifiedMayHaveChanged();
    view.Refresh();
  };
  frame.SetCommandHandler(CommandId::EditUndo, [take] { take(UndoDocumentStep); });
  frame.SetCommandHandler(CommandId::EditRedo, [take] { take(RedoDocumentStep); });
  // Every change of the document ends in the view's refresh: the items follow it there.
  auto update = [&app, undo, redo] {
    ShowItem(*undo, CommandId::EditUndo, UndoItem(app.state().document));
    ShowItem(*redo, CommandId::EditRedo, RedoItem(app.state().document));
  };
  QObject::connect(&view, &CQelView::displayChanged, undo, update);
  update();
}

}  // namespace qel
