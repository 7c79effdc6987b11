// A clipboard for tests: it keeps every text put on it, in order.
#pragma once

#include <string>
#include <vector>

#include "platform/clipboard.h"

namespace qel {

class RecordingClipboard : public ClipboardService {
 public:
  void SetText(const std::string& text) override { texts_.push_back(text); }
  const std::vector<std::string>& texts() const { return texts_; }

 private:
  std::vector<std::string> texts_;
};

}  // namespace qel
