// Load rows, point values and exclusions as one line of text each, so that tests can compare
// whole lists and show which entry differs.
#pragma once

#include <string>
#include <vector>

#include "document/circle_rows.h"
#include "document/excluded_loads.h"
#include "document/point_values.h"
#include "document/rectangle_rows.h"
#include "document/strip_pieces.h"
#include "settings/c_locale.h"

namespace qel::test {

inline std::string RowText(const StripPieceRow& r) {
  const StripPiece& p = r.piece;
  return FormatC("%d %d %.17g %.17g %.17g %.17g %.17g %.17g %.17g %u", r.row, r.number, p.x1, p.x2,
                 p.x3, p.x4, p.h, p.gamma, r.baseY, r.outOfRange);
}
inline std::string RowText(const RectangleRow& r) {
  const RectLoad& l = r.load;
  return FormatC("%d %d %.17g %.17g %.17g %.17g %.17g %u", r.row, r.number, l.x1, l.y1, l.x2, l.y2,
                 l.q, r.outOfRange);
}
inline std::string RowText(const CircleRow& r) {
  const CircleLoad& l = r.load;
  return FormatC("%d %d %.17g %.17g %.17g %.17g %u", r.row, r.number, l.x, l.y, l.r, l.q,
                 r.outOfRange);
}
inline std::string RowText(const PointValue& v) {
  return FormatC("%d %.17g", v.row, v.value);
}
inline std::string RowText(const ExcludedLoad& e) {
  return FormatC("%d %d %d %d %d ", static_cast<int>(e.kind), e.set, e.row, e.column,
                 static_cast<int>(e.reason)) +
         e.text;
}
inline std::string RowText(const ExcludedPoint& e) {
  return FormatC("%d %d %d %d ", e.lattice, e.row, e.column, static_cast<int>(e.reason)) + e.text;
}

template <class Row>
std::vector<std::string> RowTexts(const std::vector<Row>& rows) {
  std::vector<std::string> texts;
  for (const Row& row : rows)
    texts.push_back(RowText(row));
  return texts;
}

}  // namespace qel::test
