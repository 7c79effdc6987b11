// The time-settlement graphs drawn through the view: the table's values are the model's S at
// the profile's times, six columns to a page, everything on the paper, nothing non-finite.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "analysis/settlement_analysis.h"
#include "settings/c_locale.h"
#include "support/cells_edit.h"
#include "support/example_view.h"
#include "test_support/recording_device_context.h"
#include "view/figure_notes.h"

namespace qel {
namespace {

constexpr int kDpi = 100;

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
  void SetProfile(std::vector<std::string> lines) {
    test::Edit(state)->soilLines = std::move(lines);
  }
  std::vector<const SettlementColumnResult*> Columns(const DocumentSettlement& settlement,
                                                     Problem problem) {
    std::vector<const SettlementColumnResult*> columns;
    for (const SettlementColumnResult& column : settlement.columns)
      if (column.site.problem == problem) columns.push_back(&column);
    return columns;
  }
};

// The texts of a page with where and how they were drawn.
std::vector<DrawnText> TextsOf(const RecordingDeviceContext& dc) {
  std::vector<DrawnText> texts;
  int height = 0;
  bool centred = false;
  for (const std::string& line : dc.lines()) {
    int a = 0, b = 0, n = 0;
    if (std::sscanf(line.c_str(), "font %d", &a) == 1) height = a;
    if (line.rfind("align ", 0) == 0) centred = line == "align centre";
    if (std::sscanf(line.c_str(), "text %d %d %n", &a, &b, &n) == 2 && n > 0)
      texts.push_back({a, b, height, centred, line.substr(static_cast<std::size_t>(n))});
  }
  return texts;
}

// The texts on the line of the first text equal to `label`, right of it, left to right.
std::vector<std::string> RowAfter(const std::vector<DrawnText>& texts, const std::string& label) {
  const auto found =
      std::find_if(texts.begin(), texts.end(), [&](const DrawnText& t) { return t.text == label; });
  if (found == texts.end()) return {};
  std::vector<DrawnText> row;
  for (const DrawnText& t : texts)
    if (t.y == found->y && t.x > found->x) row.push_back(t);
  std::sort(row.begin(), row.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
  std::vector<std::string> cells;
  for (const DrawnText& t : row)
    cells.push_back(t.text);
  return cells;
}

std::string Label(const SettlementSite& site) {
  std::string label = FormatC("x = %.2f", site.x);
  return site.problem == Problem::Strip ? label : label + FormatC(", y = %.2f", site.y);
}

// Every text box and every point of a line drawn lies on the paper; no text shows nan or inf.
void ExpectOnThePaper(const RecordingDeviceContext& dc, int width, int height) {
  for (const DrawnText& t : TextsOf(dc)) {
    const int w = NoteTextWidth(t.text, t.height);
    const int left = t.centred ? t.x - w / 2 : t.x;
    EXPECT_GE(left, 0) << t.text;
    EXPECT_LE(left + w, width) << t.text;
    EXPECT_GE(t.y, 0) << t.text;
    EXPECT_LE(t.y + t.height, height) << t.text << " " << width << "x" << height;
    for (const char* word : {"nan", "inf", "NaN", "INF"})
      EXPECT_EQ(t.text.find(word), std::string::npos) << t.text;
  }
  for (const std::string& line : dc.lines()) {
    if (line.rfind("polyline", 0) != 0 && line.rfind("moveto", 0) != 0 &&
        line.rfind("lineto", 0) != 0)
      continue;
    std::string numbers = line.substr(line.find(' ') + 1);
    std::replace(numbers.begin(), numbers.end(), ',', ' ');
    std::istringstream in(numbers);
    for (int x = 0, y = 0; in >> x >> y;) {
      EXPECT_TRUE(x >= 0 && x <= width && y >= 0 && y <= height) << line.substr(0, 60);
      if (!(x >= 0 && x <= width && y >= 0 && y <= height)) return;
    }
  }
}

struct Example {
  const char* file;
  DisplayMode display;
  Problem problem;
};
constexpr Example kExamples[] = {
    {"embankment.qdw", DisplayMode::StripSettlementTime, Problem::Strip},
    {"building.qdw", DisplayMode::RectCircleSettlementTime, Problem::RectCircle},
};

TEST_F(SettlementTimeTest, TableRowsHoldSAtTheProfilesTimesTheTotalAndTheTimes) {
  for (const Example& e : kExamples) {
    SCOPED_TRACE(e.file);
    Open(e.file);
    const DocumentSettlement settlement =
        ComputeDocumentSettlement(state.document, state.results.circleMethod(), 1);
    ASSERT_EQ(settlement.status, DocumentSettlement::Status::kComputed);
    const SettlementModel& model = *settlement.model;
    const std::vector<const SettlementColumnResult*> columns = Columns(settlement, e.problem);
    ASSERT_GE(columns.size(), 7u);
    for (std::size_t i = 0; i < columns.size(); ++i) {
      const SettlementColumn& v = columns[i]->values;
      ASSERT_TRUE(v.total && v.t50 && v.t90);
      std::vector<std::string> expected;
      for (const double t : model.profile().times)
        expected.push_back(FormatC("%.2f", *model.SettlementAt(v, t) * 100.0));
      expected.push_back(FormatC("%.2f", *v.total * 100.0));
      expected.push_back(FormatC("%.1f", *v.t50));
      expected.push_back(FormatC("%.1f", *v.t90));
      const int page = static_cast<int>(i / 6) + 1;
      EXPECT_EQ(RowAfter(TextsOf(Print(e.display, page)), Label(columns[i]->site)), expected)
          << Label(columns[i]->site) << " page " << page;
    }
  }
}

TEST_F(SettlementTimeTest, SixColumnsToAPage) {
  for (const Example& e : kExamples) {
    SCOPED_TRACE(e.file);
    Open(e.file);
    std::size_t columns = 0;
    for (const SettlementSite& site : SettlementSites(state.document))
      columns += site.problem == e.problem ? 1 : 0;
    EXPECT_EQ(Pages(e.display), static_cast<int>((columns + 5) / 6));
  }
}

TEST_F(SettlementTimeTest, EveryPageFitsThePaperInColourAndBlackAndWhite) {
  struct Paper {
    int width, height;
  };
  for (const Example& e : kExamples)
    for (const Paper paper : {Paper{210, 297}, Paper{148, 297}})
      for (const int colourMode : {0, 1}) {
        SCOPED_TRACE(FormatC("%s %dx%d ", e.file, paper.width, paper.height) +
                     (colourMode ? "白黒" : "colour"));
        Open(e.file);
        state.settings.colourMode = colourMode;
        state.geometry.paperWidthMm = paper.width;
        state.geometry.paperHeightMm = paper.height;
        for (int page = 1; page <= Pages(e.display); ++page) {
          const RecordingDeviceContext dc = Print(e.display, page);
          ExpectOnThePaper(dc, state.geometry.paperWidthMm * kDpi * 10 / 254,
                           state.geometry.paperHeightMm * kDpi * 10 / 254);
        }
      }
}

// Layers that consolidate in no time and in forever, enormous settlement, times of 0 and far
// beyond, more times than a line holds: the pages stay finite and on the paper.
TEST_F(SettlementTimeTest, HostileProfileDrawsNothingNonFinite) {
  std::string times = "times=0,1e-300,1e300";
  for (int i = 1; i <= 60; ++i)
    times += FormatC(",%d", i * 37);
  Open("embankment.qdw");
  state.geometry.paperWidthMm = 210;
  state.geometry.paperHeightMm = 297;
  SetProfile({"slice=0.5", times, "layer=1,A,0.5,16,17,mv,,,,,1e6,1e-300,top,",
              "layer=2,B,3,16,17,mv,,,,,1e-3,1e300,both,",
              "layer=3,C,4,16,17,mv,,,,,1e-3,1,both,"});
  const DisplayMode display = DisplayMode::StripSettlementTime;
  int notes = 0;
  for (int page = 1; page <= Pages(display); ++page) {
    const RecordingDeviceContext dc = Print(display, page);
    ExpectOnThePaper(dc, state.geometry.paperWidthMm * kDpi * 10 / 254,
                     state.geometry.paperHeightMm * kDpi * 10 / 254);
    for (const DrawnText& t : TextsOf(dc))
      notes += t.text.find("時刻 63 個のうち") != std::string::npos ? 1 : 0;
  }
  EXPECT_GE(notes, 1);
}

// Without cv the rows keep the total but show "－" for the times and t50/t90, no curve is
// drawn and the page says why; a profile that does not read says so instead of a graph.
TEST_F(SettlementTimeTest, ColumnsWithoutTimeBehaviourSayWhy) {
  struct Case {
    std::vector<std::string> profile;
    const char* note;
    bool rows;
  };
  const Case cases[] = {
      {{"layer=1,A,3,16,17,mv,,,,,1e-3,,both,"}, "圧密係数 cv がない", true},
      {{"layer=1,A,3,16,17,nonsense,,,,,,,,"}, "地盤の土層を読めないため", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.note);
    Open("embankment.qdw");
    SetProfile(c.profile);
    const RecordingDeviceContext dc = Print(DisplayMode::StripSettlementTime, 1);
    const std::vector<DrawnText> texts = TextsOf(dc);
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const DrawnText& t) {
      return t.text.find(c.note) != std::string::npos;
    }));
    for (const std::string& line : dc.Lines("polyline"))
      EXPECT_LT(std::count(line.begin(), line.end(), ','), 40) << "a curve is drawn";
    const std::vector<std::string> row = RowAfter(texts, "x = 0.00");
    if (!c.rows) {
      EXPECT_TRUE(row.empty());
      continue;
    }
    ASSERT_EQ(row.size(), kDefaultSettlementTimes.size() + 3);
    for (std::size_t i = 0; i < row.size(); ++i)
      EXPECT_EQ(row[i] == "－", i != kDefaultSettlementTimes.size()) << i << " " << row[i];
  }
}

}  // namespace
}  // namespace qel
