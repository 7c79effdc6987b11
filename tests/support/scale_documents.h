// The paper, settings and document the scale dialog's tests start from.
#pragma once

#include "document/document_tables.h"
#include "settings/system_settings.h"
#include "support/figure_range_edit.h"
#include "view/view_state.h"

namespace qel::test {

inline DeviceGeometry ScalePaper(int widthMm = 210, int heightMm = 297) {
  DeviceGeometry paper;
  paper.paperWidthMm = widthMm;
  paper.paperHeightMm = heightMm;
  return paper;
}

// One A4 page holds 95 m across and 128 m down at 1/500 with these margins.
inline SystemSettings ScaleSettings() {
  SystemSettings s;
  s.marginLeft = 10;
  s.marginTop = 20;
  return s;
}

// A document's scales and print ranges: the strip figure at 1/500, the plan at 1/300 by 1/200.
inline DocumentTables ScaleCells() {
  DocumentTables cells;
  FigureRange strip;
  strip.scaleX = strip.scaleY = 500;
  strip.topY = 12.5;
  strip.rangeX = 80;
  strip.rangeY = 100;
  strip.leftX = -5;
  strip.pageOverlap = 3;
  SetFigureRange(cells, Problem::Strip, strip);
  FigureRange rect;
  rect.scaleX = 300;
  rect.scaleY = 200;
  rect.topY = 40;
  rect.rangeX = 50;
  rect.rangeY = 60;
  SetFigureRange(cells, Problem::RectCircle, rect);
  return cells;
}

}  // namespace qel::test
