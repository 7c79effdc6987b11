// The subcommands of qel-cli. Each returns the process exit status: 0 success, 1 failure
// (reported on standard error), 2 bad arguments.
#pragma once

#include <string>
#include <vector>

namespace qel {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

int RunConvert(const std::vector<std::string>& args);
int RunCompute(const std::vector<std::string>& args);
int RunInfluence(const std::vector<std::string>& args);
int RunPages(const std::vector<std::string>& args);
int RunRender(const std::vector<std::string>& args);
int RunReport(const std::vector<std::string>& args);
int RunVerify(const std::vector<std::string>& args);
int RunIsobars(const std::vector<std::string>& args);
int RunTable(const std::vector<std::string>& args);

// Prints "qel-cli: <message>" and the usage to standard error and returns kExitUsage.
int UsageError(const std::string& message);

// Flushes standard output: kExitOk when everything written to it arrived, otherwise kExitFailure
// with the reason on standard error.
int FinishStandardOutput();

}  // namespace qel
