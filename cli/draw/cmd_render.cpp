// qel-cli pages and render: page counts and pages of a display, laid out as the printer does.
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QSvgGenerator>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>

#include "base/c_locale.h"
#include "base/text_file.h"
#include "cli/cli_args.h"
#include "cli/draw/drawing_commands.h"
#include "cli/draw/paged_document.h"
#include "cli/load_warnings.h"
#include "cli/output_files.h"
#include "cli/page_options.h"
#include "platform/file_messages.h"
#include "platform/messages.h"
#include "platform/paper_units.h"
#include "platform/qt/pdf_file.h"
#include "platform/qt/qt_device_context.h"
#include "platform/qt/safe_output_device.h"
#include "view/report.h"

namespace qel {

namespace {

// The default resolution of PNG pages, lower than the paper's: A4 is 2481 x 3508 pixels.
constexpr int kPngDpi = 300;

// "out.png" for page 3 of several: "out-3.png".
std::string NumberedFile(const std::string& path, int page) {
  std::filesystem::path p(path);
  std::string stem = p.stem().string() + "-" + std::to_string(page) + p.extension().string();
  return (p.parent_path() / stem).string();
}

bool RenderPdf(PagedDocument& doc, const std::vector<int>& pages, const PageOptions& options,
               QIODevice& out) {
  std::vector<ReportPage> shown;
  for (int page : pages)
    shown.push_back({doc.controller.state().view.displayMode, page});
  const PdfPaper paper =
      PdfPaperOfSize(options.paperWidthMm, options.paperHeightMm, options.dpi, "");
  return DrawPdf(out, paper,
                 [&](const NextPdfPage& next) { return DrawPages(doc.controller, shown, next); });
}

// Draws one page into an image of `size` (checked against kLargestImagePixels) and saves it;
// false with `problem` set when the image could not be allocated, false alone when it could not
// be written.
bool RenderImage(PagedDocument& doc, int page, const PageOptions& options, const ImageSize& size,
                 QIODevice& out, std::string& problem) {
  QImage image(size.width, size.height, QImage::Format_RGB32);
  if (image.isNull()) {
    problem = MessageText(MessageId::ImageOutOfMemory,
                          std::to_string(size.width) + " x " + std::to_string(size.height));
    return false;
  }
  image.fill(Qt::white);
  int dotsPerMetre = static_cast<int>(options.dpi / 0.0254 + 0.5);
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QtDeviceContext dc(painter, options.dpi, options.dpi);
    doc.controller.PrintPage(dc, page);
  }
  return image.save(&out, "PNG");
}

bool RenderSvg(PagedDocument& doc, int page, const PageOptions& options, QIODevice& out) {
  PrinterPage size =
      FixedPrinterInfo::Paper(options.paperWidthMm, options.paperHeightMm, options.dpi);
  QSvgGenerator svg;
  svg.setOutputDevice(&out);
  svg.setSize(QSize(size.pageWidthPixels, size.pageHeightPixels));
  svg.setViewBox(QRect(0, 0, size.pageWidthPixels, size.pageHeightPixels));
  svg.setResolution(options.dpi);
  svg.setTitle("Qel");
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  painter.fillRect(QRect(0, 0, size.pageWidthPixels, size.pageHeightPixels), Qt::white);
  QtDeviceContext dc(painter, options.dpi, options.dpi, /*clipInSoftware=*/true);
  doc.controller.PrintPage(dc, page);
  return painter.end();
}

}  // namespace

int RunPages(const std::vector<std::string>& words) {
  std::string error;
  std::optional<CliArgs> args = ParseCliArgs(
      words, {"--data-folder", "--display", "--problem", "--dpi", "--paper"}, {}, error);
  if (!args) return UsageError(error);
  if (args->positional.size() != 1) return UsageError("pages needs one data file");
  std::optional<PageOptions> options = ReadPageOptions(*args, kPaperDpi, error);
  if (!options) return UsageError(error);
  PagedDocument doc(*args, *options);
  if (!doc.Open(args->positional[0], *options)) return kExitFailure;
  doc.ShowFigureNotice();
  std::printf("%d\n", doc.pages);
  return FinishStandardOutput();
}

int RunRender(const std::vector<std::string>& words) {
  std::string error;
  std::optional<CliArgs> args = ParseCliArgs(words,
                                             {"--data-folder", "--display", "--problem", "--dpi",
                                              "--paper", "--page", "--out", "--circle-method"},
                                             {"--all"}, error);
  if (!args) return UsageError(error);
  if (!ReadCircleMethod(*args, error)) return UsageError(error);
  if (args->positional.size() != 1) return UsageError("render needs one data file");
  std::optional<std::string> out = args->Option("--out");
  if (!out) return UsageError("render needs --out F.pdf, F.png or F.svg");
  std::string extension = std::filesystem::path(*out).extension().string();
  for (char& c : extension)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension != ".pdf" && extension != ".png" && extension != ".svg")
    return UsageError("--out must end in .pdf, .png or .svg");
  bool all = args->Flag("--all");
  std::optional<std::string> pageText = args->Option("--page");
  if (all == pageText.has_value()) return UsageError("render needs either --page P or --all");
  int requested = 0;
  if (pageText) {
    const std::optional<int> page = ParseWholeNumber(*pageText);
    if (!page) return UsageError("--page must be a whole number");
    requested = *page;
  }
  std::optional<PageOptions> options =
      ReadPageOptions(*args, extension == ".png" ? kPngDpi : kPaperDpi, error);
  if (!options) return UsageError(error);

  // An image is refused before anything is allocated when it would be too large.
  std::optional<ImageSize> imageSize;
  if (extension == ".png") {
    imageSize = PageImageSize(*options, error);
    if (!imageSize) {
      StderrPrompts().Show(error, PromptButtons::Ok);
      return kExitFailure;
    }
  }

  std::unique_ptr<QGuiApplication> app = MakeApplication();
  PagedDocument doc(*args, *options);
  if (!doc.Open(args->positional[0], *options)) return kExitFailure;
  doc.ShowFigureNotice();
  {
    // The displays that draw isobars: the two figures when they are on, and the section always.
    const Document& document = doc.session.state().document;
    const DisplayRow& row = DisplayRowOf(options->display);
    const bool figure = row.kind == DisplayKind::Figure;
    const bool strip = row.problem == Problem::Strip;
    WarnAboutCutIsobarLevels(
        document, args->positional[0], doc.session.prompts(),
        strip && figure && document.strip().isobars.shown,
        !strip && ((figure && document.plan().isobars.shown) || row.kind == DisplayKind::Depth));
  }
  std::vector<int> pages;
  if (all) {
    for (int p = 1; p <= doc.pages; ++p)
      pages.push_back(p);
  } else {
    if (requested < 1 || requested > doc.pages) {
      std::fprintf(stderr, "qel-cli: ページ %d はありません（表示 %d は %d ページです）\n",
                   requested, DisplayNumber(options->display), doc.pages);
      return kExitFailure;
    }
    pages.push_back(requested);
  }

  // The files written: one PDF, or an image of each page (numbered with --all). None of them
  // may be the document, which is found before any of them is written.
  std::vector<std::string> files;
  if (extension == ".pdf" || !all) {
    files.push_back(*out);
  } else {
    for (int page : pages)
      files.push_back(NumberedFile(*out, page));
  }
  for (const std::string& file : files) {
    if (OutputWouldReplaceInput(args->positional[0], file)) return kExitFailure;
  }

  // Each file is complete or not written: what was at its path stays until a whole new file
  // replaces it.
  std::string problem;
  auto write = [&](const std::string& file, const std::function<bool(QIODevice&)>& draw) {
    const WriteOutcome outcome = WriteOutputFile(file, draw);
    if (!outcome.ok && problem.empty()) problem = SaveFailureText(outcome, file);
    return outcome.ok;
  };
  if (extension == ".pdf") {
    write(*out, [&](QIODevice& device) { return RenderPdf(doc, pages, *options, device); });
  } else {
    for (std::size_t n = 0; n < pages.size(); ++n) {
      const int page = pages[n];
      const bool written = write(files[n], [&](QIODevice& device) {
        return extension == ".png" ? RenderImage(doc, page, *options, *imageSize, device, problem)
                                   : RenderSvg(doc, page, *options, device);
      });
      if (!written) break;
    }
  }
  doc.ShowFontNotice();
  if (!problem.empty()) {
    doc.session.prompts().Show(problem, PromptButtons::Ok);
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace qel
