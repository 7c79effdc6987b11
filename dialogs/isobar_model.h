// The model of the isobar dialog ("等圧線"): whether a problem's figure draws its isobars, at
// which levels, filled or not, for the plan at which depth and along which section, kept in the
// document's figure options.
#pragma once

#include <optional>
#include <string>

#include "dialogs/validation.h"
#include "document/document_tables.h"
#include "settings/problem.h"

namespace qel {

struct IsobarFields {
  bool shown = false;
  std::string levels;  // "L1,L2,..."; empty: the default round levels
  std::string depth;   // the plan's depth z in metres; empty: the first lattice depth below 0
  // The vertical section of the depth display: along x = const (else y = const) at `sectionAt`
  // metres; empty: through the first lattice x (or y).
  bool sectionAtX = false;
  std::string sectionAt;
  bool fill = false;  // the areas between the levels in colour, with a legend
  bool operator==(const IsobarFields&) const = default;
};

class IsobarModel {
 public:
  IsobarModel(const DocumentTables& tables, Problem problem);

  Problem problem() const { return problem_; }
  // "帯状荷重 > 等圧線" or "長方形円形荷重 > 等圧線".
  std::string WindowTitle() const;
  // Only the plan is traced at a depth, and only it has a vertical section.
  bool hasDepth() const { return problem_ == Problem::RectCircle; }

  const IsobarFields& fields() const { return fields_; }
  IsobarFields& fields() { return fields_; }

  // A level list that does not read or, typed, holds more than kMostIsobarLevels levels, a depth
  // that is not a number of 0 or more, or a section position that is not a number, with the
  // field ("levels", "depth" or "sectionAt") that gets the focus.
  std::optional<ValidationError> Validate() const;
  // Stores the fields (Validate() found nothing) in the document's figure options.
  void Apply(DocumentTables& tables) const;

 private:
  Problem problem_;
  IsobarFields fields_;
  std::string heldLevels_;  // the levels the document held, as the dialog opened with them
};

}  // namespace qel
