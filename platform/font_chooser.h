// The platform's font dialog behind an interface, so the font commands run without a window.
#pragma once

#include <optional>
#include <string>

namespace qel {

// What the font dialog shows and returns: a face, a size in points and the underline effect.
struct FontChoice {
  std::string faceName;
  double pointSize = 0.0;
  bool underline = false;

  bool operator==(const FontChoice&) const = default;
};

class FontChooser {
 public:
  virtual ~FontChooser() = default;
  // Shows the dialog set to `initial`; the chosen font, or nothing when the user cancelled.
  virtual std::optional<FontChoice> Choose(const FontChoice& initial) = 0;
};

}  // namespace qel
