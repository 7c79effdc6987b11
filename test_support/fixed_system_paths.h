// Fixed folders instead of the environment's, for tests.
#pragma once

#include <string>

#include "platform/system_paths.h"

namespace qel {

class FixedSystemPaths : public SystemPaths {
 public:
  std::string dataHome, configHome, currentDirectory, shippedDataFolder;
  std::string DataHome() const override { return dataHome; }
  std::string ConfigHome() const override { return configHome; }
  std::string CurrentDirectory() const override { return currentDirectory; }
  std::string ShippedDataFolder() const override { return shippedDataFolder; }
};

}  // namespace qel
