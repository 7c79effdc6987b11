// The program's printer: the system default printer, or a PDF printer on A4 paper.
#include "platform/qt/widgets/qt_application_printer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <cmath>

#include "platform/paper_units.h"

namespace qel {

QtApplicationPrinter::QtApplicationPrinter(bool useSystemPrinter)
    : printer_(QPrinter::HighResolution) {
  const QPrinterInfo info = useSystemPrinter ? QPrinterInfo::defaultPrinter() : QPrinterInfo();
  if (!info.isNull()) {
    printer_.setPrinterName(info.printerName());
    real_ = true;
    return;
  }
  printer_.setOutputFormat(QPrinter::PdfFormat);
  printer_.setResolution(kPaperDpi);
  printer_.setPageSize(QPageSize(QPageSize::A4));
  printer_.setPageOrientation(QPageLayout::Portrait);
  // Positions on the page are measured from the paper's corner, as the margins settings expect
  // of a PDF; a real printer measures them from its printable area.
  printer_.setFullPage(true);
  printer_.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  printer_.setCreator("Qel");
}

std::optional<PrinterPage> QtApplicationPrinter::DefaultPrinterPage() {
  const int resolution = printer_.resolution();
  // A resolution of 0 is passed on: the caller reports the device as unreadable.
  if (resolution <= 0) return PrinterPage{0, 0, resolution, resolution};
  // The pixels are rounded up, so that they convert back to the paper's whole millimetres
  // (Qt rounds an A4 page at 600 dpi down to 4960 pixels, which is 209.97 mm).
  const QRectF paper = printer_.pageLayout().fullRect(QPageLayout::Millimeter);
  auto pixels = [resolution](double millimetres) {
    return static_cast<int>(std::ceil(millimetres * resolution / kMillimetresPerInch - 1e-9));
  };
  return PrinterPage{pixels(paper.width()), pixels(paper.height()), resolution, resolution};
}

}  // namespace qel
