// About how wide a text runs in ems of its font, as the tables' line breaking counts it: a
// half-width (one-byte UTF-8) character 0.6, every other character 1.
#pragma once

#include <cstddef>
#include <string_view>

namespace qel::test {

inline double EstimatedEms(std::string_view text) {
  double ems = 0.0;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    ems += lead < 0x80 ? 0.6 : 1.0;
    i += lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  }
  return ems;
}

}  // namespace qel::test
