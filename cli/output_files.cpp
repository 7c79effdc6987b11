// What qel-cli checks of an output path before it writes.
#include "cli/output_files.h"

#include <sys/stat.h>

#include <cctype>
#include <cstdio>
#include <filesystem>

namespace qel {

bool EndsInPdf(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  for (char& c : extension)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".pdf";
}

bool IsSameFile(const std::string& a, const std::string& b) {
  struct stat first, second;
  return ::stat(a.c_str(), &first) == 0 && S_ISREG(first.st_mode) &&
         ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}

bool OutputWouldReplaceInput(const std::string& input, const std::string& output) {
  if (!IsSameFile(input, output)) return false;
  std::fprintf(stderr, "qel-cli: %s is the input file %s: writing it would replace it\n",
               output.c_str(), input.c_str());
  return true;
}

}  // namespace qel
