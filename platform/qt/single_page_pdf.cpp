// A PDF file of one A4 portrait page drawn through the drawing device.
#include "platform/qt/single_page_pdf.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPdfWriter>
#include <QString>
#include <filesystem>

#include "platform/qt/qt_page_sequence.h"

namespace qel {

bool WriteSinglePagePdf(const std::string& path, const std::string& title, int dpi,
                        const std::function<void(DeviceContext&)>& draw) {
  bool written = false;
  {
    QPdfWriter writer(QString::fromStdString(path));
    writer.setResolution(dpi);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setCreator("Qel");
    writer.setTitle(QString::fromStdString(title));
    QtPageSequence sequence(writer, dpi);
    DeviceContext* dc = sequence.NextPage();
    if (dc) draw(*dc);
    written = sequence.Finish() && dc != nullptr;
  }
  if (!written) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
  }
  return written;
}

}  // namespace qel
