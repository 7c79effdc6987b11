// The notes of the two figures on the examples: present, apart, and gone when turned off.
#include "view/figure_notes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "document/data_file.h"
#include "document/load_lists.h"
#include "support/cells_edit.h"
#include "support/example_view.h"
#include "support/render_world.h"
#include "test_support/recording_device_context.h"

namespace qel {
namespace {

const std::string kExamples = std::string(QEL_SOURCE_DIR) + "/examples/";

class FigureNotesTest : public test::ExampleView {
 protected:
  // The texts of printed page 1 of `display`.
  std::vector<std::string> PrintedTexts(DisplayMode display) {
    controller.ShowDisplay(display);
    return ExampleView::PrintedTexts(state.view.displayMode, 1, 600);
  }
};

bool Has(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// Every load's intensity, the scale and the calculation values are on page 1 of both examples,
// no two notes meet, and "注記" off draws the figure with its title alone.
TEST_F(FigureNotesTest, NotesReadAloneDoNotMeetAndCanBeTurnedOff) {
  struct Case {
    const char* file;
    DisplayMode display;
    bool strip;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"embankment.qdw",
       DisplayMode::StripFigure,
       true,
       {"縮尺 横 1/200　縦 1/200", "q=95 kN/㎡", "q=10 kN/㎡", "z=7.5", "4.5", "25.5"}},
      {"building.qdw",
       DisplayMode::RectCircleFigure,
       false,
       {"縮尺 横 1/300　縦 1/300", "長方形 No.1 q=250 kN/㎡", "長方形 No.4 q=120 kN/㎡",
        "円形 No.1 q=95 kN/㎡", "y=1.5", "z = 0 1 2 4 6 10 15 m"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    Open(c.file);
    const std::vector<std::string> texts = PrintedTexts(c.display);
    for (const std::string& text : c.expected)
      EXPECT_TRUE(Has(texts, text)) << text;

    // The notes of a window over the whole content, laid out at 1/200 on a 254 dpi device.
    test::RenderWorld world;
    world.UseDevice(254, 254);
    ReadDataFile(kExamples + c.file, world.tables);
    world.transform.pixelsPerMetreX = world.transform.pixelsPerMetreY =
        5.0 * world.geometry.pixelsPerMmX;
    const FigureWindow window{-10.0, 60.0, 25.0, -30.0};
    const std::vector<PlacedNote> notes = c.strip ? StripFigureNotes(world.Ctx(), window, 40)
                                                  : PlanFigureNotes(world.Ctx(), window, 40);
    ASSERT_GT(notes.size(), 10u);
    for (std::size_t i = 0; i < notes.size(); ++i)
      for (std::size_t j = i + 1; j < notes.size(); ++j) {
        const PlacedNote &a = notes[i], &b = notes[j];
        EXPECT_FALSE(a.left <= b.right && b.left <= a.right && a.top <= b.bottom &&
                     b.top <= a.bottom)
            << a.text << " meets " << b.text;
      }

    // A rectangle's note stands inside it or clear of it, never across its outline.
    for (const RectLoad& r : ExtractPlanLoads(world.tables).rectangles) {
      const WorldTransform& t = world.transform;
      const int left = ToDeviceX(t, std::min(r.x1, r.x2)),
                right = ToDeviceX(t, std::max(r.x1, r.x2));
      const int top = ToDeviceY(t, std::max(r.y1, r.y2)),
                bottom = ToDeviceY(t, std::min(r.y1, r.y2));
      for (const PlacedNote& note : notes) {
        if (note.text.rfind("長方形 No.", 0) != 0) continue;
        const bool inside =
            note.left >= left && note.right <= right && note.top >= top && note.bottom <= bottom;
        const bool clear =
            note.right < left || note.left > right || note.bottom < top || note.top > bottom;
        EXPECT_TRUE(inside || clear) << note.text;
      }
    }

    (c.strip ? test::Edit(state)->figures.stripNotes : test::Edit(state)->figures.rectNotes) =
        false;
    test::Edit(state)->soilLines.clear();  // the soil column names its layers whatever the notes
    EXPECT_EQ(PrintedTexts(c.display).size(), 2u);  // the title and the page number
  }
}

// Notes keep clear of what is already on the page (the isobar caption): a note whose place is
// taken is left out, and the others stay.
TEST(FigureNotes, KeepClearOfTheIsobarCaption) {
  test::RenderWorld world;
  world.UseDevice(254, 254);
  ReadDataFile(kExamples + "embankment.qdw", world.tables);
  world.transform.pixelsPerMetreX = world.transform.pixelsPerMetreY =
      5.0 * world.geometry.pixelsPerMmX;
  const FigureWindow window{-10.0, 60.0, 25.0, -30.0};
  const std::vector<PlacedNote> free = StripFigureNotes(world.Ctx(), window, 40);
  ASSERT_FALSE(free.empty());
  const PlacedNote taken = free.front();
  const std::vector<PlacedNote> around = StripFigureNotes(world.Ctx(), window, 40, {taken});
  EXPECT_EQ(around.size(), free.size() - 1);
  for (const PlacedNote& note : around)
    EXPECT_NE(note.text, taken.text);
}

// The values along an edge: multiples of the step from the low end, never more than the edge
// has room for, ending where the step no longer moves them, none for numbers that are not finite.
TEST(FigureNotes, EdgeValuesAreBoundedWhateverTheNumbers) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* what;
    double low, high, step;
    std::size_t most;
    std::size_t count;
    double first, last, apart;  // the first and last value and the distance between two
  };
  const Case cases[] = {
      {"whole steps", -10, 22, 10, 100, 4, -10, 20, 10},
      {"the low end rounded up", 0.5, 3, 1, 100, 3, 1, 3, 1},
      {"a step the value no longer moves by", 1e17, 1e17 + 40, 5, 100, 1, 1e17, 1e17, 0},
      {"4e8 values on 700 units", 0, 4e8, 1, 701, 401, 0, 4e8, 1e6},
      {"58 values on one unit", 0, 57, 1, 1, 1, 0, 0, 0},
      {"an infinite window", inf, inf, 1, 100, 0, 0, 0, 0},
      {"a window that is not a number", nan, 5, 1, 100, 0, 0, 0, 0},
      {"a zero step", 0, 10, 0, 100, 0, 0, 0, 0},
      {"the smallest double as step", -1e300, 1e300, 5e-324, 100, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<double> values = EdgeValues(c.low, c.high, c.step, c.most);
    ASSERT_EQ(values.size(), c.count);
    if (c.count == 0) continue;
    EXPECT_EQ(values.front(), c.first);
    EXPECT_EQ(values.back(), c.last);
    if (c.count > 1) {
      EXPECT_EQ(values[1] - values[0], c.apart);
    }
  }
}

}  // namespace
}  // namespace qel
