// Command-line arguments of qel-cli: positional words and --name value options.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/circle_method.h"

namespace qel {

struct CliArgs {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;  // "--dpi" -> "300"
  std::set<std::string> flags;                 // "--all"

  std::optional<std::string> Option(const std::string& name) const;
  bool Flag(const std::string& name) const { return flags.count(name) > 0; }
};

// Splits `argv` (after the subcommand) into positional words, options that take a value and
// flags. Returns nothing, with `error` set, for an unknown option or a missing value.
std::optional<CliArgs> ParseCliArgs(const std::vector<std::string>& words,
                                    const std::set<std::string>& valueOptions,
                                    const std::set<std::string>& flagOptions, std::string& error);

// The value of --circle-method: exact when not given; nothing, with `error` set, for a word
// other than exact or compatible.
std::optional<CircleMethod> ReadCircleMethod(const CliArgs& args, std::string& error);

}  // namespace qel
