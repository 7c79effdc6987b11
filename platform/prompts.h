// Message boxes behind an interface, so the core can ask the user without a GUI toolkit.
#pragma once

#include <string>
#include <vector>

namespace qel {

enum class PromptButtons { Ok, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Yes, No, Cancel };

class PromptService {
 public:
  virtual ~PromptService() = default;
  // Shows `text` modally and returns the button the user pressed. A line break may be written
  // "\r\n" or "\n". Closing a question without choosing answers No, or Cancel where Cancel
  // is offered.
  virtual PromptAnswer Show(const std::string& text, PromptButtons buttons) = 0;
};

// Shows each of `texts` with an OK button, in order: how what a command found is told.
inline void ShowEach(PromptService& prompts, const std::vector<std::string>& texts) {
  for (const std::string& text : texts)
    prompts.Show(text, PromptButtons::Ok);
}

}  // namespace qel
