// Values the program keeps in the user's profile from one run to the next, by section and key.
#pragma once

#include <string>

namespace qel {

class Profile {
 public:
  virtual ~Profile() = default;
  // The value kept under `section` and `key`; empty when there is none.
  virtual std::string Value(const std::string& section, const std::string& key) const = 0;
  virtual void SetValue(const std::string& section, const std::string& key,
                        const std::string& value) = 0;
};

}  // namespace qel
