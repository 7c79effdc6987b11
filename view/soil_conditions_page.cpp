// The soil profile as entered, page by page: the conditions, the layer table with its headings
// and units on every page it goes on to, and each e-log p curve's points with a small plot of
// the curve beside them.
#include <algorithm>
#include <array>
#include <utility>

#include "analysis/soil_conditions_model.h"
#include "document/document.h"
#include "view/render_caches.h"
#include "view/renderers.h"
#include "view/soil_conditions_plot.h"
#include "view/table_layout.h"
#include "view/table_sections.h"
#include "view/text_wrap.h"

namespace qel {

namespace {

// Where each column's cells begin, in millimetres from the left margin, by SoilTableColumn.
constexpr std::array<int, kSoilTableColumns> kCellMm = {
    1, 74, 90,                                                                 // conditions
    1, 7,  33, 43, 53, 63, 73, 83, 91, 99, 107, 118, 131, 143, 150, 160, 169,  // layers
    1, 8,  24};                                                                // curve points
constexpr int kLabelMm = 1;
// Where the room of a wrapped cell ends: the next column's start.
constexpr int kNameEndMm = kCellMm[kSoilLayerTop];
// The lines a curve's block takes at least, so that its plot has room beside its points: the
// title, the headings and units, the plot, its values and caption under it.
constexpr std::size_t kCurveBlockLines = 18;
// A curve of more points than a block's plot lines lists them in two groups side by side, the
// second this many millimetres right of the first.
constexpr std::size_t kPointsInOneGroup = 15;
constexpr int kSecondGroupMm = 36;
// The plot's frame: from this many millimetres from the left margin to this many short of the
// printable width's end, and between the lines of its block.
constexpr int kPlotLeftMm = 82;
constexpr int kPlotRightGapMm = 10;
constexpr std::size_t kPlotFirstLine = 3;   // after the title, headings and units
constexpr std::size_t kPlotLinesBelow = 3;  // the decade values and the caption

// `text` in lines of at most the room from table x `x` to `end`, as the measure reads them.
std::vector<std::string> CellLines(const TableContent& content, const std::string& text, double x,
                                   double end) {
  const double em = content.textMeasure().emWidth;
  if (!(em > 0)) return {text};
  return WrapText(text, (end - x) / em - kNominalHalfWidthEms);
}

// One row: its cells at their columns; a cell of words too wide for its room (a layer's name,
// a long list of times) goes on in its column on the lines after, which stay with the row.
void AddRow(TableContent& content, const TableSection& section,
            const std::vector<std::string>& cells) {
  content.NextLine();
  const std::size_t first = content.LineCount() - 1;
  std::vector<std::string> rest;
  double restX = 0;
  for (std::size_t i = 0; i < cells.size() && i < section.columns.size(); ++i) {
    const std::size_t column = section.columns[i];
    const double x = TableColumn(kCellMm[column]);
    std::vector<std::string> lines{cells[i]};
    if (column == kSoilLayerName)
      lines = CellLines(content, cells[i], x, TableColumn(kNameEndMm));
    else if (column == kSoilItemValue)
      lines = CellLines(content, cells[i], x, content.textMeasure().rightEdge);
    if (lines.empty() || lines.front().empty()) continue;
    content.AddText(x, lines.front());
    if (lines.size() > 1) rest.assign(lines.begin() + 1, lines.end()), restX = x;
  }
  for (const std::string& line : rest) {
    content.NextLine();
    content.AddText(restX, line);
  }
  if (!rest.empty()) content.KeepTogether(first);
}

// The title, then the headings and the units of the section's columns, twice side by side for
// points in two groups: they begin every page the section goes on to.
void AddHeading(TableContent& content, const TableModel& table, const TableSection& section,
                bool twoGroups) {
  content.NextLine();
  content.BeginHeading(HeadingMark::Continued);
  content.NextLine();
  content.AddText(TableColumn(kLabelMm), section.title);
  std::vector<std::string> headings, units;
  for (const std::size_t column : section.columns) {
    headings.push_back(table.columns[column].text);
    units.push_back(table.columns[column].unit);
  }
  const auto addLine = [&](const std::vector<std::string>& texts) {
    content.NextLine();
    for (const int offsetMm : {0, kSecondGroupMm}) {
      if (offsetMm != 0 && !twoGroups) break;
      for (std::size_t i = 0; i < texts.size(); ++i)
        if (!texts[i].empty())
          content.AddText(TableColumn(kCellMm[section.columns[i]] + offsetMm), texts[i]);
    }
  };
  addLine(headings);
  if (std::any_of(units.begin(), units.end(), [](const std::string& u) { return !u.empty(); }))
    addLine(units);
  content.EndHeading();
}

// A curve's points, in two groups side by side when they are many, and room for the plot
// beside them: the block stays on one page.
void AddCurvePoints(TableContent& content, const TableSection& section, std::size_t headingLine) {
  const std::size_t count = section.rows.size();
  const std::size_t lines = count > kPointsInOneGroup ? (count + 1) / 2 : count;
  for (std::size_t line = 0; line < lines; ++line) {
    content.NextLine();
    for (const std::size_t row : {line, line + lines}) {
      if (row >= count) continue;
      const int offsetMm = row == line ? 0 : kSecondGroupMm;
      const std::vector<std::string>& cells = section.rows[row].cells;
      for (std::size_t i = 0; i < cells.size() && i < section.columns.size(); ++i)
        content.AddText(TableColumn(kCellMm[section.columns[i]] + offsetMm), cells[i]);
    }
  }
  while (content.LineCount() - headingLine < kCurveBlockLines + 1)
    content.NextLine();
  content.KeepTogether(headingLine);
}

void AddSection(TableContent& content, const TableModel& table, const TableSection& section) {
  const std::size_t headingLine = content.LineCount();
  const bool curve = section.columns.front() == kSoilCurvePoint;
  AddHeading(content, table, section, curve && section.rows.size() > kPointsInOneGroup);
  if (curve) {
    AddCurvePoints(content, section, headingLine);
  } else {
    for (std::size_t i = 0; i < section.rows.size(); ++i) {
      AddRow(content, section, section.rows[i].cells);
      if (i == 0) content.KeepTogether(headingLine);
    }
  }
  AddNoteLines(content, TableColumn(kLabelMm), section.notes);
  content.EndHeadingScope();
}

void AddSoilTable(const TableModel& table, TableContent& content) {
  AddNoteLines(content, TableColumn(kLabelMm), table.preamble);
  for (const TableSection& section : table.sections)
    AddSection(content, table, section);
}

// The table's transform, as the table pages place their lines: table units of 10 mm, y
// upwards from the printable height.
WorldTransform TableTransform(const RenderContext& ctx) {
  WorldTransform t = ctx.transform;
  t.pixelsPerMetreX = ctx.geometry.pixelsPerMmX * 10;
  t.pixelsPerMetreY = ctx.geometry.pixelsPerMmY * 10;
  t.originX = 0;
  t.originY = PrintableRangeY(100, ctx.geometry.paperHeightMm, ctx.settings.marginTop);
  return t;
}

// The plot of every curve whose block begins on the page shown, beside its points.
void DrawCurvePlots(DeviceContext& dc, RenderContext& ctx, const TableLayoutCache& cache,
                    const SoilProfile& profile, const std::string& stressUnit) {
  if (!cache.hasContent || !cache.hasPlacement) return;
  const TableContent& content = cache.content;
  const TablePlacement& placement = cache.placement;
  // Named copies, not a structured binding: the lambda below uses them.
  const std::pair<std::size_t, std::size_t> lines = placement.LinesOfPage(ctx.view.currentPage);
  const std::size_t first = lines.first, last = lines.second;
  const WorldTransform t = TableTransform(ctx);
  const double left = TableColumn(kPlotLeftMm);
  const double right = std::max(left + TableColumn(20),
                                content.textMeasure().rightEdge - TableColumn(kPlotRightGapMm));
  content.ForEachText(first, last, [&](std::size_t line, double x, std::string_view text) {
    if (x != TableColumn(kLabelMm)) return;
    for (const ElogPCurve& curve : profile.curves) {
      if (text != SoilCurveTitle(curve.number)) continue;
      const std::size_t top = line + kPlotFirstLine;
      const std::size_t bottom = line + kCurveBlockLines - kPlotLinesBelow;
      if (bottom >= last) return;
      DrawElogPPlot(dc, ctx, curve, ToDeviceX(t, left), ToDeviceY(t, placement.lineY[top]),
                    ToDeviceX(t, right), ToDeviceY(t, placement.lineY[bottom]), stressUnit);
      return;
    }
  });
}

int RenderSoilConditions(RenderContext& ctx, DeviceContext* dc, bool draw, Problem problem) {
  const SoilProfileReading& reading = ctx.document.soil(ctx.settings.unitSystem);
  const bool strip = problem == Problem::Strip;
  TableDisplay display{
      problem, DisplayKind::SoilConditions, strip ? kStripFont : kRectCircleFont,
      strip ? ctx.view.screenLineSteps.stripSoil : ctx.view.screenLineSteps.rectCircleSoil,
      strip ? ctx.caches.stripSoil : ctx.caches.rectCircleSoil};
  const TableContentKey key{
      {ctx.document.soilRevision(), CircleMethod::kExact}, 0, {ctx.settings.unitSystem}};
  const int pages = RenderTable(ctx, dc, draw, display, key, [&](TableContent& content) {
    AddSoilTable(SoilConditionsTable(reading, ctx.settings), content);
  });
  if (draw && dc != nullptr && reading.profile)
    DrawCurvePlots(*dc, ctx, display.cache, *reading.profile, StressUnitText(ctx.settings));
  return pages;
}

}  // namespace

int RenderStripSoilConditions(RenderContext& ctx, DeviceContext* dc, bool draw) {
  return RenderSoilConditions(ctx, dc, draw, Problem::Strip);
}

int RenderRectCircleSoilConditions(RenderContext& ctx, DeviceContext* dc, bool draw) {
  return RenderSoilConditions(ctx, dc, draw, Problem::RectCircle);
}

}  // namespace qel
