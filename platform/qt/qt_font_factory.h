// Qt fonts made from the program's font requests.
#pragma once

#include <QFont>
#include <optional>

#include "platform/device_context.h"

class QPaintDevice;

namespace qel {

// The largest fonts a device is asked for, in pixels of cell height.
inline constexpr int kLargestFontHeight = 16384;

// The font for `request` on `device` (nullptr: the default screen): the face mapped to an installed
// family and the pixel size chosen so that the cell height (ascent plus descent) comes as close
// to request.height as it can without exceeding it. Nothing when the request cannot be met: a
// height outside 1..kLargestFontHeight or no face name.
std::optional<QFont> MakeDeviceFont(const FontSpec& request, const QPaintDevice* device);

// The cell height (ascent plus descent) of `font` on `device`, in device pixels.
double CellHeight(const QFont& font, const QPaintDevice* device);

}  // namespace qel
