// The model of the scale dialog of one problem's figure (scales and print range), and what the
// scale command does with the values confirmed in it.
#pragma once

#include <optional>
#include <string>

#include "dialogs/dialog_model.h"
#include "document/document_tables.h"
#include "settings/system_settings.h"
#include "view/view_state.h"

namespace qel {

class PromptService;

// The values of a confirmed scale dialog.
struct ScaleValues {
  int scaleX = 0, scaleY = 0;  // denominators
  double topY = 0.0;
  int rangeY = 0, leftX = 0, rangeX = 0, pageOverlap = 0;
};

// The fields as typed.
struct ScaleFields {
  std::string scaleY, scaleX, topY, rangeY, leftX, rangeX, pageOverlap;
  bool operator==(const ScaleFields&) const = default;
};

class ScaleModel {
 public:
  // Copies in the document's scales and print range of `problem`; `paper` gives the printer's
  // page and the margins come from `settings`.
  ScaleModel(const DocumentTables& cells, const SystemSettings& settings, Problem problem,
             const DeviceGeometry& paper);

  Problem problem() const { return problem_; }
  // "縮尺　帯状荷重" or "縮尺-長方形円形荷重".
  std::string WindowTitle() const;

  const ScaleFields& fields() const { return fields_; }
  ScaleFields& fields() { return fields_; }
  int paperWidthMm() const { return paperWidthMm_; }
  int paperHeightMm() const { return paperHeightMm_; }
  // Metres of the model on one page across and down at the scales typed (never below 0).
  int PageMetresX() const;
  int PageMetresY() const;
  // The Y coordinate of the print range's bottom edge: top Y - Y range, "%.1f".
  std::string BottomY() const;

  // Leaving a scale field: the X (Y) range becomes what one page holds at that scale. A scale at
  // which a page holds no whole metre is said, with the scale, the range is left as it was and
  // the result is false, so that the field keeps the focus.
  bool LeaveScaleX(PromptService& prompts);
  bool LeaveScaleY(PromptService& prompts);

  // The label of the scale group, with the scales OK takes: "縮尺 1/?   10～5000".
  static std::string ScaleGroupLabel();

  // "標準の設定": scales outside 10..5000 become 500, the ranges fill one page, the top Y is
  // kept (at least 1 m, else 100 m; for the rectangles and circles 80 % of the page height
  // instead) and the left X is 0 (-1 for the rectangles and circles) with no overlap.
  void ApplyStandardValues();

  std::optional<ValidationError> Validate() const;
  bool HasChanged() const { return !(fields_ == original_); }
  // The typed values as numbers; only meaningful once Validate() found nothing.
  ScaleValues Values() const;
  // Stores the values in the scale and print-range lines of the model's problem, as a save writes
  // them, once Validate() found nothing. An overlap not smaller than the X range becomes 0, with
  // a notice saying so, and the dialog must open again (reopen). Ranges wider than one page
  // (plus 2 m) are cut to it, with a notice giving the page's length.
  ApplyOutcome Apply(DocumentTables& cells) const;

 private:
  int PrintableX(const std::string& scale) const;
  int PrintableY(const std::string& scale) const;

  Problem problem_;
  int paperWidthMm_, paperHeightMm_;
  int marginLeft_, marginTop_;
  ScaleFields original_;
  ScaleFields fields_;
};

// The scale command opens its dialog at most this many times in a row.
inline constexpr int kMostScaleOpenings = 11;

static_assert(DialogModel<ScaleModel, DocumentTables>);

}  // namespace qel
