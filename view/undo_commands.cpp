// "元に戻す" and "やり直し" of the edit menu: their menu items and their steps.
#include "view/undo_commands.h"

namespace qel {

namespace {

HistoryItem Item(const char* command, bool enabled, const std::string& step) {
  HistoryItem item;
  item.enabled = enabled;
  item.text = enabled && !step.empty() ? std::string(command) + ": " + step : command;
  return item;
}

// The settings hold copies of the document's ranges, which the figures are drawn with. Copies
// that the lines still show are kept as they are, with every decimal of the top Y typed.
bool Took(bool took, ApplicationState& state) {
  if (took && !RangesShowLines(state.settings, state.document.cells()))
    TakeFigureRanges(state.document.cells(), state.settings);
  return took;
}

}  // namespace

HistoryItem UndoItem(const Document& document) {
  return Item("元に戻す", document.CanUndo(), document.UndoName());
}

HistoryItem RedoItem(const Document& document) {
  return Item("やり直し", document.CanRedo(), document.RedoName());
}

bool UndoDocumentStep(ApplicationState& state) {
  return Took(state.document.Undo(), state);
}

bool RedoDocumentStep(ApplicationState& state) {
  return Took(state.document.Redo(), state);
}

}  // namespace qel
