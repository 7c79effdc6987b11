// What a dialog model reports when the values typed cannot be accepted.
#pragma once

#include <string>

namespace qel {

struct ValidationError {
  std::string message;  // shown to the user as it is
  std::string field;    // object name of the field that gets the focus
};

}  // namespace qel
