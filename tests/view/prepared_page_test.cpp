// The page shown is worked out before it is painted: its paint then computes no results and
// traces no isobars, and draws what a paint alone draws.
#include <gtest/gtest.h>

#include "support/cells_edit.h"
#include "support/computation_count.h"
#include "support/example_view.h"
#include "test_support/recording_device_context.h"
#include "view/render_caches.h"

namespace qel {
namespace {

class PreparedPageTest : public test::ExampleView {};

TEST_F(PreparedPageTest, APreparedPagePaintsFromWhatWasWorkedOut) {
  struct Case {
    const char* file;
    int display;
  };
  const Case cases[] = {{"embankment.qdw", 1},
                        {"embankment.qdw", 3},
                        {"building.qdw", 4},
                        {"building.qdw", 6},
                        {"building.qdw", 8}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.display);
    const DisplayRow& row = DisplayRowOf(*DisplayModeFromNumber(c.display));
    auto show = [&] {
      Open(c.file);
      {
        test::CellsEdit cells(state.document);
        cells->figures.stripIsobars.shown = true;
        cells->figures.planIsobars.shown = true;
      }
      controller.ShowDisplay(row.mode);
    };
    show();
    computations.CountIn(state.caches);
    const test::ComputationCount prepared(computations);
    controller.PrepareShownPage(96, 96);
    EXPECT_EQ(prepared.isobars() > 0,
              row.kind == DisplayKind::Figure || row.kind == DisplayKind::Depth);
    const test::ComputationCount painting(computations);
    RecordingDeviceContext painted(96, 96);
    controller.OnDraw(painted);
    EXPECT_EQ(painting.isobars() + painting.strip() + painting.lattice(), 0);

    // A paint of its own, without the page worked out before, draws the same.
    state.caches = RenderCaches();
    RecordingDeviceContext alone(96, 96);
    controller.OnDraw(alone);
    EXPECT_EQ(painted.Log(), alone.Log());
  }
}

}  // namespace
}  // namespace qel
