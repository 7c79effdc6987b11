// qel-cli influence: the engine's influence functions on numbers read from standard input.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/influence_line.h"

namespace qel {

int RunInfluence(const std::vector<std::string>& words) {
  std::string error;
  std::optional<CliArgs> args =
      ParseCliArgs(words, {"--data-folder", "--circle-method"}, {}, error);
  if (!args) return UsageError(error);
  const std::optional<CircleMethod> method = ReadCircleMethod(*args, error);
  if (!method) return UsageError(error);
  if (!args->positional.empty()) return UsageError("influence reads its input from stdin");
  for (std::string line; std::getline(std::cin, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    bool blank = line.find_first_not_of(" \t") == std::string::npos;
    std::string answer = blank ? std::string() : EvaluateInfluenceLine(line, *method);
    std::fputs((answer + "\n").c_str(), stdout);
  }
  return FinishStandardOutput();
}

}  // namespace qel
