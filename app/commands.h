// The texts and prompts of the menu and tool bar commands.
#pragma once

#include <string>
#include <vector>

#include "view/command_ids.h"

namespace qel {

struct CommandText {
  CommandId id;
  const char* menuText;  // with its mnemonic; nullptr for commands that only the tool bar has
  // The status-line prompt, then after "\n" the tool tip (the prompt alone when there is none).
  const char* prompt;
  const char* shortcut;  // "Ctrl+N", or nullptr
};

// Every command of the menu and the tool bar.
const std::vector<CommandText>& CommandTexts();
// The entry of `id`; nullptr for an unknown id.
const CommandText* FindCommandText(CommandId id);
// The menu text of `id` as an undo step is named: without its mnemonic ("(&A)") and trailing
// "...". Empty for a command without menu text.
std::string CommandStepName(CommandId id);

}  // namespace qel
