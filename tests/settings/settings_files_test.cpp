// Loading and saving the system settings and the font files.
#include "settings/settings_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "base/text_file.h"
#include "document/document_tables.h"
#include "document/style_defaults.h"
#include "platform/messages.h"
#include "settings/system_settings.h"
#include "support/test_files.h"
#include "test_support/fixed_system_paths.h"
#include "test_support/scripted_prompts.h"

namespace qel {
namespace {

class SettingsFilesTest : public ::testing::Test {
 protected:
  SettingsFilesTest() { files = SettingsFiles::In(folder.path()); }
  // The load as the program's start runs it, with what it could not do told.
  void Load() {
    ShowEach(prompts, SettingsLoadProblemTexts(
                          LoadSettingsWithStyleDefaults(files, settings, fonts, document, paths)));
  }
  // A settings file from its 80 setting lines (k = 0..79), CR LF line ends.
  void WriteSystemFile(const std::vector<std::pair<int, std::string>>& lines) {
    std::vector<std::string> all(81);
    all[0] = "400 ;ver";
    for (const auto& [k, text] : lines)
      all[k + 1] = text;
    ASSERT_TRUE(WriteTextFileSafely(folder.File("Sys.ndx"), JoinCrLf(all)).ok);
  }
  std::string NotFound(const std::string& name) {
    return MessageText(MessageId::FileNotFound, folder.File(name));
  }

  test::TempFolder folder;
  SettingsFiles files;
  SystemSettings settings;
  FontSlots fonts;
  Document document;
  FixedSystemPaths paths;
  ScriptedPrompts prompts;
};

// The load shows nothing: it returns what it could not do, and only its first call has any.
TEST_F(SettingsFilesTest, TheLoadReturnsWhatItCouldNotDoAndShowsNothing) {
  using Kind = SettingsLoadProblem::Kind;
  const std::vector<SettingsLoadProblem> missing = {
      {Kind::FileUnreadable, folder.File("Sys.ndx"), "", FileReadError::CannotOpen},
      {Kind::FileUnreadable, folder.File("Font1.ndx"), "", FileReadError::CannotOpen}};
  SettingsLoad first = LoadSystemSettings(files, settings, fonts, paths);
  EXPECT_EQ(first.problems, missing);
  EXPECT_FALSE(first.asRead.has_value());
  EXPECT_EQ(SettingsLoadProblemText(missing[0]), NotFound("Sys.ndx"));
  EXPECT_EQ(settings.stripFigureDefault.scaleX, 500);  // clamped all the same
  WriteSystemFile({{0, "200"}});
  settings.stripFigureDefault.scaleX = 0;
  SettingsLoad later = LoadSystemSettings(files, settings, fonts, paths);
  EXPECT_TRUE(later.problems.empty());
  EXPECT_FALSE(later.asRead.has_value());  // the file is read once per run
  EXPECT_EQ(settings.stripFigureDefault.scaleX, 500);
  EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(SettingsFilesTest, MissingFilesGiveMessagesAndClampedDefaults) {
  Load();
  EXPECT_EQ(prompts.CountShown(NotFound("Sys.ndx")), 1);
  EXPECT_EQ(prompts.CountShown(NotFound("Font1.ndx")), 1);
  EXPECT_EQ(prompts.shown().size(), 2u);  // the other fonts are silent
  EXPECT_EQ(settings.stripFigureDefault.scaleX, 500);
  EXPECT_EQ(settings.rectFigureDefault.scaleY, 500);
  EXPECT_EQ(settings.stripFigureDefault.rangeX, 80);
  EXPECT_EQ(settings.rectFigureDefault.rangeY, 100);
  EXPECT_EQ(settings.stripFigureDefault.topY, 0.0);
  EXPECT_EQ(settings.marginTop, 0);
  EXPECT_EQ(settings.enterKeyMode, 0);
  EXPECT_EQ(document.cells().settingLines[27], "");  // nothing is copied into the document
  EXPECT_EQ(fonts[1].size, 10.0);
  EXPECT_EQ(fonts[5].size, 8.0);
  EXPECT_EQ(fonts[3].faceName, "ＭＳ 明朝");
}

TEST_F(SettingsFilesTest, AFileWithOnlyItsVersionLine) {
  WriteSystemFile({});
  Load();
  EXPECT_EQ(prompts.CountShown(NotFound("Sys.ndx")), 0);
  EXPECT_EQ(settings.stripFigureDefault.scaleX, 500);
  EXPECT_EQ(settings.enterKeyMode, 1);  // an empty Enter-key line is not a number
  EXPECT_EQ(document.cells().settingLines[31], "0");
  // The grid bound "" (0) is not below the range as read (0), so it is cut to one metre less.
  EXPECT_EQ(document.cells().settingLines[25], "-1");
  EXPECT_EQ(document.cells().settingLines[55], "-1");
}

TEST_F(SettingsFilesTest, ValuesAndTheStyleDefaultsOfTheDocument) {
  WriteSystemFile({{0, "200"},     {1, "abc"},   {3, "38"},        {5, "12.5"},  {6, "-4"},
                   {10, "0"},      {13, "57"},   {15, "-150"},     {20, "-30"},  {21, "10"},
                   {22, "5"},      {23, "-10"},  {24, "50"},       {25, "5"},    {26, "図"},
                   {27, "データ"}, {28, "結果"}, {29, "12"},       {30, "13"},   {31, "14"},
                   {32, "15"},     {33, "1"},    {35, "-1"},       {39, "40"},   {41, "円形の図"},
                   {44, "7"},      {48, "0"},    {50, "1"},        {58, "4"},    {61, "-3"},
                   {62, "10"},     {63, "1"},    {65, "0x808080"}, {68, "会社"}, {70, "abc"}});
  Load();
  EXPECT_EQ(settings.stripFigureDefault.scaleX, 200);
  EXPECT_EQ(settings.stripFigureDefault.scaleY, 500);  // "abc" reads as 0, then clamped
  EXPECT_EQ(settings.stripFigureDefault.rangeX, 38);
  EXPECT_DOUBLE_EQ(settings.stripFigureDefault.topY, 12.5);
  EXPECT_EQ(settings.stripFigureDefault.rangeY, 100);
  EXPECT_EQ(settings.rectFigureDefault.scaleX, 500);
  EXPECT_DOUBLE_EQ(settings.rectFigureDefault.topY, 100.0);  // below -100
  EXPECT_EQ(settings.influenceDigits, 4);
  EXPECT_EQ(settings.marginTop, 10);  // negative
  EXPECT_EQ(settings.marginLeft, 10);
  EXPECT_EQ(settings.unitSystem, 1);
  EXPECT_EQ(settings.axisColour, "0x808080");
  EXPECT_EQ(settings.organisationName, "会社");
  EXPECT_EQ(settings.enterKeyMode, 1);
  EXPECT_EQ(settings.stripStyle.figureTitle, "図");
  EXPECT_EQ(settings.rectStyle.titleLeft, 0);

  const std::string* lines = document.cells().settingLines;
  EXPECT_EQ(lines[21], "-30");
  EXPECT_EQ(lines[25], "37");  // the grid reached the page width of 38 m
  EXPECT_EQ(lines[27], "図");
  EXPECT_EQ(lines[29], "結果");
  EXPECT_EQ(lines[30], "");
  EXPECT_EQ(lines[31], "12");
  EXPECT_EQ(lines[35], "1");
  EXPECT_EQ(lines[51], "-1");
  EXPECT_EQ(lines[55], "40");  // below the range of 57 m: kept
  EXPECT_EQ(lines[57], "円形の図");
  EXPECT_EQ(lines[61], "7");
}

TEST_F(SettingsFilesTest, LaterLoadsOnlyClamp) {
  WriteSystemFile({{0, "200"}, {26, "図"}});
  Load();
  WriteSystemFile({{0, "300"}});
  document.Change("タイトル", [](DocumentTables& cells) { cells.settingLines[27] = "edited"; });
  settings.stripFigureDefault.scaleY = 0;
  Load();
  EXPECT_EQ(settings.stripFigureDefault.scaleX, 200);
  EXPECT_EQ(settings.stripFigureDefault.scaleY, 500);
  EXPECT_EQ(document.cells().settingLines[27], "edited");
}

TEST_F(SettingsFilesTest, ALastLineWithoutLineEndKeepsItsLastCharacter) {
  test::WriteBytes(folder.File("Sys.ndx"), "400 ;ver\r\n250");
  Load();
  EXPECT_EQ(settings.stripFigureDefault.scaleX, 250);
}

TEST_F(SettingsFilesTest, SaveThenLoadGivesTheSameSettings) {
  SystemSettings saved;
  saved.stripFigureDefault.scaleX = 250;
  saved.stripFigureDefault.topY = 12.345;
  saved.rectFigureDefault.topY = -7.5;
  saved.rectFigureDefault.rangeY = 77;
  saved.stripStyle.resultTitle = "計算結果，その１";
  saved.rectStyle.titleCentered = 1;
  saved.stressDigits = 5;
  saved.gridColour = "0xc0c0c0";
  saved.contactText = "tel 03-1234-5678";
  saved.enterKeyMode = 2;
  ASSERT_TRUE(SaveSystemSettings(folder.File("Sys.ndx"), saved));
  Load();
  EXPECT_EQ(settings.stripFigureDefault.scaleX, 250);
  EXPECT_DOUBLE_EQ(settings.stripFigureDefault.topY, 12.35);  // two decimals
  EXPECT_DOUBLE_EQ(settings.rectFigureDefault.topY, -7.5);
  EXPECT_EQ(settings.rectFigureDefault.rangeY, 77);
  EXPECT_EQ(settings.stripStyle.resultTitle, "計算結果，その１");
  EXPECT_EQ(settings.rectStyle.titleCentered, 1);
  EXPECT_EQ(settings.stressDigits, 5);
  EXPECT_EQ(settings.gridColour, "0xc0c0c0");
  EXPECT_EQ(settings.contactText, "tel 03-1234-5678");
  EXPECT_EQ(settings.enterKeyMode, 2);
}

TEST_F(SettingsFilesTest, TheSavedFileLayout) {
  SystemSettings saved;
  saved.stripFigureDefault.spare = 3;
  saved.enterKeyMode = 1;
  ASSERT_TRUE(SaveSystemSettings(folder.File("Sys.ndx"), saved));
  std::string bytes = test::ReadBytes(folder.File("Sys.ndx"));
  std::vector<std::string> lines = SplitLines(bytes);
  ASSERT_EQ(lines.size(), 81u);
  EXPECT_EQ(lines[0], "400 ;ver");
  EXPECT_EQ(lines[1 + 5], "0.00");
  EXPECT_EQ(lines[1 + 7], "3");
  for (int k : {8, 9, 18, 19, 34, 49, 71, 79})
    EXPECT_EQ(lines[1 + k], "") << k;
  EXPECT_EQ(lines[1 + 70], "1");
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  saved.organisationName = "€";
  WriteOutcome outcome;
  EXPECT_FALSE(SaveSystemSettings(folder.File("Sys.ndx"), saved, &outcome));
  EXPECT_EQ(outcome.codePoint, "U+20AC");
  EXPECT_EQ(test::ReadBytes(folder.File("Sys.ndx")), bytes);
}

TEST_F(SettingsFilesTest, FontSizesAndFaces) {
  WriteSystemFile({});
  ASSERT_TRUE(
      WriteTextFileSafely(folder.File("Font1.ndx"), "12.5\r\nＭＳ ゴシック\r\n255\r\n1\r\n").ok);
  test::WriteBytes(folder.File("Font2.ndx"), "250\r\nIPAMincho\r\n");
  test::WriteBytes(folder.File("Font3.ndx"), "1\r\nA\r\n");
  test::WriteBytes(folder.File("Font5.ndx"), "100\r\n");
  Load();
  EXPECT_TRUE(prompts.shown().empty());  // a missing Font4 is silent
  EXPECT_EQ(fonts[1].size, 12.5);
  EXPECT_EQ(fonts[1].faceName, "ＭＳ ゴシック");
  EXPECT_EQ(fonts[1].colour, 255);
  EXPECT_EQ(fonts[1].underline, 1);
  EXPECT_EQ(fonts[2].size, 10.0);
  EXPECT_EQ(fonts[2].faceName, "IPAMincho");
  EXPECT_EQ(fonts[3].size, 10.0);
  EXPECT_EQ(fonts[3].faceName, "ＭＳ 明朝");
  EXPECT_EQ(fonts[4].size, 10.0);
  EXPECT_EQ(fonts[5].size, 100.0);
}

TEST_F(SettingsFilesTest, WriteFontFileLayout) {
  FontSlot font{11.26, "IPAゴシック", 0x0000ff, 1};
  ASSERT_TRUE(WriteFontFile(folder.File("Font2.ndx"), font));
  EXPECT_EQ(test::ReadBytes(folder.File("Font2.ndx")),
            "11.3\r\nIPA\x83\x53\x83\x56\x83\x62\x83\x4e\r\n255\r\n1\r\n");
}

TEST_F(SettingsFilesTest, ARangeOfIntMinLimitsTheGridWithoutOverflow) {
  // The grid is limited before the settings are clamped, with the range as the file has it.
  WriteSystemFile({{3, "-2147483648"}, {24, "5"}, {13, "-2147483647"}, {39, "0"}});
  Load();
  EXPECT_EQ(document.cells().settingLines[25], "-2147483649");
  EXPECT_EQ(document.cells().settingLines[55], "-2147483648");
  EXPECT_EQ(settings.stripFigureDefault.rangeX, 80);  // clamped afterwards
}

TEST_F(SettingsFilesTest, FilesThatCannotBeReadWholeAreRefusedWithTheirReason) {
  WriteSystemFile({{0, "200"}});
  ASSERT_EQ(::mkfifo(folder.File("Font3.ndx").c_str(), 0600), 0);
  std::filesystem::remove(folder.File("Sys.ndx"));
  ASSERT_EQ(::mkfifo(folder.File("Sys.ndx").c_str(), 0600), 0);
  test::WriteBytes(folder.File("Font1.ndx"), "12\r\nIPAGothic\r\n");
  Load();  // returns: a FIFO is never waited on
  EXPECT_EQ(prompts.CountShown(MessageText(MessageId::NotRegularFile, folder.File("Sys.ndx"))), 1);
  // A refused font file is reported whichever slot it is; a missing one only for slot 1.
  EXPECT_EQ(prompts.CountShown(MessageText(MessageId::NotRegularFile, folder.File("Font3.ndx"))),
            1);
  EXPECT_EQ(prompts.shown().size(), 2u);
  EXPECT_EQ(settings.stripFigureDefault.scaleX, 500);
  EXPECT_EQ(fonts[1].faceName, "IPAGothic");
  EXPECT_EQ(fonts[3].faceName, "ＭＳ 明朝");
}

// A data folder that cannot be made: the program says so and runs on the shipped settings
// instead of settings that are all 0.
TEST_F(SettingsFilesTest, AnUnusableDataFolderFallsBackToTheShippedSettings) {
  const std::string shipped = std::string(QEL_SOURCE_DIR) + "/data";
  struct Case {
    const char* what;
    std::string blocker;  // a file where a folder of the data folder's path should be
  };
  const Case cases[] = {
      {"a file in the way of the folder", "Vardamo/Qel6"},
      {"a file in the way of its parent", "Vardamo"},
  };
  for (const Case& c : cases) {
    test::TempFolder home;
    std::filesystem::create_directories(std::filesystem::path(home.File(c.blocker)).parent_path());
    test::WriteBytes(home.File(c.blocker), "not a folder");
    paths.dataHome = home.path();
    paths.configHome = home.File("config");
    paths.shippedDataFolder = shipped;
    files = SettingsFiles{};
    settings = SystemSettings{};
    fonts = FontSlots{};
    document.Replace(DocumentTables{});
    prompts.Clear();
    Load();
    const std::string folder = home.File("Vardamo/Qel6");
    EXPECT_EQ(files.dataFolder, folder) << c.what;  // dialogs still save there
    EXPECT_EQ(prompts.CountShown(MessageText(MessageId::DataFolderUnusable, folder, shipped)), 1)
        << c.what;
    EXPECT_EQ(prompts.shown().size(), 1u) << c.what;  // no "file not found" for Sys.ndx
    EXPECT_EQ(settings.marginTop, 20) << c.what;      // the shipped margins, axes and grid
    EXPECT_EQ(settings.axisLineWidth, 1) << c.what;
    EXPECT_EQ(settings.gridMarkSize, 2) << c.what;
    EXPECT_FALSE(document.cells().settingLines[27].empty()) << c.what;
    EXPECT_EQ(fonts[1].faceName, "ＭＳ 明朝") << c.what;
  }
}

TEST_F(SettingsFilesTest, TheShippedSettingsLoadCleanly) {
  files.dataFolder = std::string(QEL_SOURCE_DIR) + "/data";
  Load();
  EXPECT_TRUE(prompts.shown().empty());
  EXPECT_GE(settings.stripFigureDefault.scaleX, 20);
  EXPECT_GE(settings.stripFigureDefault.rangeX, 1);
  EXPECT_EQ(settings.marginLeft, 10);
  EXPECT_FALSE(document.cells().settingLines[27].empty());
  EXPECT_LT(std::stoi(document.cells().settingLines[25]), settings.stripFigureDefault.rangeX);
  EXPECT_EQ(fonts[1].faceName, "ＭＳ 明朝");
}

}  // namespace
}  // namespace qel
