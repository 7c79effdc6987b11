// The subcommands of qel-cli that draw pages, run by the drawing program. Each returns the
// process exit status as the other subcommands do.
#pragma once

#include <string>
#include <vector>

#include "cli/commands.h"

namespace qel {

int RunPages(const std::vector<std::string>& words);
int RunRender(const std::vector<std::string>& words);
int RunReport(const std::vector<std::string>& words);

// verify with the verification report drawn into the PDF of --out.
int RunVerifyDrawingPdf(const std::vector<std::string>& words);

}  // namespace qel
