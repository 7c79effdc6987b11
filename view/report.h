// The report: every display with something to show, problem by problem, page after page, laid out
// as a device of a given resolution prints them. The desktop's PDF report and printing of all
// displays and qel-cli report all walk it.
#pragma once

#include <functional>
#include <vector>

#include "view/view_controller.h"

namespace qel {

// One page of one display.
struct ReportPage {
  DisplayMode display = DisplayMode::StripFigure;
  int page = 1;
  // The number the page shows, when the pages of several displays run in one sequence; 0: the
  // display's own numbering.
  long number = 0;

  bool operator==(const ReportPage&) const = default;
};

// Whether a display has something to show: the content test of its row.
bool DisplayHasContent(const Document& document, DisplayMode display);

// How the pages of several displays are numbered.
enum class ReportNumbering {
  Continuous,      // one sequence from the start page of the first page's display
  EachDisplayOwn,  // each display from its own start page
};

// The pages of every display with content, displays in the order of kDisplays, each display's pages
// as a device of this resolution prints them. Empty when no display has content.
std::vector<ReportPage> ReportPages(ViewController& controller, int dpiX, int dpiY,
                                    ReportNumbering numbering = ReportNumbering::Continuous);

// Pages `first` to `last` of the display shown.
std::vector<ReportPage> ShownDisplayPages(ViewController& controller, int first, int last);

// Works out, before any is drawn, what drawing `pages` on a device of this resolution will
// need (results, settlement, table lines, isobars), so that DrawPages then computes nothing:
// the caches keep room for every page's isobars until the next preparation.
void PreparePages(ViewController& controller, const std::vector<ReportPage>& pages, int dpiX,
                  int dpiY);

// Draws `pages` in order, each on the device `nextPage` hands out for it (nullptr when the
// device cannot take another page). True when every page was drawn.
bool DrawPages(ViewController& controller, const std::vector<ReportPage>& pages,
               const std::function<DeviceContext*()>& nextPage);

}  // namespace qel
