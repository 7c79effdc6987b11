// The program's fixed user-facing texts, keyed by their string-table ids.
#pragma once

#include <string>

namespace qel {

namespace msg {
inline constexpr int kConfirmCancel = 132;   // data changed, cancel anyway?
inline constexpr int kFooterOffPaper = 133;  // page text may be off the paper (%1 mm)
inline constexpr int kCannotAdd = 901;
inline constexpr int kTooMuchData = 4001;
inline constexpr int kNoData = 4003;
inline constexpr int kUnsuitableData = 4005;
inline constexpr int kAbnormalValue = 4006;
inline constexpr int kNotStandardExtension = 4007;
inline constexpr int kFileNotFound = 4008;  // %1 = path
inline constexpr int kCannotSave = 4009;
inline constexpr int kNegativeData = 4012;
inline constexpr int kXNotAscending = 4013;
inline constexpr int kNotADataFile = 4014;
inline constexpr int kTooManyRows = 4015;
inline constexpr int kYNotAscending = 4016;
inline constexpr int kCannotRun = 4032;
inline constexpr int kUnencodableCharacter = 4101;  // %1 = the character, %2 = its code point
inline constexpr int kReplaceExisting = 4102;       // %1 = path: replace the existing file?
inline constexpr int kIdleStatus = 57345;
}  // namespace msg

// Texts that have no id of their own.
inline constexpr const char* kTooManyCsvText = "too many csv";
inline constexpr const char* kCannotCreateFontText = "Can't create font";
inline constexpr const char* kDeviceInfoErrorText = "デバイス情報読み込みエラー";

// The text of string `id`; empty for an unknown id.
std::string MessageText(int id);

// The text of string `id` with %1 (and %2) replaced by the arguments.
std::string MessageText(int id, const std::string& arg1, const std::string& arg2 = "");

}  // namespace qel
