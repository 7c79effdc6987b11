// The options that place a display on paper.
#include "cli/page_options.h"

#include "base/c_locale.h"
#include "platform/messages.h"
#include "platform/printer_info.h"

namespace qel {

std::optional<PageOptions> ReadPageOptions(const CliArgs& args, int defaultDpi,
                                           std::string& error) {
  std::optional<DisplayMode> display;
  if (const std::optional<std::string> text = args.Option("--display"))
    if (const std::optional<int> number = ParseWholeNumber(*text))
      display = DisplayModeFromNumber(*number);
  if (!display) {
    error = "--display must be " + DisplayNumberRange();
    return std::nullopt;
  }
  bool ok = true;
  const std::optional<Problem> problem = ReadProblemOption(args, ok, error);
  if (!ok) return std::nullopt;
  std::optional<PageOptions> options = ReadPaperOptions(args, defaultDpi, error);
  if (options) {
    options->display = *display;
    options->problem = problem;
  }
  return options;
}

std::optional<Problem> ReadProblemOption(const CliArgs& args, bool& ok, std::string& error) {
  ok = true;
  const std::optional<std::string> text = args.Option("--problem");
  if (!text) return std::nullopt;
  if (*text == "strip") return Problem::Strip;
  if (*text == "rect") return Problem::RectCircle;
  ok = false;
  error = "--problem must be strip or rect";
  return std::nullopt;
}

DisplayMode ChooseDisplay(int number, std::optional<Problem> problem, const Document& document) {
  if (problem) return *DisplayModeFromNumber(number, *problem);
  for (const Problem each : {Problem::Strip, Problem::RectCircle}) {
    const DisplayMode mode = *DisplayModeFromNumber(number, each);
    if (DisplayRowOf(mode).hasContent(document)) return mode;
  }
  return *DisplayModeFromNumber(number);
}

std::optional<PageOptions> ReadPaperOptions(const CliArgs& args, int defaultDpi,
                                            std::string& error) {
  PageOptions options;
  options.dpi = defaultDpi;
  if (const std::optional<std::string> text = args.Option("--dpi")) {
    const std::optional<int> dpi = ParseWholeNumber(*text);
    if (!dpi || *dpi < 10 || *dpi > 2400) {
      error = "--dpi must be a whole number from 10 to 2400";
      return std::nullopt;
    }
    options.dpi = *dpi;
  }
  if (const std::optional<std::string> paper = args.Option("--paper")) {
    const std::string_view text = *paper;
    const std::size_t x = text.find_first_of("xX");
    std::optional<int> width, height;
    if (x != std::string_view::npos) {
      width = ParseWholeNumber(text.substr(0, x));
      height = ParseWholeNumber(text.substr(x + 1));
    }
    if (!width || !height || *width < 10 || *height < 10 || *width > 2000 || *height > 2000) {
      error = "--paper must be WIDTHxHEIGHT in millimetres, 10 to 2000 each";
      return std::nullopt;
    }
    options.paperWidthMm = *width;
    options.paperHeightMm = *height;
  }
  return options;
}

std::optional<ImageSize> PageImageSize(const PageOptions& options, std::string& error) {
  const PrinterPage page =
      FixedPrinterInfo::Paper(options.paperWidthMm, options.paperHeightMm, options.dpi);
  const long long pixels = static_cast<long long>(page.pageWidthPixels) * page.pageHeightPixels;
  if (page.pageWidthPixels <= 0 || page.pageHeightPixels <= 0 || pixels > kLargestImagePixels) {
    error = MessageText(
        MessageId::ImageTooLarge,
        std::to_string(page.pageWidthPixels) + " x " + std::to_string(page.pageHeightPixels),
        std::to_string(kLargestImagePixels));
    return std::nullopt;
  }
  return ImageSize{page.pageWidthPixels, page.pageHeightPixels};
}

}  // namespace qel
