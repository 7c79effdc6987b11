// Messages of a program without a window, written to standard error.
#include "cli/stderr_prompts.h"

#include <cstdio>

namespace qel {

PromptAnswer StderrPrompts::Show(const std::string& text, PromptButtons buttons) {
  std::string oneLine;
  for (char c : text)
    oneLine += (c == '\n' || c == '\r') ? ' ' : c;
  std::fprintf(stderr, "qel-cli: %s\n", oneLine.c_str());
  return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::No;
}

}  // namespace qel
