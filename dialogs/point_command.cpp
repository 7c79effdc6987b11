// The calculation-point commands: the dialog until its values hold no negative number.
#include "dialogs/point_command.h"

#include "platform/messages.h"
#include "platform/prompts.h"

namespace qel {

PointCommandOutcome RunPointCommand(PointEditor& editor, Document& document, PromptService& prompts,
                                    const std::function<bool()>& show,
                                    const std::function<void(bool changed)>& afterOk) {
  PointCommandOutcome outcome;
  while (show()) {
    ++outcome.confirmations;
    const bool changed = document.Change(editor.layout().title,
                                         [&editor](DocumentTables& cells) { editor.Apply(cells); });
    const DocumentTables& tables = document.cells();
    outcome.changed = outcome.changed || changed;
    const std::vector<int> negative = NegativePointRecords(editor.kind(), tables);
    for (int row : negative)
      prompts.Show(MessageText(MessageId::NegativeData) + "\n" +
                       NegativeFieldsOf(editor.kind(), tables, row),
                   PromptButtons::Ok);
    if (afterOk) afterOk(changed);
    if (negative.empty()) break;
  }
  return outcome;
}

}  // namespace qel
