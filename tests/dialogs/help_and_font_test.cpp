// The help dialog's model and the font commands.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "dialogs/font_command.h"
#include "dialogs/help_model.h"
#include "platform/messages.h"
#include "settings/settings_files.h"
#include "support/test_files.h"
#include "test_support/scripted_choosers.h"
#include "test_support/scripted_prompts.h"

namespace qel {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

TEST(HelpModel, ListsTheLinesOfTheHelpFileWithABlankInFront) {
  TempFolder folder;
  // Shift-JIS with CR LF; the last line has no line end and keeps all its characters.
  WriteBytes(folder.File("Help.txt"), "\x91\x80\x8d\xec\r\n\r\nend");
  const HelpText text = ReadHelpText(folder.path());
  EXPECT_EQ(text.lines, (std::vector<std::string>{"操作", "", "end"}));
  EXPECT_TRUE(HelpTextMessages(text).empty());
  const HelpModel model(text);
  EXPECT_EQ(model.lines(), (std::vector<std::string>{" 操作", " ", " end"}));
  EXPECT_EQ(model.path(), folder.File("Help.txt"));
}

// Reading shows nothing; the command tells what HelpTextMessages gives, and the list is empty
// or cut.
TEST(HelpModel, AFileThatCannotBeReadWholeIsToldByTheCommand) {
  TempFolder missing, fifo, longFile;
  ASSERT_EQ(::mkfifo(fifo.File("Help.txt").c_str(), 0600), 0);  // never waited on
  std::string text;
  for (std::size_t i = 0; i < kMostHelpLines + 5; ++i)
    text += "line\r\n";
  WriteBytes(longFile.File("Help.txt"), text);
  struct Case {
    const char* what;
    std::string folder;
    std::string message;
    std::size_t lines;
  };
  const Case cases[] = {
      {"missing", missing.path(), MessageText(MessageId::FileNotFound, missing.File("Help.txt")),
       0},
      {"no regular file", fifo.path(),
       MessageText(MessageId::NotRegularFile, fifo.File("Help.txt")), 0},
      {"too long", longFile.path(), MessageText(MessageId::TooMuchData), kMostHelpLines},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const HelpText read = ReadHelpText(c.folder);
    EXPECT_EQ(HelpTextMessages(read), std::vector<std::string>{c.message});
    EXPECT_EQ(HelpModel(read).lines().size(), c.lines);
  }
}

TEST(HelpModel, OpenForPrintingNamesTheFileAndWhatFailed) {
  TempFolder folder;
  WriteBytes(folder.File("Help.txt"), "help\r\n");
  ScriptedPrompts prompts;
  const HelpModel model(ReadHelpText(folder.path()));
  RecordingFileOpener opener;
  EXPECT_TRUE(model.OpenForPrinting(opener, prompts));
  EXPECT_TRUE(prompts.shown().empty());
  opener.SetSucceeds(false);
  EXPECT_FALSE(model.OpenForPrinting(opener, prompts));
  EXPECT_EQ(opener.opened(), (std::vector<std::string>{model.path(), model.path()}));
  EXPECT_EQ(prompts.CountShown("開いて印刷できませんでした\n"
                               "テキストファイルを開くプログラムを起動できません。\n( " +
                               model.path() + " )"),
            1);
  // A file gone since the dialog opened is said as such, and no program is started for it.
  std::filesystem::remove(model.path());
  EXPECT_FALSE(model.OpenForPrinting(opener, prompts));
  EXPECT_EQ(opener.opened().size(), 2u);
  EXPECT_EQ(prompts.CountShown("開いて印刷できませんでした\nファイルが見つかりません。\n( " +
                               model.path() + " )"),
            1);
}

class FontCommandTest : public ::testing::Test {
 protected:
  FontCommandTest() {
    dataFolder = folder.path();
    for (int i = 1; i <= FontSlots::kCount; ++i) {
      fonts[i] = FontSlot{10.0, "ＭＳ 明朝", 0x0000ff, 0};
      WriteBytes(FontFilePath(dataFolder, i), "old\r\n");
    }
  }
  TempFolder folder;
  std::string dataFolder;
  FontSlots fonts;
  ScriptedFontChooser chooser;
};

TEST_F(FontCommandTest, TheChosenFontKeepsTheSlotsColourAndIsWrittenAsTheFilesStoreIt) {
  chooser.ChooseNext({"IPAGothic", 10.55, true});
  const std::optional<ApplyOutcome> outcome = ChooseSlotFont(2, dataFolder, fonts, chooser);
  ASSERT_TRUE(outcome.has_value());
  EXPECT_EQ(chooser.asked(), (std::vector<FontChoice>{{"ＭＳ 明朝", 10.0, false}}));
  EXPECT_EQ(fonts[2].faceName, "IPAGothic");
  EXPECT_EQ(fonts[2].colour, 0x0000ff);
  EXPECT_EQ(ReadBytes(FontFilePath(dataFolder, 2)), "10.6\r\nIPAGothic\r\n255\r\n1\r\n");
  EXPECT_EQ(ReadBytes(FontFilePath(dataFolder, 1)), "old\r\n");
  EXPECT_TRUE(outcome->notices.empty());
}

TEST_F(FontCommandTest, AFileThatCannotBeWrittenIsSaidAndTheFontStaysInUse) {
  dataFolder = folder.File("missing");
  chooser.ChooseNext({"IPAMincho", 12.0, false});
  const std::optional<ApplyOutcome> unwritten = ChooseSlotFont(3, dataFolder, fonts, chooser);
  ASSERT_TRUE(unwritten.has_value());
  EXPECT_EQ(fonts[3].faceName, "IPAMincho");
  // The notice names the file and the reason the system gave.
  EXPECT_EQ(unwritten->notices,
            std::vector<std::string>{MessageText(
                MessageId::SaveFailedBecause, FontFilePath(dataFolder, 3), std::strerror(ENOENT))});
  // A face Shift-JIS cannot write names the character.
  dataFolder = folder.path();
  chooser.ChooseNext({"나눔고딕", 12.0, false});
  const std::optional<ApplyOutcome> unencodable = ChooseSlotFont(3, dataFolder, fonts, chooser);
  ASSERT_TRUE(unencodable.has_value());
  ASSERT_EQ(unencodable->notices.size(), 1u);
  EXPECT_EQ(unencodable->notices[0].rfind(
                MessageText(MessageId::UnencodableCharacter, "나", "U+B098"), 0),
            0u);
  EXPECT_EQ(ReadBytes(FontFilePath(dataFolder, 3)), "old\r\n");
}

}  // namespace
}  // namespace qel
