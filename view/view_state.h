// What the single view shows and the geometry of the device it draws on.
#pragma once

#include <array>
#include <optional>

#include "document/document_tables.h"
#include "view/display_table.h"
#include "view/zoom.h"

namespace qel {

// The line step each table last used on screen, so that printing can match the screen's page
// breaks when the two line heights are within 3 %.
struct RememberedLineSteps {
  double stripData = 0.0;
  double stripResults = 0.0;
  double rectCircleData = 0.0;
  double rectCircleResults = 0.0;
  double stripSettlement = 0.0;
  double rectCircleSettlement = 0.0;
  double stripSoil = 0.0, rectCircleSoil = 0.0;
};

struct ViewState {
  DisplayMode displayMode = DisplayMode::StripFigure;
  int currentPage = 1;         // 1-based page shown on screen or being printed
  bool printing = false;       // true only while a page is drawn for the printer
  double screenLeftX = 0.0;    // world x at the left edge of the figure page on screen
  int screenRow = 0;           // row of the figure page on screen, when a page is cut in rows
  double figureExtentX = 0.0;  // right-most world x of the current figure, from CountPages
  // The number a printed page shows in place of its display's own (start page + page - 1),
  // while the pages of several displays are numbered in one sequence; 0 for its own.
  long printedPageNumber = 0;
  RememberedLineSteps screenLineSteps;
  // The zoom of each display on screen, [DisplayIndex]; paper is never zoomed.
  std::array<DisplayZoom, kDisplayRows> zoom{};
};

// The zoom of a display on screen.
DisplayZoom& ZoomOf(ViewState& view, DisplayMode mode);
const DisplayZoom& ZoomOf(const ViewState& view, DisplayMode mode);

// The printer's page and the resolution of the device being drawn on.
struct DeviceGeometry {
  int paperWidthMm = 280;
  int paperHeightMm = 280;
  int dpiX = 96;
  int dpiY = 96;
  // The resolution the lines of the tables are spaced for: the device's own on paper, the
  // screen's at 100 % when it paints zoomed, so that a zoom never moves a page break.
  int layoutDpiY = 96;
  double pixelsPerMmX = 96 * 0.03937007874015748;
  double pixelsPerMmY = 96 * 0.03937007874015748;
};

}  // namespace qel
