// Opening a file with the desktop's program for its type (QDesktopServices).
#pragma once

#include "platform/file_opener.h"

namespace qel {

class QtFileOpener : public FileOpener {
 public:
  bool Open(const std::string& path) override;
};

}  // namespace qel
