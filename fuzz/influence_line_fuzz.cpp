// Fuzz target: any bytes as the input of qel-cli influence, line by line. Every line is
// answered with one line: its value(s), or an error.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/influence_line.h"
#include "fuzz/fuzz_support.h"

namespace {

// Every blank-separated word of `answer` is a whole number as printf writes one.
bool AllNumbers(const std::string& answer) {
  std::istringstream words(answer);
  int count = 0;
  for (std::string word; words >> word; ++count) {
    char* end = nullptr;
    std::strtod(word.c_str(), &end);
    if (end != word.c_str() + word.size()) return false;
  }
  return count == 1 || count == 2;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qel;
  std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
  for (std::string line; std::getline(input, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    const std::string answer = EvaluateInfluenceLine(line);
    fuzz::Require(answer.find('\n') == std::string::npos, "one line per line");
    fuzz::Require(answer.rfind("error: ", 0) == 0 || AllNumbers(answer),
                  "the value(s), or an error");
  }
  return 0;
}
