// Fixed printer pages for tests and headless rendering.
#include <cmath>

#include "platform/paper_units.h"
#include "platform/printer_info.h"

namespace qel {

PrinterPage FixedPrinterInfo::Paper(int widthMm, int heightMm, int dpi) {
  // Round the pixel size up, so that converting it back to whole millimetres gives the paper.
  auto pixels = [dpi](int millimetres) {
    return static_cast<int>(std::ceil(millimetres * dpi / kMillimetresPerInch - 1e-9));
  };
  return {pixels(widthMm), pixels(heightMm), dpi, dpi};
}

PrinterPage FixedPrinterInfo::A4(int dpi) {
  return Paper(210, 297, dpi);
}

}  // namespace qel
