// The real folders of this process, from the XDG environment and the program's location.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/system_paths.h"

namespace qel {

namespace fs = std::filesystem;

static std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  return home && *home ? home : "/";
}

// An XDG base variable counts only when it holds an absolute path.
static std::string XdgFolder(const char* variable, const char* fallbackUnderHome) {
  const char* value = std::getenv(variable);
  if (value && value[0] == '/') return value;
  return HomeFolder() + "/" + fallbackUnderHome;
}

std::string EnvironmentSystemPaths::DataHome() const {
  return XdgFolder("XDG_DATA_HOME", ".local/share");
}

std::string EnvironmentSystemPaths::ConfigHome() const {
  return XdgFolder("XDG_CONFIG_HOME", ".config");
}

std::string EnvironmentSystemPaths::CurrentDirectory() const {
  std::error_code error;
  fs::path current = fs::current_path(error);
  return error ? std::string() : current.string();
}

std::string EnvironmentSystemPaths::ShippedDataFolder() const {
  std::error_code error;
  // Installed layout: <prefix>/bin/qel and <prefix>/share/qel/data.
  fs::path exe = fs::read_symlink("/proc/self/exe", error);
  if (!error) {
    fs::path installed = exe.parent_path().parent_path() / "share" / "qel" / "data";
    if (fs::is_directory(installed / "", error)) return installed.string();
  }
  for (const char* candidate : {QEL_INSTALL_DATA_DIR, QEL_SOURCE_DATA_DIR}) {
    if (fs::is_directory(candidate, error)) return candidate;
  }
  return std::string();
}

}  // namespace qel
