// The recent-file list in the user's profile, kept with QSettings.
#include "platform/qt/qt_recent_files.h"

#include <QSettings>
#include <algorithm>
#include <memory>

#include "platform/qt/qt_profile_store.h"

namespace qel {

namespace {

const char* const kGroup = "Recent File List";

QString Key(int index) {
  return QString("File%1").arg(index);
}

}  // namespace

std::vector<std::string> QtRecentFiles::Files() const {
  std::unique_ptr<QSettings> profile = OpenProgramProfile(iniPath_);
  profile->beginGroup(kGroup);
  std::vector<std::string> files;
  for (int i = 1; i <= kRecentFileCount; ++i) {
    QString path = profile->value(Key(i)).toString();
    if (!path.isEmpty()) files.push_back(path.toStdString());
  }
  return files;
}

void QtRecentFiles::Store(const std::vector<std::string>& files) {
  std::unique_ptr<QSettings> profile = OpenProgramProfile(iniPath_);
  profile->beginGroup(kGroup);
  for (int i = 1; i <= kRecentFileCount; ++i) {
    if (i <= static_cast<int>(files.size()))
      profile->setValue(Key(i), QString::fromStdString(files[i - 1]));
    else
      profile->remove(Key(i));
  }
  profile->endGroup();
  profile->sync();
}

void QtRecentFiles::Add(const std::string& path) {
  Store(WithRecentFile(Files(), path));
}

void QtRecentFiles::Remove(const std::string& path) {
  std::vector<std::string> files = Files();
  files.erase(std::remove(files.begin(), files.end(), path), files.end());
  Store(files);
}

}  // namespace qel
