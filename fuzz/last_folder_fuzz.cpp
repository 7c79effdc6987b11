// Fuzz target: any bytes as FileV.ndx, the file that remembers the last folder opened. Its two
// lines, written back as the open command does, read back the same.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/text_encoding.h"
#include "base/text_file.h"
#include "document/last_folder_file.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qel;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string path = fuzz::ScratchFolder() + "/FileV.ndx";
  const std::string written = fuzz::ScratchFolder() + "/FileV-written.ndx";
  fuzz::WriteFile(path, bytes);

  const LastFolderFile read = ReadLastFolderFile(path);
  fuzz::Require(read.folder.find('\n') == std::string::npos &&
                    read.secondLine.find('\n') == std::string::npos,
                "each part is one line");
  if (!WriteLastFolderFile(written, read)) return 0;  // a character Shift-JIS lacks
  fuzz::Require(DetectTextEncoding(*ReadFileBytes(written)) == TextEncoding::Cp932,
                "a written file reads as Shift-JIS");
  fuzz::Require(ReadLastFolderFile(written) == read, "the two lines read back as written");
  return 0;
}
