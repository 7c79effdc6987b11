// Whether two paths name one file.
#include "base/same_file.h"

#include <filesystem>
#include <system_error>

namespace qel {

bool IsSameExistingFile(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return false;
  std::error_code error;
  const bool same = std::filesystem::equivalent(a, b, error);
  return !error && same;
}

}  // namespace qel
