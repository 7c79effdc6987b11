// The titles, grid and page texts a problem reads from its setting lines, against what the
// displays read from the same lines today: the same grid, the same first page number, and the
// same printed pages when the lines are written anew from the typed values.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "document/data_file.h"
#include "document/problem_common.h"
#include "settings/c_locale.h"
#include "support/example_view.h"
#include "support/render_world.h"
#include "test_support/recording_device_context.h"
#include "view/page_furniture.h"

namespace qel {
namespace {

using namespace setting_line;

const char* const kExamples[] = {"building.qdw", "embankment.qdw"};
const Problem kProblems[] = {Problem::Strip, Problem::RectCircle};

// Texts a setting line may hold in a file written by hand or by another program.
const char* const kHostileTexts[] = {"",     "abc",  "nan",  "-inf", "1e400", "2147483648",
                                     "12.7", " -35", "0x10", "１２", "+5",    "-99999999999",
                                     "   ",  "7z",   "-2e9", "0",    "1",     "-0.4"};

// The grid lines, as strip line numbers.
const int kGridLines[] = {kGridFromY, kGridToY,   kGridStepY, kGridFromX,
                          kGridToX,   kGridStepX, kGridStyle};

class ProblemReadings : public test::ExampleView {
 protected:
  std::string PrintedLog(DisplayMode display, int page) {
    RecordingDeviceContext dc(300, 300);
    controller.PrintPage(dc, display, page);
    return dc.Log();
  }
  // Every display's first two printed pages.
  std::string EveryDisplayLog() {
    std::string log;
    for (int display = 1; display <= kDisplayCount; ++display)
      for (int page = 1; page <= 2; ++page)
        log += PrintedLog(static_cast<DisplayMode>(display), page);
    return log;
  }
};

TEST(ProblemStyleGrid, ReadsAsTheFigureReadsIt) {
  test::RenderWorld world;
  for (const char* example : kExamples) {
    ASSERT_EQ(ReadDataFile(std::string(QEL_SOURCE_DIR) + "/examples/" + example, world.tables,
                           world.settings),
              ReadStatus::Ok);
    const DocumentTables file = world.tables;
    for (Problem problem : kProblems) {
      for (int line : kGridLines) {
        for (const char* text : kHostileTexts) {
          world.tables = file;
          world.tables.settingLines[Style(problem, line)] = text;
          const FigureGridLines typed = ReadProblemStyle(world.tables, problem).grid;
          const FigureGrid today = ReadFigureGrid(world.ctx, problem);
          const std::string what = std::string(example) + " line " +
                                   std::to_string(Style(problem, line)) + " \"" + text + "\"";
          EXPECT_EQ(typed.fromX, today.fromX) << what;
          EXPECT_EQ(typed.toX, today.toX) << what;
          EXPECT_EQ(typed.stepX, today.stepX) << what;
          EXPECT_EQ(typed.fromY, today.fromY) << what;
          EXPECT_EQ(typed.toY, today.toY) << what;
          EXPECT_EQ(typed.stepY, today.stepY) << what;
          EXPECT_EQ(typed.style, today.style) << what;
          // The standard settings draw a grid: only the bounds decide.
          EXPECT_EQ(typed.boundsGiven, today.drawn) << what;
        }
      }
    }
  }
}

TEST(PageTexts, StartNumberIsTheOneTheReportCountsFrom) {
  struct Kind {
    SheetKind sheet;
    DisplayMode strip, plan;
    int line;
  };
  const Kind kinds[] = {
      {SheetKind::Figure, DisplayMode::StripFigure, DisplayMode::RectCircleFigure,
       kFigureStartPage},
      {SheetKind::Data, DisplayMode::StripData, DisplayMode::RectCircleData, kDataStartPage},
      {SheetKind::Results, DisplayMode::StripResults, DisplayMode::RectCircleResults,
       kResultStartPage},
  };
  for (const Kind& kind : kinds) {
    for (Problem problem : kProblems) {
      for (const char* text : kHostileTexts) {
        DocumentTables cells;
        cells.settingLines[Page(problem, kind.line)] = text;
        const DisplayMode display = problem == Problem::Strip ? kind.strip : kind.plan;
        EXPECT_EQ(ReadPageTexts(cells, problem).of(kind.sheet).startNumber,
                  StartPageNumber(cells, display))
            << Page(problem, kind.line) << " \"" << text << "\"";
      }
    }
  }
}

// The numeric and flag lines of the titles and page texts, as strip line numbers.
const int kTitleNumberLines[] = {kFigureTitleTop, kDataTitleTop, kResultTitleTop, kTitleLeft};
const int kTitleFlagLines[] = {kTitleCentered, kDataTitleEveryPage, kResultTitleEveryPage,
                               kFigureTitleEveryPage, kShowCalcTrace};
const int kPageNumberLines[] = {kPageTextTop, kPageTextLeft};
const int kStartPageLines[] = {kFigureStartPage, kDataStartPage, kResultStartPage};

// Writes the numeric and flag lines of `problem` anew from what the typed values hold.
void WriteLinesFromTypedValues(DocumentTables& cells, Problem problem) {
  const ProblemStyle style = ReadProblemStyle(cells, problem);
  const PageTexts pages = ReadPageTexts(cells, problem);
  auto set = [&](int line, const std::string& text) { cells.settingLines[line] = text; };
  auto real = [](double value) { return FormatC("%.17g", value); };
  auto flag = [](bool value) { return std::string(value ? "1" : "0"); };
  set(Style(problem, kFigureTitleTop), real(style.figureTitle.topMm));
  set(Style(problem, kDataTitleTop), real(style.dataTitle.topMm));
  set(Style(problem, kResultTitleTop), real(style.resultTitle.topMm));
  set(Style(problem, kTitleLeft), real(style.titleLeftMm));
  set(Style(problem, kTitleCentered), flag(style.titleCentred));
  set(Style(problem, kFigureTitleEveryPage), flag(style.figureTitle.everyPage));
  set(Style(problem, kDataTitleEveryPage), flag(style.dataTitle.everyPage));
  set(Style(problem, kResultTitleEveryPage), flag(style.resultTitle.everyPage));
  set(Style(problem, kShowCalcTrace), flag(style.showCalcTrace));
  set(Page(problem, kPageTextTop), real(pages.topMm));
  set(Page(problem, kPageTextLeft), real(pages.leftMm));
  set(Page(problem, kPageTextCentered), flag(pages.centred));
  const SheetKind sheets[] = {SheetKind::Figure, SheetKind::Data, SheetKind::Results};
  for (int i = 0; i < 3; ++i) {
    const PageNumberText& text = pages.of(sheets[i]);
    if (text.numbered) set(Page(problem, kStartPageLines[i]), FormatC("%d", text.startNumber));
  }
}

// The lines of `problem` whose numbers or flags the pages read: line i holds the hostile `text`
// when bit `variant` of i + 1 is set, and a plain value, different for each line and problem,
// otherwise. Over the variants any two lines differ in some variant, so a line read for
// another prints differently.
void WriteMixedLines(DocumentTables& cells, Problem problem, const char* text, int variant) {
  std::vector<int> numberLines, flagLines;
  for (int line : kTitleNumberLines)
    numberLines.push_back(Style(problem, line));
  for (int line : kPageNumberLines)
    numberLines.push_back(Page(problem, line));
  for (int line : kStartPageLines)
    numberLines.push_back(Page(problem, line));
  for (int line : kTitleFlagLines)
    flagLines.push_back(Style(problem, line));
  flagLines.push_back(Page(problem, kPageTextCentered));
  const double shift = problem == Problem::Strip ? 0.0 : 2.5;
  for (std::size_t i = 0; i < numberLines.size(); ++i) {
    const bool hostile = (((i + 1) >> variant) & 1) != 0;
    cells.settingLines[numberLines[i]] =
        hostile ? std::string(text) : FormatC("%g", 11.0 + 7.25 * static_cast<double>(i) + shift);
  }
  for (std::size_t i = 0; i < flagLines.size(); ++i) {
    const bool hostile = (((i + 1) >> variant) & 1) != 0;
    cells.settingLines[flagLines[i]] = hostile ? text : "0";
  }
}

TEST_F(ProblemReadings, PagesPrintTheSameFromLinesWrittenFromTheTypedValues) {
  const char* const texts[] = {"abc", "nan", "12.7", "-0.4", "0x10", "１２", "1e400", " 35"};
  for (const char* example : kExamples) {
    Open(example);
    const DocumentTables file = state.tables;
    for (const char* text : texts) {
      for (int variant : {0, 1, 2, 3}) {
        state.tables = file;
        for (Problem problem : kProblems)
          WriteMixedLines(state.tables, problem, text, variant);
        const std::string asTyped = EveryDisplayLog();
        for (Problem problem : kProblems)
          WriteLinesFromTypedValues(state.tables, problem);
        EXPECT_EQ(EveryDisplayLog(), asTyped) << example << " \"" << text << "\" " << variant;
      }
    }
  }
}

TEST_F(ProblemReadings, TheComparedPagesShowEveryFlag) {
  // The comparison above sees a misread flag only if the pages of an example show it.
  for (Problem problem : kProblems) {
    for (int line : kTitleFlagLines) {
      bool shown = false;
      for (const char* example : kExamples) {
        Open(example);
        state.tables.settingLines[Style(problem, line)] = "0";
        const std::string off = EveryDisplayLog();
        state.tables.settingLines[Style(problem, line)] = "1";
        shown = shown || EveryDisplayLog() != off;
      }
      EXPECT_TRUE(shown) << "line " << Style(problem, line);
    }
  }
}

}  // namespace
}  // namespace qel
