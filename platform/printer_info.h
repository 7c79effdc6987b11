// The default printer's page, asked of the platform.
#pragma once

#include <optional>

namespace qel {

struct PrinterPage {
  int pageWidthPixels = 0;  // physical page size in device pixels
  int pageHeightPixels = 0;
  int dpiX = 0;  // may be 0 when the driver does not report it
  int dpiY = 0;
};

class PrinterInfo {
 public:
  virtual ~PrinterInfo() = default;
  // The default printer's page, or nothing when there is no default printer.
  virtual std::optional<PrinterPage> DefaultPrinterPage() = 0;
};

// A printer for tests and for headless rendering: a fixed page, or none.
class FixedPrinterInfo : public PrinterInfo {
 public:
  FixedPrinterInfo() = default;
  explicit FixedPrinterInfo(std::optional<PrinterPage> page) : page_(page) {}
  // An A4 portrait page (210 x 297 mm) at `dpi`.
  static PrinterPage A4(int dpi);
  // A page of `widthMm` x `heightMm` at `dpi`.
  static PrinterPage Paper(int widthMm, int heightMm, int dpi);
  std::optional<PrinterPage> DefaultPrinterPage() override { return page_; }
  void set(std::optional<PrinterPage> page) { page_ = page; }

 private:
  std::optional<PrinterPage> page_;
};

}  // namespace qel
