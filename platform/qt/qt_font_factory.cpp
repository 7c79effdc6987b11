// Qt fonts made from the program's font requests.
#include "platform/qt/qt_font_factory.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <algorithm>

#include "platform/qt/font_faces.h"

namespace qel {

double CellHeight(const QFont& font, const QPaintDevice* device) {
  // QFontMetricsF takes a non-const device but only reads its resolution.
  QFontMetricsF metrics =
      device ? QFontMetricsF(font, const_cast<QPaintDevice*>(device)) : QFontMetricsF(font);
  return metrics.ascent() + metrics.descent();
}

std::optional<QFont> MakeDeviceFont(const FontSpec& request, const QPaintDevice* device) {
  if (request.height <= 0 || request.height > kLargestFontHeight) return std::nullopt;
  const QString family = MapFontFace(QString::fromStdString(request.faceName));
  if (family.isEmpty()) return std::nullopt;

  QFont font(family);
  font.setUnderline(request.underline);
  auto fits = [&](int pixelSize) {
    font.setPixelSize(pixelSize);
    return CellHeight(font, device) <= request.height + 1e-6;
  };

  // The cell height grows with the pixel size, nearly in proportion: start from the proportional
  // estimate, gallop away from it until the answer is bracketed, then bisect. Usually two or
  // three sizes are measured.
  font.setPixelSize(request.height);
  const double cellAtHeight = CellHeight(font, device);
  int estimate = request.height;
  if (cellAtHeight > 0) {
    estimate = std::clamp(static_cast<int>(request.height * (request.height / cellAtHeight)), 1,
                          2 * kLargestFontHeight);
  }
  int fitting = 0, tooBig = 0;  // largest size known to fit (0: none), smallest known not to
  if (fits(estimate)) {
    fitting = estimate;
    for (int step = 1;; step *= 2) {
      tooBig = fitting + step;
      if (tooBig > 2 * kLargestFontHeight || !fits(tooBig)) break;
      fitting = tooBig;
    }
  } else {
    tooBig = estimate;
    for (int step = 1;; step *= 2) {
      fitting = std::max(0, tooBig - step);
      if (fitting == 0 || fits(fitting)) break;
      tooBig = fitting;
    }
  }
  while (tooBig - fitting > 1) {
    const int middle = fitting + (tooBig - fitting) / 2;
    (fits(middle) ? fitting : tooBig) = middle;
  }
  // Even the smallest size can exceed a height of a pixel or two; it is the closest there is.
  const int pixelSize = std::max(1, fitting);
  font.setPixelSize(pixelSize);
  return font;
}

}  // namespace qel
