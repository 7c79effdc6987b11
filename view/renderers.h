// The displays. Each renderer paints page `currentPage` of its display and returns the
// number of pages; the tables can also be called without a device, to count pages only.
#pragma once

namespace qel {

struct RenderContext;
class DeviceContext;

int RenderStripFigure(RenderContext& ctx, DeviceContext& dc);
int RenderRectCircleFigure(RenderContext& ctx, DeviceContext& dc);
// The figures as displays: drawn when `dc` is given and `draw` is set; otherwise their pages
// counted from the extent of what they show, which ctx.view.figureExtentX keeps for paging.
int StripFigureDisplay(RenderContext& ctx, DeviceContext* dc, bool draw);
int RectCircleFigureDisplay(RenderContext& ctx, DeviceContext* dc, bool draw);

// With `dc` null, `draw` is taken as false.
int RenderStripData(RenderContext& ctx, DeviceContext* dc, bool draw);
int RenderStripResults(RenderContext& ctx, DeviceContext* dc, bool draw);
int RenderRectCircleData(RenderContext& ctx, DeviceContext* dc, bool draw);
int RenderRectCircleResults(RenderContext& ctx, DeviceContext* dc, bool draw);
// dP against depth under the strip calculation x values, six curves to a page.
int RenderStripDepth(RenderContext& ctx, DeviceContext* dc, bool draw);
// The vertical section with its isobars on page 1, then the depth curves of the lattice columns
// along it, six to a page.
int RenderRectCircleSection(RenderContext& ctx, DeviceContext* dc, bool draw);

// The settlement of each problem's columns under the document's soil profile: the slice table
// of every column; the settlement along the section (strip) or its lines of equal settlement
// over the plan (lattice); the settlement of the columns against time, six to a graph.
int RenderStripSettlementTable(RenderContext& ctx, DeviceContext* dc, bool draw);
int RenderRectCircleSettlementTable(RenderContext& ctx, DeviceContext* dc, bool draw);
int RenderStripSettlementMap(RenderContext& ctx, DeviceContext* dc, bool draw);
int RenderRectCircleSettlementMap(RenderContext& ctx, DeviceContext* dc, bool draw);
int RenderStripSettlementTime(RenderContext& ctx, DeviceContext* dc, bool draw);
int RenderRectCircleSettlementTime(RenderContext& ctx, DeviceContext* dc, bool draw);
// The soil profile as entered: its conditions, layers and e-log p curves, each curve plotted.
int RenderStripSoilConditions(RenderContext& ctx, DeviceContext* dc, bool draw);
int RenderRectCircleSoilConditions(RenderContext& ctx, DeviceContext* dc, bool draw);

// The settlement plates: for each plate a page of its readings, fitted curves and the
// calculated curve of the problem's nearest column over the table of its fits, then pages of the
// straight-line plots its fits were made on, four to a page.
int RenderStripSettlementPlates(RenderContext& ctx, DeviceContext* dc, bool draw);
int RenderRectCircleSettlementPlates(RenderContext& ctx, DeviceContext* dc, bool draw);

}  // namespace qel
