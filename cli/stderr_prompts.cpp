// Messages of a program without a window, written to standard error.
#include "cli/stderr_prompts.h"

#include <cstdio>

namespace qel {

PromptAnswer StderrPrompts::Show(const std::string& text, PromptButtons buttons) {
  std::string oneLine;
  for (char c : text)
    oneLine += (c == '\n' || c == '\r') ? ' ' : c;
  std::fprintf(stderr, "qel-cli: %s\n", oneLine.c_str());
  switch (buttons) {
    case PromptButtons::Ok:
      return PromptAnswer::Ok;
    case PromptButtons::YesNo:
      return PromptAnswer::No;
    case PromptButtons::YesNoCancel:
      break;
  }
  return PromptAnswer::Cancel;  // nobody can answer: the action that asked does not go on
}

}  // namespace qel
