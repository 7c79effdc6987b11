// The user's profile kept with QSettings, beside the recent-file list.
#pragma once

#include <QString>

#include "platform/profile.h"

namespace qel {

class QtProfile : public Profile {
 public:
  // The program's own profile (see qt_profile_store.h).
  QtProfile() = default;
  // A profile in the INI file `iniPath`, for tests.
  explicit QtProfile(const QString& iniPath) : iniPath_(iniPath) {}

  std::string Value(const std::string& section, const std::string& key) const override;
  void SetValue(const std::string& section, const std::string& key,
                const std::string& value) override;

 private:
  QString iniPath_;
};

}  // namespace qel
