// A PDF file of one A4 portrait page drawn through the drawing device.
#pragma once

#include <functional>
#include <string>

#include "platform/device_context.h"
#include "settings/safe_file_writer.h"

namespace qel {

// Writes `path` with one page drawn by `draw` at `dpi`, through the safe writer: what was at
// `path` stays until the complete new file replaces it.
WriteOutcome WriteSinglePagePdf(const std::string& path, const std::string& title, int dpi,
                                const std::function<void(DeviceContext&)>& draw);

}  // namespace qel
