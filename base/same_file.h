// Whether two paths name one file, so that an output never overwrites the input it came from.
#pragma once

#include <string>

namespace qel {

// True when both paths exist and are the same file, whatever links or spellings lead to it
// ("a.qdw", "./a.qdw", a link to it). False when either does not exist or cannot be examined.
bool IsSameExistingFile(const std::string& a, const std::string& b);

}  // namespace qel
