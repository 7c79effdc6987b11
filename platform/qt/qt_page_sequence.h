// The pages of a paged device (a PDF writer, a printer) one after another, each with a drawing
// device at the resolution the pages are laid out for.
#pragma once

#include <QPainter>
#include <optional>

#include "platform/qt/qt_device_context.h"

class QPagedPaintDevice;

namespace qel {

class QtPageSequence {
 public:
  // `dpi`: the resolution the pages are laid out at (the device's own).
  QtPageSequence(QPagedPaintDevice& device, int dpi);
  QtPageSequence(const QtPageSequence&) = delete;
  QtPageSequence& operator=(const QtPageSequence&) = delete;

  // The drawing device of the next page: the first call begins painting, later calls start a
  // new page. Null when the device cannot be drawn on or refuses a new page.
  DeviceContext* NextPage();
  // Ends painting; false when any page failed or the device could not finish.
  bool Finish();

 private:
  QPagedPaintDevice& device_;
  int dpi_;
  QPainter painter_;
  std::optional<QtDeviceContext> dc_;
  bool started_ = false;
  bool failed_ = false;
};

}  // namespace qel
