// The system default printer's page, or an A4 PDF printer where there is none.
#pragma once

#include "platform/printer_info.h"

namespace qel {

class QtPrinterInfo : public PrinterInfo {
 public:
  // The full page of the default printer in device pixels at its resolution; without a
  // default printer, an A4 portrait page at 600 dpi, as the PDF printer that stands in for it.
  std::optional<PrinterPage> DefaultPrinterPage() override;
};

}  // namespace qel
