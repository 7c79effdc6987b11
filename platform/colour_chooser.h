// The platform's colour dialog behind an interface, so the dialogs' models run without a window.
#pragma once

#include <cstdint>
#include <optional>

namespace qel {

class ColourChooser {
 public:
  virtual ~ColourChooser() = default;
  // Shows the dialog set to `initial` (0x00BBGGRR: red in the lowest byte, as the settings
  // store colours); the chosen colour in the same form, or nothing when the user cancelled.
  virtual std::optional<std::uint32_t> Choose(std::uint32_t initial) = 0;
};

}  // namespace qel
