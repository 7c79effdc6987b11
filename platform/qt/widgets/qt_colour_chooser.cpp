// The colour dialog shown with QColorDialog.
#include "platform/qt/widgets/qt_colour_chooser.h"

#include <QColorDialog>

namespace qel {

QColor QColorOf(std::uint32_t value) {
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

std::uint32_t ColourValueOf(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return static_cast<std::uint32_t>(rgb.red()) | static_cast<std::uint32_t>(rgb.green()) << 8 |
         static_cast<std::uint32_t>(rgb.blue()) << 16;
}

std::optional<std::uint32_t> QtColourChooser::Choose(std::uint32_t initial) {
  QColorDialog dialog(QColorOf(initial), parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return ColourValueOf(dialog.selectedColor());
}

}  // namespace qel
