// The colour dialog shown with QColorDialog.
#pragma once

#include <QColor>

#include "platform/colour_chooser.h"

class QWidget;

namespace qel {

// A stored colour value (red in the lowest byte, blue in the third) as a QColor, and back.
QColor QColorOf(std::uint32_t value);
std::uint32_t ColourValueOf(const QColor& colour);

class QtColourChooser : public ColourChooser {
 public:
  explicit QtColourChooser(QWidget* parent = nullptr) : parent_(parent) {}
  void set_parent(QWidget* parent) { parent_ = parent; }

  std::optional<std::uint32_t> Choose(std::uint32_t initial) override;

 private:
  QWidget* parent_;
};

}  // namespace qel
