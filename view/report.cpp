// The report: the pages of every display with content, and drawing a list of pages.
#include "view/report.h"

#include "view/page_furniture.h"

namespace qel {

bool DisplayHasContent(const Document& document, DisplayMode display) {
  return DisplayRowOf(display).hasContent(document);
}

std::vector<ReportPage> ReportPages(ViewController& controller, int dpiX, int dpiY,
                                    ReportNumbering numbering) {
  std::vector<ReportPage> pages;
  for (const DisplayRow& row : kDisplays) {
    if (!row.hasContent(controller.state().document)) continue;
    const int count = controller.CountPrintedPages(row.mode, dpiX, dpiY);
    for (int page = 1; page <= count; ++page)
      pages.push_back({row.mode, page, 0});
  }
  if (numbering == ReportNumbering::Continuous && !pages.empty()) {
    long next = StartPageNumber(controller.state().document, pages.front().display);
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

void PreparePages(ViewController& controller, const std::vector<ReportPage>& pages, int dpiX,
                  int dpiY) {
  controller.state().caches.isobars.KeepForPages(pages.size());
  for (const ReportPage& page : pages)
    controller.PreparePrintedPage(page.display, page.page, dpiX, dpiY, page.number);
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
