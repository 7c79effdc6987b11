// qel-cli convert: read a data file as the program reads it, write it as the program saves it.
#include "cli/cli_args.h"
#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/output_files.h"

namespace qel {

int RunConvert(const std::vector<std::string>& words) {
  std::string error;
  std::optional<CliArgs> args = ParseCliArgs(words, {"--data-folder"}, {}, error);
  if (!args) return UsageError(error);
  if (args->positional.size() != 2) return UsageError("convert needs IN and OUT");
  if (OutputWouldReplaceInput(args->positional[0], args->positional[1])) return kExitFailure;
  CliSession session(args->Option("--data-folder"));
  session.Start();
  if (!session.Open(args->positional[0])) return kExitFailure;
  return session.SaveAs(args->positional[1]) ? kExitOk : kExitFailure;
}

}  // namespace qel
