// The options that place a display on paper: display number, resolution and paper size.
#pragma once

#include <optional>
#include <string>

#include "cli/cli_args.h"
#include "view/view_state.h"

namespace qel {

struct PageOptions {
  DisplayMode display = DisplayMode::StripFigure;
  int dpi = 600;
  int paperWidthMm = 210;
  int paperHeightMm = 297;
};

// Reads --display (required, 1..6), --dpi (default `defaultDpi`) and --paper WxH (millimetres).
// Nothing, with `error` set, when one of them is malformed.
std::optional<PageOptions> ReadPageOptions(const CliArgs& args, int defaultDpi, std::string& error);
// The same without --display, for output of every display.
std::optional<PageOptions> ReadPaperOptions(const CliArgs& args, int defaultDpi,
                                            std::string& error);

}  // namespace qel
