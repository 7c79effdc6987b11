// Lines shared between copies until changed.
#include "document/shared_lines.h"

#include <algorithm>
#include <unordered_map>

namespace qel {

SharedLines& SharedLines::operator=(const std::vector<std::string>& lines) {
  if (lines.empty()) {
    lines_.reset();
    return *this;
  }
  // The lines held so far, by their text: a line that stays shares its text with the copies
  // that hold it.
  std::unordered_map<std::string_view, Line> held;
  if (lines_)
    for (const Line& line : *lines_)
      held.emplace(*line, line);
  auto next = std::make_shared<Lines>();
  next->reserve(lines.size());
  for (const std::string& text : lines) {
    const auto same = held.find(text);
    next->push_back(same != held.end() ? same->second : std::make_shared<const std::string>(text));
  }
  lines_ = std::move(next);
  return *this;
}

SharedLines::Lines& SharedLines::Own() {
  if (!lines_) {
    lines_ = std::make_shared<Lines>();
  } else if (lines_.use_count() > 1) {
    lines_ = std::make_shared<Lines>(*lines_);
  }
  // Made here, not const, and held by this copy alone.
  return const_cast<Lines&>(*lines_);
}

void SharedLines::push_back(std::string line) {
  Own().push_back(std::make_shared<const std::string>(std::move(line)));
}

bool operator==(const SharedLines& a, const SharedLines& b) {
  if (a.lines_ == b.lines_) return true;
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

bool operator==(const SharedLines& a, const std::vector<std::string>& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

}  // namespace qel
