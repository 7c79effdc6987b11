// "元に戻す" and "やり直し" of the edit menu: their menu items and their steps.
#include "app/undo_commands.h"

namespace qel {

namespace {

HistoryItem Item(const char* command, bool enabled, const std::string& step) {
  HistoryItem item;
  item.enabled = enabled;
  item.text = enabled && !step.empty() ? std::string(command) + ": " + step : command;
  return item;
}

}  // namespace

HistoryItem UndoItem(const Document& document) {
  return Item("元に戻す", document.CanUndo(), document.UndoName());
}

HistoryItem RedoItem(const Document& document) {
  return Item("やり直し", document.CanRedo(), document.RedoName());
}

bool UndoDocumentStep(ApplicationState& state) {
  return state.document.Undo();
}

bool RedoDocumentStep(ApplicationState& state) {
  return state.document.Redo();
}

}  // namespace qel
