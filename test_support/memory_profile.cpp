// A profile held in memory only.
#include "test_support/memory_profile.h"

namespace qel {

std::string MemoryProfile::Value(const std::string& section, const std::string& key) const {
  auto it = values_.find({section, key});
  return it == values_.end() ? std::string() : it->second;
}

}  // namespace qel
