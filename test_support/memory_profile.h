// A profile held in memory only, for tests.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "platform/profile.h"

namespace qel {

class MemoryProfile : public Profile {
 public:
  std::string Value(const std::string& section, const std::string& key) const override;
  void SetValue(const std::string& section, const std::string& key,
                const std::string& value) override {
    values_[{section, key}] = value;
  }

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace qel
