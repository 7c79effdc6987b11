// The figure options in the data file: written only when set, read back exactly, and lines that
// do not read leave the options as they were and are kept to be saved back.
#include "document/figure_options.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "document/data_file.h"
#include "settings/system_settings.h"

namespace qel {
namespace {

FigureOptions Reread(const FigureOptions& options, std::string* text = nullptr) {
  DocumentTables tables;
  tables.rectLoads[1][1] = "1";
  tables.figures = options;
  std::string saved = FormatDataFile(tables, ResultsGrid{}, 3);
  if (text) *text = saved;
  DocumentTables reread;
  EXPECT_EQ(ReadDataBytes(saved, reread), ReadStatus::Ok);
  EXPECT_EQ(FormatDataFile(reread, ResultsGrid{}, 3), saved);
  return reread.figures;
}

TEST(FigureOptions, EveryOptionSurvivesASaveAndARead) {
  std::vector<FigureOptions> cases(6);
  cases[0].stripNotes = false;
  cases[1].rectNotes = false;
  cases[1].planIsobars = {true, {0.1, 1.0 / 3.0, -2.5e-7}, true};
  cases[2].stripIsobars = {true, {}, false};
  cases[2].planDepth = 0.0;
  cases[3].stripIsobars.levels = {12.5, 25};
  cases[3].section = {SectionAxis::kAtX, -3.75};
  cases[4].section.at = 1e-300;
  cases[4].planDepth = 123456.789;
  cases[5].stripIsobars.fill = true;
  cases[5].planIsobars.shown = true;
  for (const FigureOptions& options : cases) {
    std::string text;
    EXPECT_EQ(Reread(options, &text), options) << text;
    EXPECT_NE(text.find("\r\n$$FIG\r\n"), std::string::npos);
    EXPECT_LT(text.find("$$OXYZ"), text.find("$$FIG"));  // the result listing stays last
    EXPECT_LT(text.find("$$FIG"), text.find("$$SOL"));
  }
}

TEST(FigureOptions, ADocumentThatUsesNoneWritesNoSection) {
  std::string text;
  EXPECT_EQ(Reread(FigureOptions{}, &text), FigureOptions{});
  EXPECT_EQ(text.find("FIG"), std::string::npos);
  EXPECT_TRUE(FigureOptionLines(FigureOptions{}).empty());
}

TEST(FigureOptions, LinesThatDoNotReadLeaveTheOptionAsItWas) {
  FigureOptions set;
  set.stripNotes = false;
  set.planIsobars.levels = {5, 10};
  set.planDepth = 2.0;
  set.section.at = 1.0;
  for (const char* line :
       {"strip.notes=2", "strip.notes=", "strip.notes",
        "rect.isobars.levels=", "rect.isobars.levels=5,,10", "rect.isobars.levels=5,0",
        "rect.isobars.levels=1e999", "rect.isobars.levels=5,5", "rect.plan.depth=deep",
        "rect.plan.depth=-1", "rect.plan.depth=nan", "rect.section.axis=z", "rect.section.at=1,2",
        "later.option=1", "=1", "rect.plan.depth=\xEF\xBC\x95", "rect.plan.depth=5,5"}) {
    FigureOptions options = set;
    EXPECT_FALSE(ApplyFigureOptionLine(line, options)) << line;
    EXPECT_EQ(options, set) << line;
  }
}

// Lines that do not read are kept in their order, reported, and written back before the options'
// own lines; a save of the reread document writes the same bytes. Blank lines are nothing.
TEST(FigureOptions, LinesThatDoNotReadAreKeptReportedAndSavedBack) {
  struct Case {
    std::vector<std::string> lines;  // of the section, as the file holds them
    std::vector<std::string> unread;
    std::vector<std::string> saved;  // the section's lines a save writes
  };
  const std::string fullWidthFive = "\xEF\xBC\x95";  // "５" in UTF-8
  const std::vector<Case> cases = {
      {{"rect.plan.depth=" + fullWidthFive, "rect.isobars=1",
        "strip.isobars.levels=", "later.option=x", "rect.plan.depth=5,5"},
       {"rect.plan.depth=" + fullWidthFive, "strip.isobars.levels=", "later.option=x",
        "rect.plan.depth=5,5"},
       {"rect.plan.depth=" + fullWidthFive, "strip.isobars.levels=", "later.option=x",
        "rect.plan.depth=5,5", "rect.isobars=1"}},
      {{"", "strip.notes=0", "  "}, {}, {"strip.notes=0"}},
      {{"no equals sign"}, {"no equals sign"}, {"no equals sign"}},
  };
  for (const Case& c : cases) {
    std::string text = "$$_QEL405\r\n$$FIG\r\n";
    for (const std::string& line : c.lines)
      text += line + "\r\n";
    text += "$$SOL\r\n";
    DocumentTables tables;
    DataFileFindings findings;
    ASSERT_EQ(ReadDataBytes(text, tables, &findings), ReadStatus::Ok);
    EXPECT_EQ(tables.figures.unreadLines, c.unread) << text;
    EXPECT_EQ(findings.unreadFigureLines, static_cast<int>(c.unread.size()));
    EXPECT_EQ(FigureOptionLines(tables.figures), c.saved);
    std::string saved;
    EXPECT_EQ(Reread(tables.figures, &saved), tables.figures);
  }
}

// Every line of the section is read, however many precede it: the 65th applies as the first.
TEST(FigureOptions, ASectionOfAnyLengthReadsEveryLine) {
  std::string text = "$$_QEL405\r\n$$FIG\r\n";
  for (int i = 0; i < 64; ++i)
    text += "unknown=" + std::to_string(i) + "\r\n";
  text += "strip.notes=0\r\n$$SOL\r\n";
  DocumentTables tables;
  ASSERT_EQ(ReadDataBytes(text, tables), ReadStatus::Ok);
  EXPECT_FALSE(tables.figures.stripNotes);
  ASSERT_EQ(tables.figures.unreadLines.size(), 64u);
  EXPECT_EQ(tables.figures.unreadLines.back(), "unknown=63");
}

// A list of 100,000 levels (1.2 MB) reads in n log n: a reader that looks each level up in those
// before it takes minutes, and the guard makes that a failure rather than a hang. Every level is
// kept, and saved back as it was.
TEST(FigureOptions, AHundredThousandLevelsReadQuicklyAndAreKeptWhole) {
  constexpr int kLevels = 100000;
  std::string list;
  for (int i = 1; i <= kLevels; ++i)
    list += (i > 1 ? "," : "") + std::to_string(i) + ".5";
  const std::string text = "$$_QEL405\r\n$$FIG\r\nrect.isobars.levels=" + list + "\r\n$$SOL\r\n";
  // On a thread of its own, left behind if it hangs, so that the test fails instead of waiting.
  auto result = std::make_shared<std::promise<std::vector<double>>>();
  std::future<std::vector<double>> reading = result->get_future();
  std::thread([result, text] {
    DocumentTables tables;
    ReadDataBytes(text, tables);
    result->set_value(tables.figures.planIsobars.levels);
  }).detach();
  ASSERT_EQ(reading.wait_for(std::chrono::seconds(20)), std::future_status::ready);
  const std::vector<double> levels = reading.get();
  ASSERT_EQ(levels.size(), static_cast<std::size_t>(kLevels));
  EXPECT_EQ(levels.back(), kLevels + 0.5);
  EXPECT_EQ(IsobarLevelsText(levels), list);
}

}  // namespace
}  // namespace qel
