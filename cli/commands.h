// The subcommands of qel-cli. Each returns the process exit status: 0 success, 1 failure
// (reported on standard error), 2 bad arguments.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qel {

struct VerificationFamily;
struct VerificationStamp;

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// A subcommand: its name on the command line and what runs it with the words after the name.
struct CliCommand {
  std::string_view name;
  int (*run)(const std::vector<std::string>& words);
};

int RunConvert(const std::vector<std::string>& words);
int RunCompute(const std::vector<std::string>& words);
int RunInfluence(const std::vector<std::string>& words);
int RunIsobars(const std::vector<std::string>& words);
int RunTable(const std::vector<std::string>& words);
int RunSettlement(const std::vector<std::string>& words);
int RunPredict(const std::vector<std::string>& words);
int RunObsImport(const std::vector<std::string>& words);

// Draws the verification report into the PDF `out`: true when it was written, otherwise false
// with the reason on standard error.
using VerificationPdfWriter = bool (*)(const std::string& out,
                                       const std::vector<VerificationFamily>& families,
                                       const VerificationStamp& stamp);
// verify: the result lines on standard output and, with --out, the PDF drawn by `writePdf`. Without
// a writer (in qel-cli itself, which links no drawing library) a command with --out is handed
// whole to the drawing program.
int RunVerify(const std::vector<std::string>& words, VerificationPdfWriter writePdf);

// Runs the command line `argv`: usage and help, then the subcommand named by argv[1], looked up
// first among `drawing` (the drawing program's own subcommands), then among those that compute
// and write text. Without `drawing` (in qel-cli itself), a drawing subcommand is handed to the
// drawing program with the same arguments.
int RunCommandLine(int argc, char** argv, std::span<const CliCommand> drawing);

// Prints "qel-cli: <message>" and the usage to standard error and returns kExitUsage.
int UsageError(const std::string& message);

// Flushes standard output: kExitOk when everything written to it arrived, otherwise kExitFailure
// with the reason on standard error.
int FinishStandardOutput();

}  // namespace qel
