// The default printer's page, or the A4 PDF printer that stands in for a missing one.
#include "platform/qt/widgets/qt_printer_info.h"

#include <gtest/gtest.h>

#include <QPrinterInfo>

namespace qel {
namespace {

TEST(QtPrinterInfo, AlwaysReportsAPage) {
  QtPrinterInfo printers;
  const std::optional<PrinterPage> page = printers.DefaultPrinterPage();
  ASSERT_TRUE(page.has_value());
  if (QPrinterInfo::defaultPrinter().isNull()) {
    // 210 x 297 mm at 600 dpi: 4960.6 x 7015.7 pixels, rounded up so that the page converts
    // back to whole millimetres.
    EXPECT_EQ(page->pageWidthPixels, 4961);
    EXPECT_EQ(page->pageHeightPixels, 7016);
    EXPECT_EQ(page->dpiX, 600);
    EXPECT_EQ(page->dpiY, 600);
    EXPECT_EQ(static_cast<int>(page->pageWidthPixels * 25.4 / page->dpiX), 210);
    EXPECT_EQ(static_cast<int>(page->pageHeightPixels * 25.4 / page->dpiY), 297);
  } else {
    EXPECT_GT(page->pageWidthPixels, 0);
    EXPECT_GT(page->pageHeightPixels, 0);
    EXPECT_GT(page->dpiX, 0);
  }
}

}  // namespace
}  // namespace qel
