// The checks of typed values that the dialogs share.
#include "dialogs/field_checks.h"

#include <charconv>
#include <cmath>

#include "base/c_locale.h"
#include "base/cp932.h"
#include "platform/messages.h"

namespace qel {

namespace {

ValidationError Refusal(std::string message, const std::string& field) {
  return ValidationError{std::move(message), field};
}

}  // namespace

std::optional<ValidationError> CheckWholeNumber(std::string_view text, int min, int max,
                                                const std::string& field) {
  const std::optional<int> value = ParseWholeNumber(text);
  if (!value || *value < min || *value > max) {
    return Refusal(
        MessageText(MessageId::IntegerOutOfRange, std::to_string(min), std::to_string(max)), field);
  }
  return std::nullopt;
}

std::optional<ValidationError> CheckWholeNumber(std::string_view text, const std::string& field) {
  if (!ParseWholeNumber(text)) return Refusal(MessageText(MessageId::NotAnInteger), field);
  return std::nullopt;
}

std::optional<ValidationError> CheckRealNumber(std::string_view text, const std::string& field) {
  if (!ParseRealNumber(text)) return Refusal(MessageText(MessageId::NotANumber), field);
  return std::nullopt;
}

std::optional<ValidationError> CheckStoredText(std::string_view text, const std::string& field) {
  if (text.find("$$") != std::string_view::npos)
    return Refusal(MessageText(MessageId::SectionMarkerInText), field);
  const Cp932Encoding encoded = EncodeCp932(text);
  if (!encoded.ok) {
    return Refusal(
        MessageText(MessageId::UnencodableInField, encoded.badCharacter, encoded.codePoint), field);
  }
  return std::nullopt;
}

}  // namespace qel
