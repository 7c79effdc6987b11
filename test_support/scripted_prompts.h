// A prompt service for tests: answers from a script and records every message shown.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/prompts.h"

namespace qel {

class ScriptedPrompts : public PromptService {
 public:
  struct Shown {
    std::string text;
    PromptButtons buttons;
  };

  // Queues the answers given to the next questions, in order. When the script runs out, Yes/No
  // questions are answered No and Yes/No/Cancel questions Cancel, the answers that lose
  // nothing; OK messages are always answered Ok.
  void AnswerNext(PromptAnswer answer) { answers_.push_back(answer); }

  PromptAnswer Show(const std::string& text, PromptButtons buttons) override;

  const std::vector<Shown>& shown() const { return shown_; }
  // How many messages whose text equals `text` were shown.
  int CountShown(const std::string& text) const;
  void Clear() { shown_.clear(); }

 private:
  std::deque<PromptAnswer> answers_;
  std::vector<Shown> shown_;
};

}  // namespace qel
