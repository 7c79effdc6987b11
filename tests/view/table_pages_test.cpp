// Every page of the tables reads alone: the headings of what a page continues stand at its top,
// and a block of lines that fits on a page is never split.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "document/data_file.h"
#include "support/cells_edit.h"
#include "support/render_world.h"
#include "support/worst_document.h"
#include "view/application_state.h"
#include "view/renderers.h"
#include "view/table_texts.h"

namespace qel {
namespace {

using test::DrawnText;

bool StartsWith(const std::string& text, const char* start) {
  return text.rfind(start, 0) == 0;
}

class TablePagesTest : public ::testing::Test {
 protected:
  TablePagesTest() { world.UseDevice(600, 600); }
  // The documents: both examples and the largest the program takes.
  void ForEachDocument(const std::function<void(const char*)>& check) {
    for (const char* name : {"embankment", "building"}) {
      world.tables = DocumentTables();
      world.caches = RenderCaches();
      ReadDataFile(std::string(QEL_SOURCE_DIR) + "/examples/" + name + ".qdw", world.tables);
      check(name);
    }
    auto largest = std::make_unique<ApplicationState>();
    FillWorstDocument(*largest, false);
    world.tables = largest->document.cells();
    world.caches = RenderCaches();
    check("largest");
  }
  test::RenderWorld world;
};

TEST_F(TablePagesTest, EveryPageOfTheLatticeResultsBeginsWithTheColumnHeadings) {
  ForEachDocument([&](const char* name) {
    const auto pages = test::AllPages(world, RenderRectCircleResults);
    for (std::size_t page = 0; page < pages.size(); ++page) {
      bool listsPoints = false, headed = false;
      for (const DrawnText& text : pages[page]) {
        if (text.text == "計算点") headed = true;
        if (StartsWith(text.text, "P") && !headed) {
          ADD_FAILURE() << name << " page " << page + 1 << " lists a point above the headings";
        }
        listsPoints = listsPoints || StartsWith(text.text, "P");
      }
      EXPECT_TRUE(headed || !listsPoints) << name << " page " << page + 1;
    }
  });
}

TEST_F(TablePagesTest, StripResultPagesNeverBeginWithADpLineAndRepeatTheirDepth) {
  ForEachDocument([&](const char* name) {
    const auto pages = test::AllPages(world, RenderStripResults);
    for (std::size_t page = 0; page < pages.size(); ++page) {
      const std::vector<DrawnText>& texts = pages[page];
      if (texts.empty()) continue;
      EXPECT_FALSE(StartsWith(texts.front().text, "  dP")) << name << " page " << page + 1;
      if (StartsWith(texts.front().text, "  X m")) {
        ADD_FAILURE() << name << " page " << page + 1 << " continues a depth without its z";
      }
    }
  });
}

}  // namespace
}  // namespace qel
