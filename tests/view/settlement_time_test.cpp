// The time-settlement graphs drawn through the view: the table's values are the model's S at
// the profile's times, six columns to a page, everything on the paper, nothing non-finite.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "analysis/settlement_analysis.h"
#include "analysis/settlement_time.h"
#include "base/c_locale.h"
#include "base/cp932.h"
#include "support/cells_edit.h"
#include "support/example_view.h"
#include "support/test_files.h"
#include "support/worst_soil_profile.h"
#include "test_support/recording_device_context.h"
#include "view/display_table.h"
#include "view/figure_notes.h"
#include "view/table_rows.h"

namespace qel {
namespace {

constexpr int kDpi = 100;
constexpr DisplayMode kStrip = DisplayMode::StripSettlementTime;

struct DrawnText {
  int x = 0, y = 0, height = 0;
  bool centred = false;
  std::string text;
};

class SettlementTimeTest : public test::ExampleView {
 protected:
  RecordingDeviceContext Print(DisplayMode display, int page) {
    RecordingDeviceContext dc(kDpi, kDpi);
    controller.PrintPage(dc, display, page);
    return dc;
  }
  int Pages(DisplayMode display) { return controller.CountPrintedPages(display, kDpi, kDpi); }
  void UsePaper(int width, int height) {
    state.geometry.paperWidthMm = width;
    state.geometry.paperHeightMm = height;
  }
  // Every text box and every point of a line drawn on `page` lies on the paper; no text shows
  // nan or inf. Returns the page's texts.
  std::vector<DrawnText> ExpectOnThePaper(DisplayMode display, int page);
};

std::vector<DrawnText> TextsOf(const RecordingDeviceContext& dc) {
  std::vector<DrawnText> texts;
  int height = 0, x = 0, y = 0, n = 0;
  bool centred = false;
  for (const std::string& line : dc.lines()) {
    if (std::sscanf(line.c_str(), "font %d", &x) == 1) height = x;
    if (line.rfind("align ", 0) == 0) centred = line == "align centre";
    if (std::sscanf(line.c_str(), "text %d %d %n", &x, &y, &n) == 2 && n > 0)
      texts.push_back({x, y, height, centred, line.substr(static_cast<std::size_t>(n))});
  }
  return texts;
}

std::vector<DrawnText> SettlementTimeTest::ExpectOnThePaper(DisplayMode display, int page) {
  const RecordingDeviceContext dc = Print(display, page);
  const int width = state.geometry.paperWidthMm * kDpi * 10 / 254;
  const int height = state.geometry.paperHeightMm * kDpi * 10 / 254;
  const std::vector<DrawnText> texts = TextsOf(dc);
  for (const DrawnText& t : texts) {
    const int w = NoteTextWidth(t.text, t.height), left = t.centred ? t.x - w / 2 : t.x;
    EXPECT_TRUE(left >= 0 && left + w <= width && t.y >= 0 && t.y + t.height <= height) << t.text;
    for (const char* word : {"nan", "inf", "NaN", "INF"})
      EXPECT_EQ(t.text.find(word), std::string::npos) << t.text;
  }
  for (const std::string& line : dc.lines()) {
    if (line.rfind("polyline", 0) && line.rfind("moveto", 0) && line.rfind("lineto", 0)) continue;
    std::string numbers = line.substr(line.find(' ') + 1);
    std::replace(numbers.begin(), numbers.end(), ',', ' ');
    std::istringstream in(numbers);
    for (int x = 0, y = 0; in >> x >> y;)
      if (!(x >= 0 && x <= width && y >= 0 && y <= height)) {
        ADD_FAILURE() << "off the paper: " << line.substr(0, 60);
        break;
      }
  }
  return texts;
}

// The texts on the line of the first text equal to `label`, right of it, left to right.
std::vector<std::string> RowAfter(const std::vector<DrawnText>& texts, const std::string& label) {
  const auto found =
      std::find_if(texts.begin(), texts.end(), [&](const DrawnText& t) { return t.text == label; });
  std::vector<DrawnText> row;
  for (const DrawnText& t : texts)
    if (found != texts.end() && t.y == found->y && t.x > found->x) row.push_back(t);
  std::sort(row.begin(), row.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
  std::vector<std::string> cells;
  for (const DrawnText& t : row)
    cells.push_back(t.text);
  return cells;
}

bool AnyContains(const std::vector<DrawnText>& texts, const std::string& part) {
  return std::any_of(texts.begin(), texts.end(),
                     [&](const DrawnText& t) { return t.text.find(part) != std::string::npos; });
}

struct Example {
  const char* file;
  DisplayMode display;
  Problem problem;
};
constexpr Example kExamples[] = {
    {"embankment.qdw", kStrip, Problem::Strip},
    {"building.qdw", DisplayMode::RectCircleSettlementTime, Problem::RectCircle},
};

// The columns shown are the six that settle most, on one page, or every column the profile's
// timecols= names, six to a page, in the order named; each row holds S at the profile's times,
// the final S, t50 and t90, and names the column by its number.
TEST_F(SettlementTimeTest, RowsHoldSAtTheProfilesTimesSixColumnsToAPage) {
  for (const Example& e : kExamples) {
    for (const bool everyColumn : {false, true}) {
      SCOPED_TRACE(std::string(e.file) + (everyColumn ? " every column" : " the largest"));
      Open(e.file);
      DocumentSettlement settlement = ComputeDocumentSettlement(
          state.document, state.settings.unitSystem, state.circleMethod, 1);
      ASSERT_EQ(settlement.status, DocumentSettlement::Status::kComputed);
      std::vector<const SettlementColumnResult*> columns;
      std::vector<const SettlementColumn*> values;
      for (const SettlementColumnResult& column : settlement.columns) {
        if (column.site.problem != e.problem) continue;
        columns.push_back(&column);
        values.push_back(&column.values);
      }
      ASSERT_GE(columns.size(), 7u);
      std::vector<int> chosen;
      if (everyColumn) {
        // Named last to first.
        std::string line = "timecols=";
        for (std::size_t n = columns.size(); n >= 1; --n) {
          chosen.push_back(static_cast<int>(n));
          line += std::to_string(n) + (n > 1 ? "," : "");
        }
        std::vector<std::string> soil = state.document.cells().soilLines.ToVector();
        soil.push_back(line);
        test::Edit(state)->soilLines = soil;
      }
      const std::vector<std::size_t> shown = ShownTimeColumns(values, chosen);
      ASSERT_EQ(shown.size(), everyColumn ? columns.size() : 6u);
      EXPECT_EQ(Pages(e.display), static_cast<int>((shown.size() + 5) / 6));
      const SettlementModel& model = *settlement.model;
      for (std::size_t k = 0; k < shown.size(); ++k) {
        const SettlementColumn& v = columns[shown[k]]->values;
        ASSERT_TRUE(v.total && v.t50 && v.t90);
        std::vector<std::string> expected;
        for (const double t : model.profile().times)
          expected.push_back(FormatC("%.2f", *model.SettlementAt(v, t) * 100.0));
        expected.push_back(FormatC("%.2f", *v.total * 100.0));
        expected.push_back(FormatC("%.1f", *v.t50));
        expected.push_back(FormatC("%.1f", *v.t90));
        const SettlementSite& site = columns[shown[k]]->site;
        const std::string label =
            FormatC("(%d) x = %.2f", static_cast<int>(shown[k]) + 1, site.x) +
            (e.problem == Problem::Strip ? "" : FormatC(", y = %.2f", site.y));
        const int page = static_cast<int>(k / 6) + 1;
        EXPECT_EQ(RowAfter(TextsOf(Print(e.display, page)), label), expected) << label;
      }
    }
  }
}

// Both examples in colour and 白黒 on two paper widths, and a hostile profile: layers that
// consolidate in no time and in forever, enormous settlement, times of 0 and far beyond, more
// times than two table lines hold (which the page says), and the largest profile with every
// note the page can carry.
TEST_F(SettlementTimeTest, EveryPageFitsThePaperAndIsFinite) {
  for (const Example& e : kExamples)
    for (const int width : {210, 148})
      for (const int colourMode : {0, 1}) {
        SCOPED_TRACE(FormatC("%s %d mm colour mode %d", e.file, width, colourMode));
        Open(e.file);
        state.settings.colourMode = colourMode;
        UsePaper(width, 297);
        for (int page = 1; page <= Pages(e.display); ++page)
          ExpectOnThePaper(e.display, page);
      }
  std::string times = "times=0,1e-300,1e7";
  for (int i = 1; i <= 60; ++i)
    times += FormatC(",%d", i * 37);
  Open("embankment.qdw");
  UsePaper(210, 297);
  test::Edit(state)->soilLines = {"slice=0.5", times, "layer=1,A,0.5,16,17,mv,,,,,1,1e-300,top,",
                                  "layer=2,B,3,16,17,mv,,,,,1e-3,1e8,both,",
                                  "layer=3,C,4,16,17,mv,,,,,1e-3,1,both,"};
  bool toldUnshownTimes = false;
  for (int page = 1; page <= Pages(kStrip); ++page)
    toldUnshownTimes |= AnyContains(ExpectOnThePaper(kStrip, page), "時間 63 個のうち");
  EXPECT_TRUE(toldUnshownTimes);
  // The largest profile built in stages over drains, with its residual settlement: a note for
  // every layer's t_p in every column, more than the page has room for; the residual
  // settlement of each column keeps its place before them.
  std::vector<std::string> largest = WorstSoilProfileLines();
  largest.insert(largest.begin() + 3,
                 {"times=10,30,100,300,1000,3000", "stage=1,0,60,0.5", "stage=2,120,150,1.0",
                  "residual=400,3650", "drains=triangle,1.2,0.0662,0.2,2,100,12.0,0.1,0.004"});
  test::Edit(state)->soilLines = largest;
  for (int page = 1; page <= Pages(kStrip); ++page) {
    const std::vector<DrawnText> texts = ExpectOnThePaper(kStrip, page);
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                            [](const DrawnText& t) {
                              return t.text.find(": 残留沈下量 ") != std::string::npos;
                            }),
              6);
  }
}

// Without cv no graph is drawn: the page names each column shown with the layer that has no cv;
// a profile that does not read says so instead.
TEST_F(SettlementTimeTest, ColumnsWithoutTimeBehaviourSayWhy) {
  struct Case {
    const char* layer;
    const char* note;
    bool named;  // each column named with the reason
  };
  for (const Case& c :
       {Case{"layer=1,A,3,16,17,mv,,,,,1e-3,,both,", "土層 1 (A)に圧密係数 cv がない", true},
        Case{"layer=1,A,3,16,17,nonsense,,,,,,,,", "土層を読めないため", false}}) {
    SCOPED_TRACE(c.note);
    Open("embankment.qdw");
    test::Edit(state)->soilLines = {c.layer};
    const RecordingDeviceContext dc = Print(kStrip, 1);
    EXPECT_TRUE(AnyContains(TextsOf(dc), c.note));
    // No graph without a curve: neither a curve nor an axis nor a table row.
    EXPECT_TRUE(dc.Lines("polyline").empty());
    EXPECT_FALSE(AnyContains(TextsOf(dc), "t (日)"));
    EXPECT_EQ(AnyContains(TextsOf(dc), ") x = "), c.named);
  }
}

// With Cα the curve is primary plus secondary: the primary alone leaves it, dotted, from the
// first t_p on, and each layer's t_p is ticked on the curve and listed; without Cα neither.
TEST_F(SettlementTimeTest, SecondaryCompressionShowsThePrimaryApartAndTp) {
  struct Drawn {
    int dotted = 0, ticks = 0;
    std::vector<DrawnText> texts;
  };
  auto draw = [&](const std::string& calpha) {
    Open("embankment.qdw");
    test::Edit(state)->soilLines = {"times=10,100,1000",
                                    "layer=1,A,3,16,17,cc,1.2,0.4,0.04,,,100,top,," + calpha,
                                    "layer=2,B,8,16,17,cc,1.0,0.3,0.03,,,300,both,," + calpha};
    const RecordingDeviceContext dc = Print(kStrip, 1);
    Drawn drawn{0, 0, TextsOf(dc)};
    const std::vector<std::string>& lines = dc.lines();
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
      if (lines[i].rfind("pen dot", 0) == 0 && lines[i + 1].rfind("polyline", 0) == 0)
        ++drawn.dotted;
      // A tick: a short vertical line of two points.
      int x0 = 0, y0 = 0, x1 = 0, y1 = 0, n = 0;
      if (std::sscanf(lines[i].c_str(), "polyline %d,%d %d,%d%n", &x0, &y0, &x1, &y1, &n) == 4 &&
          n == static_cast<int>(lines[i].size()) && x0 == x1 && y1 > y0 && y1 - y0 < 20)
        ++drawn.ticks;
    }
    return drawn;
  };
  const Drawn plain = draw(""), creep = draw("0.02");
  auto listed = [](const Drawn& d) {
    return std::count_if(d.texts.begin(), d.texts.end(), [](const DrawnText& t) {
      return t.text.find("t_p = ") != std::string::npos &&
             t.text.find("（土層 1 (A)）") != std::string::npos &&
             t.text.find("（土層 2 (B)）") != std::string::npos;
    });
  };
  EXPECT_EQ(listed(plain), 0);
  EXPECT_GE(listed(creep), 1);
  EXPECT_GT(creep.dotted, plain.dotted);
  // Both layers start within the axis in at least one column.
  EXPECT_GE(creep.ticks - plain.ticks, 2);
}

// Every "時間?沈下曲線" in `text`, whatever the character between.
std::vector<std::string> TimeCurveSpellings(const std::string& text) {
  std::vector<std::string> found;
  const std::string head = "時間", tail = "沈下曲線";
  for (std::size_t at = text.find(tail); at != std::string::npos; at = text.find(tail, at + 1)) {
    std::size_t from = at;
    while (from > 0 && (static_cast<unsigned char>(text[from - 1]) & 0xC0) == 0x80)
      --from;  // back over the continuation bytes of the character before
    if (from > 0) --from;
    if (from >= head.size() && text.compare(from - head.size(), head.size(), head) == 0)
      found.push_back(text.substr(from - head.size(), at + tail.size() - from + head.size()));
  }
  return found;
}

// One spelling of the display's name, in a dash the help's code page holds, on screen (menu,
// tool tip, title word), on paper, in the settlement CSV and in the help; and no text of the
// settlement displays, their CSV or the help says 時刻 for the time.
TEST_F(SettlementTimeTest, OneSpellingOfItsNameAndNoTimeOfDay) {
  const std::string name = "時間－沈下曲線";
  Open("embankment.qdw");
  std::vector<std::string> texts;
  for (const DisplayMode display : {kStrip, DisplayMode::RectCircleSettlementTime}) {
    const DisplayRow& row = DisplayRowOf(display);
    texts.insert(texts.end(), {row.menuText, row.prompt, row.titleWord});
    EXPECT_EQ(row.menuText, name);
  }
  for (const DisplayMode display :
       {kStrip, DisplayMode::StripSettlementTable, DisplayMode::StripSettlementMap}) {
    for (const DrawnText& drawn : TextsOf(Print(display, 1)))
      texts.push_back(drawn.text);
  }
  const std::optional<TableRows> csv = BuildTableRows(
      TableDisplayFor(kStrip), state.document, state.results, state.circleMethod, state.settings);
  ASSERT_TRUE(csv);
  texts.insert(texts.end(), csv->notes.begin(), csv->notes.end());
  texts.insert(texts.end(), csv->headings.begin(), csv->headings.end());
  const std::string help = DecodeCp932(test::ReadBytes(QEL_SOURCE_DIR "/data/Help.txt"));
  texts.push_back(help);
  EXPECT_NE(help.find("「" + name + "」"), std::string::npos);
  int named = 0;
  for (const std::string& text : texts) {
    for (const std::string& spelling : TimeCurveSpellings(text)) {
      EXPECT_EQ(spelling, name) << text.substr(0, 200);
      ++named;
    }
    EXPECT_EQ(text.find("時刻"), std::string::npos) << text.substr(0, 200);
  }
  EXPECT_GE(named, 7);  // menu, tool tip and title word of both problems, the help
}

}  // namespace
}  // namespace qel
