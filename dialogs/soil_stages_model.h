// The model of the stages dialog ("施工段階・圧密計算..."): the construction stages of the fill,
// how a load applied over time is treated, the consolidation rule, the start of secondary
// compression and the residual period, kept as typed, checked through the section's reader and
// written back as the section's lines of those keys.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dialogs/dialog_model.h"
#include "dialogs/soil_line_faults.h"
#include "document/document_tables.h"

namespace qel {

// A stage's cells as typed; the stage's number is its place among the rows that hold something.
struct SoilStageRow {
  std::string start, end;  // days
  std::string fraction;    // the share of the loads reached at the stage's end, cumulative
  bool operator==(const SoilStageRow&) const = default;
};

enum class SoilStageColumn { kStart, kEnd, kFraction };

struct SoilStagesFields {
  std::vector<SoilStageRow> stages;  // none: the whole load on day 0
  // The codes of the section's lines ("exact", "layers" ...); empty: the line is absent and the
  // default holds (exact, layers).
  std::string timeLoad, consolidation;
  std::string secondary;  // U at which secondary compression starts; empty: 0.95
  std::string paving;     // the day the paving is laid; empty (with service): no residual period
  std::string service;    // the service life, days; empty: 3650
  bool operator==(const SoilStagesFields&) const = default;
};

class SoilStagesModel {
 public:
  static constexpr int kMostStages = 20;

  SoilStagesModel(const DocumentTables& tables, int unitSystem);

  const SoilStagesFields& fields() const { return fields_; }

  // Appends an empty stage; false when the table already holds kMostStages rows.
  bool AddStage();
  // Removes the row (nothing outside the table).
  void RemoveStage(int row);
  // Sets a cell as typed; full-width digits and points become ASCII.
  void SetStageCell(int row, SoilStageColumn column, const std::string& text);
  // The number the row's stage is written with ("" for a row that holds nothing).
  std::string StageNumber(int row) const;

  // The codes of the choices, in the order the dialog lists them; the first is the default.
  static const std::vector<std::string>& TimeLoadCodes();
  static const std::vector<std::string>& ConsolidationCodes();
  // The code chosen, the default when the line is absent.
  std::string TimeLoad() const;
  std::string Consolidation() const;
  void SetTimeLoad(const std::string& code);
  void SetConsolidation(const std::string& code);
  void SetSecondary(const std::string& text);
  void SetPaving(const std::string& text);
  void SetService(const std::string& text);

  // The first fault, with the field that gets the focus: "stages", "timeLoad",
  // "consolidation" (also for layers whose drainage the rule refuses), "secondary", "paving"
  // or "service".
  // A stage's fault begins with the table's row ("2 行目: 段階 2: ...").
  std::optional<ValidationError> Validate() const;
  // The row of the table whose stage holds the first fault, when the first fault is a stage's.
  std::optional<int> FaultRow() const;
  bool HasChanged() const { return fields_ != held_; }
  std::vector<std::string> SectionLines() const;
  // Writes the section when a field changed; nothing to tell.
  ApplyOutcome Apply(DocumentTables& tables) const;

 private:
  std::vector<std::string> OwnLines() const;
  std::optional<SoilLineFault> FirstFault() const;
  // The table row of the stage written as the `ordinal`-th stage line.
  int RowOfStage(int ordinal) const;

  std::vector<std::string> section_;
  int unitSystem_;
  SoilStagesFields fields_, held_;
};

static_assert(DialogModel<SoilStagesModel, DocumentTables>);

}  // namespace qel
