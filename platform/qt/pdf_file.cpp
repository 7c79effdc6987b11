// PDF files of pages drawn through the drawing device.
#include "platform/qt/pdf_file.h"

#include <QIODevice>
#include <QMarginsF>
#include <QPageSize>
#include <QPdfWriter>
#include <QString>
#include <utility>

#include "platform/qt/qt_page_sequence.h"
#include "platform/qt/safe_output_device.h"

namespace qel {

PdfPaper PdfPaperOfSize(double widthMm, double heightMm, int dpi, std::string title) {
  const QPageLayout layout(QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter),
                           QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
  return PdfPaper{layout, dpi, std::move(title)};
}

bool DrawPdf(QIODevice& device, const PdfPaper& paper, const DrawPdfPages& draw) {
  QPdfWriter writer(&device);
  writer.setResolution(paper.dpi);
  writer.setPageLayout(paper.layout);
  writer.setCreator("Qel");
  if (!paper.title.empty()) writer.setTitle(QString::fromStdString(paper.title));
  QtPageSequence sequence(writer, paper.dpi);
  const bool drawn = draw([&sequence] { return sequence.NextPage(); });
  return sequence.Finish() && drawn;
}

WriteOutcome WritePdfFile(const std::string& path, const PdfPaper& paper,
                          const DrawPdfPages& draw) {
  return WriteOutputFile(path, [&](QIODevice& device) { return DrawPdf(device, paper, draw); });
}

WriteOutcome WriteSinglePagePdf(const std::string& path, const std::string& title, int dpi,
                                const std::function<void(DeviceContext&)>& draw) {
  const QPageSize a4(QPageSize::A4);
  const QSizeF mm = a4.size(QPageSize::Millimeter);
  return WritePdfFile(path, PdfPaperOfSize(mm.width(), mm.height(), dpi, title),
                      [&](const NextPdfPage& next) {
                        DeviceContext* dc = next();
                        if (dc != nullptr) draw(*dc);
                        return dc != nullptr;
                      });
}

}  // namespace qel
