// The program's profile, with the one-time carry-over from the earlier profile.
#include "platform/qt/qt_profile_store.h"

namespace qel {

namespace {

const char* const kCarriedOverKey = "Profile/CarriedOver";

void CarryOverEarlierProfile(QSettings& profile) {
  if (profile.contains(kCarriedOverKey)) return;
  QSettings earlier(QString::fromUtf8(kEarlierProfileOrganisation),
                    QString::fromUtf8(kEarlierProfileApplication));
  for (const QString& key : earlier.allKeys())
    if (!profile.contains(key)) profile.setValue(key, earlier.value(key));
  profile.setValue(kCarriedOverKey, 1);
  profile.sync();
}

}  // namespace

std::unique_ptr<QSettings> OpenProgramProfile(const QString& iniPath) {
  if (!iniPath.isEmpty()) return std::make_unique<QSettings>(iniPath, QSettings::IniFormat);
  auto profile = std::make_unique<QSettings>(QString::fromUtf8(kProfileOrganisation),
                                             QString::fromUtf8(kProfileApplication));
  CarryOverEarlierProfile(*profile);
  return profile;
}

}  // namespace qel
