// The options that place a display on paper.
#include "cli/page_options.h"

#include <charconv>

#include "platform/messages.h"
#include "platform/printer_info.h"

namespace qel {

static bool ParseWhole(const std::string& text, int& value) {
  const char* end = text.data() + text.size();
  auto [ptr, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && ptr == end;
}

std::optional<PageOptions> ReadPageOptions(const CliArgs& args, int defaultDpi,
                                           std::string& error) {
  std::optional<std::string> displayText = args.Option("--display");
  int number = 0;
  std::optional<DisplayMode> display;
  if (displayText && ParseWhole(*displayText, number)) display = DisplayModeFromNumber(number);
  if (!display) {
    error = "--display must be 1 to 8";
    return std::nullopt;
  }
  std::optional<PageOptions> options = ReadPaperOptions(args, defaultDpi, error);
  if (options) options->display = *display;
  return options;
}

std::optional<PageOptions> ReadPaperOptions(const CliArgs& args, int defaultDpi,
                                            std::string& error) {
  PageOptions options;
  options.dpi = defaultDpi;
  if (auto dpi = args.Option("--dpi")) {
    if (!ParseWhole(*dpi, options.dpi) || options.dpi < 10 || options.dpi > 2400) {
      error = "--dpi must be a whole number from 10 to 2400";
      return std::nullopt;
    }
  }
  if (auto paper = args.Option("--paper")) {
    std::size_t x = paper->find_first_of("xX");
    if (x == std::string::npos || !ParseWhole(paper->substr(0, x), options.paperWidthMm) ||
        !ParseWhole(paper->substr(x + 1), options.paperHeightMm) || options.paperWidthMm < 10 ||
        options.paperHeightMm < 10 || options.paperWidthMm > 2000 || options.paperHeightMm > 2000) {
      error = "--paper must be WIDTHxHEIGHT in millimetres, 10 to 2000 each";
      return std::nullopt;
    }
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
