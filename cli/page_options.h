// The options that place a display on paper: display number, resolution and paper size.
#pragma once

#include <optional>
#include <string>

#include "cli/cli_args.h"
#include "document/document_tables.h"
#include "platform/paper_units.h"
#include "view/display_table.h"
#include "view/view_state.h"

namespace qel {

struct PageOptions {
  // The display of --display; for a number both problems share, the row of --problem, or until
  // the document is open the strip row (ChooseDisplay picks the one with content).
  DisplayMode display = DisplayMode::StripFigure;
  std::optional<Problem> problem;
  int dpi = kPaperDpi;
  int paperWidthMm = 210;
  int paperHeightMm = 297;
};

// The largest image qel-cli renders: 2^28 pixels, 1 GiB at four bytes a pixel. A4 at 1200 dpi
// is 139 million pixels; 600 x 600 mm at 2400 dpi would be 3.2 billion (12.8 GB).
inline constexpr long long kLargestImagePixels = 1LL << 28;

// The image size of one page, or nothing, with `error` set to the message naming the limit,
// when it is larger than kLargestImagePixels.
struct ImageSize {
  int width = 0, height = 0;
};
std::optional<ImageSize> PageImageSize(const PageOptions& options, std::string& error);

// Reads --display (required, a number of the table of displays), --dpi (default `defaultDpi`) and
// --paper WxH (millimetres). Nothing, with `error` set, when one of them is malformed.
std::optional<PageOptions> ReadPageOptions(const CliArgs& args, int defaultDpi, std::string& error);
// --problem strip|rect: nothing when absent; `error` set when malformed.
std::optional<Problem> ReadProblemOption(const CliArgs& args, bool& ok, std::string& error);
// The display of `number` for the document: of a number both problems share, the row of
// `problem`, else the first row that has content in `tables` (the strip row when neither has).
DisplayMode ChooseDisplay(int number, std::optional<Problem> problem, const Document& document);

// The same without --display, for output of every display.
std::optional<PageOptions> ReadPaperOptions(const CliArgs& args, int defaultDpi,
                                            std::string& error);

}  // namespace qel
