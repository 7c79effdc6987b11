// The number-start test and the comma-separated field scanner.
#include "base/text_fields.h"

namespace qel {

static bool IsCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int IsNumericText(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsCSpace(text[i]))
    ++i;
  if (i == text.size()) return -1;
  static constexpr std::string_view kNumberStart = "1234567890.+-";
  return kNumberStart.find(text[i]) != std::string_view::npos ? 1 : 0;
}

int NextCsvField(std::string& out, std::string_view text) {
  out.clear();
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      return static_cast<int>(i + 1);
    } else if (c == '\n') {
      return 0;
    } else {
      out.push_back(c);
    }
  }
  return 0;
}

int GetCsvField(std::string& out, std::string_view line, int n) {
  out.clear();
  if (line.empty()) return -1;
  if (line.size() > kCsvLineLimit) line = line.substr(0, kCsvLineLimit);
  std::size_t position = 0;
  std::string field;
  for (int i = 1; i <= n; ++i) {
    int next = NextCsvField(field, line.substr(position));
    if (i == n) {
      out = field;
      return 1;
    }
    if (next == 0) return 0;
    position += static_cast<std::size_t>(next);
  }
  return 0;  // n < 1: there is no such field.
}

}  // namespace qel
