// A key for cached results and layouts: every input written into one string, so that two sets of
// inputs compare equal exactly when every part is equal.
#pragma once

#include <string>
#include <string_view>

namespace qel {

class CacheKey {
 public:
  void Add(std::string_view text);  // with its length, so parts never run into each other
  void Add(long long value);
  void Add(double value);  // by its bits
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace qel
