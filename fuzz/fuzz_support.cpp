// What the fuzz targets share.
#include "fuzz/fuzz_support.h"

#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace qel::fuzz {

void Require(bool holds, const char* invariant) {
  if (holds) return;
  std::fprintf(stderr, "\ninvariant broken: %s\n", invariant);
  std::abort();
}

const std::string& ScratchFolder() {
  // Never destroyed: the handler that removes the folder at exit runs after static objects are.
  static const std::string& folder = *new std::string([] {
    // In memory where there is a tmpfs: safe writing flushes every file it writes, which on a
    // disk would make each input wait for it.
    std::error_code error;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    std::string pattern = (base / "qel-fuzz-XXXXXX").string();
    Require(::mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(ScratchFolder(), ignored);
    });
    return pattern;
  }());
  return folder;
}

void WriteFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  Require(static_cast<bool>(out), "the scratch file can be written");
}

bool SameTables(const DocumentTables& a, const DocumentTables& b) {
  auto same = [](const auto& x, const auto& y) {
    return std::equal(std::begin(x), std::end(x), std::begin(y));
  };
  for (int set = 0; set <= kStripSets; ++set) {
    for (int row = 0; row <= kStripRows; ++row) {
      if (!same(a.stripLoads[set][row], b.stripLoads[set][row])) return false;
    }
  }
  for (int row = 0; row <= kStripPointRows; ++row) {
    if (!same(a.stripPoints[row], b.stripPoints[row])) return false;
  }
  for (int row = 0; row <= kRectRows; ++row) {
    if (!same(a.rectLoads[row], b.rectLoads[row])) return false;
  }
  for (int row = 0; row <= kCircleRows; ++row) {
    if (!same(a.circleLoads[row], b.circleLoads[row])) return false;
  }
  for (int row = 0; row <= kGridRows; ++row) {
    if (!same(a.gridPoints[row], b.gridPoints[row])) return false;
  }
  return same(a.settingLines, b.settingLines) && a.figures == b.figures &&
         a.soilLines == b.soilLines && a.obsLines == b.obsLines;
}

}  // namespace qel::fuzz
