// The system default printer's page, or an A4 PDF printer where there is none.
#include "platform/qt/widgets/qt_printer_info.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace qel {

namespace {
constexpr int kPdfPrinterDpi = 600;
}

std::optional<PrinterPage> QtPrinterInfo::DefaultPrinterPage() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return FixedPrinterInfo::A4(kPdfPrinterDpi);
  QPrinter printer(info, QPrinter::HighResolution);
  const int resolution = printer.resolution();
  // A resolution of 0 is passed on: the caller reports the device as unreadable.
  const QRect page = resolution > 0 ? printer.pageLayout().fullRectPixels(resolution) : QRect();
  return PrinterPage{page.width(), page.height(), resolution, resolution};
}

}  // namespace qel
