// A PDF file of one A4 portrait page drawn through the drawing device.
#include "platform/qt/single_page_pdf.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPdfWriter>
#include <QString>

#include "platform/qt/qt_page_sequence.h"
#include "platform/qt/safe_output_device.h"

namespace qel {

WriteOutcome WriteSinglePagePdf(const std::string& path, const std::string& title, int dpi,
                                const std::function<void(DeviceContext&)>& draw) {
  return WriteOutputFile(path, [&](QIODevice& device) {
    QPdfWriter writer(&device);
    writer.setResolution(dpi);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setCreator("Qel");
    writer.setTitle(QString::fromStdString(title));
    QtPageSequence sequence(writer, dpi);
    DeviceContext* dc = sequence.NextPage();
    if (dc) draw(*dc);
    return sequence.Finish() && dc != nullptr;
  });
}

}  // namespace qel
