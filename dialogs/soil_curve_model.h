// The model of the curve dialog ("e-log p 曲線..."): up to kMaxCurves oedometer curves, curve
// No. k in slot k, each up to kMaxCurvePoints points (p, e) kept as typed; the paste of "p, e"
// lines from the clipboard; the check through the section's reader and the curve lines
// written back.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/dialog_model.h"
#include "document/document_tables.h"
#include "engine/soil_profile.h"

namespace qel {

using SoilCurvePoint = std::pair<std::string, std::string>;  // p, e as typed
using SoilCurvePoints = std::vector<SoilCurvePoint>;

// The points of clipboard text: one point a line, p and e separated by a tab, a comma (or "、"
// and "，") or blanks; full-width digits read as ASCII. Blank lines, and a first line that is
// not numbers (a heading), are left out. A line of another shape is an error naming it.
struct SoilCurvePaste {
  SoilCurvePoints points;
  std::optional<std::string> error;
};
SoilCurvePaste ParseSoilCurvePaste(const std::string& text);

// The drawing of one curve: the points that read (p > 0), in order.
struct SoilCurveGraphPoint {
  double p = 0, e = 0;
};
std::vector<SoilCurveGraphPoint> SoilCurveGraphPoints(const SoilCurvePoints& points);

class SoilCurveModel {
 public:
  static constexpr int kSlots = kMaxCurves;
  static constexpr int kMostPoints = kMaxCurvePoints;

  explicit SoilCurveModel(const DocumentTables& tables);

  // The points of curve No. slot+1 (trailing blank points left out when written).
  const SoilCurvePoints& points(int slot) const { return curves_.at(slot); }
  void SetCell(int slot, int row, int column, const std::string& text);
  // Pastes `text` into curve `slot` from `row` down; the error when it does not read or
  // does not fit (nothing is changed then).
  std::optional<std::string> Paste(int slot, int row, const std::string& text);
  // Whether a layer of the section names curve No. slot+1.
  bool UsedByLayer(int slot) const;

  std::optional<ValidationError> Validate() const;
  bool HasChanged() const;
  std::vector<std::string> SectionLines() const;
  // Writes the section when a field changed; nothing to tell.
  ApplyOutcome Apply(DocumentTables& tables) const;

 private:
  std::vector<std::string> CurveLines() const;

  std::vector<std::string> section_;
  std::vector<SoilCurvePoints> curves_, heldCurves_;
  // Curve lines that no slot holds (a number outside 1..kSlots, not a number, or given twice):
  // kept as they were.
  std::vector<std::string> keptLines_;
};

static_assert(DialogModel<SoilCurveModel, DocumentTables>);

}  // namespace qel
