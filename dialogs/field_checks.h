// The checks of typed values that the dialogs share: whole numbers in a range, real numbers, and
// texts that the program's files can hold.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/c_locale.h"
#include "dialogs/validation.h"

namespace qel {

// A whole number from `min` to `max`: otherwise the message names the range and `field` gets
// the focus.
std::optional<ValidationError> CheckWholeNumber(std::string_view text, int min, int max,
                                                const std::string& field);
// A whole number of any size an int holds.
std::optional<ValidationError> CheckWholeNumber(std::string_view text, const std::string& field);
std::optional<ValidationError> CheckRealNumber(std::string_view text, const std::string& field);

// A text that a data file or the settings file stores as a line: it must not contain "$$",
// which a data file reads back as the start of a section (the line would be lost and the lines
// after it shift), and every character must exist in Shift-JIS, or the file cannot be written.
std::optional<ValidationError> CheckStoredText(std::string_view text, const std::string& field);

// The first failure of a list of checks, in order.
template <typename... Checks>
std::optional<ValidationError> FirstFailure(const Checks&... checks) {
  std::optional<ValidationError> failure;
  ((failure = failure ? failure : checks), ...);
  return failure;
}

}  // namespace qel
