// The page shown is worked out before it is painted: its paint then computes no results and
// traces no isobars, and draws what a paint alone draws.
#include <gtest/gtest.h>

#include <functional>
#include <string>

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

// A refresh that changes nothing the page shows prepares nothing; each change of it prepares
// once. A title edit prepares (the page shows the title) but computes nothing.
TEST_F(PreparedPageTest, APageIsPreparedAgainOnlyWhenWhatItShowsChanged) {
  Open("building.qdw");
  controller.ShowDisplay(DisplayMode::RectCircleResults);
  int dpi = 96;
  struct Case {
    const char* change;
    std::function<void()> make;
  };
  const Case cases[] = {
      {"nothing", [] {}},
      {"the page", [&] { state.view.currentPage = 2; }},
      {"the zoom", [&] { ZoomOf(state.view, state.view.displayMode).factor = 1.5; }},
      {"the resolution", [&] { dpi = 120; }},
      {"the circle method", [&] { state.circleMethod = CircleMethod::kCompatible; }},
      {"the title", [&] {
         state.document.Change("title", [](DocumentTables& cells) {
           cells.settingLines[setting_line::kResultTitle] = "t";
         });
       }}};
  EXPECT_TRUE(controller.PrepareShownPage(dpi, dpi));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.change);
    c.make();
    const test::ComputationCount computed(computations);
    EXPECT_EQ(controller.PrepareShownPage(dpi, dpi), std::string(c.change) != "nothing");
    EXPECT_FALSE(controller.PrepareShownPage(dpi, dpi));
    if (std::string(c.change) == "the title") {
      EXPECT_EQ(computed.strip() + computed.lattice(), 0);
    }
  }
}

// An edit of the titles alone recomputes nothing for any display: no results, no isobars and no
// settlement, though the page is prepared again to show them.
TEST_F(PreparedPageTest, ATitleEditComputesNothingForAnyDisplay) {
  using D = DisplayMode;
  struct Case {
    const char* file;
    D display;
  };
  const char* const strip = "embankment.qdw";
  const char* const plan = "building.qdw";
  const Case cases[] = {{strip, D::StripFigure},
                        {strip, D::StripResults},
                        {strip, D::StripDepth},
                        {plan, D::RectCircleFigure},
                        {plan, D::RectCircleResults},
                        {plan, D::RectCircleSection},
                        {strip, D::StripSettlementTable},
                        {strip, D::StripSettlementMap},
                        {plan, D::RectCircleSettlementMap},
                        {plan, D::RectCircleSettlementTime}};
  for (const auto& [file, display] : cases) {
    SCOPED_TRACE(DisplayNumber(display));
    Open(file);
    {
      test::CellsEdit cells(state.document);
      cells->figures.stripIsobars.shown = true;
      cells->figures.planIsobars.shown = true;
    }
    controller.ShowDisplay(display);
    const test::ComputationCount first(computations);
    controller.PrepareShownPage(96, 96);
    ASSERT_GT(first.strip() + first.lattice() + first.isobars() + first.settlements(), 0);
    const test::ComputationCount computed(computations);
    state.document.Change("title", [](DocumentTables& cells) {
      for (const int line :
           {setting_line::kFigureTitle, setting_line::kDataTitle, setting_line::kResultTitle})
        cells.settingLines[line] = "t";
    });
    EXPECT_TRUE(controller.PrepareShownPage(96, 96));
    EXPECT_EQ(computed.strip() + computed.lattice() + computed.isobars() + computed.settlements(),
              0);
  }
}

}  // namespace
}  // namespace qel
