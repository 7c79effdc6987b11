// Command-line arguments of qel-cli.
#include "cli/cli_args.h"

namespace qel {

std::optional<std::string> CliArgs::Option(const std::string& name) const {
  auto it = options.find(name);
  if (it == options.end()) return std::nullopt;
  return it->second;
}

std::optional<CliArgs> ParseCliArgs(const std::vector<std::string>& words,
                                    const std::set<std::string>& valueOptions,
                                    const std::set<std::string>& flagOptions, std::string& error) {
  CliArgs args;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (!optionsEnded && word == "--") {
      // Everything after "--" is a file name, even when it starts with a dash.
      optionsEnded = true;
    } else if (!optionsEnded && word.size() > 2 && word.rfind("--", 0) == 0) {
      std::string name = word, value;
      std::size_t equals = word.find('=');
      bool inlineValue = equals != std::string::npos;
      if (inlineValue) {
        name = word.substr(0, equals);
        value = word.substr(equals + 1);
      }
      if (valueOptions.count(name)) {
        if (!inlineValue) {
          if (i + 1 >= words.size()) {
            error = name + " needs a value";
            return std::nullopt;
          }
          value = words[++i];
        }
        // A second value would silently override the first: which one the user meant is not
        // for the program to guess.
        if (!args.options.emplace(name, value).second) {
          error = name + " is given twice";
          return std::nullopt;
        }
      } else if (flagOptions.count(name) && !inlineValue) {
        args.flags.insert(name);
      } else {
        error = "unknown option " + name;
        return std::nullopt;
      }
    } else {
      args.positional.push_back(word);
    }
  }
  return args;
}

std::optional<CircleMethod> ReadCircleMethod(const CliArgs& args, std::string& error) {
  const std::optional<std::string> name = args.Option("--circle-method");
  if (!name) return CircleMethod::kExact;
  std::optional<CircleMethod> method = ParseCircleMethod(*name);
  if (!method) error = "--circle-method must be exact or compatible";
  return method;
}

}  // namespace qel
