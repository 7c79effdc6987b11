// A Qt output device that writes through SafeFileWriter.
#include "platform/qt/safe_output_device.h"

namespace qel {

SafeOutputDevice::SafeOutputDevice(const std::string& path) {
  if (writer_.Open(path)) QIODevice::open(QIODevice::WriteOnly);
}

qint64 SafeOutputDevice::readData(char*, qint64) {
  return -1;
}

qint64 SafeOutputDevice::writeData(const char* data, qint64 size) {
  if (size < 0) return -1;
  return writer_.Write(std::string_view(data, static_cast<std::size_t>(size))) ? size : -1;
}

WriteOutcome SafeOutputDevice::Commit() {
  if (isOpen()) close();
  return writer_.Commit();
}

WriteOutcome WriteOutputFile(const std::string& path,
                             const std::function<bool(QIODevice& device)>& draw) {
  SafeOutputDevice device(path);
  if (!device.isOpen()) return device.outcome();
  const bool drawn = draw(device);
  // A writer that failed must not be committed: the old file stays.
  if (!drawn || device.outcome().systemError != 0) {
    WriteOutcome outcome = device.outcome();
    outcome.ok = false;
    return outcome;
  }
  return device.Commit();
}

}  // namespace qel
