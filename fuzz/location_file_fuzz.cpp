// Fuzz target: any bytes as the location file that names the data folder. The folder found is
// always an absolute path of more than the root, on one line, without a trailing slash: the
// default folder or the one the file names, written plainly.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "settings/data_folder.h"
#include "test_support/fixed_system_paths.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qel;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  FixedSystemPaths paths;
  paths.configHome = fuzz::ScratchFolder() + "/config";
  paths.currentDirectory = fuzz::ScratchFolder() + "/work";
  paths.dataHome = fuzz::ScratchFolder() + "/data";
  std::filesystem::create_directories(paths.configHome + "/Varda");
  fuzz::WriteFile(paths.configHome + "/Varda/Pvnqel6.whr", bytes);

  const std::string folder = ResolveDataFolder(paths);
  fuzz::Require(folder.size() >= 2 && folder.front() == '/', "an absolute folder, not the root");
  fuzz::Require(folder.back() != '/', "no trailing slash");
  fuzz::Require(folder.find('\n') == std::string::npos, "one line");
  // The file's first line written plainly: "." and ".." resolved, no repeated slashes.
  std::string line = ReadFirstLine(paths.configHome + "/Varda/Pvnqel6.whr");
  while (!line.empty() && line.back() == '\r')
    line.pop_back();
  const std::string named = std::filesystem::path(line).lexically_normal().string();
  fuzz::Require(
      folder == paths.dataHome + "/Vardamo/Qel6" ||
          std::filesystem::path(folder) == std::filesystem::path(named).lexically_normal() ||
          named.rfind(folder, 0) == 0,
      "the default folder, or the one the file names");
  return 0;
}
