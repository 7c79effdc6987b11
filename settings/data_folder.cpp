// Finding the data folder and filling it with the shipped files on first start.
#include "settings/data_folder.h"

#include <filesystem>
#include <system_error>

#include "platform/system_paths.h"
#include "settings/text_file.h"

namespace qel {

namespace fs = std::filesystem;

std::string ReadFirstLine(const std::string& path) {
  std::optional<std::vector<std::string>> lines = ReadTextLines(path, nullptr, 1);
  if (!lines || lines->empty()) return std::string();
  return lines->front();
}

// A location line names a folder when it is an absolute path other than the root itself.
static bool IsUsableFolderLine(const std::string& line) {
  return line.size() >= 2 && line[0] == '/';
}

static std::string WithoutTrailingSlashes(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/')
    folder.pop_back();
  return folder;
}

std::string ResolveDataFolder(const SystemPaths& paths) {
  const std::string locationFile = "/Varda/Pvnqel6.whr";
  std::string line = ReadFirstLine(paths.ConfigHome() + locationFile);
  if (!IsUsableFolderLine(line)) line = ReadFirstLine(paths.CurrentDirectory() + locationFile);
  if (IsUsableFolderLine(line)) {
    std::string folder = WithoutTrailingSlashes(line);
    if (folder.size() >= 2) return folder;
  }
  return paths.DataHome() + "/Vardamo/Qel6";
}

bool PopulateDataFolder(const std::string& folder, const std::string& shippedFolder) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (!fs::is_directory(folder, error)) return false;
  if (shippedFolder.empty() || !fs::is_directory(shippedFolder, error)) return true;
  for (const fs::directory_entry& entry : fs::directory_iterator(shippedFolder, error)) {
    if (!entry.is_regular_file(error)) continue;
    fs::path target = fs::path(folder) / entry.path().filename();
    if (fs::exists(target, error)) continue;
    std::optional<std::string> bytes = ReadFileBytes(entry.path().string());
    if (bytes) WriteFileSafely(target.string(), *bytes);
  }
  return true;
}

}  // namespace qel
