// The model of the line, margin and digits dialog: line widths, colours, margins, decimals, unit
// system and the registered texts, kept in the system settings.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dialogs/dialog_model.h"
#include "document/document.h"
#include "settings/system_settings.h"
#include "view/drawing.h"
#include "view/view_state.h"

namespace qel {

// The fields as typed. The three digit lists hold list positions: value - 2 for the values 2..8
// the lists offer, -1 (nothing chosen) for any other value, which is then kept.
struct LineMarginFields {
  int colourMode = 0;  // 0 colour ("カラー"), 1 monochrome ("白黒")
  std::string figureLineWidth;
  std::string axisLineWidth, axisDashOn, axisDashOff, axisColour;
  std::string pointMarkWidth, pointMarkSize, pointColour;
  std::string gridLineWidth, gridMarkSize, gridColour;
  int influenceDigits = -1, stressDigits = -1, stripResultColumns = -1;
  int unitSystem = 0;  // 0 tf-m, 1 kN-m
  std::string marginTop, marginLeft;
  std::string organisationName, contactText;

  bool operator==(const LineMarginFields&) const = default;
};

class LineMarginModel {
 public:
  // Copies in the settings, then applies the rule of the colour mode shown.
  explicit LineMarginModel(const SystemSettings& settings);

  // The entries of the three digit lists: "2" .. "8".
  static const std::vector<std::string>& DigitChoices();
  // A colour text ("0x808080": hexadecimal after 0x) as the colour it stands for, red in the
  // lowest byte; and a colour as such a text.
  static Colour ColourOf(const std::string& text);
  static std::string ColourText(Colour colour);

  const LineMarginFields& fields() const { return fields_; }
  LineMarginFields& fields() { return fields_; }

  // "カラー" draws the axes solid: the gap becomes 0 and the dash fields are disabled; "白黒"
  // enables them.
  void SetColourMode(int mode);
  bool dashFieldsEnabled() const { return fields_.colourMode != 0; }

  // "標準の設定": the widths, sizes, margins, digits and colours of a fresh installation in
  // colour mode; the unit system and the registered texts stay.
  void ApplyStandardValues();

  std::optional<ValidationError> Validate() const;
  bool HasChanged() const { return !(fields_ == original_); }
  // Stores the values in the settings. Nothing to tell: the print ranges that no longer fit are
  // the command's step after it (FitRangesToMargins).
  ApplyOutcome Apply(SystemSettings& settings) const;

 private:
  LineMarginFields original_;
  LineMarginFields fields_;
  int originalDigits_[3];  // the values behind positions -1
};

// Margins lie from 0 to this many millimetres.
inline constexpr int kLargestMargin = 200;

// After the margins changed: each print range wider or taller than a page now holds at its
// scale is lowered to what the page holds (never below 1 m); ranges that fit stay. The first
// lowers the default ranges of the settings, the second the document's own.
void LowerRangesToPage(SystemSettings& settings, const DeviceGeometry& paper);
void LowerRangesToPage(DocumentTables& cells, const SystemSettings& settings,
                       const DeviceGeometry& paper);

// The line, margin and digits command after OK stored the values in `settings`: the print
// ranges of the settings and of the document lowered to the new margins (the document's as one
// undo step named `stepName`), and a table display back at its first page.
void FitRangesToMargins(const DeviceGeometry& paper, SystemSettings& settings, Document& document,
                        const std::string& stepName, ViewState& view);

static_assert(DialogModel<LineMarginModel, SystemSettings>);

}  // namespace qel
