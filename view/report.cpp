// The report: the pages of every display with content, and drawing a list of pages.
#include "view/report.h"

#include "document/circle_rows.h"
#include "document/lattice_points.h"
#include "document/rectangle_rows.h"
#include "document/strip_pieces.h"
#include "document/strip_points.h"
#include "view/page_furniture.h"

namespace qel {

namespace {

bool HasStripLoads(const DocumentTables& t) {
  return StripSetHasData(t, 1) || StripSetHasData(t, 2);
}

// Some x and some depth: the strip results list every combination of them.
bool HasStripPoints(const DocumentTables& t) {
  const StripPoints points(t);
  return !points.xs().empty() && !points.depths().empty();
}

bool HasRectCircleLoads(const DocumentTables& t) {
  return CountRectRows(t) > 0 || CountCircleRows(t) > 0;
}

bool HasLattice(const DocumentTables& t) {
  const LatticePoints lattice(t);
  return !lattice.xs().empty() && !lattice.ys().empty() && !lattice.depths().empty();
}

}  // namespace

bool DisplayHasContent(const DocumentTables& tables, DisplayMode display) {
  switch (display) {
    case DisplayMode::StripFigure:
      return HasStripLoads(tables) || HasStripPoints(tables);
    case DisplayMode::StripData:
      return HasStripLoads(tables);
    case DisplayMode::StripResults:
      return HasStripPoints(tables);
    case DisplayMode::RectCircleFigure:
      return HasRectCircleLoads(tables) || HasLattice(tables);
    case DisplayMode::RectCircleData:
      return HasRectCircleLoads(tables);
    case DisplayMode::RectCircleResults:
      return HasLattice(tables);
    // The depth graphs draw a curve under each calculation x or lattice column.
    case DisplayMode::StripDepth:
      return HasStripPoints(tables);
    case DisplayMode::RectCircleSection:
      return HasLattice(tables);
  }
  return false;
}

std::vector<ReportPage> ReportPages(ViewController& controller, int dpiX, int dpiY,
                                    ReportNumbering numbering) {
  std::vector<ReportPage> pages;
  for (const DisplayMode display : kReportOrder) {
    if (!DisplayHasContent(controller.state().document.cells(), display)) continue;
    const int count = controller.CountPrintedPages(display, dpiX, dpiY);
    for (int page = 1; page <= count; ++page)
      pages.push_back({display, page, 0});
  }
  if (numbering == ReportNumbering::Continuous && !pages.empty()) {
    long next = StartPageNumber(controller.state().document.cells(), pages.front().display);
    for (ReportPage& page : pages)
      page.number = next++;
  }
  return pages;
}

std::vector<ReportPage> ShownDisplayPages(ViewController& controller, int first, int last) {
  std::vector<ReportPage> pages;
  const DisplayMode display = controller.state().view.displayMode;
  for (int page = first; page <= last; ++page)
    pages.push_back({display, page});
  return pages;
}

bool DrawPages(ViewController& controller, const std::vector<ReportPage>& pages,
               const std::function<DeviceContext*()>& nextPage) {
  for (const ReportPage& page : pages) {
    DeviceContext* dc = nextPage();
    if (dc == nullptr) return false;
    controller.PrintPage(*dc, page.display, page.page, page.number);
  }
  return true;
}

}  // namespace qel
