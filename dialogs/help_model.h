// The model of the help dialog: the help text of the data folder as a list of lines, and
// "開いて印刷", which hands the file to the desktop's program for it.
#pragma once

#include <string>
#include <vector>

namespace qel {

class FileOpener;
class PromptService;

// The file of the help text in the data folder.
inline constexpr const char* kHelpFileName = "Help.txt";
// The list shows at most this many lines; the rest of a longer file is left out with a message.
inline constexpr std::size_t kMostHelpLines = 10000;

class HelpModel {
 public:
  // Reads the help text of `dataFolder`: each line with one blank in front. A missing file is
  // said (message 4008), as is one refused unread (a FIFO, over 64 MB), and gives an empty list;
  // a file of more than kMostHelpLines lines is said (message 4001) and cut there.
  HelpModel(const std::string& dataFolder, PromptService& prompts);

  const std::string& path() const { return path_; }
  const std::vector<std::string>& lines() const { return lines_; }

  // "開いて印刷": opens the help file with the desktop's program for it. A missing file, or no
  // program that could be started for it, is said with the file's path. Returns whether a
  // program was started.
  bool OpenForPrinting(FileOpener& opener, PromptService& prompts) const;

 private:
  std::string path_;
  std::vector<std::string> lines_;
};

}  // namespace qel
