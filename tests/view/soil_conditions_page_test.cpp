// The pages of the soil profile as entered: the largest profile breaks over pages with its
// headings, every name readable and every curve with its plot.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/cells_edit.h"
#include "support/example_view.h"
#include "support/worst_soil_profile.h"
#include "view/display_table.h"
#include "view/render_caches.h"
#include "view/text_wrap.h"

namespace qel {
namespace {

class SoilConditionsPageTest : public test::ExampleView {};

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// 50 layers of 20-character names and 20 curves of 30 points: no text is cut or runs over the
// next, every page of layers begins with their headings, every curve stays on one page with its
// plot beside it.
TEST_F(SoilConditionsPageTest, TheLargestProfileBreaksOverPagesReadably) {
  Open("embankment.qdw");
  test::Edit(state)->soilLines = WorstSoilProfileLines();
  ASSERT_TRUE(state.document.soil(1).profile);
  const DisplayMode display = DisplayMode::StripSoilConditions;
  const int pages = controller.CountPrintedPages(display, 300, 300);
  ASSERT_GE(pages, 3);

  const TableContent& content = state.caches.stripSoil.content;
  const TableTextMeasure& measure = content.textMeasure();
  ASSERT_GT(measure.emWidth, 0);
  std::vector<std::vector<std::pair<double, std::string>>> lines(content.LineCount());
  content.ForEachText(0, content.LineCount(), [&](std::size_t line, double x, std::string_view t) {
    lines[line].emplace_back(x, std::string(t));
  });
  for (const auto& line : lines)
    for (std::size_t i = 0; i < line.size(); ++i) {
      const auto& [x, text] = line[i];
      SCOPED_TRACE(text);
      EXPECT_FALSE(Has(text, kCutMark));
      const double end = x + EstimatedEms(text, kNominalHalfWidthEms) * measure.emWidth;
      EXPECT_LE(end, measure.rightEdge + 1e-9);
      if (i + 1 < line.size()) {
        EXPECT_LE(end, line[i + 1].first + 1e-9);
      }
    }

  int curveTitles = 0;
  for (int page = 1; page <= pages; ++page) {
    SCOPED_TRACE(page);
    const std::vector<std::string> texts = PrintedTexts(display, page, 300);
    const auto name = std::find_if(texts.begin(), texts.end(),
                                   [](const std::string& t) { return Has(t, "沖積粘性"); });
    const auto heading = std::find(texts.begin(), texts.end(), "γsat");
    if (name != texts.end()) {
      EXPECT_LT(heading, name);
    }
    int titles = 0, plots = 0;
    for (const std::string& text : texts) {
      titles += text.rfind("e-log p 曲線 ", 0) == 0;
      plots += text == "p (kN/㎡)";
      EXPECT_FALSE(Has(text, "e-log p 曲線") && Has(text, kContinuedMark)) << text;
    }
    EXPECT_EQ(titles, plots);
    curveTitles += titles;
  }
  EXPECT_EQ(curveTitles, 20);
}

}  // namespace
}  // namespace qel
