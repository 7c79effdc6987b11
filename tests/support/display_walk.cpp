// Showing every display of a document on a recording device, with the work it took.
#include "support/display_walk.h"

#include <algorithm>
#include <string>

#include "test_support/recording_device_context.h"
#include "view/view_controller.h"

namespace qel::test {

namespace {

std::size_t Characters(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

// Adds what one drawn page asked of the device to `work`.
void Measure(const RecordingDeviceContext& dc, DisplayWork& work) {
  work.mostCalls = std::max(work.mostCalls, dc.lines().size());
  work.farthest = std::max(work.farthest, dc.FarthestCoordinate());
  for (const std::string& text : dc.Texts())
    work.longestText = std::max(work.longestText, Characters(text));
  for (const std::string& line : dc.Lines("font")) {
    // "font <height> <escapement> <underline> <face>"
    std::size_t at = 0;
    for (int field = 0; field < 4 && at != std::string::npos; ++field)
      at = line.find(' ', at + 1);
    if (at != std::string::npos)
      work.longestFace = std::max(work.longestFace, line.size() - at - 1);
  }
}

}  // namespace

std::vector<DisplayWork> ShowEveryDisplay(ApplicationState& state, const PrinterPage& paper) {
  FixedPrinterInfo printer(paper);
  ViewController controller(state, printer);
  controller.OnUpdate();
  std::vector<DisplayWork> shown;
  for (const DisplayRow& row : kDisplays) {
    DisplayWork work;
    work.mode = row.mode;
    state.view.displayMode = work.mode;
    state.view.currentPage = 1;
    work.pages = controller.CountPrintedPages(paper.dpiX, paper.dpiY);
    for (int page : {1, work.pages}) {
      RecordingDeviceContext dc(paper.dpiX, paper.dpiY);
      controller.PrintPage(dc, page);
      Measure(dc, work);
    }
    RecordingDeviceContext screen(96, 96);
    controller.OnDraw(screen);
    Measure(screen, work);
    shown.push_back(work);
  }
  return shown;
}

}  // namespace qel::test
