// Hostile inputs, generated here: each file either opens and shows every display on paper and
// on screen with bounded work (page counts, device calls per page, text lengths, coordinates),
// or is refused with a message that says why. A hang fails at the wall-clock guard.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "base/cp932.h"
#include "base/text_file.h"
#include "document/data_file.h"
#include "document/document_tables.h"
#include "document/style_defaults.h"
#include "platform/messages.h"
#include "settings/settings_files.h"
#include "support/display_walk.h"
#include "support/render_world.h"
#include "support/test_files.h"
#include "support/wall_clock_guard.h"
#include "test_support/fixed_system_paths.h"
#include "view/drawing.h"
#include "view/figure_pages.h"
#include "view/grid_strokes.h"

namespace qel {
namespace {

// A4 at 600 dpi: 4960 pixels across.
constexpr int kDpi = 600;
constexpr std::size_t kPaperPixels = 4960;
// What one page may ask of the device: the grid's budget with everything else on the page.
constexpr std::size_t kMostCallsPerPage = 2 * kMostGridStrokes + 20000;
// Characters of one text: at most four per pixel to the far edge of the paper (the title's left
// position may lie 100 mm left of it), 64 to spare.
constexpr std::size_t kMostTextCharacters = 4 * (kPaperPixels + 2362) + 64;
// Positions are clamped to the device's range; texts and marks stand at most that far from them.
constexpr long long kFarthestCoordinate = 2LL * kDeviceCoordinateLimit;
// Pages of a table display: 1728 lattice points with every step of their calculation shown.
constexpr int kMostTablePages = 5000;

// A data file as a save writes it, with `settings` (line number -> text), `rows` of load set 1,
// rows of circles and the cells `fill` sets.
std::string DataFile(const std::vector<std::pair<int, std::string>>& settings,
                     const std::vector<std::string>& strip = {},
                     const std::vector<std::string>& circles = {},
                     const std::function<void(DocumentTables&)>& fill = {}) {
  DocumentTables tables;
  for (const auto& [line, text] : settings)
    tables.settingLines[line] = text;
  if (fill) fill(tables);
  std::string text = FormatDataFile(tables, ResultsGrid{}, 3);
  std::string marker = "$$K1\r\n";
  std::string rows;
  for (const std::string& row : strip)
    rows += row + "\r\n";
  text.insert(text.find(marker) + marker.size(), rows);
  marker = "$$CIRC\r\n";
  rows.clear();
  for (const std::string& row : circles)
    rows += row + "\r\n";
  text.insert(text.find(marker) + marker.size(), rows);
  return text;
}

std::string Repeated(const std::string& piece, std::size_t times) {
  std::string text;
  text.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i)
    text += piece;
  return text;
}

// A grid over the whole int range by one metre, in crosses ("0") or lines ("1").
std::vector<std::pair<int, std::string>> DenseGrid(const char* style) {
  using namespace setting_line;
  std::vector<std::pair<int, std::string>> lines;
  for (Problem problem : {Problem::Strip, Problem::RectCircle}) {
    lines.push_back({Style(problem, kGridFromX), "-2000000000"});
    lines.push_back({Style(problem, kGridToX), "2000000000"});
    lines.push_back({Style(problem, kGridStepX), "1"});
    lines.push_back({Style(problem, kGridFromY), "-2000000000"});
    lines.push_back({Style(problem, kGridToY), "2000000000"});
    lines.push_back({Style(problem, kGridStepY), "1"});
    lines.push_back({Style(problem, kGridStyle), style});
  }
  return lines;
}

// A grid of one-metre crosses where the page shows them, 1 mm apart at 1/1000.
std::vector<std::pair<int, std::string>> VisibleDenseGrid() {
  using namespace setting_line;
  return {{kStripScaleX, "1000"}, {kStripScaleY, "1000"}, {kStripRangeX, "180"},
          {kStripRangeY, "250"},  {kStripTopY, "10"},     {kGridFromX, "0"},
          {kGridToX, "10000"},    {kGridStepX, "1"},      {kGridFromY, "-10000"},
          {kGridToY, "10"},       {kGridStepY, "1"},      {kGridStyle, "0"}};
}

// Both figures' top Y at `topY`, over a grid of 5 m.
std::vector<std::pair<int, std::string>> TopYOverAGrid(const char* topY) {
  using namespace setting_line;
  std::vector<std::pair<int, std::string>> lines = {{kStripTopY, topY}, {kRectTopY, topY}};
  const std::pair<int, const char*> grid[] = {{kGridFromX, "-10"}, {kGridToX, "40"},
                                              {kGridStepX, "5"},   {kGridFromY, "-30"},
                                              {kGridToY, "10"},    {kGridStepY, "5"}};
  for (Problem problem : {Problem::Strip, Problem::RectCircle})
    for (const auto& [line, text] : grid)
      lines.push_back({Style(problem, line), text});
  return lines;
}

// A plan of one rectangle from x 0 to `x2` under a lattice with the x values 0 and `x` and the
// depths 1 and `z`, with its isobars filled: the section and its graphs take their width and
// depth from these.
std::string PlanFile(const char* x2, const char* x, const char* z) {
  return DataFile({}, {}, {}, [=](DocumentTables& t) {
    const char* rectangle[] = {"", "1", "0", "0", x2, "3", "250"};
    for (int column = 1; column <= kRectColumns; ++column)
      t.rectLoads[1][column] = rectangle[column];
    const char* lattice[][4] = {{"", "0", "1.5", "1"}, {"", x, "", z}};
    for (int row = 1; row <= 2; ++row)
      for (int column = 1; column <= 3; ++column)
        t.gridPoints[row][column] = lattice[row - 1][column];
    t.figures.planIsobars = {true, {}, true};
  });
}

struct HostileFile {
  test::TempFolder folder;
  std::string path;
  SystemSettings settings;
  FontSlots fonts;
};

struct HostileCase {
  const char* name;
  std::function<void(HostileFile&)> make;  // writes setup.path and adjusts the settings
  // What opening shows: the message expected (empty: none), and whether the file opens.
  std::function<std::string(const HostileFile&)> message;
  ReadStatus status = ReadStatus::Ok;
};

// Writes the bytes as they are.
void WriteBytes(HostileFile& s, const std::string& bytes) {
  s.path = s.folder.File("hostile.qdw");
  test::WriteBytes(s.path, bytes);
}

// Writes UTF-8 text in Shift-JIS, as a save does.
void Write(HostileFile& s, const std::string& text) {
  Cp932Encoding encoded = EncodeCp932(text);
  ASSERT_TRUE(encoded.ok);
  WriteBytes(s, encoded.bytes);
}

std::string NoMessage(const HostileFile&) {
  return "";
}

std::vector<HostileCase> Cases() {
  using namespace setting_line;
  return {
      {"a grid of 1e8 crosses", [](HostileFile& s) { Write(s, DataFile(DenseGrid("0"))); },
       NoMessage},
      {"grid lines with a 100,000-pixel pen",
       [](HostileFile& s) {
         s.settings.gridLineWidth = 100000;
         Write(s, DataFile(DenseGrid("1")));
       },
       NoMessage},
      {"a grid of crosses 1 mm apart over the page",
       [](HostileFile& s) { Write(s, DataFile(VisibleDenseGrid())); }, NoMessage},
      {"a coordinate of 1e15",
       [](HostileFile& s) { Write(s, DataFile({}, {"1,0,0,0,1e15,1,1.8,0"})); }, NoMessage},
      {"a coordinate of 1e308",
       [](HostileFile& s) { Write(s, DataFile({}, {}, {"1,1e308,0,1,10"})); }, NoMessage},
      {"coordinates of inf and nan",
       [](HostileFile& s) {
         Write(s, DataFile({}, {"1,-inf,nan,inf,inf,nan,1,0"}, {"1,nan,inf,inf,1"}));
       },
       NoMessage},
      {"a top Y of inf", [](HostileFile& s) { Write(s, DataFile(TopYOverAGrid("inf"))); },
       NoMessage},
      {"a top Y of 1e17", [](HostileFile& s) { Write(s, DataFile(TopYOverAGrid("1e17"))); },
       NoMessage},
      {"scales and print ranges of INT_MAX over a grid of 1 m",
       [](HostileFile& s) {
         std::vector<std::pair<int, std::string>> lines = DenseGrid("1");
         for (int line : {kStripScaleX, kStripScaleY, kStripRangeX, kStripRangeY, kRectScaleX,
                          kRectScaleY, kRectRangeX, kRectRangeY})
           lines.push_back({line, "2147483647"});
         Write(s, DataFile(lines));
       },
       NoMessage},
      {"a lattice x of 1e14", [](HostileFile& s) { Write(s, PlanFile("3", "1e14", "5")); },
       NoMessage},
      {"a rectangle x of 1e14", [](HostileFile& s) { Write(s, PlanFile("1e14", "5", "5")); },
       NoMessage},
      {"a lattice depth of 1e14", [](HostileFile& s) { Write(s, PlanFile("3", "5", "1e14")); },
       NoMessage},
      {"a lattice depth of inf", [](HostileFile& s) { Write(s, PlanFile("3", "5", "inf")); },
       NoMessage},
      {"a lattice depth of 1.5e308",
       [](HostileFile& s) { Write(s, PlanFile("3", "5", "1.5e308")); }, NoMessage},
      {"a left X of INT_MIN",
       [](HostileFile& s) {
         Write(s, DataFile({{kStripLeftX, "-2147483648"}, {kRectLeftX, "-2147483648"}}));
       },
       NoMessage},
      {"scales of 1 and of INT_MAX",
       [](HostileFile& s) {
         Write(s, DataFile({{kStripScaleX, "1"}, {kStripScaleY, "2147483647"}, {kRectScaleX, "1"}},
                           {"1,0,10,20,30,5,1.8,0"}, {"1,5,5,3,10"}));
       },
       NoMessage},
      {"a title of 10 MB",
       [](HostileFile& s) {
         Write(s, DataFile({{kFigureTitle, Repeated("あ", 3500000)}, {kTitleLeft, "-100"}}));
       },
       NoMessage},
      {"a centred title of 10 MB",
       [](HostileFile& s) {
         Write(s, DataFile({{kDataTitle, Repeated("x", 10000000)}, {kTitleCentered, "1"}}));
       },
       NoMessage},
      {"a page text of 10 MB",
       [](HostileFile& s) {
         Write(s,
               DataFile({{kFigurePagePrefix, Repeated("p", 10000000)}, {kFigureStartPage, "1"}}));
       },
       NoMessage},
      {"a font face of 10 MB",
       [](HostileFile& s) {
         s.fonts[kTitleFont].faceName = Repeated("明", 3500000);
         s.fonts[kPageFont].faceName = Repeated("M", 10000000);
         Write(s, DataFile({{kFigureTitle, "t"}}));
       },
       NoMessage},
      {"1000 over-long rows",
       [](HostileFile& s) {
         std::string bytes = "$$_QEL405\r\n";
         for (const char* section : {"$$K1", "$$K2", "$$OXZ", "$$RECT", "$$CIRC", "$$OXYZ"}) {
           bytes += std::string(section) + "\r\n";
           for (int row = 0; row < 170; ++row)
             bytes += Repeated("1,", 1500) + "\r\n";
         }
         WriteBytes(s, bytes);
       },
       // Only the rows each section holds are read: 20 + 20 + 10 + 40 + 40 + 12.
       [](const HostileFile&) { return MessageText(MessageId::OverlongLines, "142", "2600"); }},
      {"a file cut short in a line",
       [](HostileFile& s) {
         std::string bytes = DataFile({}, {"1,0,10,20,30,5,1.8,0"});
         Write(s, bytes.substr(0, bytes.find("$$OXYZ") + 9));
       },
       [](const HostileFile& s) { return MessageText(MessageId::FileEndsEarly, s.path); }},
      {"UTF-8 with a byte-order mark",
       [](HostileFile& s) {
         WriteBytes(s, "\xEF\xBB\xBF" + DataFile({{kFigureTitle, "断面図"}}));
       },
       [](const HostileFile& s) { return MessageText(MessageId::ReadAsUtf8, s.path); }},
      {"binary noise after the version line",
       [](HostileFile& s) {
         std::string bytes = "$$_QEL405\r\n";
         for (int i = 0; i < 2000000; ++i)
           bytes += static_cast<char>((i * 7919LL) % 251);
         WriteBytes(s, bytes);
       },
       [](const HostileFile& s) { return MessageText(MessageId::FileEndsEarly, s.path); }},
      {"a FIFO",
       [](HostileFile& s) {
         s.path = s.folder.File("fifo.qdw");
         ASSERT_EQ(::mkfifo(s.path.c_str(), 0600), 0);
       },
       [](const HostileFile& s) { return MessageText(MessageId::NotRegularFile, s.path); },
       ReadStatus::NotRegularFile},
      {"/dev/zero", [](HostileFile& s) { s.path = "/dev/zero"; },
       [](const HostileFile& s) { return MessageText(MessageId::NotRegularFile, s.path); },
       ReadStatus::NotRegularFile},
      {"a file of 65 MB",
       [](HostileFile& s) {
         WriteBytes(s, "$$_QEL405\r\n");
         std::filesystem::resize_file(s.path, 65 * 1024 * 1024);  // sparse: no disk space
       },
       [](const HostileFile& s) { return MessageText(MessageId::FileTooLarge, s.path, "64"); },
       ReadStatus::TooLarge},
  };
}

// Test names and failure messages name a case by its name.
void PrintTo(const HostileCase& c, std::ostream* out) {
  *out << c.name;
}

class HostileInputTest : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileInputTest, OpensAndShowsWithBoundedWorkOrIsRefused) {
  const HostileCase& c = GetParam();
  HostileFile setup;
  test::ApplyStandardSettings(setup.settings, setup.fonts);
  c.make(setup);

  // Opened as the program opens a file, with what it would tell.
  ApplicationState state;
  state.settings = setup.settings;
  state.fonts = setup.fonts;
  state.settingsFiles.loaded = {true, true, true};
  DataFileFindings findings;
  ASSERT_EQ(OpenDataFile(setup.path, state.document, &findings), c.status);
  const std::vector<std::string> told =
      c.status == ReadStatus::Ok ? DataFileFindingTexts(findings, setup.path)
                                 : std::vector<std::string>{ReadFailureText(c.status, setup.path)};
  const std::string expected = c.message(setup);
  if (expected.empty()) {
    EXPECT_TRUE(told.empty()) << told.front();
  } else {
    EXPECT_EQ(std::count(told.begin(), told.end(), expected), 1);
  }
  if (c.status != ReadStatus::Ok) return;

  const std::vector<test::DisplayWork> shown = test::FinishedWithin(
      std::chrono::seconds(20), c.name,
      [&] { return test::ShowEveryDisplay(state, FixedPrinterInfo::A4(kDpi)); });
  for (const test::DisplayWork& work : shown) {
    const int display = DisplayNumber(work.mode);
    const bool figure =
        work.mode == DisplayMode::StripFigure || work.mode == DisplayMode::RectCircleFigure;
    EXPECT_GE(work.pages, 1) << display;
    EXPECT_LE(work.pages, figure ? kMostFigurePages : kMostTablePages) << display;
    EXPECT_LE(work.mostCalls, kMostCallsPerPage) << display;
    EXPECT_LE(work.longestText, kMostTextCharacters) << display;
    EXPECT_LE(work.longestFace, kLongestFaceName) << display;
    EXPECT_LE(work.farthest, kFarthestCoordinate) << display;
  }
}

INSTANTIATE_TEST_SUITE_P(Files, HostileInputTest, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<HostileCase>& info) {
                           std::string name;
                           for (char c : std::string(info.param.name))
                             if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                           return name;
                         });

// Settings files written by hand: a print range or scale at the ends of int, margins of a
// metre, a grid mark of a kilometre. The settings load and every display shows with bounded
// work.
TEST(HostileSettings, ExtremeSystemSettingsShowWithBoundedWork) {
  test::TempFolder folder;
  std::vector<std::string> lines(81);
  lines[0] = "400 ;ver";
  const std::pair<int, const char*> values[] = {
      {0, "-2147483648"}, {1, "2147483647"},   {2, "-2147483648"},
      {3, "-2147483648"}, {4, "2147483647"},   {5, "1e308"},
      {6, "2147483647"},  {10, "1"},           {13, "2147483647"},
      {15, "-1e308"},     {20, "-2000000000"}, {21, "2000000000"},
      {22, "1"},          {23, "-2000000000"}, {24, "2000000000"},
      {25, "1"},          {50, "100000"},      {51, "1"},
      {52, "1"},          {53, "100000"},      {54, "100000"},
      {55, "100000"},     {56, "1"},           {57, "1000000"},
      {61, "1000"},       {62, "1000"},        {64, "1"}};
  for (const auto& [k, text] : values)
    lines[k + 1] = text;
  test::WriteBytes(folder.File("Sys.ndx"), JoinCrLf(lines));

  ApplicationState state;
  state.settingsFiles = SettingsFiles::In(folder.path());
  FixedSystemPaths paths;
  LoadSettingsWithStyleDefaults(state.settingsFiles, state.settings, state.fonts, state.document,
                                paths);
  for (const test::DisplayWork& work : test::ShowEveryDisplay(state, FixedPrinterInfo::A4(kDpi))) {
    EXPECT_LE(work.pages, kMostTablePages) << DisplayNumber(work.mode);
    EXPECT_LE(work.mostCalls, kMostCallsPerPage) << DisplayNumber(work.mode);
  }
}

}  // namespace
}  // namespace qel
