// Finding the data folder and filling it with the shipped files on first start.
#include "settings/data_folder.h"

#include <filesystem>
#include <system_error>

#include "base/text_file.h"
#include "platform/system_paths.h"

namespace qel {

namespace fs = std::filesystem;

std::string ReadFirstLine(const std::string& path) {
  std::optional<std::vector<std::string>> lines = ReadTextLines(path, nullptr, 1);
  if (!lines || lines->empty()) return std::string();
  return lines->front();
}

// The folder a location file names: its first line as an absolute path written plainly ("." and
// ".." resolved, repeated and trailing slashes dropped, a carriage return left by an editor
// removed); empty when the line names no folder or the root itself.
static std::string FolderOfLocationLine(std::string line) {
  while (!line.empty() && line.back() == '\r')
    line.pop_back();
  if (line.empty() || line[0] != '/') return std::string();
  std::string folder = fs::path(line).lexically_normal().string();
  while (folder.size() > 1 && folder.back() == '/')
    folder.pop_back();
  std::string single;
  for (char c : folder)
    if (c != '/' || single.empty() || single.back() != '/') single += c;
  return single.size() >= 2 ? single : std::string();
}

std::string ResolveDataFolder(const SystemPaths& paths) {
  const std::string locationFile = "/Varda/Pvnqel6.whr";
  std::string folder = FolderOfLocationLine(ReadFirstLine(paths.ConfigHome() + locationFile));
  if (folder.empty())
    folder = FolderOfLocationLine(ReadFirstLine(paths.CurrentDirectory() + locationFile));
  if (!folder.empty()) return folder;
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
