// The strip-load results table: dP of every strip calculation point, optionally the course of
// the calculation piece by piece, then the dP table of each depth in blocks of x columns.
#include <algorithm>

#include "base/c_locale.h"
#include "document/document_results.h"
#include "document/point_values.h"
#include "document/problem_common.h"
#include "document/strip_pieces.h"
#include "document/strip_points.h"
#include "settings/number_format.h"
#include "view/exclusion_notes.h"
#include "view/render_caches.h"
#include "view/renderers.h"
#include "view/table_layout.h"

namespace qel {

namespace {

constexpr int kLabelMm = 1;
constexpr int kMaxValueColumns = 8;
// Value column positions in millimetres: for up to six columns a block, and narrower for
// seven or eight.
constexpr int kWideColumnsMm[kMaxValueColumns] = {26, 51, 76, 101, 126, 151, 176, 201};
constexpr int kNarrowColumnsMm[kMaxValueColumns] = {26, 46, 66, 86, 106, 126, 146, 166};
constexpr int kWideColumnLimit = 6;

// What the text of the table depends on besides the loads and points.
struct StripTableOptions {
  bool showTrace = false;
  int influenceDigits = 0;
  int stressDigits = 0;
  int valueColumns = 1;  // 1..8
  bool kiloNewtons = false;
};

StripTableOptions OptionsOf(const RenderContext& ctx) {
  StripTableOptions options;
  options.showTrace = ctx.document.strip().style.showCalcTrace;
  options.influenceDigits = ctx.settings.influenceDigits;
  options.stressDigits = ctx.settings.stressDigits;
  options.valueColumns = std::clamp(ctx.settings.stripResultColumns, 1, kMaxValueColumns);
  options.kiloNewtons = ctx.settings.unitSystem != 0;
  return options;
}

TableContentKey ContentKey(const ResultsKey& results, const StripTableOptions& options) {
  return {results,
          0,
          {options.showTrace, options.influenceDigits, options.stressDigits, options.valueColumns,
           options.kiloNewtons}};
}

// The course of the calculation: for every point its number and position, and for every piece
// its shape, I and dP. A point's heading begins every page its record goes on to, marked as
// continued; a piece's two lines stay together, and the heading with the first piece.
void AddTrace(const DocumentTables& tables, const StripTableOptions& options,
              TableContent& content) {
  const double label = TableColumn(kLabelMm);
  const double value1 = TableColumn(26);
  const double value2 = TableColumn(51);
  const char* influenceFormat = DigitFormat(options.influenceDigits);
  const char* stressFormat = DigitFormat(options.stressDigits);
  const std::vector<StripPieceRow> pieceSets[kStripSets] = {CalculatedStripPieces(tables, 1),
                                                            CalculatedStripPieces(tables, 2)};
  const bool setHasData[kStripSets] = {StripSetHasData(tables, 1), StripSetHasData(tables, 2)};
  const bool bothSets = setHasData[0] && setHasData[1];
  int point = 0;
  StripPoints(tables).ForEach([&](const StripPoint& at) {
    const double x = at.x, z = at.z;
    content.NextLine();
    const std::size_t headingLine = content.LineCount();
    content.BeginHeading(HeadingMark::Continued);
    content.NextLine();
    content.AddText(
        label, FormatC("計算点 P%d(%4.2f,%4.2f)", ++point, AtTwoDecimals(x), AtTwoDecimals(z)));
    content.EndHeading();
    bool firstPiece = true;
    for (int set = 0; set < kStripSets; ++set) {
      for (const StripPieceRow& row : pieceSets[set]) {
        const StripPiece& piece = row.piece;
        const std::size_t pieceLine = content.LineCount();
        content.NextLine();
        if (bothSets) {
          content.AddText(label, FormatC("荷重%d 帯状荷重 No.%2d", set + 1, row.number));
        } else if (setHasData[set]) {
          content.AddText(label, FormatC("　　　帯状荷重 No.%2d", row.number));
        }
        content.AddText(value2, FormatC("x(%4.2f, %4.2f, %4.2f, %4.2f)  h=%4.2f γ=%4.2f",
                                        AtTwoDecimals(piece.x1), AtTwoDecimals(piece.x2),
                                        AtTwoDecimals(piece.x3), AtTwoDecimals(piece.x4),
                                        AtTwoDecimals(piece.h), AtTwoDecimals(piece.gamma)));
        content.NextLine();
        content.AddText(value1,
                        "I=" + FormatUnsignedZero(influenceFormat, StripPieceI(piece, x, z)));
        content.AddText(value2,
                        "dP=" + FormatUnsignedZero(stressFormat, StripPieceStress(piece, x, z)));
        content.KeepTogether(pieceLine);
        if (firstPiece) content.KeepTogether(headingLine);
        firstPiece = false;
      }
    }
    content.EndHeadingScope();
  });
  content.NextLine();  // a blank line closes the listing
}

// For every depth: its z, then blocks of x values with their dP below them. A page that begins
// inside a depth repeats its z, marked as continued; a block of x values stays with its dP, and
// the z with its first block.
void AddFinalTable(const DocumentTables& tables, const ResultsGrid& results,
                   const StripTableOptions& options, TableContent& content) {
  const double label = TableColumn(kLabelMm);
  const int* columnsMm =
      options.valueColumns <= kWideColumnLimit ? kWideColumnsMm : kNarrowColumnsMm;
  const char* stressFormat = DigitFormat(options.stressDigits);
  const char* unitLabel = options.kiloNewtons ? "  dP kN/㎡" : "  dP tf/㎡";
  const int perBlock = options.valueColumns;
  const StripPoints points(tables);
  const std::vector<PointValue>& xs = points.xs();
  const int xCount = static_cast<int>(xs.size());
  // Integer division truncating towards zero: no x rows give one empty block, except with one
  // column a block, where they give none.
  const int blocks = (xCount - 1) / perBlock + 1;
  for (const PointValue& z : points.depths()) {
    const std::size_t depthLine = content.LineCount();
    content.BeginHeading(HeadingMark::Continued);
    content.NextLine();
    content.AddText(label, "Z m  " + FormatUnsignedZero("%4.2f", z.value));
    content.EndHeading();
    for (int block = 0; block < blocks; ++block) {
      const std::size_t blockLine = content.LineCount();
      const int first = block * perBlock;
      const int last = std::min(xCount, first + perBlock);
      content.NextLine();
      content.AddText(label, "  X m");
      for (int i = first; i < last; ++i) {
        content.AddText(TableColumn(columnsMm[i - first]),
                        FormatUnsignedZero("%5.2f", xs[i].value));
      }
      content.NextLine();
      content.AddText(label, unitLabel);
      for (int i = first; i < last; ++i) {
        content.AddText(TableColumn(columnsMm[i - first]),
                        StressCellText(z.value, stressFormat, results.strip(xs[i].row, z.row)));
      }
      content.KeepTogether(blockLine);
      if (block == 0) content.KeepTogether(depthLine);
    }
  }
  content.EndHeadingScope();
  AddNoteLines(content, label, PointNotes(FindExcludedPoints(tables, false)));
}

}  // namespace

int RenderStripResults(RenderContext& ctx, DeviceContext* dc, bool draw) {
  const ResultsGrid& results = StripResultsOf(ctx);
  const StripTableOptions options = OptionsOf(ctx);
  TableDisplay display{Problem::Strip, DisplayKind::Results, kStripFont,
                       ctx.view.screenLineSteps.stripResults, ctx.caches.stripResults};
  return RenderTable(ctx, dc, draw, display, ContentKey(StripResultsKey(ctx.document), options),
                     [&](TableContent& content) {
                       if (options.showTrace) AddTrace(ctx.document.cells(), options, content);
                       content.BreakPastTwoThirds();
                       AddFinalTable(ctx.document.cells(), results, options, content);
                     });
}

}  // namespace qel
