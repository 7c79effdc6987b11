// The titles, grid and page texts a problem reads from its setting lines, against what the
// displays read from the same lines today: the same grid, the same first page number, and the
// same printed pages when the lines are written anew from the typed values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/c_locale.h"
#include "document/data_file.h"
#include "document/problem_common.h"
#include "support/cells_edit.h"
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
const char* const kHostileTexts[] = {"",     "abc",  "nan", "1e400", "2147483648", "12.7", " -35",
                                     "0x10", "１２", "+5",  "   ",   "-2e9",       "0",    "-0.4"};

TEST(ProblemStyleGrid, ReadsAsTheFigureReadsIt) {
  test::RenderWorld world;
  for (const char* example : kExamples) {
    ASSERT_EQ(ReadDataFile(std::string(QEL_SOURCE_DIR) + "/examples/" + example, world.tables),
              ReadStatus::Ok);
    const DocumentTables file = world.tables;
    for (Problem problem : kProblems) {
      for (int line :
           {kGridFromY, kGridToY, kGridStepY, kGridFromX, kGridToX, kGridStepX, kGridStyle}) {
        for (const char* text : kHostileTexts) {
          world.tables = file;
          world.tables.settingLines[Style(problem, line)] = text;
          const FigureGridLines typed = ReadProblemStyle(world.tables, problem).grid;
          const FigureGrid today = ReadFigureGrid(world.Ctx(), problem);
          const std::vector<int> typedValues = {typed.fromX, typed.toX,   typed.stepX, typed.fromY,
                                                typed.toY,   typed.stepY, typed.style};
          const std::vector<int> todayValues = {today.fromX, today.toX,   today.stepX, today.fromY,
                                                today.toY,   today.stepY, today.style};
          EXPECT_EQ(typedValues, todayValues) << example << " " << line << " \"" << text << "\"";
          EXPECT_EQ(typed.boundsGiven, today.drawn);  // the standard settings draw a grid
        }
      }
    }
  }
}

TEST(PageTexts, StartNumberIsTheOneTheReportCountsFrom) {
  const SheetKind sheets[] = {SheetKind::Figure, SheetKind::Data, SheetKind::Results};
  for (int kind = 0; kind < 3; ++kind) {
    for (Problem problem : kProblems) {
      for (const char* text : kHostileTexts) {
        DocumentTables cells;
        cells.settingLines[Page(problem, kFigureStartPage + 3 * kind)] = text;
        const auto display = *DisplayModeFromNumber(1 + kind + (problem == Problem::Strip ? 0 : 3));
        EXPECT_EQ(ReadPageTexts(cells, problem).of(sheets[kind]).startNumber,
                  StartPageNumber(Document(cells), display))
            << kind << " \"" << text << "\"";
      }
    }
  }
}

// The lines whose numbers or flags the pages read, as strip line numbers of the title/style
// lines (Style) and of the page-text lines (Page).
const int kStyleLines[] = {
    kFigureTitleTop, kDataTitleTop,       kResultTitleTop,       kTitleLeft,
    kTitleCentered,  kDataTitleEveryPage, kResultTitleEveryPage, kFigureTitleEveryPage,
    kShowCalcTrace};
const int kPageLines[] = {kFigureStartPage, kDataStartPage, kResultStartPage,
                          kPageTextTop,     kPageTextLeft,  kPageTextCentered};

// Writes the lines above anew from what the typed values hold.
void WriteLinesFromTypedValues(DocumentTables& cells, Problem problem) {
  const ProblemStyle s = ReadProblemStyle(cells, problem);
  const PageTexts p = ReadPageTexts(cells, problem);
  auto real = [](double value) { return FormatC("%.17g", value); };
  auto flag = [](bool value) { return std::string(value ? "1" : "0"); };
  const std::string style[] = {
      real(s.figureTitle.topMm),     real(s.dataTitle.topMm),       real(s.resultTitle.topMm),
      real(s.titleLeftMm),           flag(s.titleCentred),          flag(s.dataTitle.everyPage),
      flag(s.resultTitle.everyPage), flag(s.figureTitle.everyPage), flag(s.showCalcTrace)};
  for (int i = 0; i < 9; ++i)
    cells.settingLines[Style(problem, kStyleLines[i])] = style[i];
  const PageNumberText* numbers[] = {&p.figure, &p.data, &p.results};
  for (int i = 0; i < 3; ++i)
    if (numbers[i]->numbered)
      cells.settingLines[Page(problem, kPageLines[i])] = FormatC("%d", numbers[i]->startNumber);
  cells.settingLines[Page(problem, kPageTextTop)] = real(p.topMm);
  cells.settingLines[Page(problem, kPageTextLeft)] = real(p.leftMm);
  cells.settingLines[Page(problem, kPageTextCentered)] = flag(p.centred);
}

class ProblemReadings : public test::ExampleView {
 protected:
  // Every display's first two printed pages.
  std::string EveryDisplayLog() {
    std::string log;
    for (const DisplayRow& row : kDisplays) {
      for (int page = 1; page <= 2; ++page) {
        RecordingDeviceContext dc(300, 300);
        controller.PrintPage(dc, row.mode, page);
        log += dc.Log();
      }
    }
    return log;
  }
};

TEST_F(ProblemReadings, PagesPrintTheSameFromLinesWrittenFromTheTypedValues) {
  // Line i of the 15 holds the hostile text when bit `variant` of i + 1 is set, else a plain
  // value of its own: over the variants, a line read for another prints differently.
  for (const char* example : kExamples) {
    Open(example);
    const DocumentTables file = state.document.cells();
    for (const char* text : {"abc", "nan", "12.7", "-0.4", "0x10", "１２", "1e400"}) {
      for (int variant = 0; variant < 4; ++variant) {
        state.document.Replace(file);
        for (Problem problem : kProblems) {
          std::vector<int> lines;
          for (int line : kStyleLines)
            lines.push_back(Style(problem, line));
          for (int line : kPageLines)
            lines.push_back(Page(problem, line));
          for (std::size_t i = 0; i < lines.size(); ++i) {
            const bool hostile = (((i + 1) >> variant) & 1) != 0;
            const double plain = 11.0 + 7.25 * static_cast<double>(i) + (lines[0] > 40 ? 2.5 : 0);
            test::Edit(state)->settingLines[lines[i]] = hostile ? text : FormatC("%g", plain);
          }
        }
        const std::string asTyped = EveryDisplayLog();
        for (Problem problem : kProblems)
          WriteLinesFromTypedValues(*test::Edit(state), problem);
        EXPECT_EQ(EveryDisplayLog(), asTyped) << example << " \"" << text << "\" " << variant;
      }
    }
  }
}

}  // namespace
}  // namespace qel
