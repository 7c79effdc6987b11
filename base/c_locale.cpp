// Number conversions and printf-style formatting in the C locale.
#include "base/c_locale.h"

#include "base/text_trim.h"

#include <charconv>

#include <locale.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace qel {

static locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return locale;
}

long ToLong(std::string_view text) {
  std::string copy(text);
  errno = 0;
  return strtol_l(copy.c_str(), nullptr, 10, CLocale());
}

int ToInt(std::string_view text) {
  long value = ToLong(text);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

long ToLongAutoBase(std::string_view text) {
  std::string copy(text);
  return strtol_l(copy.c_str(), nullptr, 0, CLocale());
}

double ToDouble(std::string_view text) {
  std::string copy(text);
  return strtod_l(copy.c_str(), nullptr, CLocale());
}

std::optional<double> LeadingNumber(std::string_view text) {
  std::string copy(text);
  char* end = nullptr;
  const double value = strtod_l(copy.c_str(), &end, CLocale());
  if (end == copy.c_str()) return std::nullopt;
  return value;
}

double ToFiniteDouble(std::string_view text, double otherwise) {
  const double value = ToDouble(text);
  return std::isfinite(value) ? value : otherwise;
}

std::string FormatC(const char* format, ...) {
  locale_t previous = uselocale(CLocale());
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  char small[256];
  int length = std::vsnprintf(small, sizeof small, format, args);
  va_end(args);
  std::string result;
  if (length >= 0 && static_cast<std::size_t>(length) < sizeof small) {
    result.assign(small, static_cast<std::size_t>(length));
  } else if (length >= 0) {
    std::vector<char> large(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(large.data(), large.size(), format, copy);
    result.assign(large.data(), static_cast<std::size_t>(length));
  }
  va_end(copy);
  uselocale(previous);
  return result;
}

namespace {

std::string_view Trimmed(std::string_view text) {
  return TrimmedBlanks(text);
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

std::string ShortestRealText(double value) {
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace qel
