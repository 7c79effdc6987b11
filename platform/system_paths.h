// Where the program finds its folders: user data and config homes, the working directory and
// the data files shipped with the program.
#pragma once

#include <string>

namespace qel {

class SystemPaths {
 public:
  virtual ~SystemPaths() = default;
  // The base folder for user data ($XDG_DATA_HOME, by default ~/.local/share).
  virtual std::string DataHome() const = 0;
  // The base folder for user configuration ($XDG_CONFIG_HOME, by default ~/.config).
  virtual std::string ConfigHome() const = 0;
  virtual std::string CurrentDirectory() const = 0;
  // The folder holding the data files installed with the program; empty when none is found.
  virtual std::string ShippedDataFolder() const = 0;
};

// The real folders of this process, from the environment and the program's location.
class EnvironmentSystemPaths : public SystemPaths {
 public:
  std::string DataHome() const override;
  std::string ConfigHome() const override;
  std::string CurrentDirectory() const override;
  std::string ShippedDataFolder() const override;
};

}  // namespace qel
