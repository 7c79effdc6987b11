// The pages of a paged device one after another.
#include "platform/qt/qt_page_sequence.h"

#include <QPagedPaintDevice>

namespace qel {

QtPageSequence::QtPageSequence(QPagedPaintDevice& device, int dpi) : device_(device), dpi_(dpi) {}

DeviceContext* QtPageSequence::NextPage() {
  if (failed_) return nullptr;
  if (!started_) {
    started_ = true;
    if (!painter_.begin(&device_)) {
      failed_ = true;
      return nullptr;
    }
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
  } else if (!device_.newPage()) {
    failed_ = true;
    return nullptr;
  }
  // A fresh device per page: each page starts from the painter's state, with no clip left over.
  dc_.reset();
  painter_.resetTransform();
  painter_.setClipping(false);
  dc_.emplace(painter_, dpi_, dpi_);
  return &*dc_;
}

bool QtPageSequence::Finish() {
  dc_.reset();
  if (painter_.isActive() && !painter_.end()) failed_ = true;
  return started_ && !failed_;
}

}  // namespace qel
