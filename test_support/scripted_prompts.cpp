// A prompt service for tests: answers from a script and records every message shown.
#include "test_support/scripted_prompts.h"

#include <algorithm>

namespace qel {

PromptAnswer ScriptedPrompts::Show(const std::string& text, PromptButtons buttons) {
  shown_.push_back({text, buttons});
  if (buttons == PromptButtons::Ok) return PromptAnswer::Ok;
  if (answers_.empty())
    return buttons == PromptButtons::YesNoCancel ? PromptAnswer::Cancel : PromptAnswer::No;
  PromptAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

int ScriptedPrompts::CountShown(const std::string& text) const {
  return static_cast<int>(
      std::count_if(shown_.begin(), shown_.end(), [&](const Shown& s) { return s.text == text; }));
}

}  // namespace qel
