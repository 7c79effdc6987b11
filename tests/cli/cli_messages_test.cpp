// The language of qel-cli's messages: what it says about the user's document, its data and the
// files written from it is Japanese, as the desktop says it; a mistake in the command line
// itself is English, like the usage printed after it.
#include <gtest/gtest.h>

#include "cli/cli_run.h"
#include "settings/text_file.h"
#include "support/test_files.h"

namespace qel {
namespace {

bool IsAscii(const std::string& text) {
  for (unsigned char c : text)
    if (c >= 0x80) return false;
  return true;
}

TEST_F(CliTest, DocumentMessagesAreJapaneseAndArgumentErrorsEnglish) {
  test::WriteBytes(folder.File("empty.qdw"), "$$_QEL405\r\n");
  const std::string building = Example("building.qdw");
  const std::string embankment = Example("embankment.qdw");
  struct Case {
    std::string arguments;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {"render " + embankment + " --display 1 --page 99 --out " + folder.File("x.svg"), 1,
       "ページ 99 はありません（表示 1 は"},
      {"report " + folder.File("empty.qdw") + " --out " + folder.File("e.pdf"), 1,
       "報告書にする表示がありません。"},
      {"isobars " + building + " --strip", 1, "帯状荷重がありません"},
      {"table " + building + " --display 6 --out " + building, 1, "元のデータファイル"},
      {"compute " + folder.File("missing.qdw"), 1, "missing.qdw"},
      {"compute", 2, "compute needs one data file"},
      {"render " + embankment + " --display 1 --page one --out " + folder.File("x.svg"), 2,
       "--page must be a whole number"},
      {"isobars " + building + " --plan deep", 2, "--plan needs a depth"},
      {"table " + building + " --display 4", 2, "--display must be a table"},
      {"frobnicate", 2, "unknown command frobnicate"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const CliRun run = RunCli(c.arguments + (c.arguments == "frobnicate" ? "" : DataFolder()));
    EXPECT_EQ(run.status, c.status) << run.err;
    // Its own lines, not what the libraries it runs on may print.
    std::vector<std::string> lines;
    for (const std::string& line : SplitLines(run.err))
      if (line.rfind("qel-cli: ", 0) == 0) lines.push_back(line);
    ASSERT_FALSE(lines.empty()) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    for (const std::string& line : lines)
      EXPECT_EQ(IsAscii(line), c.status == 2) << line;
  }
}

}  // namespace
}  // namespace qel
