// The user's profile kept with QSettings.
#include "platform/qt/qt_profile.h"

#include <QSettings>
#include <memory>

#include "platform/qt/qt_profile_store.h"

namespace qel {

namespace {

QString KeyPath(const std::string& section, const std::string& key) {
  return QString::fromStdString(section) + "/" + QString::fromStdString(key);
}

}  // namespace

std::string QtProfile::Value(const std::string& section, const std::string& key) const {
  return OpenProgramProfile(iniPath_)->value(KeyPath(section, key)).toString().toStdString();
}

void QtProfile::SetValue(const std::string& section, const std::string& key,
                         const std::string& value) {
  std::unique_ptr<QSettings> profile = OpenProgramProfile(iniPath_);
  profile->setValue(KeyPath(section, key), QString::fromStdString(value));
  profile->sync();
}

}  // namespace qel
