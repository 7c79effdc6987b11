// The isobars drawn as a layer of the strip figure (the cross-section of the page window) and of
// the rectangle/circle figure (the plan of the page window at the plan depth), with their values.
#pragma once

#include <optional>
#include <string>

#include "analysis/isobars.h"
#include "view/figure_notes.h"
#include "view/figure_obstacles.h"
#include "view/figure_pages.h"
#include "view/render_context.h"

namespace qel {

// The depth the plan isobars are traced at: the one the document sets, else the first lattice
// depth below the surface (at the surface every line would be a load's outline); none without
// either.
std::optional<double> PlanIsobarDepth(const PlanProblem& plan);

// The trace the page window asks for: the strip section from the surface (or the window's top,
// when that is below it) to the window's bottom, or the plan over the window at PlanIsobarDepth;
// none when the figure's isobars are off or the window holds no ground to trace.
std::optional<IsobarRequest> StripIsobarRequest(const RenderContext& ctx,
                                                const FigureWindow& window);
std::optional<IsobarRequest> PlanIsobarRequest(const RenderContext& ctx,
                                               const FigureWindow& window);

// The vertical section of the rectangle/circle problem along y = `at` (`atY`) or x = `at` over
// its default window, at the plan isobars' levels.
IsobarRequest SectionIsobarRequest(const RenderContext& ctx, bool atY, double at);

// The caption of the layer ("等圧線 dP kN/㎡", with the plan's depth; on a page without a line,
// "等圧線: 指定の値は範囲外 (dP 0.000〜96.648)") at the top-left of the page window, with a row
// saying that only the first levels are drawn when the figure holds more than kMostIsobarLevels
// and one saying that circles come from the compatible method when they do, and the fill's
// legend under it when the request fills, as DrawIsobarLayer without marks draws them: the
// notes keep clear of the box.
PlacedNote IsobarCaption(const RenderContext& ctx, const IsobarRequest& request,
                         const FigureWindow& window);
// The caption's rows alone, for the figures (whose legend goes where the page has room): at the
// top-left of the page window, or where `marks` (the point marks and load outlines) leave room
// for it nearest there.
PlacedNote PlaceIsobarCaption(const RenderContext& ctx, const IsobarRequest& request,
                              const FigureWindow& window, const FigureObstacles& marks);

// The row a caption adds when none of its levels falls within the values dP takes over its
// window, from `low` to `high`: "等圧線: 指定の値は範囲外 (dP 0.000〜96.648)", the values with
// `stressDigits` decimals as the results tables print them.
std::string IsobarsOutOfRangeText(double low, double high, int stressDigits);

// Fills the areas beyond each level of the request when it asks for them, the larger levels
// over the smaller, in colours from pale to strong. Drawn first, under the figure's lines.
void DrawIsobarFill(DeviceContext& dc, RenderContext& ctx, const IsobarRequest& request);

// Draws the lines of the request, traced or taken from the render caches, each level labelled
// on a ground of paper colour along its lines where the label keeps clear of `notes`, the
// caption and the labels before it (every level with a line on the page at least once), and
// then the caption with the fill's legend under it, at the top-left of `window`.
void DrawIsobarLayer(DeviceContext& dc, RenderContext& ctx, const IsobarRequest& request,
                     const FigureWindow& window, const std::vector<PlacedNote>& notes);
// The same for a figure, with the caption PlaceIsobarCaption placed: the labels keep clear of
// `marks` (the point marks and load outlines) too, and the legend, listing only the classes of
// dP the page shows, goes to a corner of the window clear of lines, marks and texts.
void DrawIsobarLayer(DeviceContext& dc, RenderContext& ctx, const IsobarRequest& request,
                     const FigureWindow& window, const PlacedNote& caption,
                     const std::vector<PlacedNote>& notes, const FigureObstacles& marks);

}  // namespace qel
