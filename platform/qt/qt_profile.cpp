// The user's profile kept with QSettings.
#include "platform/qt/qt_profile.h"

#include <QSettings>
#include <memory>

#include "platform/qt/qt_recent_files.h"

namespace qel {

namespace {

std::unique_ptr<QSettings> OpenProfile(const QString& iniPath) {
  if (!iniPath.isEmpty()) return std::make_unique<QSettings>(iniPath, QSettings::IniFormat);
  return std::make_unique<QSettings>(QString::fromUtf8(kProfileOrganisation),
                                     QString::fromUtf8(kProfileApplication));
}

QString KeyPath(const std::string& section, const std::string& key) {
  return QString::fromStdString(section) + "/" + QString::fromStdString(key);
}

}  // namespace

std::string QtProfile::Value(const std::string& section, const std::string& key) const {
  return OpenProfile(iniPath_)->value(KeyPath(section, key)).toString().toStdString();
}

void QtProfile::SetValue(const std::string& section, const std::string& key,
                         const std::string& value) {
  std::unique_ptr<QSettings> profile = OpenProfile(iniPath_);
  profile->setValue(KeyPath(section, key), QString::fromStdString(value));
  profile->sync();
}

}  // namespace qel
