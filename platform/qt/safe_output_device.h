// A Qt output device that writes through SafeFileWriter, for the PDF, SVG and PNG writers.
#pragma once

#include <QIODevice>
#include <functional>
#include <string>

#include "base/safe_file_writer.h"

namespace qel {

class SafeOutputDevice : public QIODevice {
 public:
  // Prepares `path`; the device is open for writing unless the path cannot be written, when
  // outcome() says why.
  explicit SafeOutputDevice(const std::string& path);
  // Closes the device and finishes the file: whether it is complete where it belongs.
  WriteOutcome Commit();
  const WriteOutcome& outcome() const { return writer_.outcome(); }

 protected:
  qint64 readData(char* data, qint64 size) override;
  qint64 writeData(const char* data, qint64 size) override;

 private:
  SafeFileWriter writer_;
};

// Lets `draw` write into a SafeOutputDevice on `path`, then commits it. A `draw` that returns
// false fails the write (leaving what was at `path`) even when the system reported nothing.
WriteOutcome WriteOutputFile(const std::string& path,
                             const std::function<bool(QIODevice& device)>& draw);

}  // namespace qel
