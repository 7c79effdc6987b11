// The model of the help dialog: the help text of the data folder as a list of lines, and
// "開いて印刷", which hands the file to the desktop's program for it.
#pragma once

#include <string>
#include <vector>

#include "base/text_file.h"

namespace qel {

class FileOpener;
class PromptService;

// The file of the help text in the data folder.
inline constexpr const char* kHelpFileName = "Help.txt";
// The list shows at most this many lines; the rest of a longer file is left out with a message.
inline constexpr std::size_t kMostHelpLines = 10000;

// What reading the help file gave.
struct HelpText {
  std::string path;
  std::vector<std::string> lines;             // as read, without line ends
  FileReadError error = FileReadError::None;  // why the file could not be read (no lines)
  bool cut = false;                           // the file had more than kMostHelpLines lines
};

// Reads the help file of `dataFolder`, at most kMostHelpLines lines. Shows nothing: the help
// command tells what went wrong.
HelpText ReadHelpText(const std::string& dataFolder);
// What the help command tells about the reading, in order: a file that could not be read
// (message 4008 for a missing one; a FIFO or a file over 64 MB is refused unread), or one cut at
// kMostHelpLines lines (message 4001). None when the whole file was read.
std::vector<std::string> HelpTextMessages(const HelpText& text);

class HelpModel {
 public:
  // The list of the help text: each line with one blank in front, as a margin.
  explicit HelpModel(const HelpText& text);

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
