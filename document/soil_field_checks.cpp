// Ranges, cells and numbers of the soil section, and the messages that tell their faults.
#include "document/soil_field_checks.h"

#include "base/c_locale.h"
#include "base/quoted_text.h"

namespace qel::soil_text {

Range UnitWeightRange(int unitSystem) {
  return {0.0, false, unitSystem != 0 ? 100.0 : 10.0, true};
}

std::optional<std::string> OutsideRange(double value, const Range& range) {
  if (range.lowIncluded ? value < range.low : value <= range.low) {
    return FormatC(
        range.lowIncluded ? "は %.10g 以上にしてください" : "は %.10g より大きい値にしてください",
        range.low);
  }
  if (range.highIncluded ? value > range.high : value >= range.high) {
    return FormatC(
        range.highIncluded ? "は %.10g 以下にしてください" : "は %.10g より小さい値にしてください",
        range.high);
  }
  return std::nullopt;
}

std::string Subject(std::string text) {
  if (!text.empty() && static_cast<unsigned char>(text.back()) < 0x80) text += ' ';
  return text;
}

std::optional<double> FieldChecks::Real(int line, const std::string& label, std::string_view field,
                                        std::string_view text) {
  if (text.empty()) return std::nullopt;
  const std::optional<double> value = ParseRealNumber(text);
  if (!value)
    Error(line, label + ": " + std::string(field) + QuotedInput(text) + "が数値ではありません");
  return value;
}

std::optional<int> FieldChecks::Whole(int line, const std::string& label, std::string_view field,
                                      std::string_view text) {
  if (text.empty()) return std::nullopt;
  const std::optional<int> value = ParseWholeNumber(text);
  if (!value || *value <= 0) {
    Error(line, label + ": " + std::string(field) + QuotedInput(text) + "が正の整数ではありません");
    return std::nullopt;
  }
  return value;
}

bool FieldChecks::TooLong(int line, const std::string& where, std::string_view field,
                          std::string_view text) {
  if (CharacterCount(text) <= kLongestCell) return false;
  Error(line, where + ": " + std::string(field) + "が長すぎます (" + std::to_string(kLongestCell) +
                  " 文字まで)" + QuotedInput(text, kShownNameCharacters));
  return true;
}

std::optional<double> FieldChecks::Checked(int line, const std::string& label,
                                           std::string_view field, std::string_view text,
                                           const Range& range) {
  if (text.empty()) {
    Error(line, label + ": " + Subject(std::string(field)) + "がありません");
    return std::nullopt;
  }
  return CheckedIfGiven(line, label, field, text, range);
}

std::optional<double> FieldChecks::CheckedIfGiven(int line, const std::string& label,
                                                  std::string_view field, std::string_view text,
                                                  const Range& range) {
  if (TooLong(line, label, field, text)) return std::nullopt;
  const std::optional<double> value = Real(line, label, field, text);
  if (!value) return std::nullopt;
  if (const std::optional<std::string> broken = OutsideRange(*value, range)) {
    Error(line, label + ": " + Subject(std::string(field)) + *broken);
    return std::nullopt;
  }
  return value;
}

}  // namespace qel::soil_text
