// The lines of the soil profile's section as text: each line's key, value and fields (what the
// section's reader and the soil dialogs both read), and the replacement of one kind of line by
// a dialog's new lines while every other line of the section stays where it was.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qel {

// The fields of a "layer=" line and their places; the last two may be left off.
enum SoilLayerColumn {
  kSoilNo,
  kSoilName,
  kSoilBottom,
  kSoilGammaT,
  kSoilGammaSat,
  kSoilMethod,
  kSoilE0,
  kSoilCc,
  kSoilCs,
  kSoilPc,
  kSoilMv,
  kSoilCv,
  kSoilDrain,
  kSoilCurve,
  kSoilCalpha,  // optional: a line may end before it
  kSoilCh,      // optional
  kSoilColumnCount
};

// The key of a section line ("layer", "water", ...), blanks trimmed; empty for a line without
// "=".
std::string SoilLineKey(std::string_view line);
// The value after the first "=" (empty when there is none).
std::string SoilLineValue(std::string_view line);
// The comma-separated fields of a value, blanks trimmed.
std::vector<std::string> SoilLineFields(std::string_view value);
// What counts as a blank around keys and fields: a blank, a tab, and the carriage return a line
// that ended CR CR LF keeps.
inline constexpr std::string_view kSoilBlanks = " \t\r";
// Blanks trimmed from both ends.
std::string_view TrimmedSoilView(std::string_view text);
std::string TrimmedSoilText(std::string_view text);
// The comma-separated fields of a value, blanks trimmed, as views into it.
std::vector<std::string_view> SoilFieldViews(std::string_view value);

// Where a dialog's lines go when the section has none of its keys yet.
enum class SoilLinesPlace { Front, BeforeCurves, Back };

// `lines` with the lines whose key is one of `keys` replaced by `replacement` in place: each
// replacement line takes the place of the next line with its key (keeping that line's text when
// it says the same, blanks aside), lines of those keys left over are removed, and replacement
// lines beyond them go before the next one placed, after the last one placed, or, when none of
// the keys had a line, at `place`. Every other line, and the order of the lines, stays.
std::vector<std::string> ReplaceSoilLines(const std::vector<std::string>& lines,
                                          const std::vector<std::string>& keys,
                                          const std::vector<std::string>& replacement,
                                          SoilLinesPlace place);

}  // namespace qel
