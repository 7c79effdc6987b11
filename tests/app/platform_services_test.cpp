// The Qt services of the desktop program: dialog filters, the profile's recent files and the
// program's printer.
#include <gtest/gtest.h>

#include <QSettings>

#include "app/file_commands.h"
#include "platform/paper_units.h"
#include "platform/qt/qt_recent_files.h"
#include "platform/qt/widgets/qt_application_printer.h"
#include "platform/qt/widgets/qt_file_chooser.h"
#include "support/test_files.h"

namespace qel::test {
namespace {

TEST(QtNameFilters, EveryFileMeansEveryFileOnLinux) {
  EXPECT_EQ(QtNameFilters(DataFileFilters()),
            (QStringList{"地中の鉛直増加応力(*.qdw)", "すべて(*)"}));
  EXPECT_EQ(QtNameFilters({{"Text", {"txt", "csv"}}}), QStringList{"Text(*.txt *.csv)"});
}

TEST(QtRecentFiles, SixEntriesInTheProfileGroup) {
  TempFolder folder;
  const QString ini = QString::fromStdString(folder.File("profile.ini"));
  QtRecentFiles recent(ini);
  EXPECT_TRUE(recent.Files().empty());
  for (int i = 1; i <= 8; ++i)
    recent.Add("/data/" + std::to_string(i) + ".qdw");
  recent.Add("/data/5.qdw");
  recent.Remove("/data/8.qdw");

  QtRecentFiles again(ini);  // what the next start of the program finds
  EXPECT_EQ(again.Files(), (std::vector<std::string>{"/data/5.qdw", "/data/7.qdw", "/data/6.qdw",
                                                     "/data/4.qdw", "/data/3.qdw"}));
  QSettings profile(ini, QSettings::IniFormat);
  EXPECT_EQ(profile.value("Recent File List/File1").toString(), "/data/5.qdw");
  EXPECT_FALSE(profile.contains("Recent File List/File6"));
}

TEST(QtApplicationPrinter, PdfPrinterHasAnA4Page) {
  QtApplicationPrinter printer(false);
  EXPECT_FALSE(printer.IsRealPrinter());
  std::optional<PrinterPage> page = printer.DefaultPrinterPage();
  ASSERT_TRUE(page.has_value());
  EXPECT_EQ(page->dpiX, 600);
  EXPECT_EQ(page->dpiY, 600);
  // 210 x 297 mm at 600 dpi: 4960.6 x 7015.7 pixels, rounded up so that the page converts
  // back to whole millimetres.
  EXPECT_EQ(page->pageWidthPixels, 4961);
  EXPECT_EQ(page->pageHeightPixels, 7016);
  EXPECT_EQ(static_cast<int>(page->pageWidthPixels * kMillimetresPerInch / page->dpiX), 210);
  EXPECT_EQ(static_cast<int>(page->pageHeightPixels * kMillimetresPerInch / page->dpiY), 297);
}

}  // namespace
}  // namespace qel::test
