// A key for cached results and layouts.
#include "settings/cache_key.h"

#include <bit>
#include <cstring>

namespace qel {

void CacheKey::Add(std::string_view text) {
  Add(static_cast<long long>(text.size()));
  text_.append(text);
}

void CacheKey::Add(long long value) {
  char bytes[sizeof value];
  std::memcpy(bytes, &value, sizeof value);
  text_.append(bytes, sizeof bytes);
}

void CacheKey::Add(double value) {
  Add(std::bit_cast<long long>(value));
}

}  // namespace qel
