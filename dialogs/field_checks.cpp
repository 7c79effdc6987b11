// The checks of typed values that the dialogs share.
#include "dialogs/field_checks.h"

#include <charconv>
#include <cmath>

#include "platform/messages.h"
#include "settings/cp932.h"

namespace qel {

namespace {

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && blank(text.back()))
    text.remove_suffix(1);
  return text;
}

// from_chars takes a minus sign but no plus sign: a leading "+" is dropped here. False when
// nothing is left or a second sign follows it.
bool DropPlusSign(std::string_view& text) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) return false;
  }
  return !text.empty();
}

ValidationError Refusal(std::string message, const std::string& field) {
  return ValidationError{std::move(message), field};
}

}  // namespace

std::optional<int> ParseWholeNumber(std::string_view text) {
  text = Trimmed(text);
  if (!DropPlusSign(text)) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<double> ParseRealNumber(std::string_view text) {
  text = Trimmed(text);
  if (!DropPlusSign(text)) return std::nullopt;
  double value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

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
