// The checks every reader of the soil section's lines shares: plausible ranges of numbers, cells
// too long to read, numbers that do not read, and the list of what is wrong with the lines.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/soil_profile_text.h"

namespace qel::soil_text {

// The longest cell of the section that is read, in characters: longer text is no name or number
// anyone types, and refusing it keeps every message, page and table it would reach bounded.
inline constexpr std::size_t kLongestCell = 200;
// How many characters of a name a message shows.
inline constexpr std::size_t kShownNameCharacters = 40;
// How many characters of a number a message that shows two of them quotes of each.
inline constexpr std::size_t kShownNumberCharacters = 20;

// The plausible range of a number: values outside it are refused, so that no stress, void
// ratio or time computed from them overflows.
struct Range {
  double low;
  bool lowIncluded;
  double high;
  bool highIncluded;
};
inline constexpr double kDeepest = 10000.0;  // m
inline constexpr Range kDepthRange{0.0, false, kDeepest, true};
inline constexpr Range kWaterRange{-kDeepest, true, kDeepest, true};
inline constexpr Range kVoidRatioRange{0.0, false, 20.0, true};
inline constexpr Range kIndexRange{0.0, true, 20.0, true};
inline constexpr Range kPressureRange{0.0, false, 1e6, true};
inline constexpr Range kMvRange{0.0, true, 1.0, true};
inline constexpr Range kCvRange{0.0, false, 1e8, true};
inline constexpr Range kTimeRange{0.0, true, 1e7, true};
inline constexpr Range kCalphaRange{0.0, true, 1.0, true};
inline constexpr Range kFractionRange{0.0, false, 1.0, true};
inline constexpr Range kSecondaryStartRange{0.5, true, 1.0, false};
inline constexpr Range kServiceRange{0.0, false, 1e7, true};
// The drains: sizes in m, kh/ks, the discharge capacity in m3/day.
inline constexpr Range kDrainSizeRange{0.0, false, 100.0, true};
inline constexpr Range kPermeabilityRatioRange{1.0, true, 1e3, true};
inline constexpr Range kDischargeRange{0.0, false, 1e6, true};
// Unit weights: up to 100 kN/m3, or 10 tf/m3.
Range UnitWeightRange(int unitSystem);

// The bound `value` breaks, as the message says it ("は 0 より大きい値にしてください"); none when
// it lies in `range`.
std::optional<std::string> OutsideRange(double value, const Range& range);

// A subject followed by Japanese text: a blank after it only when it ends in a Latin letter or
// digit ("Cc がありません", "排水条件がありません").
std::string Subject(std::string text);

// The faults found so far, and the reading of single cells that tells theirs.
class FieldChecks {
 public:
  void Error(int line, std::string text) { errors_.push_back({line, std::move(text)}); }
  // The number of a field as typed: none when it is empty or not a finite number (an error,
  // "label: field「text」が数値ではありません").
  std::optional<double> Real(int line, const std::string& label, std::string_view field,
                             std::string_view text);
  // A positive whole number; none when empty or not one (an error).
  std::optional<int> Whole(int line, const std::string& label, std::string_view field,
                           std::string_view text);
  // Tells a cell longer than kLongestCell; true when it is.
  bool TooLong(int line, const std::string& where, std::string_view field, std::string_view text);
  // A real field that must be given and lie in `range`: none (with the error told) otherwise.
  std::optional<double> Checked(int line, const std::string& label, std::string_view field,
                                std::string_view text, const Range& range);
  // The same for a field that may be left empty (none then, without an error).
  std::optional<double> CheckedIfGiven(int line, const std::string& label, std::string_view field,
                                       std::string_view text, const Range& range);

  std::vector<SoilProfileError>& errors() { return errors_; }

 private:
  std::vector<SoilProfileError> errors_;
};

}  // namespace qel::soil_text
