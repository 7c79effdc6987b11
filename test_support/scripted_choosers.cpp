// Font and colour choosers for tests.
#include "test_support/scripted_choosers.h"

namespace qel {

namespace {

template <typename T>
std::optional<T> NextAnswer(std::deque<std::optional<T>>& answers) {
  if (answers.empty()) return std::nullopt;
  std::optional<T> answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace

std::optional<FontChoice> ScriptedFontChooser::Choose(const FontChoice& initial) {
  asked_.push_back(initial);
  return NextAnswer(answers_);
}

std::optional<std::uint32_t> ScriptedColourChooser::Choose(std::uint32_t initial) {
  asked_.push_back(initial);
  return NextAnswer(answers_);
}

}  // namespace qel
