// The figure options in the data file: written only when set, read back exactly, and lines that
// do not read leave the options as they were.
#include "document/figure_options.h"

#include <gtest/gtest.h>

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
  SystemSettings settings;
  EXPECT_EQ(ReadDataBytes(saved, reread, settings), ReadStatus::Ok);
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
        "later.option=1", "=1", ""}) {
    FigureOptions options = set;
    ApplyFigureOptionLine(line, options);
    EXPECT_EQ(options, set) << line;
  }
}

TEST(FigureOptions, ASectionWithMoreLinesThanOptionsStopsApplyingThem) {
  std::string text = "$$_QEL405\r\n$$FIG\r\n";
  for (int i = 0; i < 64; ++i)
    text += "unknown=1\r\n";
  text += "strip.notes=0\r\n$$SOL\r\n";
  DocumentTables tables;
  SystemSettings settings;
  ASSERT_EQ(ReadDataBytes(text, tables, settings), ReadStatus::Ok);
  EXPECT_TRUE(tables.figures.stripNotes);
}

}  // namespace
}  // namespace qel
