// The program's printer: the system default printer with the user's page set-up, or a PDF
// printer on A4 paper where there is no printer.
#pragma once

#include <QPrinter>

#include "platform/printer_info.h"

namespace qel {

class QtApplicationPrinter : public PrinterInfo {
 public:
  // `useSystemPrinter` false: always the PDF printer, whatever printers the system has.
  explicit QtApplicationPrinter(bool useSystemPrinter = true);

  // The whole page of the printer as it is set up now, in device pixels at its resolution.
  std::optional<PrinterPage> DefaultPrinterPage() override;

  QPrinter& printer() { return printer_; }
  // False when the pages go to a PDF file because there is no printer.
  bool IsRealPrinter() const { return real_; }

 private:
  QPrinter printer_;
  bool real_ = false;
};

}  // namespace qel
