// The page rules of the four tables, checked on their drawn pages by a page model of their own
// over hostile layouts: no page ends on a heading that a page could hold with what follows it,
// a record that goes on to a page is headed there with its heading marked "（続き）", text
// stays within the printable width, and the page count stays bounded.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <future>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "document/data_file.h"
#include "document/excluded_loads.h"
#include "support/render_world.h"
#include "view/renderers.h"
#include "view/table_texts.h"
#include "view/text_wrap.h"

namespace qel {
namespace {

// One drawn line: its texts left to right.
using Line = std::vector<test::DrawnText>;
using Page = std::vector<Line>;

bool StartsWith(const std::string& text, const std::string& start) {
  return text.rfind(start, 0) == 0;
}

bool Continued(const Line& line) {
  return line.front().text.ends_with("（続き）");
}

// How many lines a page must hold for `line`, a heading, to stay with what it heads (0 for
// no heading): a record's heading with its first entry, a title with its column headings and
// first row, a column heading with its first row. `next` is the line after it.
std::size_t HeadingUnit(const Line& line, const Line* next) {
  const std::string& t = line.front().text;
  const auto nextIs = [&](const char* start) {
    return next != nullptr && StartsWith(next->front().text, start);
  };
  if (t == "計算点" || t == "No." || StartsWith(t, "  X m") || StartsWith(t, "荷重") ||
      StartsWith(t, "　　　帯状荷重"))
    return 2;
  if (StartsWith(t, "帯状荷重") || t == "長方形荷重" || t == "円形荷重" || StartsWith(t, "Z m"))
    return 3;
  if (StartsWith(t, "計算点 P")) return nextIs("[") ? (nextIs("[1] 円形") ? 5 : 8) : 3;
  if (StartsWith(t, "[")) return t.find("長方形") != std::string::npos ? 7 : 4;
  return 0;
}

// A record: a point of the course listings or a depth of the strip results. Another record, the
// final table's headings or the notes end it.
bool BeginsRecord(const std::string& text) {
  return StartsWith(text, "計算点 P") || StartsWith(text, "Z m");
}
bool EndsRecord(const std::string& text) {
  return BeginsRecord(text) || text == "計算点";
}

// Runs `work`; a run that does not end within 20 s fails the test program instead of hanging it.
template <class Work>
auto WithinTwentySeconds(Work work) {
  auto task = std::make_shared<std::packaged_task<std::invoke_result_t<Work&>()>>(work);
  auto result = task->get_future();
  std::thread([task] { (*task)(); }).detach();
  if (result.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
    ADD_FAILURE() << "no end within 20 s";
    std::_Exit(1);
  }
  return result.get();
}

struct Layout {
  const char* name;
  int paperWidthMm, paperHeightMm, marginTopMm;
  double fontPoints;
  bool columnsFit;  // whether every column of the tables fits across the paper at this font
};

struct Document {
  const char* name;
  std::vector<test::TableRenderer> tables;
  std::function<void(DocumentTables&, SystemSettings&)> make;
};

void ReadExample(const char* name, DocumentTables& t, SystemSettings& s) {
  ReadDataFile(std::string(QEL_SOURCE_DIR) + "/examples/" + name + ".qdw", t, s);
}

void ShowTrace(DocumentTables& t, Problem problem, bool on) {
  t.settingLines[setting_line::Style(problem, setting_line::kShowCalcTrace)] = on ? "1" : "0";
}

class TablePageRulesTest : public ::testing::Test {
 protected:
  // The pages of a table as lines, and the body font's height in pixels.
  std::vector<Page> DrawnPages(test::TableRenderer render, int& fontHeight) {
    std::vector<Page> pages;
    const int count = render(world.ctx, nullptr, false);
    for (int number = 1; number <= count; ++number) {
      RecordingDeviceContext dc = test::DrawTablePageOf(world, render, number);
      for (const std::string& font : dc.Lines("font"))
        std::sscanf(font.c_str(), "font %d", &fontHeight);
      std::map<int, Line> byY;
      for (const test::DrawnText& text : test::BodyTexts(dc))
        byY[text.y].push_back(text);
      Page page;
      for (auto& [y, line] : byY) {
        std::sort(line.begin(), line.end(), [](auto& a, auto& b) { return a.x < b.x; });
        page.push_back(line);
      }
      pages.push_back(page);
    }
    return pages;
  }

  void CheckRules(const Layout& layout, const std::vector<Page>& pages, int fontHeight,
                  const std::vector<std::string>& notes) {
    // Every line in order with its page, the repeated headings left out.
    std::vector<std::pair<std::size_t, const Line*>> lines;
    std::size_t capacity = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
      capacity = std::max(capacity, pages[p].size());
      for (const Line& line : pages[p])
        if (!Continued(line)) lines.push_back({p, &line});
    }
    EXPECT_LE(pages.size(), lines.size() + 1);
    const double printableRight = (layout.paperWidthMm - 10) * world.geometry.pixelsPerMmX;
    std::string record;  // the heading of the record still open
    std::set<std::string> headings;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const auto [page, line] = lines[i];
      SCOPED_TRACE("page " + std::to_string(page + 1) + ": " + line->front().text);
      const Line* next = i + 1 < lines.size() ? lines[i + 1].second : nullptr;
      const auto isNote = [&](const std::string& text) {
        return text.size() >= 4 && std::any_of(notes.begin(), notes.end(), [&](auto& note) {
                 return note.find(text) != std::string::npos;
               });
      };
      for (const test::DrawnText& text : *line) {
        if (layout.columnsFit || isNote(text.text)) {
          EXPECT_LE(text.x + EstimatedEms(text.text) * fontHeight, printableRight) << text;
        }
      }
      const std::string& first = line->front().text;
      const bool endsRecord = EndsRecord(first) || isNote(first);
      const std::size_t unit = HeadingUnit(*line, next);
      const bool lastOnPage = next == nullptr || lines[i + 1].first != page;
      if (lastOnPage && next != nullptr && unit != 0) {
        // The headings that end the page, each with what it heads, need this many lines.
        std::size_t run = i, need = 0;
        while (run > 0 && lines[run - 1].first == page &&
               HeadingUnit(*lines[run - 1].second, lines[run].second) != 0)
          --run;
        for (std::size_t j = run; j <= i; ++j)
          need = std::max(need, j - run + HeadingUnit(*lines[j].second, lines[j + 1].second));
        EXPECT_GT(need, capacity) << "the page ends on a heading";
      }
      const bool firstOnPage = i == 0 || lines[i - 1].first != page;
      if (firstOnPage && page > 0) {
        const Page& drawn = pages[page];
        const bool headed = Continued(drawn.front());
        if (headed) {
          EXPECT_EQ(drawn.front().front().text, record + "（続き）");
        }
        // A record going on is headed where a page holds the heading and a line, unless it
        // could hold what begins the page only without the heading.
        const std::size_t begins = std::max<std::size_t>(1, unit);
        const bool goesOn = !record.empty() && !endsRecord;
        EXPECT_EQ(headed, goesOn && capacity >= 2 && (begins + 1 <= capacity || begins > capacity));
      }
      if (BeginsRecord(first)) {
        EXPECT_TRUE(headings.insert(first).second) << "a heading repeated without its mark";
      }
      if (endsRecord) record = BeginsRecord(first) ? first : "";
    }
  }

  test::RenderWorld world;
};

TEST_F(TablePageRulesTest, HostileLayoutsKeepHeadingsWithTheirLinesAndTextOnThePaper) {
  const Layout layouts[] = {
      {"A4 portrait, 10 pt", 210, 297, 20, 10, true},
      {"A4 landscape, top margin 35, 12 pt", 297, 210, 35, 12, true},
      {"short paper, 12 pt", 210, 80, 20, 12, true},
      {"very short paper, 12 pt", 210, 60, 20, 12, true},
      {"A4 landscape, top margin 35, 60 pt", 297, 210, 35, 60, false},
      {"A4 portrait, 100 pt", 210, 297, 20, 100, false},
  };
  const Document documents[] = {
      {"embankment with the course listed",
       {RenderStripData, RenderStripResults},
       [](DocumentTables& t, SystemSettings& s) {
         ReadExample("embankment", t, s);
         ShowTrace(t, Problem::Strip, true);
       }},
      {"embankment without the course",
       {RenderStripResults},
       [](DocumentTables& t, SystemSettings& s) {
         ReadExample("embankment", t, s);
         ShowTrace(t, Problem::Strip, false);
       }},
      {"building with the course of four points listed",
       {RenderRectCircleResults},
       [](DocumentTables& t, SystemSettings& s) {
         ReadExample("building", t, s);
         ShowTrace(t, Problem::RectCircle, true);
         for (int row = 3; row <= kGridRows; ++row)
           t.gridPoints[row][point_col::kGridX] = t.gridPoints[row][point_col::kGridZ] = "";
         t.gridPoints[2][point_col::kGridY] = "";
       }},
      {"forty rectangles and forty circles",
       {RenderRectCircleData, RenderRectCircleResults},
       [](DocumentTables& t, SystemSettings& s) {
         ReadExample("building", t, s);
         for (int row = 1; row <= kRectRows; ++row) {
           const std::string x = std::to_string(row);
           const std::string rect[] = {"", x, x, "0", std::to_string(row + 1), "3", "100"};
           const std::string circle[] = {"", x, x, "10", "1", "50"};
           std::copy(std::begin(rect), std::end(rect), t.rectLoads[row]);
           std::copy(std::begin(circle), std::end(circle), t.circleLoads[row]);
         }
       }},
      {"every point left out",
       {RenderStripData, RenderStripResults, RenderRectCircleData, RenderRectCircleResults},
       [](DocumentTables& t, SystemSettings& s) {
         ReadExample("building", t, s);
         for (int row = 1; row <= kGridRows; ++row) {
           t.gridPoints[row][point_col::kGridX] = "bad" + std::to_string(row);
           t.gridPoints[row][point_col::kGridZ] = "-" + std::to_string(row);
         }
         for (int row = 1; row <= kStripPointRows; ++row) {
           t.stripPoints[row][point_col::kX] = "bad" + std::to_string(row);
           t.stripPoints[row][point_col::kZ] = "-" + std::to_string(row);
         }
       }},
  };
  for (const Document& document : documents) {
    for (const Layout& layout : layouts) {
      SCOPED_TRACE(std::string(document.name) + ", " + layout.name);
      world.tables = DocumentTables();
      document.make(world.tables, world.settings);
      std::vector<std::string> notes;
      for (bool lattice : {false, true})
        for (const std::string& note : PointNotes(FindExcludedPoints(world.tables, lattice)))
          notes.push_back(note);
      world.settings.marginTop = layout.marginTopMm;
      world.UsePaper(layout.paperWidthMm, layout.paperHeightMm);
      world.UseDevice(300, 300);
      world.view.printing = true;
      for (int slot : {kStripFont, kRectCircleFont})
        world.fonts[slot].size = layout.fontPoints;
      for (test::TableRenderer render : document.tables) {
        world.caches = RenderCaches();
        int fontHeight = 0;
        const std::vector<Page> drawn =
            WithinTwentySeconds([&] { return DrawnPages(render, fontHeight); });
        CheckRules(layout, drawn, fontHeight, notes);
      }
    }
  }
}

}  // namespace
}  // namespace qel
