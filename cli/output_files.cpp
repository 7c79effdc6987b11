// What qel-cli checks of an output path before it writes.
#include "cli/output_files.h"

#include <cctype>
#include <cstdio>
#include <filesystem>

#include "base/same_file.h"
#include "platform/messages.h"

namespace qel {

bool EndsInPdf(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  for (char& c : extension)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".pdf";
}

bool OutputWouldReplaceInput(const std::string& input, const std::string& output) {
  if (!IsSameExistingFile(input, output)) return false;
  std::fprintf(stderr, "qel-cli: %s\n",
               MessageText(MessageId::OutputIsInput, output + " = " + input).c_str());
  return true;
}

}  // namespace qel
