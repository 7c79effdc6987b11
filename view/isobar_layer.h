// The isobars drawn as a layer of the strip figure (the cross-section of the page window) and of
// the rectangle/circle figure (the plan of the page window at the plan depth), with their values.
#pragma once

#include <optional>

#include "view/figure_notes.h"
#include "view/figure_pages.h"
#include "view/isobars.h"
#include "view/render_context.h"

namespace qel {

// The depth the plan isobars are traced at: the one the document sets, else the first lattice
// depth below the surface (at the surface every line would be a load's outline); none without
// either.
std::optional<double> PlanIsobarDepth(const DocumentTables& tables);

// The trace the page window asks for: the strip section from the surface (or the window's top,
// when that is below it) to the window's bottom, or the plan over the window at PlanIsobarDepth;
// none when the figure's isobars are off or the window holds no ground to trace.
std::optional<IsobarRequest> StripIsobarRequest(const RenderContext& ctx,
                                                const FigureWindow& window);
std::optional<IsobarRequest> PlanIsobarRequest(const RenderContext& ctx,
                                               const FigureWindow& window);

// Draws the lines of the request, traced or taken from the render caches, each labelled with its
// level where it is long enough to carry the label (the line is broken under its label), and a
// caption with the unit (and the plan's depth) at the top-left of the page window.
// Returns the labels placed, so that the figure's notes keep clear of them.
std::vector<PlacedNote> DrawIsobarLayer(DeviceContext& dc, RenderContext& ctx,
                                        const IsobarRequest& request, const FigureWindow& window);

}  // namespace qel
