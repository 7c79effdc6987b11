// Message boxes behind an interface, so the core can ask the user without a GUI toolkit.
#pragma once

#include <string>

namespace qel {

enum class PromptButtons { Ok, YesNo };
enum class PromptAnswer { Ok, Yes, No };

class PromptService {
 public:
  virtual ~PromptService() = default;
  // Shows `text` modally and returns the button the user pressed.
  virtual PromptAnswer Show(const std::string& text, PromptButtons buttons) = 0;
};

}  // namespace qel
