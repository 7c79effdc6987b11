// Fuzz target: any bytes as each of the five font files. Every slot ends with a size in its
// range and a face, and after one save a font reads back exactly as saved.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/text_encoding.h"
#include "base/text_file.h"
#include "fuzz/fuzz_support.h"
#include "settings/settings_files.h"
#include "settings/system_settings.h"

namespace {

using namespace qel;

std::string FontPath(const std::string& folder, int index) {
  return FontFilePath(folder, index);
}

FontSlots ReadFonts(const std::string& folder) {
  FontSlots fonts;
  ReadFontFiles(folder, fonts);
  return fonts;
}

// Writes every slot's file into `folder`; false when one could not be written.
bool WriteFonts(const std::string& folder, const FontSlots& fonts) {
  for (int i = 1; i <= FontSlots::kCount; ++i) {
    WriteOutcome outcome;
    if (!WriteFontFile(FontPath(folder, i), fonts[i], &outcome)) {
      fuzz::Require(!outcome.badCharacter.empty(), "only a character Shift-JIS lacks stops it");
      return false;
    }
  }
  return true;
}

bool Same(const FontSlot& a, const FontSlot& b) {
  return a.size == b.size && a.faceName == b.faceName && a.colour == b.colour &&
         a.underline == b.underline;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string folder = fuzz::ScratchFolder() + "/fonts";
  const std::string once = fuzz::ScratchFolder() + "/fonts-once";
  const std::string twice = fuzz::ScratchFolder() + "/fonts-twice";
  for (const std::string& f : {folder, once, twice})
    std::filesystem::create_directories(f);
  for (int i = 1; i <= FontSlots::kCount; ++i)
    fuzz::WriteFile(FontPath(folder, i), bytes);

  const FontSlots read = ReadFonts(folder);
  for (int i = 1; i <= FontSlots::kCount; ++i) {
    const double largest = i == 5 ? 100.0 : 200.0;
    fuzz::Require(read[i].size > 1 && read[i].size <= largest, "a size within the slot's range");
    fuzz::Require(read[i].faceName.size() > 1, "a face of more than one byte");
  }
  // One save rounds the size to a tenth; from then on the font reads back as it was saved.
  if (!WriteFonts(once, read)) return 0;
  const FontSlots saved = ReadFonts(once);
  fuzz::Require(DetectTextEncoding(*ReadFileBytes(FontPath(once, 1))) == TextEncoding::Cp932,
                "a saved font file reads as Shift-JIS");
  fuzz::Require(WriteFonts(twice, saved), "a saved font can be saved again");
  const FontSlots again = ReadFonts(twice);
  for (int i = 1; i <= FontSlots::kCount; ++i) {
    fuzz::Require(Same(saved[i], again[i]), "a saved font reads back as it was saved");
    fuzz::Require(saved[i].faceName == read[i].faceName, "the face survives a save");
  }
  return 0;
}
