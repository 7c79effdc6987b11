// The desktop's clipboard behind an interface, so that copying runs and is checked without a
// window.
#pragma once

#include <string>

namespace qel {

class ClipboardService {
 public:
  virtual ~ClipboardService() = default;
  // Puts `text` (UTF-8) on the clipboard in place of what was there.
  virtual void SetText(const std::string& text) = 0;
};

}  // namespace qel
