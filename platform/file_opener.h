// Opening a file with the program the desktop uses for its type (a text editor for the help
// text), behind an interface so that tests need no desktop.
#pragma once

#include <string>

namespace qel {

class FileOpener {
 public:
  virtual ~FileOpener() = default;
  // Starts the desktop's program for `path` without waiting for it; false when none could be
  // started.
  virtual bool Open(const std::string& path) = 0;
};

}  // namespace qel
