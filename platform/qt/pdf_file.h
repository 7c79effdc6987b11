// PDF files of pages drawn through the drawing device: the one place a PDF writer is set up.
#pragma once

#include <QPageLayout>
#include <functional>
#include <string>

#include "base/safe_file_writer.h"
#include "platform/device_context.h"
#include "platform/paper_units.h"

class QIODevice;

namespace qel {

// The paper, resolution and title of a PDF file.
struct PdfPaper {
  QPageLayout layout;
  int dpi = kPaperDpi;
  std::string title;  // empty: no title in the file's properties
};

// Portrait paper of `widthMm` x `heightMm` without margins: the program lays out its own.
PdfPaper PdfPaperOfSize(double widthMm, double heightMm, int dpi, std::string title);

// Hands out the drawing device of the next page; nullptr when the file cannot take another.
using NextPdfPage = std::function<DeviceContext*()>;
// Draws every page by calling its argument once per page; false when a page failed.
using DrawPdfPages = std::function<bool(const NextPdfPage&)>;

// Writes the pages `draw` makes into `device`; false when anything failed.
bool DrawPdf(QIODevice& device, const PdfPaper& paper, const DrawPdfPages& draw);

// The same into the file at `path` through the safe writer: what was there stays until the
// complete new file replaces it.
WriteOutcome WritePdfFile(const std::string& path, const PdfPaper& paper, const DrawPdfPages& draw);

// One A4 portrait page drawn by `draw`.
WriteOutcome WriteSinglePagePdf(const std::string& path, const std::string& title, int dpi,
                                const std::function<void(DeviceContext&)>& draw);

}  // namespace qel
