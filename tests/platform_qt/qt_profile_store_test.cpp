// The profile lives under the program's own name and takes the earlier profile's entries once.
#include "platform/qt/qt_profile_store.h"

#include <gtest/gtest.h>

#include <QStandardPaths>

#include "platform/qt/qt_recent_files.h"
#include "support/test_files.h"

namespace qel {
namespace {

TEST(QtProfileStore, TheEarlierProfileIsCarriedOverOnceAndNeverOverwritesTheNewOne) {
  test::TempFolder home;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                     QString::fromStdString(home.path()));
  {
    QSettings earlier(kEarlierProfileOrganisation, kEarlierProfileApplication);
    earlier.setValue("Recent File List/File1", "/data/old.qdw");
    earlier.setValue("View/Zoom1", "150");
    earlier.setValue("View/Zoom2", "80");
  }
  {
    QSettings current(kProfileOrganisation, kProfileApplication);
    current.setValue("View/Zoom2", "120");  // set before: kept
  }
  EXPECT_EQ(QtRecentFiles().Files(), std::vector<std::string>{"/data/old.qdw"});
  std::unique_ptr<QSettings> profile = OpenProgramProfile();
  EXPECT_EQ(profile->value("View/Zoom1").toString(), "150");
  EXPECT_EQ(profile->value("View/Zoom2").toString(), "120");

  // Later changes of the earlier profile are not taken again.
  QSettings(kEarlierProfileOrganisation, kEarlierProfileApplication).setValue("View/Zoom1", "300");
  profile->remove("View/Zoom1");
  profile->sync();
  EXPECT_FALSE(OpenProgramProfile()->contains("View/Zoom1"));
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                     QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

}  // namespace
}  // namespace qel
