// Message boxes behind an interface, so the core can ask the user without a GUI toolkit.
#pragma once

#include <string>

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

}  // namespace qel
