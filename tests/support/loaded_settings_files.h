// Settings files whose first reading is behind them, for tests and fuzz targets that give the
// settings themselves and only read or save the files of a data folder.
#pragma once

#include <string>

#include "settings/settings_files.h"

namespace qel::test {

// The files of `folder`, with every one-time step of the first load taken, as after it.
inline SettingsFiles LoadedSettingsFiles(const std::string& folder) {
  SettingsFiles files = SettingsFiles::In(folder);
  files.loaded = {true, true, true};
  return files;
}

}  // namespace qel::test
