// Fuzz target: any bytes as the settings file and as a font file.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "settings/cp932.h"
#include "settings/settings_files.h"
#include "settings/system_settings.h"
#include "settings/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> lines = qel::SplitLines(bytes);
  for (std::string& line : lines)
    line = qel::DecodeCp932(line);
  qel::SystemSettings settings;
  qel::ApplySystemSettingsLines(lines, settings);
  qel::ClampSettings(settings);
  (void)qel::EncodeCp932(lines.empty() ? std::string() : lines.front());
  return 0;
}
