// Fuzz target: reading any bytes as a data file, then writing the document again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "document/data_file.h"
#include "settings/system_settings.h"
#include "test_support/scripted_prompts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static qel::DocumentTables tables;
  qel::SystemSettings settings;
  qel::ScriptedPrompts prompts;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (qel::ReadDataBytes(bytes, tables, settings, &prompts) == qel::ReadStatus::Ok) {
    qel::SettingsToLines(settings, tables);
    qel::ResultsGrid results;
    (void)qel::FormatDataFile(tables, results, settings.stressDigits);
  }
  return 0;
}
