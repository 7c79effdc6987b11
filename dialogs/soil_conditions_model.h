// The model of the conditions dialog ("地下水位・分割・時間..."): the water table, γw, the largest
// slice, the times and the columns of the time curves of the soil profile, kept as typed, checked
// through the section's reader and written back as the section's setting lines.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dialogs/dialog_model.h"
#include "document/document_tables.h"

namespace qel {

struct SoilConditionsFields {
  std::string water;   // m below the surface; empty: no water table
  std::string gammaW;  // γw in the document's units
  std::string slice;   // the largest slice, m
  std::string times;   // days, comma-separated; empty: the default times
  // The columns the time-settlement curves show, by number, comma-separated; empty: the six
  // that settle most.
  std::string timeColumns;
  bool operator==(const SoilConditionsFields&) const = default;
};

class SoilConditionsModel {
 public:
  // A document without a soil profile is offered γw 9.81 (kN-m) or 1.0 (tf-m) and a slice of
  // 1.0; otherwise the dialog shows the section's values.
  SoilConditionsModel(const DocumentTables& tables, int unitSystem);

  const SoilConditionsFields& fields() const { return fields_; }
  // Sets a field as typed; full-width digits, signs, points and list separators become ASCII.
  void SetWater(const std::string& text);
  void SetGammaW(const std::string& text);
  void SetSlice(const std::string& text);
  void SetTimes(const std::string& text);
  void SetTimeColumns(const std::string& text);

  // The first fault of the fields, with the field ("water", "gammaW", "slice", "times" or
  // "timeColumns") that gets the focus.
  std::optional<ValidationError> Validate() const;
  bool HasChanged() const { return fields_ != held_; }
  std::vector<std::string> SectionLines() const;
  // Writes the section when a field changed; nothing to tell.
  ApplyOutcome Apply(DocumentTables& tables) const;

 private:
  std::vector<std::string> SettingLines() const;

  std::vector<std::string> section_;
  int unitSystem_;
  SoilConditionsFields fields_, held_;
};

static_assert(DialogModel<SoilConditionsModel, DocumentTables>);

}  // namespace qel
