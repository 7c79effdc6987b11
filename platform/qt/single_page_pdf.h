// A PDF file of one A4 portrait page drawn through the drawing device.
#pragma once

#include <functional>
#include <string>

#include "platform/device_context.h"

namespace qel {

// Writes `path` with one page drawn by `draw` at `dpi`; false when the file could not be
// written, in which case no partial file is left behind.
bool WriteSinglePagePdf(const std::string& path, const std::string& title, int dpi,
                        const std::function<void(DeviceContext&)>& draw);

}  // namespace qel
