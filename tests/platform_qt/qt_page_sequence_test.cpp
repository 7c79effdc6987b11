// Pages of a PDF one after another, and the profile kept with QSettings.
#include "platform/qt/qt_page_sequence.h"

#include <gtest/gtest.h>

#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSettings>

#include "platform/qt/qt_profile.h"
#include "support/test_files.h"

namespace qel {
namespace {

int PdfPages(const std::string& path) {
  const QString text = QString::fromLatin1(QByteArray::fromStdString(test::ReadBytes(path)));
  return static_cast<int>(text.count(QRegularExpression("/Type\\s*/Page(?![s\\w])")));
}

// The QApplication these tests need is made by qt_application_test.cpp.
TEST(QtPageSequenceTest, EachPageGetsItsOwnDeviceAtTheLayoutResolution) {
  test::TempFolder folder;
  for (int pages : {1, 3}) {
    const std::string path = folder.File(std::to_string(pages) + ".pdf");
    QPdfWriter writer(QString::fromStdString(path));
    writer.setResolution(300);
    writer.setPageSize(QPageSize(QPageSize::A4));
    QtPageSequence sequence(writer, 300);
    for (int page = 0; page < pages; ++page) {
      DeviceContext* dc = sequence.NextPage();
      ASSERT_NE(dc, nullptr);
      EXPECT_EQ(dc->LogPixelsY(), 300);
      dc->IntersectClipRect(0, 0, 10, 10);  // left behind: the next page starts unclipped
      dc->TextOut(100, 100, "頁 " + std::to_string(page + 1));
    }
    EXPECT_TRUE(sequence.Finish());
    EXPECT_EQ(PdfPages(path), pages);
  }
}

TEST(QtPageSequenceTest, ADeviceThatCannotBeWrittenFailsEveryPage) {
  test::TempFolder folder;
  QPdfWriter writer(QString::fromStdString(folder.File("no/such/folder/out.pdf")));
  QtPageSequence sequence(writer, 300);
  EXPECT_EQ(sequence.NextPage(), nullptr);
  EXPECT_EQ(sequence.NextPage(), nullptr);
  EXPECT_FALSE(sequence.Finish());
  QtPageSequence unused(writer, 300);
  EXPECT_FALSE(unused.Finish());  // no page at all is no document
}

TEST(QtProfileTest, ValuesOutliveTheObjectInTheirSection) {
  test::TempFolder folder;
  const QString ini = QString::fromStdString(folder.File("profile.ini"));
  {
    QtProfile profile(ini);
    EXPECT_EQ(profile.Value("View", "Zoom1"), "");
    profile.SetValue("View", "Zoom1", "150");
    profile.SetValue("View", "Zoom4", "fit-page");
  }
  QtProfile again(ini);  // the next run of the program
  EXPECT_EQ(again.Value("View", "Zoom1"), "150");
  EXPECT_EQ(again.Value("View", "Zoom4"), "fit-page");
  EXPECT_EQ(QSettings(ini, QSettings::IniFormat).value("View/Zoom1").toString(), "150");
}

}  // namespace
}  // namespace qel
