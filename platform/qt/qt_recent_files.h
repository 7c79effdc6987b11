// The recent-file list in the user's profile, kept with QSettings.
#pragma once

#include <QString>

#include "platform/recent_files.h"

namespace qel {

// Entries "File1" .. "File6" of the group "Recent File List", most recent first.
class QtRecentFiles : public RecentFiles {
 public:
  // The program's own profile.
  QtRecentFiles() = default;
  // A profile in the INI file `iniPath`, for tests.
  explicit QtRecentFiles(const QString& iniPath) : iniPath_(iniPath) {}

  std::vector<std::string> Files() const override;
  void Add(const std::string& path) override;
  void Remove(const std::string& path) override;

 private:
  void Store(const std::vector<std::string>& files);

  QString iniPath_;
};

}  // namespace qel
