// Messages of a program without a window: written to standard error, questions answered No, or
// Cancel where Cancel is offered.
#pragma once

#include <string>

#include "platform/prompts.h"

namespace qel {

class StderrPrompts : public PromptService {
 public:
  PromptAnswer Show(const std::string& text, PromptButtons buttons) override;
};

}  // namespace qel
