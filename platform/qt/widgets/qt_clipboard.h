// The desktop's clipboard (QGuiApplication::clipboard).
#pragma once

#include "platform/clipboard.h"

namespace qel {

class QtClipboard : public ClipboardService {
 public:
  void SetText(const std::string& text) override;
};

}  // namespace qel
