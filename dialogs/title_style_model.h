// The model of the title/style dialog: one problem's titles, title positions, figure grid and
// result options, kept in the document's setting lines.
#pragma once

#include <optional>
#include <string>

#include "dialogs/dialog_model.h"
#include "dialogs/style_fields.h"

namespace qel {

struct TitleStyleFields : StyleFields {
  bool figureTitleEveryPage = false, dataTitleEveryPage = false, resultTitleEveryPage = false;
  bool showCalcTrace = false;
  int gridStyle = 0;  // 0 cross marks ("＋印"), 1 grid lines ("縦横線")
  // Axis values, scale, load intensities and point values on the figure ("注記").
  bool figureNotes = true;

  bool operator==(const TitleStyleFields&) const = default;
};

class TitleStyleModel {
 public:
  // Copies in the setting lines of `problem` (numbers and flags read as whole numbers) and
  // keeps the problem's standard values for "標準の設定".
  TitleStyleModel(const DocumentTables& tables, const SystemSettings& settings, Problem problem);

  Problem problem() const { return problem_; }
  // "帯状荷重 > タイトル・様式" or "長方形円形荷重 > タイトル・様式".
  std::string WindowTitle() const;
  // The text of the calculation-trace check, which names what the trace lists.
  std::string CalcTraceText() const;

  // The fields as typed; the widget writes into them on every edit.
  const TitleStyleFields& fields() const { return fields_; }
  TitleStyleFields& fields() { return fields_; }
  // The left position means something only while the titles are not centred.
  bool titleLeftEnabled() const { return !fields_.titleCentered; }

  // "標準の設定": the standard titles, positions, centring and grid of the problem. The
  // every-page checks, the grid style and the calculation trace stay.
  void ApplyStandardValues();

  std::optional<ValidationError> Validate() const { return CheckStyleFields(fields_); }
  bool HasChanged() const { return !(fields_ == original_); }
  // Writes the fields that differ from what was copied in (numbers and flags as "%d"); the
  // lines of fields left as they were are kept as they are; the notes check goes into the
  // figure options. Nothing to tell.
  ApplyOutcome Apply(DocumentTables& tables) const;

 private:
  Problem problem_;
  StyleDefaults standard_;
  TitleStyleFields original_;
  TitleStyleFields fields_;
};

static_assert(DialogModel<TitleStyleModel, DocumentTables>);

}  // namespace qel
