// The zoom of the page view: per display a fixed factor or a fit to the window, its steps, the
// resolution the screen paints at, and how it is kept in the profile.
#pragma once

#include <optional>
#include <string>

namespace qel {

// Fixed: the factor as chosen. FitPage and FitWidth: the factor at which the whole page, or its
// width, fits the window, worked out again whenever the window or the paper changes.
enum class ZoomMode { Fixed, FitPage, FitWidth };

struct DisplayZoom {
  ZoomMode mode = ZoomMode::Fixed;
  double factor = 1.0;  // 1: the page at its printed size

  bool operator==(const DisplayZoom&) const = default;
};

inline constexpr double kSmallestZoom = 0.1;
inline constexpr double kLargestZoom = 4.0;

// The factor kept within kSmallestZoom .. kLargestZoom (1 for a factor that is not a number).
double ClampZoom(double factor);
// The next step of the zoom ladder (25 % 33 % 50 % 67 % 75 % 90 % 100 % 110 % 125 % 150 % 175 %
// 200 % 250 % 300 % 400 %) above or below `factor`; the end of the ladder stays.
double ZoomInStep(double factor);
double ZoomOutStep(double factor);

// The resolution the screen paints at with a zoom: the logical resolution times the factor,
// rounded, at least 1. Text is made at this resolution, so it is drawn at the zoomed size.
int ZoomedDpi(int logicalDpi, double factor);

// The pixels `millimetres` of paper take at `dpi`, rounded up.
int PaperPixels(int millimetres, int dpi);

// What a fit is worked out from: the paper, the screen's logical resolution, the window's inner
// size without scroll bars, a scroll bar's thickness and the blank margin kept around the page.
struct FitInputs {
  int paperWidthMm = 0, paperHeightMm = 0;
  int logicalDpiX = 96, logicalDpiY = 96;
  int areaWidth = 0, areaHeight = 0;
  int scrollBarExtent = 0;
  int margin = 0;
};

// The largest factor at which the page (FitPage) or its width (FitWidth) fits the window with
// its margins. For the width, the vertical scroll bar that the taller page brings is taken off
// the window first. A fixed zoom returns `current`.
double FitZoomFactor(ZoomMode mode, const FitInputs& inputs, double current);

// The zoom as the profile keeps it: "fit-page", "fit-width", or the factor in percent ("150").
std::string ZoomProfileText(const DisplayZoom& zoom);
// Nothing for a text that is none of these.
std::optional<DisplayZoom> ZoomFromProfileText(const std::string& text);

// "100%", "67%": the factor as the status bar shows it.
std::string ZoomPercentText(double factor);

}  // namespace qel
