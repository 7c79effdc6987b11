// Version detection, line parsing and the layout of written data files.
#include "document/data_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "base/cp932.h"
#include "base/text_encoding.h"
#include "base/text_file.h"
#include "document/marker_text.h"
#include "platform/messages.h"
#include "settings/system_settings.h"
#include "support/test_files.h"

namespace qel {
namespace {

TEST(DetectFileVersion, MarkersAndLengthLimits) {
  EXPECT_EQ(DetectFileVersion("$$_QEL405"), 405);
  EXPECT_EQ(DetectFileVersion("$$_QEL405 written by hand"), 405);
  EXPECT_EQ(DetectFileVersion("$$_QEL4"), 400);
  EXPECT_EQ(DetectFileVersion("$$_QEL412"), 400);
  EXPECT_EQ(DetectFileVersion("  $$_QEL405"), 405);  // the marker may stand anywhere
  EXPECT_EQ(DetectFileVersion("$$_QEL3"), 0);
  EXPECT_EQ(DetectFileVersion(""), 0);
  EXPECT_EQ(DetectFileVersion("$$_"), 0);
  std::string longest = "$$_QEL405" + std::string(63 - 9, ' ');
  EXPECT_EQ(DetectFileVersion(longest), 405);
  EXPECT_EQ(DetectFileVersion(longest + "x"), 0);  // 64 characters: not a data file
}

TEST(SectionForName, TheFirstMatchingTestWins) {
  using S = DataFileParser::Section;
  EXPECT_EQ(SectionForName("Z"), S::Settings);
  EXPECT_EQ(SectionForName("_QEL405"), S::Settings);  // "_" sorts after "Z"
  EXPECT_EQ(SectionForName("abc"), S::Settings);      // lower case sorts after "Z" too
  EXPECT_EQ(SectionForName("K1"), S::Strip1);
  EXPECT_EQ(SectionForName("XK2"), S::Strip2);
  EXPECT_EQ(SectionForName("K1K2"), S::Strip1);
  EXPECT_EQ(SectionForName("OXZ"), S::StripPoints);
  EXPECT_EQ(SectionForName("OXYZ"), S::Lattice);
  EXPECT_EQ(SectionForName("RECT"), S::Rectangles);
  EXPECT_EQ(SectionForName("CIRC"), S::Circles);
  EXPECT_EQ(SectionForName("SOL"), S::None);
}

TEST(ParseDataLine, StripsOneLineEndAndIgnoresVersionZero) {
  DocumentTables tables;
  DataFileParser parser(tables);
  parser.ParseDataLine(405, "$$OXZ\r\n");
  parser.ParseDataLine(405, "1,2\r\n");
  parser.ParseDataLine(405, "3,4\n");
  EXPECT_EQ(tables.stripPoints[1][2], "2");
  EXPECT_EQ(tables.stripPoints[2][2], "4");
  parser.ParseDataLine(0, "5,6");
  EXPECT_EQ(tables.stripPoints[3][1], "");
}

TEST(ParseDataLine, RowsPastTheLimitLeaveTheCounterAlone) {
  DocumentTables tables;
  DataFileParser parser(tables);
  parser.ParseDataLine(405, "$$OXYZ");
  for (int i = 1; i <= 14; ++i)
    parser.ParseDataLine(405, std::to_string(i) + ",0,0");
  EXPECT_EQ(tables.gridPoints[12][1], "12");
  parser.ParseDataLine(405, "$$OXYZ");  // a second section starts again at row 1
  parser.ParseDataLine(405, "99,0,0");
  EXPECT_EQ(tables.gridPoints[1][1], "99");
}

TEST(ParseDataLine, ALongCellLineIsCutAndCounted) {
  DocumentTables tables;
  DataFileParser parser(tables);
  parser.ParseDataLine(405, "$$OXZ");
  parser.ParseDataLine(405, "1," + std::string(3000, '7'));
  EXPECT_EQ(tables.stripPoints[1][1], "1");
  EXPECT_EQ(tables.stripPoints[1][2].size(), 2600u - 2u);
  EXPECT_EQ(parser.overlongLines(), 1);  // the file read reports them once (ReadDataFile)
}

TEST(ReadDataBytes, AFileThatIsNotADataFileLeavesTheDocumentAlone) {
  DocumentTables tables;
  tables.rectLoads[1][1] = "7";
  tables.settingLines[27] = "title";
  for (std::string bytes :
       {std::string(), std::string("hello\r\n$$RECT\r\n1,2,3,4,5,6\r\n"),
        std::string("\0\0\0\x01$$QEL405\r\n", 14), std::string(2000, '\xff'),
        std::string("$$_QEL405") + std::string(100, 'x') + "\r\n$$RECT\r\n2,0,0,1,1,1\r\n"}) {
    EXPECT_EQ(ReadDataBytes(bytes, tables), ReadStatus::NotADataFile);
    EXPECT_EQ(tables.rectLoads[1][1], "7");
    EXPECT_EQ(tables.settingLines[27], "title");
  }
}

TEST(ReadDataBytes, BadBytesAndHugeLinesAreReadThrough) {
  DocumentTables tables;
  std::string bytes = "$$_QEL405\r\n$$Z\r\n";
  bytes += std::string(10 * 1024 * 1024, 'a') + "\r\n";      // a 10 MB setting line
  bytes += std::string("\x82\xa0\xff\xfe\x81", 5) + "\r\n";  // invalid Shift-JIS
  bytes += std::string("x\0y", 3) + "\r\n";                  // a NUL byte
  bytes += "$$CIRC\r\n1,2,3,4,5\r\n";
  ASSERT_EQ(ReadDataBytes(bytes, tables), ReadStatus::Ok);
  EXPECT_EQ(tables.settingLines[1].size(), 10u * 1024 * 1024);
  EXPECT_EQ(tables.settingLines[2].substr(0, 3), "あ");  // the good part of the line survives
  EXPECT_EQ(tables.settingLines[3], std::string("x\0y", 3));
  EXPECT_EQ(tables.circleLoads[1][5], "5");  // and reading went on after the bad line
}

TEST(ReadDataBytes, ClearsTheDocumentAndReadsTheRangeLinesAsTheFileHasThem) {
  DocumentTables tables;
  tables.rectLoads[5][1] = "5";
  tables.settingLines[setting_line::kRectScaleX] = "300";
  std::string bytes = "$$_QEL405\r\n$$Z\r\n250\r\n100\r\n-5\r\n40\r\n3\r\n12.5\r\n60\r\n";
  ASSERT_EQ(ReadDataBytes(bytes, tables), ReadStatus::Ok);
  EXPECT_EQ(tables.rectLoads[5][1], "");
  const FigureRange strip = FigureRangeLines(tables, Problem::Strip);
  EXPECT_EQ(strip.scaleX, 250);
  EXPECT_EQ(strip.leftX, -5);
  EXPECT_DOUBLE_EQ(strip.topY, 12.5);
  EXPECT_EQ(strip.rangeY, 60);
  EXPECT_EQ(tables.settingLines[setting_line::kStripTopY], "12.5");  // as typed
  EXPECT_EQ(FigureRangeLines(tables, Problem::RectCircle).scaleX, 0);
}

// The bytes a save writes for a document with a Japanese title and one rectangle: a complete
// file, as every saved file is.
std::string SavedFileText() {
  DocumentTables tables;
  tables.settingLines[27] = "盛土の断面を求める";
  tables.rectLoads[1][1] = "1";
  tables.rectLoads[1][6] = "10";
  return FormatDataFile(tables, ResultsGrid{}, 3);
}

std::string ShiftJis(const std::string& text) {
  return EncodeCp932(text).bytes;
}

TEST(ReadDataBytes, FindsWhatTheUserShouldKnowAboutAFile) {
  const std::string saved = SavedFileText();
  const std::size_t results = saved.find("$$SOL");
  std::string overlong = "$$_QEL405\r\n$$K1\r\n";
  for (int row = 0; row < 25; ++row)  // 20 are read; the 5 past the limit are not looked at
    overlong += "1," + std::string(3000, '2') + "\r\n";
  overlong += "$$RECT\r\n1," + std::string(2601, '3') + "\r\n";

  struct Case {
    const char* what;
    std::string bytes;
    bool utf8, endsEarly;
    int overlongLines;
  };
  const Case cases[] = {
      {"a saved file", ShiftJis(saved), false, false, 0},
      {"cut before the result listing", ShiftJis(saved.substr(0, results)), false, true, 0},
      {"cut in the middle of a line", ShiftJis(saved.substr(0, saved.size() - 1)), false, true, 0},
      {"saved as UTF-8 by another editor", saved, true, false, 0},
      {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + saved, true, false, 0},
      {"over-long rows", overlong, false, true, 21},
  };
  for (const Case& c : cases) {
    DocumentTables tables;
    DataFileFindings findings;
    ASSERT_EQ(ReadDataBytes(c.bytes, tables, &findings), ReadStatus::Ok) << c.what;
    EXPECT_EQ(findings.readAsUtf8, c.utf8) << c.what;
    EXPECT_EQ(findings.endsEarly, c.endsEarly) << c.what;
    EXPECT_EQ(findings.overlongLines, c.overlongLines) << c.what;
    if (c.overlongLines == 0) {
      // What was read is shown, whatever was found.
      EXPECT_EQ(tables.settingLines[27], "盛土の断面を求める") << c.what;
      EXPECT_EQ(tables.rectLoads[1][6], "10") << c.what;
    }
  }
}

// A Shift-JIS kanji followed by a half-width katakana can be one well-formed UTF-8 character:
// such a file is still the program's own, and saves back to its bytes.
TEST(ReadDataBytes, ShiftJisThatIsAlsoValidUtf8IsReadAndSavedAsShiftJis) {
  DocumentTables tables;
  tables.settingLines[27] = "蛟ｱ";  // E5 80 B1 in Shift-JIS
  const std::string bytes = ShiftJis(FormatDataFile(tables, ResultsGrid{}, 3));
  ASSERT_TRUE(IsValidUtf8(bytes));
  DocumentTables read;
  DataFileFindings findings;
  ASSERT_EQ(ReadDataBytes(bytes, read, &findings), ReadStatus::Ok);
  EXPECT_FALSE(findings.readAsUtf8);
  EXPECT_EQ(read.settingLines[27], "蛟ｱ");
  EXPECT_EQ(ShiftJis(FormatDataFile(read, ResultsGrid{}, 3)), bytes);
}

TEST(ReadDataFile, FindsEachProblemOnceWithTheFile) {
  test::TempFolder folder;
  const std::string path = folder.File("mailed.qdw");
  std::string bytes = SavedFileText();  // UTF-8, and cut short below
  bytes = bytes.substr(0, bytes.find("$$OXYZ"));
  bytes += "$$RECT\r\n";
  for (int row = 0; row < 40; ++row)
    bytes += "1,0,0,1,1," + std::string(3000, '5') + "\r\n";
  bytes += "$$FIG\r\nrect.plan.depth=5,5\r\nrect.isobars=1\r\nlater.option=1\r\n";
  test::WriteBytes(path, bytes);

  DocumentTables tables;
  DataFileFindings findings;
  ASSERT_EQ(ReadDataFile(path, tables, &findings), ReadStatus::Ok);
  // One message for the 40 long rows, where each of their six fields once gave its own.
  EXPECT_EQ(DataFileFindingTexts(findings, path),
            (std::vector<std::string>{MessageText(MessageId::ReadAsUtf8, path),
                                      MessageText(MessageId::FileEndsEarly, path),
                                      MessageText(MessageId::OverlongLines, "40", "2600"),
                                      MessageText(MessageId::UnreadFigureLines, "2", path)}));
  EXPECT_EQ(tables.settingLines[27], "盛土の断面を求める");
}

TEST(ReadDataFile, RefusesWhatIsNoRegularFileOrTooLarge) {
  test::TempFolder folder;
  const std::string fifo = folder.File("fifo.qdw");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string large = folder.File("large.qdw");
  test::WriteBytes(large, "$$_QEL405\r\n");
  std::filesystem::resize_file(large, kLargestReadableFile + 1);
  DocumentTables tables;
  tables.settingLines[27] = "kept";
  EXPECT_EQ(ReadDataFile(fifo, tables), ReadStatus::NotRegularFile);
  EXPECT_EQ(ReadDataFile("/dev/zero", tables), ReadStatus::NotRegularFile);
  EXPECT_EQ(ReadDataFile(large, tables), ReadStatus::TooLarge);
  EXPECT_EQ(ReadDataFile(folder.File("none.qdw"), tables), ReadStatus::CannotOpen);
  EXPECT_EQ(tables.settingLines[27], "kept");
}

// The soil section's lines are kept as read, whatever they hold, and written after the figure
// options and before the result listing; a document without them saves no section.
TEST(DataFile, TheSoilSectionIsKeptAsReadAndWrittenBeforeTheResultListing) {
  const std::vector<std::string> soil = {"water=2.5", "layer=1,粘土1,8.0,16,,cc,,,,,,,,", "",
                                         "garbled ,, line", "later.key=1"};
  const std::string section = "$$SOIL\r\n" + JoinCrLf(soil);
  const std::string saved = SavedFileText();
  const std::string head = saved.substr(0, saved.find("$$SOL")),
                    results = saved.substr(head.size());
  const std::string figure = "$$FIG\r\nrect.isobars=1\r\n";
  struct Case {
    std::string text;
    std::vector<std::string> soilLines;
    std::string written;
  };
  const Case cases[] = {
      {saved, {}, saved},
      {head + section + results, soil, head + section + results},
      {head + figure + section + results, soil, head + figure + section + results},
      {head + "$$SOIL\r\n" + results, {}, saved},
      {saved + section, soil, head + section + results},
  };
  for (const Case& c : cases) {
    DocumentTables read, again;
    ASSERT_EQ(ReadDataBytes(ShiftJis(c.text), read), ReadStatus::Ok) << c.text;
    EXPECT_EQ(read.soilLines, c.soilLines) << c.text;
    EXPECT_EQ(FormatDataFile(read, ResultsGrid{}, 3), c.written) << c.text;
    ASSERT_EQ(ReadDataBytes(ShiftJis(c.written), again), ReadStatus::Ok);
    EXPECT_EQ(again, read) << c.text;
  }
}

// The settlement plates' section likewise: kept as read, written after the soil section (where
// ever the file had it), and not at all without lines, so that a file without it saves as before.
TEST(DataFile, ThePlatesSectionIsKeptAsReadAndWrittenAfterTheSoilSection) {
  const std::vector<std::string> obs = {"plate=1,SP-1,15.0,0.0,120", "read=1,0,0.000", "",
                                        "fit=1,asaoka,150,400,14", "later.key=1"};
  const std::string plates = "$$OBS\r\n" + JoinCrLf(obs), soil = "$$SOIL\r\nwater=1\r\n";
  const std::string saved = SavedFileText();
  const std::string head = saved.substr(0, saved.find("$$SOL")),
                    results = saved.substr(head.size());
  const std::pair<std::string, std::string> cases[] = {
      {head + plates + results, head + plates + results},
      {head + soil + plates + results, head + soil + plates + results},
      {head + plates + soil + results, head + soil + plates + results},
      {head + "$$OBS\r\n" + results, saved},
  };
  for (const auto& [text, written] : cases) {
    DocumentTables read;
    ASSERT_EQ(ReadDataBytes(ShiftJis(text), read), ReadStatus::Ok) << text;
    EXPECT_EQ(read.obsLines.empty(), written == saved) << text;
    if (!read.obsLines.empty()) {
      EXPECT_EQ(read.obsLines, obs) << text;
    }
    EXPECT_EQ(FormatDataFile(read, ResultsGrid{}, 3), written) << text;
  }
}

// "$$" inside a line of any section is data: the line is read into its section as typed, no
// section begins there, and no line after it is lost or read into another section; the save
// then refuses it by name, since earlier versions would take it for a marker.
TEST(ReadDataBytes, TwoDollarsInsideALineOfEverySectionAreData) {
  const std::string saved = SavedFileText() + "";
  const std::string head = saved.substr(0, saved.find("$$SOL"));
  const std::string withSections =
      head + "$$FIG\r\nrect.isobars=1\r\n$$SOIL\r\nwater=1\r\n$$OBS\r\nplate=1,a,0,0,0\r\n" +
      saved.substr(head.size());
  // The line put after each section's marker, its "$$" then written "SS" for the file read
  // without it.
  const std::pair<const char*, const char*> cases[] = {
      {"$$Z\r\n", "title$$K1"},
      {"$$K1\r\n", "1,a$$b,1,2,3,1,1,0"},
      {"$$K2\r\n", "1,0,1,2,3,1,1,$$Z"},
      {"$$OXZ\r\n", "1$$CIRC,2"},
      {"$$RECT\r\n", "2,0,0,1,1,q$$"},
      {"$$CIRC\r\n", "1,0,0,1,5$$OXYZ"},
      {"$$OXYZ\r\n", "1,2,x$$SOIL"},
      {"$$FIG\r\n", "strip.notes=$$K1"},
      {"$$SOIL\r\n", "layer=1,a$$b,8,16,16,none,,,,,,,,"},
      {"$$OBS\r\n", "plate=2,SP$$2,0,0,0"},
  };
  for (const auto& [marker, line] : cases) {
    std::string with = withSections, without = withSections;
    std::string plain = line;
    plain.replace(plain.find("$$"), 2, "SS");
    with.insert(with.find(marker) + std::string(marker).size(), std::string(line) + "\r\n");
    without.insert(without.find(marker) + std::string(marker).size(), plain + "\r\n");
    DocumentTables read, expected;
    DataFileFindings findings;
    ASSERT_EQ(ReadDataBytes(ShiftJis(with), read, &findings), ReadStatus::Ok) << line;
    ASSERT_EQ(ReadDataBytes(ShiftJis(without), expected), ReadStatus::Ok) << line;
    EXPECT_FALSE(findings.endsEarly) << line;
    std::string written = FormatDataFile(read, ResultsGrid{}, 3);
    written.replace(written.find("$$", written.find(marker) + 2), 2, "SS");
    EXPECT_EQ(written, FormatDataFile(expected, ResultsGrid{}, 3)) << line;
    EXPECT_TRUE(FindSectionMarkerText(read)) << line;
  }
}

TEST(FormatDataFile, WritesTheFixedLayoutAndTheResultListing) {
  DocumentTables tables;
  tables.settingLines[110] = "last";
  tables.settingLines[3] = "ends\r\n";  // a line that already ends in CR LF is not doubled
  tables.gridPoints[1][1] = "0";
  tables.gridPoints[3][1] = "2.5";
  tables.gridPoints[2][2] = "1";
  tables.gridPoints[1][3] = "abc";  // not a depth
  tables.gridPoints[4][3] = "-1";
  ResultsGrid results;
  results.at(3, 2, 4) = 12.3456;
  results.at(1, 2, 4) = -1e-17;  // rounding noise of a superposition: no minus sign
  std::string text = FormatDataFile(tables, results, 2);
  std::vector<std::string> lines = SplitLines(text);
  ASSERT_GE(lines.size(), 120u);
  EXPECT_EQ(lines[0], "$$_QEL405");
  EXPECT_EQ(lines[1], "$$Z");
  EXPECT_EQ(lines[4], "ends");
  EXPECT_EQ(lines[111], "last");
  EXPECT_EQ(lines[112], "$$K1");
  EXPECT_EQ(lines[113], "$$K2");
  EXPECT_EQ(lines[114], "$$OXZ");
  EXPECT_EQ(lines[115], ",");
  EXPECT_EQ(lines[125], "$$RECT");
  EXPECT_EQ(lines[126], "$$CIRC");
  EXPECT_EQ(lines[127], "$$OXYZ");
  EXPECT_EQ(lines[128], "0,,abc");
  EXPECT_EQ(lines[140], "$$SOL");
  EXPECT_EQ(lines[141], "No.,x,y,z,dP");
  ASSERT_EQ(lines.size(), 144u);
  EXPECT_EQ(lines[142], "1,0.00,1.00,-1.00,0.00");
  EXPECT_EQ(lines[143], "2,2.50,1.00,-1.00,12.35");
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

// In the result listing a coordinate or a dP that rounds to zero at the digits written carries
// no minus sign; one that does not keeps it.
TEST(FormatDataFile, ListingWritesRoundedZerosWithoutSign) {
  DocumentTables tables;
  tables.gridPoints[1][1] = "-0.001";
  tables.gridPoints[2][1] = "-0.006";
  tables.gridPoints[1][2] = "-0.004";
  tables.gridPoints[1][3] = "1";
  ResultsGrid results;
  results.at(1, 1, 1) = -0.004;
  results.at(2, 1, 1) = -0.006;
  std::vector<std::string> lines = SplitLines(FormatDataFile(tables, results, 2));
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "1,0.00,0.00,1.00,0.00");
  EXPECT_EQ(lines.back(), "2,-0.01,0.00,1.00,-0.01");
}

}  // namespace
}  // namespace qel
