// Zoom steps, the zoomed resolution, fits to the window and the zoom's profile text.
#include "view/zoom.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/c_locale.h"
#include "platform/paper_units.h"

namespace qel {

namespace {

constexpr std::array<double, 15> kLadder = {0.25, 0.33, 0.5,  0.67, 0.75, 0.9, 1.0, 1.1,
                                            1.25, 1.5,  1.75, 2.0,  2.5,  3.0, 4.0};
// Factors this close are the same step: a fit of 0.6700001 is 67 %.
constexpr double kSameStep = 1e-6;

const char* const kFitPageText = "fit-page";
const char* const kFitWidthText = "fit-width";

// The largest resolution at which `millimetres` of paper take at most `pixels` pixels.
int LargestDpiWithin(int millimetres, int pixels) {
  if (millimetres <= 0) return 1;
  return std::max(1, static_cast<int>(std::floor(pixels * kMillimetresPerInch / millimetres)));
}

// The pixels the page takes at `factor`, margins included.
struct PageExtent {
  int width, height;
};
PageExtent ExtentAt(const FitInputs& in, double factor) {
  return {PaperPixels(in.paperWidthMm, ZoomedDpi(in.logicalDpiX, factor)) + 2 * in.margin,
          PaperPixels(in.paperHeightMm, ZoomedDpi(in.logicalDpiY, factor)) + 2 * in.margin};
}

// The largest factor whose page width (and, for a whole page, height) fits the area.
double LargestFittingFactor(const FitInputs& in, int width, int height, bool wholePage) {
  double factor = static_cast<double>(LargestDpiWithin(in.paperWidthMm, width - 2 * in.margin)) /
                  std::max(1, in.logicalDpiX);
  if (wholePage) {
    factor = std::min(
        factor, static_cast<double>(LargestDpiWithin(in.paperHeightMm, height - 2 * in.margin)) /
                    std::max(1, in.logicalDpiY));
  }
  // Rounding of the zoomed resolution may add a pixel: step down until the page fits.
  const double oneDot = 1.0 / std::max({1, in.logicalDpiX, in.logicalDpiY});
  for (int tries = 0; tries < 8 && factor > kSmallestZoom; ++tries) {
    const PageExtent extent = ExtentAt(in, factor);
    if (extent.width <= width && (!wholePage || extent.height <= height)) break;
    factor -= oneDot;
  }
  return ClampZoom(factor);
}

}  // namespace

double ClampZoom(double factor) {
  if (std::isnan(factor)) return 1.0;
  return std::clamp(factor, kSmallestZoom, kLargestZoom);
}

double ZoomInStep(double factor) {
  for (double step : kLadder)
    if (step > factor + kSameStep) return step;
  return ClampZoom(factor);
}

double ZoomOutStep(double factor) {
  for (auto step = kLadder.rbegin(); step != kLadder.rend(); ++step)
    if (*step < factor - kSameStep) return *step;
  return ClampZoom(factor);
}

int ZoomedDpi(int logicalDpi, double factor) {
  return std::max(1, static_cast<int>(std::lround(logicalDpi * ClampZoom(factor))));
}

int PaperPixels(int millimetres, int dpi) {
  if (millimetres <= 0) return 0;
  return static_cast<int>(
      std::ceil(millimetres * static_cast<double>(dpi) / kMillimetresPerInch - 1e-9));
}

double FitZoomFactor(ZoomMode mode, const FitInputs& in, double current) {
  if (mode == ZoomMode::Fixed) return ClampZoom(current);
  if (mode == ZoomMode::FitPage) return LargestFittingFactor(in, in.areaWidth, in.areaHeight, true);
  double factor = LargestFittingFactor(in, in.areaWidth, in.areaHeight, false);
  if (ExtentAt(in, factor).height > in.areaHeight)
    factor = LargestFittingFactor(in, in.areaWidth - in.scrollBarExtent, in.areaHeight, false);
  return factor;
}

std::string ZoomProfileText(const DisplayZoom& zoom) {
  switch (zoom.mode) {
    case ZoomMode::FitPage:
      return kFitPageText;
    case ZoomMode::FitWidth:
      return kFitWidthText;
    case ZoomMode::Fixed:
      break;
  }
  return FormatC("%g", std::round(ClampZoom(zoom.factor) * 1000.0) / 10.0);
}

std::optional<DisplayZoom> ZoomFromProfileText(const std::string& text) {
  if (text == kFitPageText) return DisplayZoom{ZoomMode::FitPage, 1.0};
  if (text == kFitWidthText) return DisplayZoom{ZoomMode::FitWidth, 1.0};
  if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos) return {};
  const std::optional<double> percent = ParseRealNumber(text);
  if (!percent || !(*percent >= kSmallestZoom * 100 && *percent <= kLargestZoom * 100)) return {};
  return DisplayZoom{ZoomMode::Fixed, *percent / 100.0};
}

std::string ZoomPercentText(double factor) {
  return FormatC("%ld%%", std::lround(ClampZoom(factor) * 100.0));
}

}  // namespace qel
