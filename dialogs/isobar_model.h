// The model of the isobar dialog ("等圧線"): whether a problem's figure draws its isobars, at
// which levels, filled or not, for the plan at which depth and along which section, kept in the
// document's figure options.
#pragma once

#include <optional>
#include <string>

#include "dialogs/dialog_model.h"
#include "document/document_tables.h"
#include "platform/prompts.h"
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
  // `stressDigits`: the decimals the results tables print dP with, for the range a question
  // names.
  IsobarModel(const DocumentTables& tables, Problem problem, int stressDigits = 3);

  Problem problem() const { return problem_; }
  // "帯状荷重 > 等圧線" or "長方形円形荷重 > 等圧線".
  std::string WindowTitle() const;
  // Only the plan is traced at a depth, and only it has a vertical section.
  bool hasDepth() const { return problem_ == Problem::RectCircle; }

  const IsobarFields& fields() const { return fields_; }
  IsobarFields& fields() { return fields_; }

  // A level list that does not read or, typed, holds more than kMostIsobarLevels levels, a depth
  // that is not a number of 0 or more, or a section position that is not a number, with the
  // field ("levels", "depth" or "sectionAt") that gets the focus. Full-width digits, signs and
  // points read as their ASCII forms, and "、" and "，" separate levels as commas do.
  std::optional<ValidationError> Validate() const;
  // The question OK asks (after Validate() found nothing) when the isobars are shown at typed
  // levels of which none lies within the loads' range (0 up to the largest intensity for a
  // positive level, the most negative intensity up to 0 for a negative one), so that no line
  // would be drawn; none when one does, or when there are no loads yet.
  std::optional<std::string> LevelsOutOfRangeQuestion() const;
  // Asks that question, if any: true when OK may close (none asked, or "いいえ" to keep the
  // levels), false when the user chose to correct them.
  bool ConfirmLevels(PromptService& prompts) const;
  bool HasChanged() const { return !(fields_ == original_); }
  // Stores the fields (Validate() found nothing) in the document's figure options.
  ApplyOutcome Apply(DocumentTables& tables) const;

 private:
  Problem problem_;
  IsobarFields original_, fields_;
  std::string heldLevels_;  // the levels the document held, as the dialog opened with them
  double largestPositive_ = 0.0, mostNegative_ = 0.0;  // the loads' intensities
  int stressDigits_ = 3;
};

static_assert(DialogModel<IsobarModel, DocumentTables>);

}  // namespace qel
